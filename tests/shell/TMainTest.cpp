#include <gtest/gtest.h>

#include <vector>

#include "common/TestSupport.h"
#include "drawdata/clsXmlResult.h"
#include "drawdata/clsXmlSchedule.h"
#include "drawdata/clsXmlVote.h"
#include "shell/clsTMain.h"

using namespace kujimate;
using namespace kujimate::test;

TEST(DrawEntry, KeepsDigitsInRange) {
    struct Case {
        const char* in;
        const char* out;
    };
    for (auto c : {Case{"", ""}, Case{"05", "5"}, Case{"0", "0"}, Case{"12345", "9999"}, Case{"99999999999999999", "9999"},
                   Case{"12a", "0"}, Case{"0812", "812"}})
        EXPECT_EQ(clsTMain::NormalizeEntry(c.in), c.out) << c.in;
    EXPECT_EQ(clsTMain::EntryValue(""), -1);
}

class TMainTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        m.KaisaikaiChange = [this](int32_t n, const std::string& g) {
            events.push_back(n);
            EXPECT_EQ(g, "");
        };
    }
    void StoreVote(int32_t no) {
        clsXmlVote x;
        VoteRecord v;
        v.DrawNo = no;
        v.AsOf = Date::FromYmd(2024, 1, 1);
        for (int n = 1; n <= GameCount; ++n) {
            v.Games[n].Home = v.Games[n].Away = "x";
            v.Games[n].GameDate = v.AsOf;
        }
        x.SetRecord(v);
        ASSERT_TRUE(x.XmlSave(x.GetFileName(no, "")));
    }
    clsTMain m;
    std::vector<int32_t> events;
};

TEST_F(TMainTest, EveryEntryChangeReloadsTheDraw) {
    m.EntryChanged("5");  // before Initialize: ignored
    EXPECT_TRUE(events.empty());
    m.Initialize(nullptr);
    for (const char* t : {"1", "12", "123", ""}) m.EntryChanged(t);
    EXPECT_EQ(events, (std::vector<int32_t>{1, 12, 123, -1}));
    EXPECT_EQ(m.CurrentSchedule(), ScheduleRecord{});
    m.KumiClick();
    EXPECT_EQ(events.back(), -1);
}

TEST_F(TMainTest, VoteIsClearedOnDrawChangeButKeptByOtherDownloads) {
    StoreVote(812);
    m.Initialize(nullptr);
    m.EntryChanged("812");
    EXPECT_EQ(m.CurrentVote().DrawNo, 812);
    m.EntryChanged("813");
    EXPECT_EQ(m.CurrentVote().DrawNo, 0);
    // A stored result for 813 found by its download keeps the (empty) vote as it is.
    m.EntryChanged("812");
    clsXmlResult rx;
    ResultRecord r;
    r.DrawNo = 812;
    r.Cancelled = true;
    for (int n = 1; n <= GameCount; ++n) r.Games[n].Home = r.Games[n].Away = "x";
    rx.SetRecord(r);
    ASSERT_TRUE(rx.XmlSave(rx.GetFileName(812, "")));
    m.GetResult(false);
    EXPECT_TRUE(m.CurrentResult().Cancelled);
    EXPECT_EQ(m.CurrentVote().DrawNo, 812);
    EXPECT_TRUE(m.CheckResultFile());
    EXPECT_TRUE(m.CheckVoteFile());
    EXPECT_FALSE(m.CheckScheduleFile());
}

TEST_F(TMainTest, DownloadsRespectTheNotHeldMarkAndTheScheduleFirstRule) {
    m.Initialize(nullptr);
    m.EntryChanged("700");
    m.GetVote(true);
    auto msgs = rec.Messages();
    ASSERT_EQ(msgs.size(), 1u);
    EXPECT_EQ(msgs[0].text, "開催情報を先にダウンロードして下さい。");
    EXPECT_EQ(msgs[0].icon, MsgIcon::Information);
    rec.Clear();
    clsXmlSchedule x;
    ASSERT_TRUE(x.XmlSave_NoGame(700, ""));
    m.EntryChanged("700");
    EXPECT_TRUE(m.NoGame());
    m.GetSchedule(true);
    m.GetVote(true);
    m.GetResult(true);
    EXPECT_TRUE(rec.Messages().empty());
}

TEST_F(TMainTest, AFailedDownloadShowsTheSourcesMessage) {
    m.Initialize(nullptr);
    m.EntryChanged("812");
    rec.answers = {false};
    m.GetSchedule(true);
    ASSERT_EQ(rec.Messages().size(), 1u);  // the question; declined, so nothing more
    m.GetResult(false);                    // no page parser here: the download fails
    ASSERT_EQ(rec.Messages().size(), 2u);
    EXPECT_EQ(rec.Messages()[1].text, "インターネットよりダウンロードに失敗しました。");
}

TEST_F(TMainTest, SetKaisaikaiGoesThroughTheEntry) {
    std::vector<std::string> written;
    m.WriteEntry = [&](const std::string& t) {
        written.push_back(t);
        m.EntryChanged(t);
    };
    m.Initialize(nullptr);
    m.SetKaisaikai(812);
    m.SetKaisaikai(123456);
    EXPECT_EQ(written, (std::vector<std::string>{"812", "9999"}));
    EXPECT_EQ(events, (std::vector<int32_t>{812, 9999}));
}
