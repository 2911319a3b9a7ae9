#include <gtest/gtest.h>

#include <filesystem>

#include "check/clsTResult.h"
#include "common/TestSupport.h"

using namespace kujimate;
using namespace kujimate::test;
namespace fs = std::filesystem;

namespace {

struct ShownView : clsTResult::View {
    std::string count, page;
    bool previous = true, next = true;
    int filled = 0, cleared = 0;
    std::array<uint8_t, 12> firstDigits{};
    std::array<uint8_t, 11> firstStates{};
    void SingleCountText(const std::string& t) override { count = t; }
    void PageText(const std::string& t) override { page = t; }
    void PreviousLook(bool e) override { previous = e; }
    void NextLook(bool e) override { next = e; }
    void ResultColumn(int slot, const std::array<uint8_t, 12>& d, const std::array<uint8_t, 11>& s, int32_t) override {
        if (slot == 0) {
            firstDigits = d;
            firstStates = s;
        }
        ++filled;
    }
    void ResultClear(int) override { ++cleared; }
    void ResultRefresh() override {}
    bool countVisible = true;
    void CountVisible(bool v) override { countVisible = v; }
};

ResultRecord Official(std::array<int, 11> outcomes, int32_t draw = 812) {
    ResultRecord r;
    r.DrawNo = draw;
    for (int g = 0; g < 11; ++g) r.Games[g + 1].Outcome = static_cast<uint8_t>(outcomes[g]);
    r.Prize[1] = Currency::FromInt(1000000);
    r.Winners[1] = Currency::FromInt(2);
    r.Prize[2] = Currency::FromInt(5000);
    r.Winners[2] = Currency::FromInt(40);
    r.CarryOver[1] = Currency::FromInt(777);
    return r;
}

// Digits for matches 1..11 as a single number.
int32_t S(std::array<int, 11> d) {
    int32_t n = 0;
    for (int g = 10; g >= 0; --g) n = n * 3 + d[g];
    return n;
}

class CheckTab : public ProgramFolderTest {
protected:
    ShownView view;
    clsTResult result;
    std::vector<int32_t> held;  // the list the controller reads
    void SetUp() override {
        result.SetView(&view);
        result.Initialize();
    }
    std::string CachePath(int32_t draw, const std::string& group = "") {
        const std::string rel = clsTResult::GetResultTempPath(draw, group);
        return (folder.Path() / "SysData/Temp" / rel.substr(rel.rfind('\\') + 1)).string();
    }
};

const std::array<int, 11> R = {1, 0, 2, 1, 0, 2, 1, 0, 2, 1, 0};

}  // namespace

TEST_F(CheckTab, NothingKnownMeansGradeOneForEverySingle) {
    result.SetResultData(812, "", ResultRecord{}, true);
    result.SetSingle(0, held = std::vector<int32_t>{});
    EXPECT_EQ(view.count, "0");
    EXPECT_EQ(view.page, "1／1");
    EXPECT_FALSE(view.previous);
    EXPECT_FALSE(view.next);
    EXPECT_EQ(view.cleared, 10);
    EXPECT_EQ(result.Counts(), GradeCounts{});

    result.SetSingle(11, held = std::vector<int32_t>(11, 34066));
    EXPECT_EQ(view.page, "1／2");
    EXPECT_EQ(result.Counts()[0], 11);
    EXPECT_EQ(result.Grades(), std::vector<uint8_t>(11, 1));
    result.MoveNext();
    EXPECT_EQ(view.page, "2／2");
    EXPECT_EQ(view.firstStates[0], StateOpen);
    EXPECT_FALSE(view.next);
}

TEST_F(CheckTab, RevealingOneMatchAtATime) {
    std::vector<int32_t> list{S(R), S({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}), S({0, 0, 2, 1, 0, 2, 1, 0, 2, 1, 0})};
    result.SetResultData(812, "", Official(R), false);
    result.SetSingle(3, list);
    EXPECT_EQ(result.RevealCount(), 0);
    EXPECT_TRUE(result.RevealButtonsEnabled());
    EXPECT_EQ(result.Counts()[0], 3);
    result.SetNextData();  // match 1: home win
    EXPECT_EQ(result.Grades(), (std::vector<uint8_t>{1, 1, 2}));
    for (int k = 0; k < 10; ++k) result.SetNextData();
    EXPECT_TRUE(result.FullResult());
    EXPECT_FALSE(result.RevealButtonsEnabled());
    result.SetNextData();
    EXPECT_EQ(result.RevealCount(), 11);
    // 11 hits; the all-1 single has matches 1, 4, 7, 10 right; the third misses match 1.
    EXPECT_EQ(result.Grades(), (std::vector<uint8_t>{1, 8, 2}));
    EXPECT_TRUE(result.KakuteiShown());
    EXPECT_EQ(result.Kakutei().Value(5, 2), Currency::FromInt(1));
    EXPECT_EQ(result.Kakutei().Value(6, 2), Currency::FromInt(1000000));
    EXPECT_EQ(result.Kakutei().Value(6, 3), Currency::FromInt(5000));
    EXPECT_EQ(result.Kakutei().Value(2, 6), Currency::FromInt(2000000 + 200000));

    // Clicking a revealed ◎ away leaves 10 decided matches: the confirmed table clears.
    result.MultiResultClick(clsTMultiResult::LeftButton, 1, 2);
    EXPECT_EQ(result.DecidedCount(), 10);
    EXPECT_FALSE(result.KakuteiShown());
    EXPECT_EQ(result.Kakutei().Text(2, 2), "");
    EXPECT_EQ(result.Grades(), (std::vector<uint8_t>{1, 8, 1}));
    // The official draw keeps no cache file.
    EXPECT_FALSE(fs::exists(CachePath(812)));
}

