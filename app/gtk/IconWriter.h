#pragma once

#include "app/PageHost.h"

namespace tavelo {

// Writes the icon the desktop's icon theme shows for a file, folder or web address as a 32x32
// opaque PNG on white.
class CIconWriter : public IIconWriter {
public:
    void SaveFileIconAsPng(const std::string& target, const std::string& pngPath) override;
};

}  // namespace tavelo
