#include "services/Payload.h"

#include <cmath>

#include "storage/DbRecord.h"
#include "storage/TextCodec.h"

namespace tavelo {
namespace {

constexpr std::string_view kLineSeparator = "\xE2\x80\xA8";       // U+2028
constexpr std::string_view kParagraphSeparator = "\xE2\x80\xA9";  // U+2029

// Escapes for a literal that is evaluated as it is.
void AppendEscaped(std::string& out, std::string_view text, bool keepPairs) {
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        switch (c) {
            case '\\':
                // A stored pair already reads as one backslash; anything else is escaped.
                if (keepPairs && i + 1 < text.size() && text[i + 1] == '\\') {
                    ++i;
                }
                out.append("\\\\");
                break;
            case '\'':
                out.append("\\'");
                break;
            case '\n':
                out.append("\\n");
                break;
            case '\r':
                out.append("\\r");
                break;
            case '|':
                // "\|" reads as "|"; with every bar escaped no item can hold the part separator.
                out.append("\\|");
                break;
            default:
                if (text.substr(i).rfind(kLineSeparator, 0) == 0) {
                    out.append("\\u2028");
                    i += 2;
                } else if (text.substr(i).rfind(kParagraphSeparator, 0) == 0) {
                    out.append("\\u2029");
                    i += 2;
                } else {
                    out.push_back(c);
                }
        }
    }
}

// Escapes without any backslash, for an answer whose backslashes the page doubles: characters
// that cannot stand in a quoted literal are spliced in with string concatenation.
void AppendSpliced(std::string& out, std::string_view text) {
    auto splice = [&out](std::string_view expression) {
        out.append("'+");
        out.append(expression);
        out.append("+'");
    };
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\'') {
            splice("\"'\"");
        } else if (c == '\n') {
            splice("String.fromCharCode(10)");
        } else if (c == '\r') {
            splice("String.fromCharCode(13)");
        } else if (text.substr(i).rfind(kLineSeparator, 0) == 0) {
            splice("String.fromCharCode(8232)");
            i += 2;
        } else if (text.substr(i).rfind(kParagraphSeparator, 0) == 0) {
            splice("String.fromCharCode(8233)");
            i += 2;
        } else {
            out.push_back(c);
        }
    }
}

}  // namespace

std::string TextItem(std::string_view text, Backslashes convention) {
    std::string out;
    out.reserve(text.size() + 2);
    AppendTextItem(out, text, convention);
    return out;
}

void AppendStoredTextItem(std::string& out, std::string_view stored, Backslashes convention) {
    if (IsAscii(stored)) {
        AppendTextItem(out, stored, convention);
    } else {
        AppendTextItem(out, FromCodePage(stored), convention);
    }
}

void AppendTextItem(std::string& out, std::string_view text, Backslashes convention) {
    out.push_back('\'');
    switch (convention) {
        case Backslashes::Plain:
            AppendEscaped(out, text, false);
            break;
        case Backslashes::StoredDoubled:
            AppendEscaped(out, text, true);
            break;
        case Backslashes::DoubledByPage:
            AppendSpliced(out, text);
            break;
    }
    out.push_back('\'');
}

std::string NumberItem(double value, int decimals) {
    if (std::isnan(value)) {
        return "NaN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-Infinity" : "Infinity";
    }
    return FormatFixed(value, decimals);
}

std::string CListBuilder::Finish() {
    m_strText.back() = ']';
    return std::move(m_strText);
}

}  // namespace tavelo
