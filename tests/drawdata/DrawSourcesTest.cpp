#include <gtest/gtest.h>

#include <filesystem>

#include "common/TestSupport.h"
#include "drawdata/clsResult.h"
#include "drawdata/clsSchedule.h"
#include "drawdata/clsVote.h"
#include "support/Encoding.h"

using namespace kujimate;
using namespace kujimate::test;
namespace fs = std::filesystem;

namespace {

ScheduleRecord CompleteSchedule(int32_t no) {
    ScheduleRecord r;
    r.DrawNo = no;
    for (int n = 1; n <= GameCount; ++n) r.Games[n] = {"鹿島", "浦和", Date::FromYmd(2024, 3, 16), Date::FromTime(13, 0, 0), "スタジアム", "VS"};
    r.SaleStart = Date::FromYmd(2024, 3, 9);
    r.SaleEnd = Date::FromYmdHns(2024, 3, 16, 13, 50, 0);
    r.ResultDate = Date::FromYmd(2024, 3, 18);
    return r;
}

VoteRecord CompleteVote(int32_t no) {
    VoteRecord r;
    r.DrawNo = no;
    r.AsOf = Date::FromYmdHns(2024, 3, 16, 10, 0, 0);
    for (int n = 1; n <= GameCount; ++n) {
        r.Games[n].Home = "鹿島";
        r.Games[n].Away = "浦和";
        r.Games[n].GameDate = Date::FromYmd(2024, 3, 16);
    }
    return r;
}

// A page parser that hands out a fixed outcome and counts its fetches.
template <typename Base, typename Record>
class FakeParser : public Base {
public:
    Record record;
    bool produce = true;
    bool unpublished = false;
    int fetches = 0;
    bool Unpublished() const override { return unpublished; }
    bool ProgressOpen() const override { return open_; }
    void ProgressOpen(bool v) override { open_ = v; }
    bool ProgressClose() const override { return close_; }
    void ProgressClose(bool v) override { close_ = v; }
    Record GetRecord() const override { return record; }

protected:
    bool Fetch() {
        ++fetches;
        return produce;
    }

private:
    bool open_ = true, close_ = true;
};

struct FakeSchedule : FakeParser<SchedulePageParser, ScheduleRecord> {
    bool GetSchedule(int32_t, const std::string&, OwnerWindow) override { return Fetch(); }
};
struct FakeVote : FakeParser<VotePageParser, VoteRecord> {
    bool final = false;
    bool GetVote(int32_t, const std::string&, OwnerWindow, bool& blnFinal) override {
        blnFinal = final;
        return Fetch();
    }
};
struct FakeResult : FakeParser<ResultPageParser, ResultRecord> {
    bool GetResult(int32_t, const std::string&, OwnerWindow) override { return Fetch(); }
};

}  // namespace

TEST(DrawRecords, CompletenessRules) {
    EXPECT_FALSE(IsScheduleComplete({}));
    EXPECT_FALSE(IsVoteComplete({}));
    EXPECT_FALSE(IsResultComplete({}));
    ScheduleRecord s = CompleteSchedule(5);
    s.SaleStart = s.SaleEnd = s.ResultDate = Date();
    EXPECT_FALSE(IsScheduleComplete(s));
    s.HoldState = 2;
    EXPECT_TRUE(IsScheduleComplete(s));
    s.Games[4].Stadium.clear();
    EXPECT_FALSE(IsScheduleComplete(s));

    ResultRecord r;
    r.DrawNo = 5;
    for (int n = 1; n <= GameCount; ++n) r.Games[n].Home = r.Games[n].Away = "x";
    r.Cancelled = true;
    EXPECT_TRUE(IsResultComplete(r));
    r.Cancelled = false;
    EXPECT_FALSE(IsResultComplete(r));
    r.RefundStart = r.RefundEnd = Date::FromYmd(2024, 1, 1);
    r.SalesAmount = r.VoteUnits = r.VoteTickets = Currency::FromInt(1);
    EXPECT_TRUE(IsResultComplete(r));  // grades without winners are fine
    r.Games[3].HomeScore = 31;
    EXPECT_FALSE(IsResultComplete(r));
    r.Games[3].HomeScore = 0;
    r.Games[3].Outcome = 4;
    EXPECT_FALSE(IsResultComplete(r));
    r.Games[3].Outcome = 3;
    r.Prize[2] = Currency::FromInt(-1);
    EXPECT_FALSE(IsResultComplete(r));

    VoteRecord v = CompleteVote(5);
    v.Games[3].Counts[1].Votes = Currency::FromInt(10);  // figures of some matches only
    EXPECT_TRUE(IsVoteComplete(v));
    v.AsOf = Date();
    EXPECT_FALSE(IsVoteComplete(v));
}

