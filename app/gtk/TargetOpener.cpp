#include "app/gtk/TargetOpener.h"

#include <gio/gio.h>

#include "app/gtk/GHandles.h"

namespace tavelo {

std::string CTargetOpener::TargetUri(const std::string& target) {
    if (target.empty()) {
        return {};
    }
    g_autofree gchar* scheme = g_uri_parse_scheme(target.c_str());
    // A one-letter scheme is a drive letter of a path written the Windows way, not a URI.
    if (scheme != nullptr && std::string(scheme).size() > 1) {
        return target;
    }
    GObjectPtr<GFile> file(g_file_new_for_commandline_arg(target.c_str()));
    g_autofree gchar* uri = g_file_get_uri(file.get());
    return uri != nullptr ? uri : std::string();
}

void CTargetOpener::OpenTarget(const std::string& target) {
    const std::string uri = TargetUri(target);
    if (uri.empty()) {
        return;
    }
    // The result is not examined: a target without a handler simply opens nothing.
    g_app_info_launch_default_for_uri_async(uri.c_str(), nullptr, nullptr, nullptr, nullptr);
}

}  // namespace tavelo
