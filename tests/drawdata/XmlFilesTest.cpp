#include <gtest/gtest.h>

#include <filesystem>

#include "common/TestSupport.h"
#include "drawdata/XmlTagWalker.h"
#include "drawdata/clsXmlResult.h"
#include "drawdata/clsXmlSchedule.h"
#include "drawdata/clsXmlVote.h"
#include "support/Encoding.h"
#include "support/Text.h"

using namespace kujimate;
using namespace kujimate::test;
namespace fs = std::filesystem;

namespace {
std::string Golden(const std::string& name) { return ReadBytes(Fixture("drawdata/" + name)); }
}  // namespace

class XmlFilesTest : public ProgramFolderTest {};

TEST_F(XmlFilesTest, FileNamesFollowTheDrawAndGroup) {
    clsXmlSchedule s;
    clsXmlVote v;
    clsXmlResult r;
    const std::string root = (folder / "SysData").string();
    EXPECT_EQ(s.GetFileName(7, ""), root + "/BIG1000_Schedule/big1000_schedule_007.xml");
    EXPECT_EQ(s.GetFileName(1234, "B"), root + "/BIG1000_Schedule/big1000_schedule_1234_B.xml");
    EXPECT_EQ(v.GetFileName(123, "A"), root + "/BIG1000_Vote/big1000_vote_123_A.xml");
    EXPECT_EQ(r.GetFileName(45, ""), root + "/BIG1000_Result/big1000_result_045.xml");
}

TEST_F(XmlFilesTest, ScheduleSurvivesASaveAndLoadByteForByte) {
    clsXmlSchedule in;
    ASSERT_TRUE(in.XmlLoad(Fixture("drawdata/big1000_schedule_812.xml")));
    ScheduleRecord r = in.GetRecord();
    EXPECT_EQ(r.DrawNo, 812);
    EXPECT_EQ(r.Games[3].Home, "川崎F");
    EXPECT_EQ(r.Games[3].Stadium, "Ｕｖａｎｃｅとどろきスタジアム by Fujitsu");
    EXPECT_EQ(r.Games[9].Status, "中止");
    EXPECT_EQ(r.Games[2].KickOff, Date::FromTime(19, 0, 0));
    EXPECT_EQ(r.Games[11].GameDate, Date::FromYmd(2024, 3, 17));
    EXPECT_EQ(r.SaleEnd, Date::FromYmdHns(2024, 3, 16, 13, 50, 0));
    EXPECT_TRUE(IsScheduleComplete(r));
    r.RefundStart = Date::FromYmd(2024, 3, 19);  // not written, so it cannot come back
    clsXmlSchedule out;
    out.SetRecord(r);
    ASSERT_TRUE(out.XmlSave(out.GetFileName(812, "")));
    EXPECT_EQ(ReadBytes(out.GetFileName(812, "")), Golden("big1000_schedule_812.xml"));
    clsXmlSchedule back;
    ASSERT_TRUE(back.XmlLoad(out.GetFileName(812, "")));
    EXPECT_TRUE(back.GetRecord().RefundStart.IsZero());
    r.RefundStart = Date();
    EXPECT_EQ(back.GetRecord(), r);
}

