#pragma once

#include <string>
#include <string_view>

namespace tavelo {

// Text in the pages and the dispatch is UTF-8; text in the database file is GB18030, a superset of
// code page 936, so files written by older versions of the program read back unchanged.

// Converts UTF-8 to the database's code page. Invalid UTF-8 sequences become U+FFFD first, so the
// conversion never fails and never drops the rest of the text.
std::string ToCodePage(std::string_view utf8);

// Converts database text back to UTF-8. Byte sequences that are not GB18030 become U+FFFD.
std::string FromCodePage(std::string_view codePage);

// True when every byte is ASCII, which reads the same in both encodings.
bool IsAscii(std::string_view text);

// Replaces every ill-formed UTF-8 sequence (including encoded surrogate halves) by U+FFFD.
std::string MakeValidUtf8(std::string_view text);

}  // namespace tavelo
