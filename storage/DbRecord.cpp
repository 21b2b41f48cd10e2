#include "storage/DbRecord.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>

namespace tavelo {

std::string StripLast(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    return std::string(text.substr(0, text.size() - 1));
}

std::string Quote(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    out.push_back('\'');
    for (char c : text) {
        out.push_back(c);
        if (c == '\'') {
            out.push_back('\'');
        }
    }
    out.push_back('\'');
    return out;
}

std::string FormatFixed(double value, int decimals) {
    if (std::isnan(value)) {
        return "nan";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-inf" : "inf";
    }
    // The widest finite double has 309 integer digits; this leaves room for sign and decimals.
    std::array<char, 400> buffer{};
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                std::chars_format::fixed, decimals);
    return std::string(buffer.data(), result.ptr);
}

namespace {

size_t SkipBlanks(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) {
        ++i;
    }
    return i;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

int32_t LeadingInt(std::string_view text) {
    size_t i = SkipBlanks(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int64_t value = 0;
    constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > kLimit) {
            value = kLimit;
        }
    }
    if (negative) {
        value = -value;
    }
    if (value > std::numeric_limits<int32_t>::max()) {
        value = std::numeric_limits<int32_t>::max();
    }
    return static_cast<int32_t>(value);
}

double LeadingReal(std::string_view text) {
    size_t i = SkipBlanks(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const size_t start = i;
    size_t digits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        for (; i < text.size() && IsDigit(text[i]); ++i) {
            ++digits;
        }
    }
    if (digits == 0) {
        return 0.0;
    }
    // An exponent counts only when digits follow it.
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            ++j;
        }
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) {
                ++j;
            }
            i = j;
        }
    }
    double value = 0.0;
    const char* first = text.data() + start;
    const char* last = text.data() + i;
    auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // Distinguish overflow from underflow by the decimal exponent of the text.
        const std::string_view number(first, static_cast<size_t>(last - first));
        const size_t e = number.find_first_of("eE");
        const bool tiny = e != std::string_view::npos && number.size() > e + 1 &&
                          number[e + 1] == '-';
        value = tiny ? 0.0 : std::numeric_limits<double>::max();
    }
    return negative ? -value : value;
}

std::string FormatValue(const CDbField& field) {
    if (const auto* text = std::get_if<std::string>(&field.m_value)) {
        return Quote(*text);
    }
    if (const auto* integer = std::get_if<int32_t>(&field.m_value)) {
        return std::to_string(*integer);
    }
    const double real = std::get<double>(field.m_value);
    if (std::isnan(real)) {
        return "NULL";
    }
    if (std::isinf(real)) {
        // SQLite reads an out-of-range literal as an infinity.
        return real < 0 ? "-9e999" : "9e999";
    }
    return FormatFixed(real, 6);
}

void CDbRecord::AppendField(const CDbField& field) {
    const std::string formatted = FormatValue(field);
    if (!field.m_bKeyOnly) {
        if (field.m_strColumn == m_strAutoColumn) {
            m_strColumns += m_strAutoColumn + ",";
            m_strValues += m_strAutoLiteral + ",";
        } else {
            m_strColumns += field.m_strColumn + ",";
            m_strValues += formatted + ",";
        }
        m_strAssignments += field.m_strColumn + "=" + formatted + ",";
    }
    if (field.m_bKey) {
        m_strKeyCondition += field.m_strColumn + "=" + formatted + ",";
    }
}

std::string CDbRecord::InsertClause() const {
    return " (" + StripLast(m_strColumns) + " ) values ( " + StripLast(m_strValues) + " )";
}

std::string CDbRecord::UpdateClause() const {
    return " set " + StripLast(m_strAssignments) + " where " + StripLast(m_strKeyCondition);
}

}  // namespace tavelo
