#include "app/gtk/PictureProbe.h"

#include <gdk-pixbuf/gdk-pixbuf.h>

namespace tavelo {

std::optional<PixelSize> CPictureProbe::PictureSize(const std::string& path) {
    gint width = 0;
    gint height = 0;
    if (gdk_pixbuf_get_file_info(path.c_str(), &width, &height) == nullptr || width <= 0 ||
        height <= 0) {
        return std::nullopt;
    }
    return PixelSize{width, height};
}

}  // namespace tavelo
