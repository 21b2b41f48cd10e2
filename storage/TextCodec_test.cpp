#include "storage/TextCodec.h"

#include <gtest/gtest.h>

namespace tavelo {
namespace {

TEST(TextCodec, RoundTripsEveryKindOfTextUnchanged) {
    const std::string texts[] = {
        "",
        "plain ascii 'quoted' \\ back",
        "记事 提醒 记账",
        "emoji 😀 and 𠀀 (outside the BMP)",
        "line\nbreak\r\n\xE2\x80\xA8 separators \xE2\x80\xA9",
        "¥ € ü ß",
    };
    for (const std::string& text : texts) {
        EXPECT_EQ(FromCodePage(ToCodePage(text)), text) << text;
    }
}

TEST(TextCodec, WritesChineseAsCodePage936Bytes) {
    // GB18030 agrees with code page 936 on every character that code page has.
    EXPECT_EQ(ToCodePage("记事"), "\xBC\xC7\xCA\xC2");
    EXPECT_EQ(FromCodePage("\xBC\xC7\xCA\xC2"), "记事");
}

TEST(TextCodec, ReplacesIllFormedInputInsteadOfDroppingTheRest) {
    struct Case {
        std::string input;
        std::string expected;
    };
    const Case cases[] = {
        {"a\xFF" "b", "a\xEF\xBF\xBD" "b"},
        {"half \xED\xA0\x80 surrogate", "half \xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD surrogate"},
        {"cut \xE8\xAE", "cut \xEF\xBF\xBD\xEF\xBF\xBD"},
        {"over\xC0\xAFlong", "over\xEF\xBF\xBD\xEF\xBF\xBDlong"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MakeValidUtf8(c.input), c.expected);
        EXPECT_EQ(FromCodePage(ToCodePage(c.input)), c.expected);
    }
}

TEST(TextCodec, KeepsTheTextAfterBytesThatAreNotCodePageText) {
    const std::string read = FromCodePage("ok\x81 then \xBC\xC7");
    EXPECT_EQ(read.substr(0, 2), "ok");
    EXPECT_NE(read.find(" then 记"), std::string::npos);
}

TEST(TextCodec, ConvertsLongTexts) {
    std::string text;
    for (int i = 0; i < 100000; ++i) {
        text += (i % 3 == 0) ? "记" : "a";
    }
    EXPECT_EQ(FromCodePage(ToCodePage(text)), text);
}

}  // namespace
}  // namespace tavelo
