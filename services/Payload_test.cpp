#include "services/Payload.h"

#include <gtest/gtest.h>

#include <cfloat>

namespace tavelo {
namespace {

TEST(Payload, ListsAreBuiltWithTheLastCharacterReplaced) {
    EXPECT_EQ(CListBuilder().Finish(), "]");
    CListBuilder list;
    list.Append("'a'");
    list.Append("'b'");
    EXPECT_EQ(list.Finish(), "['a','b']");
}

TEST(Payload, TextItemsEscapeWhatWouldEndOrBreakTheLiteral) {
    struct Case {
        std::string text;
        Backslashes convention;
        std::string expected;
    };
    const Case cases[] = {
        {"call home", Backslashes::Plain, "'call home'"},
        {"it's", Backslashes::Plain, "'it\\'s'"},
        {"a\\b", Backslashes::Plain, "'a\\\\b'"},
        {"two\nlines\r", Backslashes::Plain, "'two\\nlines\\r'"},
        {"\xE2\x80\xA8|\xE2\x80\xA9", Backslashes::Plain, "'\\u2028\\|\\u2029'"},
        {"x|^%*!|y", Backslashes::Plain, "'x\\|^%*!\\|y'"},
        {"记事 😀 <b>", Backslashes::Plain, "'记事 😀 <b>'"},
        // Stored pairs stand as they are; a lone backslash is escaped.
        {"C:\\\\Tools\\\\x.exe", Backslashes::StoredDoubled, "'C:\\\\Tools\\\\x.exe'"},
        {"odd\\", Backslashes::StoredDoubled, "'odd\\\\'"},
        {"it's", Backslashes::StoredDoubled, "'it\\'s'"},
        // The page doubles backslashes itself, so no escape may use one.
        {"/p/it's.jpg", Backslashes::DoubledByPage, "'/p/it'+\"'\"+'s.jpg'"},
        {"a\\b", Backslashes::DoubledByPage, "'a\\b'"},
        {"a\nb", Backslashes::DoubledByPage, "'a'+String.fromCharCode(10)+'b'"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TextItem(c.text, c.convention), c.expected) << c.text;
    }
}

TEST(Payload, NumberItemsKeepTheirFormatForEveryDouble) {
    EXPECT_EQ(NumberItem(-12.5, 8), "-12.50000000");
    EXPECT_EQ(NumberItem(0, 2), "0.00");
    EXPECT_EQ(NumberItem(1e20, 8), "100000000000000000000.00000000");
    EXPECT_EQ(NumberItem(-DBL_MAX, 8).size(), 1 + 309 + 9u);
}

}  // namespace
}  // namespace tavelo
