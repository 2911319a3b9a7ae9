// The download flow end to end: the owner classes, their page parsers and the HTTP client
// against the demo operator site served on 127.0.0.1.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>

#include "DemoSite.h"
#include "common/LocalServer.h"
#include "common/TestSupport.h"
#include "drawdata/clsResult.h"
#include "drawdata/clsSchedule.h"
#include "drawdata/clsVote.h"
#include "site/WinInetLog.h"
#include "site/basBigSettings.h"
#include "support/Clock.h"

using namespace kujimate;
using namespace kujimate::test;
namespace fs = std::filesystem;

namespace {

class DownloadFlowTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        SetClock(&clock);
        site.server.set_pre_routing_handler([this](const httplib::Request&, httplib::Response&) {
            ++requests;
            return httplib::Server::HandlerResponse::Unhandled;
        });
        demo.Mount(site.server);
        site.Start();
        PointAt(site.Base());
    }
    void TearDown() override {
        SetDefaultBigSettings();
        SetClock(nullptr);
    }
    static void PointAt(const std::string& base) {
        BigSettingsValues& s = BigSettings();
        s.bigOfficialScheduleUrl = base + demo::SchedulePath + "?popupDispDiv=0&holdCntId=";
        s.bigOfficialResultUrl = base + demo::ResultPath + "?holdCntId=";
        s.totoOfficialVoteUrl = base + demo::VotePath + "?holdCntId=";
    }
    fs::path Stored(const std::string& kind, int no) const {
        std::string lower = kind;
        lower[0] = static_cast<char>(lower[0] - 'A' + 'a');
        return folder / "SysData" / ("BIG1000_" + kind) / ("big1000_" + lower + "_" + std::to_string(no) + ".xml");
    }

    // Wednesday noon: draw 1524 is on sale until Saturday.
    FixedClock clock{Date::FromYmdHns(2025, 3, 12, 12, 0, 0)};
    demo::DemoSite demo{clock.now};
    LocalServer site;
    std::atomic<int> requests{0};
    RecordingWinInetLog log;
};

TEST_F(DownloadFlowTest, EachDecidedDrawIsStoredOnceAndThenReadFromItsFiles) {
    clsSchedule s;
    clsVote v;
    clsResult r;
    s.Initialize(nullptr);
    v.Initialize(nullptr);
    r.Initialize(nullptr);
    for (int no : {1521, 1522, 1523}) {
        SCOPED_TRACE(no);
        const int before = requests;
        ASSERT_TRUE(s.GetSchedule(no, "", 3, false));
        ASSERT_TRUE(v.GetVote(no, "", 3, false));
        ASSERT_TRUE(r.GetResult(no, "", 3, false));
        EXPECT_EQ(requests, before + 3);
        for (const char* kind : {"Schedule", "Vote", "Result"}) EXPECT_TRUE(fs::exists(Stored(kind, no))) << kind;

        const ScheduleRecord sr = s.Schedule();
        const VoteRecord vr = v.Vote();
        const ResultRecord rr = r.Result();
        EXPECT_EQ(vr.AsOf, sr.SaleEnd);  // final figures
        for (int d = 1; d <= GameCount; ++d) {
            EXPECT_EQ(vr.Games[d].Home, sr.Games[d].Home);
            EXPECT_EQ(rr.Games[d].Home, sr.Games[d].Home);
            EXPECT_EQ(rr.Games[d].Away, sr.Games[d].Away);
            const bool calledOff = sr.Games[d].Status == "中止";
            EXPECT_EQ(rr.Games[d].Outcome == 3, calledOff);
            // Every BIG1000 match is on the toto page, with figures unless it was called off.
            EXPECT_EQ(vr.Games[d].Counts[1].Votes.IsZero(), calledOff);
        }
        // Once stored, nothing is fetched again.
        ASSERT_TRUE(s.GetSchedule(no, "", 3, false));
        ASSERT_TRUE(v.GetVote(no, "", 3, false));
        ASSERT_TRUE(r.GetResult(no, "", 3, false));
        EXPECT_EQ(requests, before + 3);
        ScheduleRecord withoutRefund = sr;  // the schedule file keeps no payment dates
        withoutRefund.RefundStart = withoutRefund.RefundEnd = Date{};
        EXPECT_EQ(s.Schedule(), withoutRefund);
    }
    EXPECT_TRUE(rec.Messages().empty());
    EXPECT_EQ(log.lines.front(), " 第1521回 開催情報取得中 (オフィシャル)");
    EXPECT_FALSE(log.open);
}

TEST_F(DownloadFlowTest, TheDrawOnSaleHasFiguresThatAreNotStoredAndNoResult) {
    clsSchedule s;
    clsVote v;
    clsResult r;
    s.Initialize(nullptr);
    v.Initialize(nullptr);
    r.Initialize(nullptr);
    ASSERT_TRUE(s.GetSchedule(1524, "", 3, false));
    ASSERT_TRUE(v.GetVote(1524, "", 3, false));
    EXPECT_EQ(v.Vote().AsOf, Date::FromYmdHns(2025, 3, 12, 12, 0, 0));
    EXPECT_FALSE(fs::exists(Stored("Vote", 1524)));
    const int before = requests;
    ASSERT_TRUE(v.GetVote(1524, "", 3, false));  // fetched again
    EXPECT_EQ(requests, before + 1);

    EXPECT_FALSE(r.GetResult(1524, "", 3, false));
    EXPECT_TRUE(r.Unpublished());
    r.FalseDialog(1524);
    ASSERT_EQ(rec.Messages().size(), 1u);
    EXPECT_EQ(rec.Messages()[0].text, "第1524回 くじ結果は発表されていません。");
    EXPECT_EQ(rec.Messages()[0].icon, MsgIcon::Information);
    EXPECT_FALSE(fs::exists(Stored("Result", 1524)));
}

TEST_F(DownloadFlowTest, UnknownDrawsDeclinedDownloadsAndADeadSite) {
    clsSchedule s;
    clsVote v;
    s.Initialize(nullptr);
    v.Initialize(nullptr);
    EXPECT_FALSE(s.GetSchedule(1600, "", 3, false));
    EXPECT_TRUE(s.Unpublished());
    s.FalseDialog(1600);
    EXPECT_EQ(rec.Messages().back().text, "第1600回 開催情報は発表されていません。");

    // No stored schedule: the vote page is not even fetched.
    const int before = requests;
    EXPECT_FALSE(v.GetVote(1600, "", 3, false));
    EXPECT_FALSE(v.Unpublished());
    EXPECT_EQ(requests, before);

    rec.Clear();
    rec.answers = {false};
    EXPECT_FALSE(s.GetSchedule(1521, "", 3, true));
    EXPECT_TRUE(s.Cancel());
    s.FalseDialog(1521);
    ASSERT_EQ(rec.Messages().size(), 1u);  // the question only
    EXPECT_EQ(rec.Messages()[0].text, "インターネットより 開催情報 をダウンロードします。よろしいですか？");
    EXPECT_EQ(requests, before);

    site.Stop();
    rec.Clear();
    clsSchedule late;
    late.Initialize(nullptr);
    EXPECT_FALSE(late.GetSchedule(1521, "", 3, false));
    EXPECT_FALSE(late.Unpublished());
    late.FalseDialog(1521);
    ASSERT_EQ(rec.Messages().size(), 1u);
    EXPECT_EQ(rec.Messages()[0].text, "インターネットよりダウンロードに失敗しました。");
    EXPECT_FALSE(fs::exists(Stored("Schedule", 1521)));
}

}  // namespace
