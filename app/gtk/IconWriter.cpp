#include "app/gtk/IconWriter.h"

#include <gtk/gtk.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "app/gtk/GHandles.h"
#include "app/gtk/TargetOpener.h"

namespace tavelo {

namespace {

constexpr int kIconSize = 32;

// The icon for a target: its content type's icon for a file or folder, a web page's for a URI.
GObjectPtr<GIcon> IconFor(const std::string& target) {
    const std::string uri = CTargetOpener::TargetUri(target);
    GObjectPtr<GFile> file(g_file_new_for_uri(uri.c_str()));
    if (g_file_is_native(file.get())) {
        GObjectPtr<GFileInfo> info(g_file_query_info(file.get(),
                                                     G_FILE_ATTRIBUTE_STANDARD_CONTENT_TYPE,
                                                     G_FILE_QUERY_INFO_NONE, nullptr, nullptr));
        const char* type = info ? g_file_info_get_content_type(info.get()) : nullptr;
        if (type != nullptr) {
            return GObjectPtr<GIcon>(g_content_type_get_icon(type));
        }
        g_autofree gchar* guessed = g_content_type_guess(target.c_str(), nullptr, 0, nullptr);
        return GObjectPtr<GIcon>(g_content_type_get_icon(guessed));
    }
    return GObjectPtr<GIcon>(g_themed_icon_new_with_default_fallbacks("text-html"));
}

}  // namespace

void CIconWriter::SaveFileIconAsPng(const std::string& target, const std::string& pngPath) {
    std::error_code ec;
    const std::filesystem::path folder = std::filesystem::path(pngPath).parent_path();
    if (!folder.empty()) {
        std::filesystem::create_directories(folder, ec);
    }
    GObjectPtr<GIcon> icon = IconFor(target);
    GtkIconTheme* theme = gtk_icon_theme_get_default();
    GObjectPtr<GtkIconInfo> info(gtk_icon_theme_lookup_by_gicon(
        theme, icon.get(), kIconSize, static_cast<GtkIconLookupFlags>(GTK_ICON_LOOKUP_FORCE_SIZE |
                                                                      GTK_ICON_LOOKUP_GENERIC_FALLBACK)));
    if (!info) {
        info.reset(gtk_icon_theme_lookup_icon(theme, "text-x-generic", kIconSize,
                                              GTK_ICON_LOOKUP_FORCE_SIZE));
    }
    GObjectPtr<GdkPixbuf> picture(info ? gtk_icon_info_load_icon(info.get(), nullptr) : nullptr);

    // The page shows the picture on its own background, so it is flattened onto white.
    GObjectPtr<GdkPixbuf> canvas(
        gdk_pixbuf_new(GDK_COLORSPACE_RGB, FALSE, 8, kIconSize, kIconSize));
    gdk_pixbuf_fill(canvas.get(), 0xffffffff);
    if (picture) {
        const int w = std::min(kIconSize, gdk_pixbuf_get_width(picture.get()));
        const int h = std::min(kIconSize, gdk_pixbuf_get_height(picture.get()));
        gdk_pixbuf_composite(picture.get(), canvas.get(), 0, 0, w, h, 0, 0, 1, 1,
                             GDK_INTERP_BILINEAR, 255);
    }
    gdk_pixbuf_save(canvas.get(), pngPath.c_str(), "png", nullptr, nullptr);
}

}  // namespace tavelo