class DrawSourcesTest : public ProgramFolderTest {};

TEST_F(DrawSourcesTest, EveryMemberNeedsInitialize) {
    clsSchedule s;
    clsVote v;
    clsResult r;
    EXPECT_FALSE(s.GetSchedule(5, "", 3, false));
    EXPECT_EQ(s.Schedule(), ScheduleRecord{});
    EXPECT_FALSE(s.NoGame());
    EXPECT_FALSE(v.Cancel());
    EXPECT_FALSE(r.Unpublished());
    EXPECT_FALSE(r.GetResult(5, "", 1, false));
    auto m = rec.Messages();
    ASSERT_EQ(m.size(), 6u);
    EXPECT_EQ(m[0].caption, "KUJIMATE / clsSchedule / GetSchedule");
    EXPECT_EQ(m[0].text, "Initialize Err");
    EXPECT_EQ(m[1].caption, "KUJIMATE / clsSchedule / Schedule");
    EXPECT_EQ(m[3].caption, "KUJIMATE / clsVote / Cancel");
    EXPECT_EQ(m[5].caption, "KUJIMATE / clsResult / GetResult");
}

TEST_F(DrawSourcesTest, AStoredFileIsUsedWithoutAskingOrDownloading) {
    clsXmlSchedule file;
    file.SetRecord(CompleteSchedule(812));
    ASSERT_TRUE(file.XmlSave(file.GetFileName(812, "")));
    clsSchedule s;
    s.Initialize(nullptr);
    auto* fake = new FakeSchedule;
    s.SetParser(std::unique_ptr<SchedulePageParser>(fake));
    EXPECT_TRUE(s.GetSchedule(812, "", 3, true));
    EXPECT_EQ(s.Schedule().DrawNo, 812);
    EXPECT_EQ(fake->fetches, 0);
    EXPECT_TRUE(rec.Messages().empty());
}

TEST_F(DrawSourcesTest, ANotHeldMarkIsReadAndStopsTheDownload) {
    clsSchedule s;
    s.Initialize(nullptr);
    auto* fake = new FakeSchedule;
    s.SetParser(std::unique_ptr<SchedulePageParser>(fake));
    rec.answers = {true};
    ASSERT_TRUE(s.XmlSave_NoGame(123, ""));
    EXPECT_EQ(rec.Messages()[0].text, "第 123 回を未開催に設定しますか？");
    EXPECT_EQ(rec.Messages()[0].caption, "KUJIMATE");
    EXPECT_FALSE(s.GetSchedule(123, "", 3, true));
    EXPECT_TRUE(s.NoGame());
    EXPECT_EQ(fake->fetches, 0);
    EXPECT_EQ(rec.Messages().size(), 1u);
    // A marked draw cannot be marked again; unmarking asks and deletes.
    EXPECT_FALSE(s.XmlSave_NoGame(123, ""));
    rec.answers = {false, true};
    EXPECT_FALSE(s.XmlDelete_NoGame(123, ""));
    EXPECT_TRUE(s.CheckScheduleFile(123, ""));
    EXPECT_TRUE(s.XmlDelete_NoGame(123, ""));
    EXPECT_FALSE(s.CheckScheduleFile(123, ""));
    EXPECT_EQ(rec.Messages().back().text, "第 123 回の未開催を解除しますか？");
    EXPECT_FALSE(s.XmlDelete_NoGame(123, ""));  // nothing to unmark: no question
    EXPECT_EQ(rec.Messages().size(), 3u);
}