TEST_F(XmlFilesTest, CancelledAndNotHeldSchedules) {
    ScheduleRecord r;
    r.DrawNo = 900;
    r.Group = "B";
    r.HoldState = 2;
    r.ResultDate = Date::FromYmd(2024, 4, 1);
    clsXmlSchedule x;
    x.SetRecord(r);
    const std::string text = x.GetXmlString();
    EXPECT_NE(text.find("<組>B</組>\r\n<指定試合>"), std::string::npos);
    EXPECT_NE(text.find("<販売終了日>0:00:00</販売終了日>\r\n<開催状態>中止</開催状態>\r\n</開催>"), std::string::npos);
    EXPECT_EQ(text.find("結果発表日"), std::string::npos);
    ASSERT_TRUE(x.XmlSave(x.GetFileName(900, "B")));
    clsXmlSchedule back;
    ASSERT_TRUE(back.XmlLoad(x.GetFileName(900, "B")));
    EXPECT_EQ(back.GetRecord().HoldState, 2);
    EXPECT_TRUE(back.GetRecord().ResultDate.IsZero());
    EXPECT_EQ(back.GetRecord().Group, "B");

    ASSERT_TRUE(x.XmlSave_NoGame(901, "A"));
    EXPECT_EQ(Cp932ToUtf8(ReadBytes(x.GetFileName(901, "A"))),
              "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n<?xml-stylesheet type=\"text/xsl\" href=\"style.xsl\"?>\r\n"
              "<BIG1000>\r\n<開催>\r\n<開催回>901</開催回>\r\n<開催状態>1</開催状態>\r\n</開催>\r\n</BIG1000>\r\n");
    ASSERT_TRUE(back.XmlLoad(x.GetFileName(901, "A")));
    ScheduleRecord expected;
    expected.DrawNo = 901;
    expected.HoldState = 1;
    EXPECT_EQ(back.GetRecord(), expected);
    EXPECT_TRUE(x.XmlDelete_NoGame(901, "A"));
    EXPECT_FALSE(fs::exists(x.GetFileName(901, "A")));
    EXPECT_FALSE(x.XmlDelete_NoGame(901, "A"));
    ASSERT_EQ(rec.Messages().size(), 1u);
    EXPECT_EQ(rec.Messages()[0].text, x.GetFileName(901, "A") + "\r\nファイルの削除に失敗しました。");
    EXPECT_EQ(rec.Messages()[0].caption, "KUJIMATE / clsXmlSchedule / XmlDelete_NoGame");
}

TEST_F(XmlFilesTest, VoteSurvivesASaveAndLoadAndWorksWithoutAFile) {
    clsXmlVote in;
    ASSERT_TRUE(in.XmlLoad(Fixture("drawdata/big1000_vote_812.xml")));
    VoteRecord r = in.GetRecord();
    EXPECT_EQ(r.Games[1].Counts[1].Rate, *Currency::FromText("45.67"));
    EXPECT_EQ(r.Games[2].Counts[0].Votes, Currency::FromInt(2001));
    EXPECT_EQ(r.AsOf, Date::FromYmdHns(2024, 3, 16, 13, 50, 0));
    EXPECT_EQ(r.SaleEnd, r.AsOf);  // a stored file holds final figures; the end of sale is not written
    EXPECT_TRUE(IsVoteComplete(r));
    r.Group = "A";
    clsXmlVote out;
    out.SetRecord(r);
    std::string golden = Cp932ToUtf8(Golden("big1000_vote_812.xml"));
    EXPECT_EQ(out.GetXmlString(true), ReplaceAll(golden, "<開催回>812</開催回>\r\n", "<開催回>812</開催回>\r\n<組>A</組>\r\n"));
    r.Group.clear();
    out.SetRecord(r);
    ASSERT_TRUE(out.XmlSave(out.GetFileName(812, "")));
    EXPECT_EQ(ReadBytes(out.GetFileName(812, "")), Golden("big1000_vote_812.xml"));

    const std::string bare = out.GetXmlString(false);
    EXPECT_TRUE(StartsWith(bare, "<投票状況>\r\n"));
    EXPECT_TRUE(EndsWith(bare, "</投票状況>\r\n"));
    clsXmlVote fromText;
    ASSERT_TRUE(fromText.SetXmlString(bare, false));
    EXPECT_EQ(fromText.GetRecord(), r);
}

TEST_F(XmlFilesTest, VoteReaderAcceptsTotalsAndDatesTheWriterLeavesOut) {
    clsXmlVote v;
    ASSERT_TRUE(v.SetXmlString("<投票状況><開催回>5</開催回><売上金額><合計>123456</合計><マルチ>1.5</マルチ></売上金額>"
                               "<投票枚数><シングル>7</シングル></投票枚数><結果速報発表日>2024/03/18</結果速報発表日>"
                               "<払戻期限>2025/03/18</払戻期限><組>Z</組></投票状況>",
                               false));
    VoteRecord r = v.GetRecord();
    EXPECT_EQ(r.SalesAmount.Total, Currency::FromInt(123456));
    EXPECT_EQ(r.SalesAmount.Multi, *Currency::FromText("1.5"));
    EXPECT_EQ(r.VoteTickets.Single, Currency::FromInt(7));
    EXPECT_EQ(r.ResultDate, Date::FromYmd(2024, 3, 18));
    EXPECT_EQ(r.RefundEnd, Date::FromYmd(2025, 3, 18));
    EXPECT_EQ(r.Group, "");
}

