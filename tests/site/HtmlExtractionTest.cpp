#include <gtest/gtest.h>

#include "common/TestSupport.h"
#include "site/clsHtmlGet.h"
#include "support/Encoding.h"

using namespace kujimate;
using namespace kujimate::test;

namespace {

// Tokenises html the way a fetched page is and returns its text lines.
std::vector<std::string> Lines(const std::string& html, clsHtmlGet& get, TempProgramFolder& folder) {
    WriteBytes(folder / "page.html", html);
    get.GetFile((folder / "page.html").string(), 8);
    std::vector<std::string> lines;
    get.GetTextData(lines);
    return lines;
}

struct LinesCase {
    const char* name;
    std::string html;
    std::vector<std::string> lines;
};

class TextLinesTest : public ::testing::TestWithParam<LinesCase> {};

TEST_P(TextLinesTest, BodyTextBecomesLinesWithoutSpaces) {
    TempProgramFolder folder(false);
    clsHtmlGet get;
    EXPECT_EQ(Lines(GetParam().html, get, folder), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextLinesTest,
    ::testing::Values(
        LinesCase{"Cells", "<body><td>販売開始日</td><td> 2024年 3月15日 </td></body>", {"販売開始日", "2024年3月15日"}},
        LinesCase{"EscapedEntityStaysEscaped", "<body>a &amp;amp; b</body>", {"a&amp;b"}},
        LinesCase{"EntitiesDecodedInOrder", "<body>x &lt;b&gt; &quot;q&quot; &#169;&#174; &nbsp;</body>",
                  {"x<b>\"q\"(c)(r)&nbsp;"}},
        LinesCase{"BrJoinsOnlyWhenExactlyBr", "<body>A<BR>B<br />C<Br/>D</body>", {"ABC", "D"}},
        LinesCase{"CommentWithGreaterThanStaysOpen", "<body>a<!-- x > y --><p>b</p></body>", {"a", "b"}},
        LinesCase{"TextAfterTheCommentEndInTheSameRunIsComment", "<body>a<!-- x > y -->b</body>", {"a"}},
        LinesCase{"CommentBreaksAJoin", "<body>a<br><!-- c -->b</body>", {"a", "b"}},
        LinesCase{"OutsideTheBodyNothing", "<html><head><title>t</title></head>x<body>in</body>after<body>again</p>",
                  {"in", "again"}},
        LinesCase{"ControlCharsTabsAndFullWidthSpacesGo", "<body>第　1\t2\r\n3 回</body>", {"第123回"}},
        LinesCase{"StrayGreaterThanIsText", "<body>a > b</body>", {"a>b"}},
        LinesCase{"UnfinishedTagAndTextAtTheEndDropped", "<body>x</td>y<td", {"x", "y"}},
        LinesCase{"UnclosedCommentSwallowsTheRest", "<body>a<!-- open <p>b</p>", {"a"}},
        LinesCase{"NoBodyNoLines", "<p>loose</p>", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HtmlRecords, CarryTheirFlagsNamesAndWords) {
    TempProgramFolder folder(false);
    clsHtmlGet get;
    Lines("<html><head><title> BIG1000 くじ<b>結果</b></title></head>"
          "<BODY><td class=\"no\"  id=x>第 1 回</td><!-- a > b --></body>",
          get, folder);
    EXPECT_EQ(get.GetHtmlTitle(), "BIG1000 くじ<b>結果</b>");
    ASSERT_EQ(get.Count(), 16);
    HtmlRecord td = get.Item(11);
    EXPECT_EQ(td.Text, "<td class=\"no\" id=x>");
    EXPECT_TRUE(td.IsTag && td.InBody && !td.IsEnd && !td.IsComment);
    EXPECT_EQ(td.Name, "td");
    EXPECT_EQ(td.Parts, (std::vector<std::string>{"td", "class=\"no\"", "id=x"}));
    EXPECT_EQ(td.PartCount, 2);
    HtmlRecord text = get.Item(12);
    EXPECT_EQ(text.Text, "第 1 回");
    EXPECT_EQ(text.Name, "第1回");
    EXPECT_FALSE(text.IsTag);
    EXPECT_TRUE(get.Item(13).IsEnd);
    EXPECT_EQ(get.Item(13).Name, "td");
    HtmlRecord open = get.Item(14), rest = get.Item(15);
    EXPECT_EQ(open.Text, "<!-- a >");
    EXPECT_TRUE(open.IsComment && open.IsTag && open.InBody);
    EXPECT_EQ(rest.Text, "b -->");
    EXPECT_TRUE(rest.IsComment && !rest.IsTag && !rest.InBody);
    EXPECT_EQ(rest.Name, "");
    HtmlRecord body = get.Item(10);
    EXPECT_EQ(body.Name, "BODY");
    EXPECT_FALSE(body.InBody);
    EXPECT_FALSE(get.Item(16).InBody);  // </body>
    EXPECT_EQ(get.Item(0).Text, "");
    EXPECT_EQ(get.Item(17).Text, "");
}

TEST(HtmlRecords, ASavedShiftJisPageReadsBackTheSame) {
    TempProgramFolder folder(false);
    clsHtmlGet get;
    const std::string html = "<body><p>第123回BIG1000くじ指定試合</p><p>ＦＣ東京</p></body>";
    std::vector<std::string> first = Lines(html, get, folder);
    ASSERT_TRUE(get.SaveToFile((folder / "copy.htm").string()));
    EXPECT_EQ(ReadBytes(folder / "copy.htm"), Utf8ToCp932(html));
    clsHtmlGet again;
    ASSERT_GT(again.GetFile((folder / "copy.htm").string()), 0);
    std::vector<std::string> second;
    again.GetTextData(second);
    EXPECT_EQ(second, first);
}

// Huge, broken and hostile pages end in lines or nothing, in time linear in their size.
TEST(HtmlRecords, HostilePagesNeitherCrashNorHang) {
    TempProgramFolder folder(false);
    clsHtmlGet get;
    std::string many = "<body>";
    for (int i = 0; i < 250000; ++i) many += "1<br><!---->";
    auto joined = Lines(many, get, folder);
    EXPECT_EQ(joined.size(), 250000u);
    EXPECT_EQ(get.Count(), 750001);

    std::string longLine = "<body>" + std::string(4 << 20, ' ') + std::string(1 << 20, 'a');
    for (int i = 0; i < 200000; ++i) longLine += "&amp;";
    longLine += "</body>";
    auto lines = Lines(longLine, get, folder);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].size(), (1u << 20) + 200000u);

    std::string binary;
    for (unsigned i = 0; i < 300000; ++i) binary += static_cast<char>((i * 7919u) % 256u);
    Lines("<body>" + binary, get, folder);
    Lines(std::string(100000, '<'), get, folder);
    Lines("<body><!--" + std::string(100000, '-'), get, folder);
    EXPECT_TRUE(Lines("", get, folder).empty());
}

struct JoinCase {
    std::string base, link, joined;
};

class PlusAddressTest : public ::testing::TestWithParam<JoinCase> {};

TEST_P(PlusAddressTest, LinksAreJoinedToThePageAddress) {
    EXPECT_EQ(clsHtmlGet::GetPlusAddrees(GetParam().base, GetParam().link), GetParam().joined);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlusAddressTest,
    ::testing::Values(JoinCase{"http://host/a/b/page.html", "../c/x.html", "http://host/a/c/x.html"},
                      JoinCase{"http://host/a/b/page.html", "/top.html", "http://host/top.html"},
                      JoinCase{"http://host/a/b/page.html", "x.html", "http://host/a/b/x.html"},
                      JoinCase{"http://host/a/page.html", "../../x.html", "http://host/x.html"},
                      JoinCase{"http://host", "x.html", "http://host/x.html"},
                      // The secure scheme is kept rather than turned into a host named "https:".
                      JoinCase{"https://host/a/b/page.html", "../c/x.html", "https://host/a/c/x.html"},
                      JoinCase{"https://host/a/page.html", "/top.html", "https://host/top.html"},
                      JoinCase{"http://host/a/page.html", "https://other/x.html", "https://other/x.html"}));

}  // namespace
