#include "services/Tpx.h"

#include <cmath>
#include <filesystem>
#include <system_error>

#include "services/Payload.h"

namespace tavelo {
namespace fs = std::filesystem;
namespace {

constexpr int kFrameWidth = 8;
constexpr int kFrameHeight = 30;

fs::path PictureFolder() {
    std::error_code ec;
    return fs::current_path(ec) / "tpx";
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

}  // namespace

std::optional<std::string> PathFromAddress(const std::string& address) {
    constexpr std::string_view kScheme = "file://";
    if (address.rfind(kScheme, 0) != 0) {
        return address;
    }
    std::string rest = address.substr(kScheme.size());
    // Only local files: the host part must be empty or "localhost".
    if (rest.rfind("localhost/", 0) == 0) {
        rest.erase(0, 9);
    }
    if (rest.empty() || rest[0] != '/') {
        return std::nullopt;
    }
    const size_t end = rest.find_first_of("?#");
    if (end != std::string::npos) {
        rest.resize(end);
    }
    std::string path;
    path.reserve(rest.size());
    for (size_t i = 0; i < rest.size(); ++i) {
        if (rest[i] != '%') {
            path.push_back(rest[i]);
            continue;
        }
        if (i + 2 >= rest.size()) {
            return std::nullopt;
        }
        const int hi = HexValue(rest[i + 1]);
        const int lo = HexValue(rest[i + 2]);
        if (hi < 0 || lo < 0) {
            return std::nullopt;
        }
        const char decoded = static_cast<char>(hi * 16 + lo);
        if (decoded == '\0') {
            return std::nullopt;
        }
        path.push_back(decoded);
        i += 2;
    }
    return path;
}

std::optional<PixelSize> FitPicture(PixelSize picture, double initWidth, double initHeight) {
    if (picture.width <= 0 || picture.height <= 0) {
        return std::nullopt;
    }
    const double areaWidth = initWidth - kFrameWidth;
    const double areaHeight = initHeight - kFrameHeight;
    const double r = static_cast<double>(picture.height) / picture.width;
    const double q = areaHeight / areaWidth;
    double w = 0;
    double h = 0;
    if (q <= r) {
        h = areaHeight;
        w = areaHeight / r;
    } else {
        w = areaWidth;
        h = r * areaWidth;
    }
    return PixelSize{static_cast<int>(std::trunc(w)) + kFrameWidth,
                     static_cast<int>(std::trunc(h)) + kFrameHeight};
}

void TpxFitWindow(const std::string& address, double initWidth, double initHeight,
                  IPictureProbe& probe, IWindowSizer& sizer) {
    const std::optional<std::string> path = PathFromAddress(address);
    if (!path) {
        return;
    }
    const std::optional<PixelSize> picture = probe.PictureSize(*path);
    if (!picture) {
        return;
    }
    if (const std::optional<PixelSize> window = FitPicture(*picture, initWidth, initHeight)) {
        sizer.ResizeWindow(window->width, window->height);
    }
}

std::string TpxListPictures() {
    CListBuilder list;
    const fs::path folder = PictureFolder();
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.empty() || name == "." || name == "..") {
            continue;
        }
        list.Append(TextItem((folder / name).string(), Backslashes::DoubledByPage));
    }
    return list.Finish();
}

void TpxAddPicture(const std::string& path) {
    const std::optional<std::string> source = PathFromAddress(path);
    if (!source) {
        return;
    }
    const fs::path name = fs::path(*source).filename();
    if (name.empty()) {
        return;
    }
    std::error_code ec;
    fs::copy_file(*source, PictureFolder() / name, fs::copy_options::overwrite_existing, ec);
}

void TpxDeletePicture(const std::string& address) {
    const std::optional<std::string> path = PathFromAddress(address);
    if (!path || path->empty()) {
        throw ServiceError("无法删除文件: " + address);
    }
    std::error_code ec;
    // Only an entry directly inside the picture folder may be deleted; ".." and links elsewhere
    // resolve outside it and are refused.
    const fs::path folder = fs::weakly_canonical(PictureFolder(), ec);
    const fs::path target = fs::path(*path);
    const fs::path parent = fs::weakly_canonical(target.parent_path(), ec);
    if (ec || parent != folder || target.filename().empty() || target.filename() == "." ||
        target.filename() == "..") {
        throw ServiceError("无法删除文件: " + *path);
    }
    if (!fs::remove(folder / target.filename(), ec) || ec) {
        throw ServiceError("无法删除文件: " + *path);
    }
}

}  // namespace tavelo
