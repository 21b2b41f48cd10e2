#pragma once

#include <string>
#include <string_view>

namespace tavelo {

// Answers to the pages are script array literals that the page evaluates. Every text item is
// escaped so that evaluation yields exactly the stored text, whatever it holds, and so that the
// multi-part separator never appears inside an item.

// The separator between the parts of a multi-part answer.
inline constexpr std::string_view kPartSeparator = "|^%*!|";

// How a text's backslashes are to be read.
enum class Backslashes {
    // The text holds plain backslashes: each is escaped.
    Plain,
    // The text was stored with every backslash already doubled (quick-launch names and paths):
    // pairs stand as they are and evaluate to one backslash; a lone backslash is escaped.
    StoredDoubled,
    // The page doubles every backslash of the whole answer before evaluating it (the picture
    // list), so backslashes stand as they are and no other escape may use one.
    DoubledByPage,
};

// The text item for a UTF-8 text: the text between single quotes, escaped for its convention.
std::string TextItem(std::string_view text, Backslashes convention = Backslashes::Plain);

// Appends the text item to out.
void AppendTextItem(std::string& out, std::string_view text,
                    Backslashes convention = Backslashes::Plain);

// Appends the text item for a text in the database's code page.
void AppendStoredTextItem(std::string& out, std::string_view stored,
                          Backslashes convention = Backslashes::Plain);

// A number item in the "%.<decimals>f" form; values without such a form read as script numbers.
std::string NumberItem(double value, int decimals);

// Builds a list the way every list of the program is built: "[", each element followed by ",",
// then the last character replaced by "]". A list without elements is therefore "]".
class CListBuilder {
public:
    void Append(std::string_view element) {
        Element().append(element);
        EndElement();
    }
    // The text to append the next element to in place; EndElement closes it.
    std::string& Element() {
        m_bEmpty = false;
        return m_strText;
    }
    void EndElement() { m_strText.push_back(','); }
    void Reserve(size_t bytes) { m_strText.reserve(bytes); }
    bool Empty() const { return m_bEmpty; }
    // Closes the list; the builder is spent afterwards.
    std::string Finish();

private:
    std::string m_strText = "[";
    bool m_bEmpty = true;
};

}  // namespace tavelo
