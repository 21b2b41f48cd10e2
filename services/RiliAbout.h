#pragma once

#include <string>

namespace tavelo {

// The maker's web site, opened from the about box.
inline constexpr const char* kMakerSite = "https://tavelo.example.org";

// The about box's text: title, content markup and button caption, separated by "|".
std::string RiliAboutInit();

}  // namespace tavelo
