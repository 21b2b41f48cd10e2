#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace tavelo {

// Returns the text without its last character; an empty text stays empty.
std::string StripLast(std::string_view text);

// Puts a text between single quotes for a statement, doubling any quote inside it.
std::string Quote(std::string_view text);

// Formats a real the way printf's "%.<decimals>f" does in the C locale, with no size limit.
// Infinities and NaN have no such form and come out as "inf", "-inf" and "nan".
std::string FormatFixed(double value, int decimals);

// Reads the leading decimal integer: blanks skipped, optional sign, digits; 0 without digits.
// Values beyond the 32-bit range are clamped to it.
int32_t LeadingInt(std::string_view text);

// Reads the leading decimal real (digits, optional fraction and exponent); 0 without one.
// Values beyond the range of a double are clamped to the largest finite value.
double LeadingReal(std::string_view text);

// One field handed to a record while its statement fragments are built.
struct CDbField {
    std::string m_strColumn;
    std::variant<std::string, int32_t, double> m_value;
    bool m_bKey = false;
    bool m_bKeyOnly = false;
};

// Formats a field's value for a statement: texts quoted, integers bare, reals as "%f".
std::string FormatValue(const CDbField& field);

// Base of every row record: the statement fragments its fields produce.
class CDbRecord {
public:
    void AppendField(const CDbField& field);

    // " (" columns " ) values ( " values " )".
    std::string InsertClause() const;
    // " set " assignments " where " key condition.
    std::string UpdateClause() const;

    const std::string& KeyCondition() const { return m_strKeyCondition; }

protected:
    std::string m_strColumns;
    std::string m_strValues;
    std::string m_strAssignments;
    std::string m_strKeyCondition;
    std::string m_strAutoColumn;
    std::string m_strAutoLiteral;
};

// Reads cell i of a result row; a NULL cell, or a column the table does not have, reads as "".
inline std::string_view CellText(const char* const* row, int columns, int i) {
    if (i >= columns || row[i] == nullptr) {
        return {};
    }
    return row[i];
}

}  // namespace tavelo
