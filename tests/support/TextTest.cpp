#include <gtest/gtest.h>

#include "support/Encoding.h"
#include "support/Text.h"

using namespace kujimate;

TEST(TextHelpers, CountCodePointsNotBytes) {
    EXPECT_EQ(CharLength("鹿島アントラーズ"), 8u);
    EXPECT_EQ(Left("鹿島アントラーズ", 2), "鹿島");
    EXPECT_EQ(Mid("第812回", 2, 3), "812");
    EXPECT_EQ(Mid("abc", 5), "");
    EXPECT_EQ(Right("開催回", 1), "回");
    EXPECT_EQ(Trim("  a b  "), "a b");
    EXPECT_EQ(Trim("　a　"), "　a　");  // only U+0020 is trimmed
}

TEST(TextHelpers, LetterCaseIsFoldedButNotWidth) {
    EXPECT_TRUE(TextEqualsIgnoreCase("J1", "j1"));
    EXPECT_TRUE(TextEqualsIgnoreCase("Ｊ１", "ｊ１"));
    EXPECT_FALSE(TextEqualsIgnoreCase("J1", "Ｊ１"));
    EXPECT_FALSE(TextEqualsIgnoreCase("アーセナル", "あーせなる"));
    EXPECT_FALSE(TextEqualsIgnoreCase("ab", "abc"));
    EXPECT_EQ(ToLowerText("C:\\Program Files"), "c:\\program files");
}

TEST(TextHelpers, NarrowTurnsFullWidthFormsIntoHalfWidth) {
    EXPECT_EQ(Narrow("ＦＣ東京　２０２４"), "FC東京 2024");
    EXPECT_EQ(Narrow("ガンバ"), "ｶﾞﾝﾊﾞ");
    EXPECT_EQ(Narrow("ｶﾞﾝﾊﾞ"), "ｶﾞﾝﾊﾞ");
    EXPECT_EQ(Narrow("１３：５０～"), "13:50~");
    EXPECT_EQ(Narrow("ひらがな"), "ひらがな");
}

TEST(TextHelpers, SplitsOnlyAtCrLfPairs) {
    EXPECT_EQ(SplitCrLf("a\r\nb\nc\rd\r\n"), (std::vector<std::string>{"a", "b\nc\rd", ""}));
    EXPECT_EQ(SplitCrLf(""), std::vector<std::string>{""});
    EXPECT_EQ(JoinCrLf({"x", ""}), "x\r\n\r\n");
}

TEST(TextHelpers, SortsInUtf16CodeUnitOrder) {
    // U+FF21 (Ａ) sorts after a supplementary character in UTF-16, before it in code points.
    EXPECT_TRUE(Utf16Less("\xF0\x9F\x98\x80", "Ａ"));
    EXPECT_TRUE(Utf16Less("a", "b"));
    EXPECT_TRUE(Utf16Less("ab", "abc"));
    EXPECT_FALSE(Utf16Less("abc", "abc"));
}

TEST(Cp932, RoundTripsJapaneseTextWithTheWindowsMapping) {
    std::string text = "開催回～ｶﾀｶﾅ①№";
    std::string bytes = Utf8ToCp932(text);
    EXPECT_EQ(Cp932ToUtf8(bytes), text);
    EXPECT_EQ(Utf8ToCp932("～"), "\x81\x60");
    EXPECT_EQ(Cp932ToUtf8("\x81\x60"), "～");
}

TEST(Cp932, UnrepresentableAndInvalidInputDegradesInsteadOfFailing) {
    EXPECT_EQ(Utf8ToCp932("café"), "caf?");
    EXPECT_EQ(Utf8ToCp932("a\xFF" "b"), "a?b");
    EXPECT_EQ(Cp932ToUtf8("a\x81"), "a\xEF\xBF\xBD");           // cut off lead byte
    EXPECT_EQ(Cp932ToUtf8("\xA0z"), "\xEF\xBF\xBDz");           // byte with no character
    std::string junk;
    for (int i = 0; i < 200000; ++i) junk += static_cast<char>((i * 7919) & 0xFF);
    EXPECT_TRUE(IsValidUtf8(Cp932ToUtf8(junk)));
    EXPECT_EQ(SanitizeUtf8("ok\xC3"), "ok\xEF\xBF\xBD");
}