TEST_F(CheckTab, VoidAndUserMarks) {
    std::vector<int32_t> list{S({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}), S({1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}),
                              S({2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0})};
    result.SetResultData(900, "", ResultRecord{}, false);
    result.SetSingle(3, list);
    result.MultiResultClick(clsTMultiResult::LeftButton, 1, 2);  // ○ on a home win in match 1
    EXPECT_EQ(result.MultiResult().Text(1, 2), "○");
    EXPECT_EQ(result.Grades(), (std::vector<uint8_t>{2, 1, 2}));
    EXPECT_EQ(result.DecidedCount(), 0);  // a ○ decides nothing
    EXPECT_TRUE(result.CountGrid().Blue(1, 2));  // the composition view marks what is known
    EXPECT_FALSE(result.CountGrid().Blue(2, 2));
    result.MultiResultClick(clsTMultiResult::RightButton, 3, 2);
    result.SetPopup(0);  // 中止
    EXPECT_EQ(result.MultiResult().Text(2, 2), "－");
    EXPECT_EQ(result.Grades(), (std::vector<uint8_t>{1, 1, 1}));
    EXPECT_EQ(view.firstStates[0], StateVoid);

    // The user's entries are kept per draw and come back next time.
    EXPECT_EQ(ReadBytes(CachePath(900)), std::string("3,3,3\r\n") + [] {
        std::string s;
        for (int i = 0; i < 10; ++i) s += "0,0,0\r\n";
        return s;
    }());
    clsTResult again;
    again.Initialize();
    again.SetResultData(900, "", ResultRecord{}, false);
    again.SetSingle(3, list);
    EXPECT_EQ(again.MultiResult().States()[0], (std::array<int32_t, 3>{3, 3, 3}));

    // Once the official result is there, the cache file goes.
    again.SetResultData(900, "", Official(R, 900), false);
    EXPECT_FALSE(fs::exists(CachePath(900)));
    EXPECT_EQ(again.MultiResult().States()[0], (std::array<int32_t, 3>{0, 0, 0}));
}

TEST_F(CheckTab, TheCompositionViewHidesWhenClickedBackToCounts) {
    result.CountVisible(true);
    result.CountClick(1, 2);
    EXPECT_TRUE(result.CountGrid().Percent());
    EXPECT_TRUE(view.countVisible);
    result.CountClick(1, 2);
    EXPECT_FALSE(result.CountGrid().Percent());
    EXPECT_FALSE(view.countVisible);
}