TEST_F(XmlFilesTest, ResultSurvivesASaveAndLoadInBothShapes) {
    clsXmlResult in;
    ASSERT_TRUE(in.XmlLoad(Fixture("drawdata/big1000_result_812.xml")));
    ResultRecord r = in.GetRecord();
    EXPECT_EQ(r.Games[9].Outcome, 3);
    EXPECT_EQ(r.Games[3].AwayScore, 3);
    EXPECT_EQ(r.Prize[2], *Currency::FromText("52340.5"));
    EXPECT_EQ(r.CarryOver[1], Currency::FromInt(123456789));
    EXPECT_EQ(r.VoteTickets, Currency::FromInt(98765));
    EXPECT_EQ(r.RefundEnd, Date::FromYmd(2025, 3, 18));
    EXPECT_TRUE(IsResultComplete(r));
    clsXmlResult out;
    out.SetRecord(r);
    ASSERT_TRUE(out.XmlSave(out.GetFileName(812, "")));
    EXPECT_EQ(ReadBytes(out.GetFileName(812, "")), Golden("big1000_result_812.xml"));

    ResultRecord c;
    c.DrawNo = 813;
    c.Group = "A";
    c.Cancelled = true;
    for (int n = 1; n <= GameCount; ++n) {
        c.Games[n] = r.Games[n];
        c.Games[n].Outcome = 3;
        c.Games[n].HomeScore = c.Games[n].AwayScore = 0;
    }
    c.ResultDate = Date::FromYmd(2024, 3, 24);
    c.RefundStart = Date::FromYmd(2024, 3, 25);
    c.RefundEnd = Date::FromYmd(2025, 3, 24);
    out.SetRecord(c);
    ASSERT_TRUE(out.XmlSave(out.GetFileName(813, "A")));
    EXPECT_EQ(ReadBytes(out.GetFileName(813, "A")), Golden("big1000_result_813_A.xml"));
    clsXmlResult back;
    ASSERT_TRUE(back.XmlLoad(out.GetFileName(813, "A")));
    EXPECT_TRUE(back.GetRecord().Cancelled);
    EXPECT_TRUE(back.GetRecord().RefundStart.IsZero());
    EXPECT_EQ(back.GetRecord().Group, "");
    EXPECT_TRUE(IsResultComplete(back.GetRecord()));
}

TEST_F(XmlFilesTest, ResultReaderIgnoresGradesBeyondTheFourth) {
    WriteSjisLines(folder / "r.xml", {"<BIG1000>", "<結果>", "<開催回>9</開催回>", "<当せん金>", "<四等>5</四等>",
                                      "<五等>77</五等>", "</当せん金>", "<開催状態>延期</開催状態>", "</結果>", "</BIG1000>"});
    clsXmlResult r;
    ASSERT_TRUE(r.XmlLoad((folder / "r.xml").string()));
    EXPECT_EQ(r.GetRecord().Prize[4], Currency::FromInt(5));
    EXPECT_FALSE(r.GetRecord().Cancelled);
    EXPECT_TRUE(rec.Messages().empty());
}

struct BadFile {
    const char* name;
    std::string body;
    const char* description;  // the error box text, empty when the load simply fails
};

class XmlBadInput : public ProgramFolderTest, public ::testing::WithParamInterface<BadFile> {};

TEST_P(XmlBadInput, FailsWithItsMessageAndKeepsTheHeldRecord) {
    clsXmlSchedule x;
    ASSERT_TRUE(x.XmlLoad(Fixture("drawdata/big1000_schedule_812.xml")));
    const ScheduleRecord before = x.GetRecord();
    WriteBytes(folder / "bad.xml", Utf8ToCp932(GetParam().body));
    EXPECT_FALSE(x.XmlLoad((folder / "bad.xml").string()));
    EXPECT_EQ(x.GetRecord(), before);
    auto m = rec.Messages();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].text, GetParam().description);
    EXPECT_EQ(m[0].caption, "KUJIMATE / clsXmlSchedule / XmlLoad");
}

