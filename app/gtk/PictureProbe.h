#pragma once

#include "services/Tpx.h"

namespace tavelo {

// Reads a picture's size from its file header with GdkPixbuf.
class CPictureProbe : public IPictureProbe {
public:
    std::optional<PixelSize> PictureSize(const std::string& path) override;
};

}  // namespace tavelo