TEST_F(DrawSourcesTest, DecliningTheQuestionCancelsSilently) {
    clsResult r;
    r.Initialize(nullptr);
    auto* fake = new FakeResult;
    r.SetParser(std::unique_ptr<ResultPageParser>(fake));
    rec.answers = {false};
    EXPECT_FALSE(r.GetResult(812, "", 3, true));
    EXPECT_TRUE(r.Cancel());
    EXPECT_EQ(fake->fetches, 0);
    auto m = rec.Messages();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].text, "インターネットより くじ結果 をダウンロードします。よろしいですか？");
    EXPECT_EQ(m[0].caption, " くじ結果");
    EXPECT_EQ(m[0].kind, RecordingReporter::Kind::Question);
    r.FalseDialog(812);
    EXPECT_EQ(rec.Messages().size(), 1u);
}

TEST_F(DrawSourcesTest, ACompleteDownloadIsStoredOnceAndNeverOverwritten) {
    clsSchedule s;
    s.Initialize(nullptr);
    auto* fake = new FakeSchedule;
    fake->record = CompleteSchedule(45);
    s.SetParser(std::unique_ptr<SchedulePageParser>(fake));
    EXPECT_TRUE(s.GetSchedule(45, "", 3, false));
    EXPECT_EQ(fake->fetches, 1);
    EXPECT_TRUE(s.CheckScheduleFile(45, ""));
    EXPECT_TRUE(s.GetSchedule(45, "", 3, false));  // now from the file
    EXPECT_EQ(fake->fetches, 1);
    // A download-only call cannot replace the stored file either.
    fake->record.Games[1].Home = "別物";
    EXPECT_TRUE(s.GetSchedule(45, "", 2, false));
    EXPECT_EQ(s.Schedule().Games[1].Home, "別物");
    clsXmlSchedule file;
    ASSERT_TRUE(file.XmlLoad(file.GetFileName(45, "")));
    EXPECT_EQ(file.GetRecord().Games[1].Home, "鹿島");
    EXPECT_TRUE(rec.Messages().empty());
}

// A stored file that yields no complete record is no file for the download: it runs and
// replaces the file. Its load error is shown by the load of the draw only.
TEST_F(DrawSourcesTest, ADamagedStoredFileIsReplacedByTheDownload) {
    clsXmlSchedule good;
    good.SetRecord(CompleteSchedule(45));
    const std::string whole = Utf8ToCp932(good.GetXmlString());
    struct Damage {
        const char* name;
        std::string bytes;
        size_t messages;
    };
    const Damage damages[] = {
        {"empty", "", 0},
        {"cut off", whole.substr(0, whole.size() / 2), 1},
        {"garbage", std::string("\x89PNG\r\n\x1a\n\0\xff<x>\x01</y>", 19), 1},
        {"incomplete", "<BIG1000>\r\n<開催>\r\n<開催回>45</開催回>\r\n</開催>\r\n</BIG1000>\r\n", 0},
    };
    for (const Damage& d : damages) {
        SCOPED_TRACE(d.name);
        rec.Clear();
        const fs::path path = good.GetFileName(45, "");
        WriteBytes(path, d.bytes);
        clsSchedule s;
        s.Initialize(nullptr);
        auto* fake = new FakeSchedule;
        fake->record = CompleteSchedule(45);
        s.SetParser(std::unique_ptr<SchedulePageParser>(fake));
        EXPECT_FALSE(s.CheckScheduleFile(45, ""));
        EXPECT_TRUE(rec.Messages().empty());

        // Loading alone holds what the file gave and downloads nothing.
        s.GetSchedule(45, "", 1, false);
        EXPECT_EQ(fake->fetches, 0);
        EXPECT_EQ(rec.Messages().size(), d.messages);

        rec.Clear();
        EXPECT_TRUE(s.GetSchedule(45, "", 3, false));
        EXPECT_EQ(fake->fetches, 1);
        EXPECT_TRUE(rec.Messages().empty());
        EXPECT_EQ(ReadBytes(path), whole);
        EXPECT_TRUE(s.CheckScheduleFile(45, ""));
        for (const auto& e : fs::directory_iterator(path.parent_path()))
            EXPECT_EQ(e.path().filename(), path.filename());  // no temporary left
        fs::remove(path);
    }
}