INSTANTIATE_TEST_SUITE_P(
    Files, XmlBadInput,
    ::testing::Values(
        BadFile{"MismatchedClose", "<BIG1000>\r\n<開催>\r\n<指定試合>\r\n</開催>\r\n", "XMLデータが異常です。"},
        BadFile{"CloseWithoutOpen", "</BIG1000>", "XMLデータが異常です。"},
        BadFile{"NumberNotANumber", "<BIG1000><開催><開催回>八一二</開催回></開催></BIG1000>", "型が一致しません。 ( 13 )"},
        BadFile{"NumberTooLarge", "<BIG1000><開催><開催回>99999999999</開催回></開催></BIG1000>",
                "オーバーフローしました。 ( 6 )"},
        BadFile{"BadDate", "<BIG1000><開催><販売開始日>2024/02/30</販売開始日></開催></BIG1000>", "型が一致しません。 ( 13 )"},
        BadFile{"GameTwelve", "<BIG1000><開催><指定試合><番号>12</番号><ホーム>x</ホーム></指定試合></開催></BIG1000>",
                "インデックスが有効範囲にありません。 ( 9 )"},
        BadFile{"ValueUnderRoot", "<BIG1000>stray</BIG1000>", "インデックスが有効範囲にありません。 ( 9 )"},
        BadFile{"ValueBeforeAnyTag", "stray", "インデックスが有効範囲にありません。 ( 9 )"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(XmlFilesTest, ResultScoresAboveAByteFail) {
    WriteSjisLines(folder / "r.xml", {"<BIG1000><結果><指定試合><番号>1</番号><ホーム得点>256</ホーム得点></指定試合></結果></BIG1000>"});
    clsXmlResult r;
    EXPECT_FALSE(r.XmlLoad((folder / "r.xml").string()));
    ASSERT_EQ(rec.Messages().size(), 1u);
    EXPECT_EQ(rec.Messages()[0].text, "オーバーフローしました。 ( 6 )");
}

TEST_F(XmlFilesTest, HostileFilesReadWithoutCrashOrHang) {
    struct Case {
        const char* what;
        std::string bytes;
    };
    std::string deep;
    for (int i = 0; i < 20000; ++i) deep += "<a>";
    deep = "<BIG1000><開催>" + deep + "x";
    std::string longLine = "<BIG1000><開催><競技場>" + std::string(8 << 20, 'x') + "</競技場></開催></BIG1000>";
    std::string binary;
    for (int i = 0; i < 1 << 20; ++i) binary += static_cast<char>((i * 2654435761u) >> 24);
    for (const Case& c : {Case{"empty", ""}, Case{"truncated", "<BIG1000><開催><開催回>8"}, Case{"cut tag", "<BIG1000><開"},
                          Case{"deep", deep}, Case{"long line", longLine}, Case{"binary", binary}}) {
        WriteBytes(folder / "h.xml", c.bytes);
        clsXmlSchedule x;
        x.XmlLoad((folder / "h.xml").string());  // outcome per the rules; it must simply return
        SUCCEED() << c.what;
    }
    clsXmlSchedule x;
    WriteBytes(folder / "e.xml", "");
    EXPECT_TRUE(x.XmlLoad((folder / "e.xml").string()));  // nothing to object to: an empty record
    EXPECT_EQ(x.GetRecord(), ScheduleRecord{});
    EXPECT_FALSE(x.XmlLoad(""));
    EXPECT_FALSE(x.XmlLoad((folder / "missing.xml").string()));
}

TEST(XmlValueTexts, DatesAreWrittenInTheirThreeForms) {
    EXPECT_EQ(XmlDateText(Date()), "0:00:00");
    EXPECT_EQ(XmlDateText(Date::FromTime(9, 5, 0)), "9:05:00");
    EXPECT_EQ(XmlDateText(Date::FromYmd(2024, 3, 15)), "2024/03/15");
    EXPECT_EQ(XmlDateText(Date::FromYmdHns(2024, 3, 16, 13, 50, 0)), "2024/03/16 13:50:00");
    XmlValueError e;
    Date d;
    EXPECT_TRUE(XmlToDate("0:00:00", d, e));
    EXPECT_TRUE(d.IsZero());
    EXPECT_TRUE(XmlToDate("2024/3/5 9:05", d, e));
    EXPECT_EQ(d, Date::FromYmdHns(2024, 3, 5, 9, 5, 0));
    EXPECT_FALSE(XmlToDate("2024/03/16 25:00:00", d, e));
    EXPECT_FALSE(XmlToDate("tomorrow", d, e));
}
