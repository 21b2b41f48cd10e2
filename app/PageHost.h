#pragma once

#include <string>

namespace tavelo {

// What the dispatch needs from the window that shows the pages.
class IPageHost {
public:
    virtual ~IPageHost() = default;
    // Calls a function of the current page with one text; an answer for a function the page does
    // not define, or one whose script fails, is dropped.
    virtual void CallScript(const std::string& function, const std::string& argument) = 0;
    // Loads a page by id once the current request has returned.
    virtual void LoadPage(int id) = 0;
    // Opens a file, folder or web address with the user's default handler, without waiting.
    virtual void OpenTarget(const std::string& target) = 0;
};

// Writes the icon the desktop shows for a file, folder or web address as a PNG picture.
class IIconWriter {
public:
    virtual ~IIconWriter() = default;
    virtual void SaveFileIconAsPng(const std::string& target, const std::string& pngPath) = 0;
};

// Page ids.
inline constexpr int HTML_rili = 187;
inline constexpr int HTML_shzl = 176;
inline constexpr int HTML_about = 213;
inline constexpr int HTML_rjbqh = 200;
inline constexpr int HTML_tpx = 103;

}  // namespace tavelo