TEST_F(DrawSourcesTest, AStoreThatCannotBeWrittenIsReported) {
    const fs::path folderOfFiles = folder / "SysData/BIG1000_Result";
    fs::create_directories(folderOfFiles);
    fs::permissions(folderOfFiles, fs::perms::owner_read | fs::perms::owner_exec);
    clsResult r;
    r.Initialize(nullptr);
    auto* fake = new FakeResult;
    for (int n = 1; n <= GameCount; ++n) fake->record.Games[n].Home = fake->record.Games[n].Away = "x";
    fake->record.DrawNo = 812;
    fake->record.Cancelled = true;
    r.SetParser(std::unique_ptr<ResultPageParser>(fake));
    EXPECT_TRUE(r.GetResult(812, "", 3, false));  // the record is complete all the same
    EXPECT_TRUE(r.StoreFailed());
    EXPECT_FALSE(r.CheckResultFile(812, ""));
    ASSERT_FALSE(rec.Messages().empty());
    EXPECT_NE(rec.Messages().back().text.find("ファイルの保存に失敗しました。"), std::string::npos);
    EXPECT_EQ(rec.Messages().back().caption, "KUJIMATE / clsXmlResult / XmlSave");
    fs::permissions(folderOfFiles, fs::perms::owner_all);
    EXPECT_TRUE(r.GetResult(812, "", 3, false));
    EXPECT_FALSE(r.StoreFailed());
    EXPECT_TRUE(r.CheckResultFile(812, ""));
}

TEST_F(DrawSourcesTest, VoteFiguresAreStoredOnlyWhenFinal) {
    clsVote v;
    v.Initialize(nullptr);
    auto* fake = new FakeVote;
    fake->record = CompleteVote(812);
    v.SetParser(std::unique_ptr<VotePageParser>(fake));
    EXPECT_TRUE(v.GetVote(812, "", 3, false));
    EXPECT_FALSE(v.CheckVoteFile(812, ""));
    EXPECT_TRUE(v.GetVote(812, "", 3, false));
    EXPECT_EQ(fake->fetches, 2);
    fake->final = true;
    EXPECT_TRUE(v.GetVote(812, "", 3, false));
    EXPECT_TRUE(v.CheckVoteFile(812, ""));
}

TEST_F(DrawSourcesTest, FailuresLeaveAnEmptyRecordAndTheirMessage) {
    clsResult r;
    r.Initialize(nullptr);
    auto* fake = new FakeResult;
    fake->record.DrawNo = 812;
    r.SetParser(std::unique_ptr<ResultPageParser>(fake));
    EXPECT_FALSE(r.GetResult(812, "", 3, false));  // incomplete record: held, not stored
    EXPECT_EQ(r.Result().DrawNo, 812);
    EXPECT_FALSE(r.CheckResultFile(812, ""));
    r.FalseDialog(812);
    fake->produce = false;
    fake->unpublished = true;
    EXPECT_FALSE(r.GetResult(812, "", 3, false));
    EXPECT_TRUE(r.Unpublished());
    EXPECT_EQ(r.Result(), ResultRecord{});
    r.FalseDialog(812);
    auto m = rec.Messages();
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ(m[0].text, "インターネットよりダウンロードに失敗しました。");
    EXPECT_EQ(m[0].icon, MsgIcon::Warning);
    EXPECT_EQ(m[1].text, "第812回 くじ結果は発表されていません。");
    EXPECT_EQ(m[1].icon, MsgIcon::Information);
    EXPECT_EQ(m[1].caption, " くじ結果");
    // Draw 0 neither reads nor asks.
    EXPECT_FALSE(r.GetResult(0, "", 3, true));
    EXPECT_EQ(fake->fetches, 2);
    EXPECT_EQ(rec.Messages().size(), 2u);
}

TEST_F(DrawSourcesTest, ScheduleNumbersAreListedInNumericOrder) {
    clsSchedule s;
    std::vector<int32_t> list;
    EXPECT_EQ(s.GetScheduleNo(list), 0);
    for (const char* n : {"big1000_schedule_012.xml", "big1000_schedule_005.xml", "big1000_schedule_130.xml",
                          "big1000_schedule_1234_B.xml", "BIG1000_SCHEDULE_1234.xml", "big1000_schedule_abc.xml",
                          "big1000_schedule_.xml", "other.xml"})
        WriteBytes(folder / "SysData/BIG1000_Schedule" / n, "");
    EXPECT_EQ(s.GetScheduleNo(list), 5);
    EXPECT_EQ(list, (std::vector<int32_t>{5, 12, 130, 1234, 1234}));
}