TEST_F(CheckTab, CacheFileNamesAndDamagedCacheFiles) {
    EXPECT_EQ(clsTResult::GetResultTempPath(7, ""), "SysData\\Temp\\BIG1000_Result_007.dat");
    EXPECT_EQ(clsTResult::GetResultTempPath(123, "A"), "SysData\\Temp\\BIG1000_Result_123_A.dat");
    EXPECT_EQ(clsTResult::GetResultTempPath(1234, ""), "SysData\\Temp\\BIG1000_Result_1234.dat");

    struct Case {
        std::string content;
        bool reported;
        std::array<int32_t, 3> match1, match2;
    } cases[] = {
        {"0,2,0\r\n3,3,3\r\n", true, {0, 2, 0}, {3, 3, 3}},              // short: the rest stay 0
        {"0,2,0\r\n1,x,0\r\n", true, {0, 2, 0}, {1, 0, 0}},              // garbled: read up to the fault
        {"0,2\r\n", true, {0, 2, 0}, {0, 0, 0}},                          // too few fields
        {"7,2,-1\r\n", true, {0, 2, 0}, {0, 0, 0}},                       // out of range reads as 0
        {std::string(20, 'x'), true, {0, 0, 0}, {0, 0, 0}},
        {"", true, {0, 0, 0}, {0, 0, 0}},
    };
    for (auto& c : cases) {
        rec.Clear();
        WriteBytes(CachePath(950), c.content);
        clsTResult r;
        r.Initialize();
        r.SetResultData(950, "", ResultRecord{}, false);
        EXPECT_EQ(!rec.Messages().empty(), c.reported) << c.content;
        if (!rec.Messages().empty()) {
            EXPECT_EQ(rec.Messages()[0].caption, "KUJIMATE / clsTResult / LoadResultTemp");
        }
        EXPECT_EQ(r.MultiResult().States()[0], c.match1) << c.content;
        EXPECT_EQ(r.MultiResult().States()[1], c.match2) << c.content;
    }
    // Long files: the first eleven lines count, and of a long line its first fields.
    std::string lines = "0,0,2," + std::string(3 << 20, 'j') + "\r\n";
    for (int i = 0; i < 100000; ++i) lines += "0,1,0,junk\r\n";
    rec.Clear();
    WriteBytes(CachePath(951), lines);
    clsTResult r;
    r.Initialize();
    r.SetResultData(951, "", ResultRecord{}, false);
    EXPECT_TRUE(rec.Messages().empty());
    EXPECT_EQ(r.MultiResult().States()[0], (std::array<int32_t, 3>{0, 0, 2}));
    EXPECT_EQ(r.MultiResult().States()[10], (std::array<int32_t, 3>{0, 1, 0}));
}

TEST_F(CheckTab, ACacheFileThatCannotBeWrittenIsReportedAndTheMarksStay) {
    fs::create_directories(folder / "SysData");
    WriteBytes(folder / "SysData/Temp", "a file where the folder should be");
    result.SetResultData(960, "", ResultRecord{}, false);
    result.SetSingle(1, held = std::vector<int32_t>{S(R)});
    result.MultiResultClick(clsTMultiResult::LeftButton, 2, 2);
    EXPECT_FALSE(rec.Messages().empty());
    EXPECT_EQ(result.MultiResult().Text(2, 2), "○");
    EXPECT_EQ(result.Grades(), (std::vector<uint8_t>{2}));
}

TEST_F(CheckTab, GradeSortAndItsChecks) {
    std::vector<int32_t> list{S({2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2}), S(R), S({1, 0, 2, 1, 0, 2, 1, 0, 2, 2, 2}),
                              S({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1})};
    result.SetResultData(812, "", Official(R), true);
    result.SetSingle(4, list);
    std::vector<int32_t> sorted = list;
    ASSERT_TRUE(result.GradeSort(sorted, true));
    EXPECT_EQ(sorted[0], S(R));
    EXPECT_EQ(sorted[1], list[2]);
    sorted = list;
    ASSERT_TRUE(result.GradeSort(sorted, false));
    EXPECT_EQ(sorted[0], list[0]);  // the fewest hits first

    std::vector<int32_t> other{1, 2, 3};
    EXPECT_FALSE(result.GradeSort(other, true));
    EXPECT_EQ(other, (std::vector<int32_t>{1, 2, 3}));
    EXPECT_EQ(rec.Messages().back().text, "シングル数が一致しません");
    EXPECT_EQ(rec.Messages().back().caption, "KUJIMATE / clsTResult / GradeSort_Sub");

    clsTResult fresh;
    fresh.SetResultData(1, "", ResultRecord{}, false);
    EXPECT_EQ(rec.Messages().back().text, "Initialize Err");
    EXPECT_EQ(rec.Messages().back().caption, "KUJIMATE / clsTResult / SetResultData");
}

TEST_F(CheckTab, TheProgressDialogFrom10001Singles) {
    using K = RecordingReporter::Kind;
    result.SetResultData(812, "", ResultRecord{}, false);
    result.SetSingle(10000, held = std::vector<int32_t>(10000, 0));
    EXPECT_EQ(rec.Count(K::ProgressOpen), 0);
    EXPECT_EQ(rec.Count(K::DoEvents), 9);
    rec.Clear();
    result.SetSingle(10001, held = std::vector<int32_t>(10001, 0));
    EXPECT_EQ(rec.Count(K::ProgressOpen), 1);
    EXPECT_EQ(rec.Count(K::ProgressClose), 1);
    EXPECT_EQ(rec.Count(K::DoEvents), 9);
    std::vector<int64_t> values;
    for (const auto& e : rec.entries)
        if (e.kind == K::ProgressValue) values.push_back(e.number);
    EXPECT_EQ(values.front(), 1000);
    EXPECT_EQ(values.back(), 10000);
}
