#include <gtest/gtest.h>

#include "analysis/clsTClipboard.h"
#include "support/Report.h"
#include "support/Text.h"

using namespace kujimate;

namespace {
std::vector<std::string> Lines(const std::string& text) {
    auto l = SplitCrLf(text);
    EXPECT_EQ(l.back(), "");  // the last line ends with CR LF too
    l.pop_back();
    return l;
}
}  // namespace

TEST(Clipboard, RowLayoutNumbersEveryLineToTheWidthOfTheCount) {
    struct Case {
        size_t n;
        const char* first;
        const char* last;
    } cases[] = {{9, "1:", "9:"}, {10, "01:", "10:"}, {12, "01:", "12:"}, {10000, "00001:", "10000:"}};
    for (const auto& c : cases) {
        std::vector<int32_t> list(c.n, 34066);
        auto lines = Lines(*clsTClipboard::GetText(3, list));
        ASSERT_EQ(lines.size(), c.n);
        EXPECT_EQ(lines.front(), std::string(c.first) + "10210210210");
        EXPECT_EQ(lines.back(), std::string(c.last) + "10210210210");
    }
}

TEST(Clipboard, ColumnLayoutPutsASpaceAfterEveryTenth) {
    std::vector<int32_t> list(12, 0);
    list[0] = 34066;
    auto lines = Lines(*clsTClipboard::GetText(4, list));
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[0], "01 1000000000 00");
    EXPECT_EQ(lines[2], "03 2000000000 00");
    EXPECT_EQ(lines[10], "11 0000000000 00");
    lines = Lines(*clsTClipboard::GetText(4, std::vector<int32_t>(10, 177146)));
    EXPECT_EQ(lines[5], "06 2222222222 ");
}

TEST(Clipboard, CopyingRefusesTooManyAndSkipsAnEmptyList) {
    RecordingReporter rec;
    std::string clip = "before";
    auto set = [&](const std::string& t) { clip = t; };
    clsTClipboard c;
    for (int index : {3, 4}) {
        c.Run(index, {}, set);
        EXPECT_EQ(clip, "before");
        EXPECT_TRUE(rec.Messages().empty());
        c.Run(index, std::vector<int32_t>(10001, 0), set);
        EXPECT_EQ(clip, "before");
        ASSERT_EQ(rec.Messages().size(), 1u);
        EXPECT_EQ(rec.Messages()[0].text, "1万口以上は出力出来ません");
        EXPECT_EQ(rec.Messages()[0].icon, MsgIcon::Warning);
        rec.Clear();
    }
    c.Run(3, {0, 1}, set);
    EXPECT_EQ(clip, "1:00000000000\r\n2:10000000000\r\n");
    ASSERT_EQ(rec.Messages().size(), 1u);
    EXPECT_EQ(rec.Messages()[0].text, "クリップボードへコピーしました");
    EXPECT_EQ(rec.Messages()[0].icon, MsgIcon::Information);
}
