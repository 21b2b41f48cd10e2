#include "storage/TextCodec.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>

namespace tavelo {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// Length of the well-formed UTF-8 sequence at the start of text, or 0 when it is ill-formed.
size_t Utf8SequenceLength(std::string_view text) {
    const auto b0 = static_cast<unsigned char>(text[0]);
    if (b0 < 0x80) {
        return 1;
    }
    size_t len = 0;
    unsigned char lo = 0x80;
    unsigned char hi = 0xBF;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        len = 2;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        len = 3;
        if (b0 == 0xE0) {
            lo = 0xA0;
        } else if (b0 == 0xED) {
            hi = 0x9F;  // U+D800..U+DFFF are not characters.
        }
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        len = 4;
        if (b0 == 0xF0) {
            lo = 0x90;
        } else if (b0 == 0xF4) {
            hi = 0x8F;
        }
    } else {
        return 0;
    }
    if (text.size() < len) {
        return 0;
    }
    const auto b1 = static_cast<unsigned char>(text[1]);
    if (b1 < lo || b1 > hi) {
        return 0;
    }
    for (size_t i = 2; i < len; ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b < 0x80 || b > 0xBF) {
            return 0;
        }
    }
    return len;
}

// One converter per direction and thread, opened on first use: opening one costs far more than
// converting a short text, and every row of a long list is converted.
class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Converter() {
        if (Valid()) {
            iconv_close(m_cd);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool Valid() const {
        return m_cd != reinterpret_cast<iconv_t>(-1);  // NOLINT(performance-no-int-to-ptr)
    }
    iconv_t Get() const {
        // A conversion left part-way by an earlier call must not shift this one.
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        return m_cd;
    }

private:
    iconv_t m_cd;
};

// Runs the whole input through one conversion; an input byte the converter rejects is skipped and
// replaced by the target's rendering of U+FFFD.
std::string Convert(const Converter& converter, std::string_view input,
                    std::string_view replacement) {
    if (!converter.Valid()) {
        return std::string(input);
    }
    iconv_t cd = converter.Get();
    std::string out;
    out.reserve(input.size() * 2 + 16);
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    char buffer[4096];
    while (inLeft > 0) {
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        const size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, outPtr);
        if (rc == static_cast<size_t>(-1)) {
            if (errno == E2BIG) {
                continue;
            }
            // EILSEQ or EINVAL: skip one byte of the input and mark the loss.
            out.append(replacement);
            ++in;
            --inLeft;
        }
    }
    char* outPtr = buffer;
    size_t outLeft = sizeof buffer;
    iconv(cd, nullptr, nullptr, &outPtr, &outLeft);
    out.append(buffer, outPtr);
    return out;
}

}  // namespace

bool IsAscii(std::string_view text) {
    for (unsigned char c : text) {
        if (c >= 0x80) {
            return false;
        }
    }
    return true;
}

std::string MakeValidUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        const size_t len = Utf8SequenceLength(text.substr(i));
        if (len == 0) {
            out.append(kReplacement);
            ++i;
        } else {
            out.append(text.substr(i, len));
            i += len;
        }
    }
    return out;
}

std::string ToCodePage(std::string_view utf8) {
    if (IsAscii(utf8)) {
        return std::string(utf8);
    }
    // GB18030 maps every Unicode scalar value, so after validation nothing is lost here.
    thread_local const Converter toCodePage("GB18030", "UTF-8");
    return Convert(toCodePage, MakeValidUtf8(utf8), "\x84\x31\xA4\x37");
}

std::string FromCodePage(std::string_view codePage) {
    if (IsAscii(codePage)) {
        return std::string(codePage);
    }
    thread_local const Converter fromCodePage("UTF-8", "GB18030");
    return Convert(fromCodePage, codePage, kReplacement);
}

}  // namespace tavelo
