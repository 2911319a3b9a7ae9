#include <gtest/gtest.h>

#include <map>
#include <random>

#include "check/clsTResult.h"
#include "common/TestSupport.h"
#include "drawdata/clsXmlResult.h"
#include "drawdata/clsXmlSchedule.h"
#include "ledger/clsTLedger.h"
#include "singles/clsTFileCSV.h"

using namespace kujimate;
using namespace kujimate::test;
namespace fs = std::filesystem;

namespace {

// A decided draw: outcomes cycling 1, 0, 2, one match called off, four paying grades.
ResultRecord Decided(int32_t draw) {
    ResultRecord r;
    r.DrawNo = draw;
    for (int g = 1; g <= 11; ++g) {
        r.Games[g].Home = "H" + std::to_string(g);
        r.Games[g].Away = "A" + std::to_string(g);
        r.Games[g].Outcome = static_cast<uint8_t>(g == 7 ? 3 : (g - 1) % 3 == 0 ? 1 : (g - 1) % 3 == 1 ? 0 : 2);
    }
    const int64_t prizes[] = {0, 9876543, 123456, 4321, 250};
    for (int k = 1; k <= 4; ++k) {
        r.Prize[k] = Currency::FromInt(prizes[k] + draw);
        r.Winners[k] = Currency::FromInt(10 * k);
    }
    r.RefundStart = r.RefundEnd = Date{45010};
    r.SalesAmount = r.VoteUnits = r.VoteTickets = Currency::FromInt(1000);
    return r;
}

void Store(const ResultRecord& r) {
    clsXmlResult x;
    x.SetRecord(r);
    ASSERT_TRUE(x.XmlSave(x.GetFileName(r.DrawNo, "")));
}

// Singles near the result, so every paying grade occurs.
std::vector<int32_t> NearResult(const ResultRecord& r, int n, unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<int32_t> list;
    for (int i = 0; i < n; ++i) {
        uint8_t d[11];
        for (int g = 0; g < 11; ++g) d[g] = r.Games[g + 1].Outcome <= 2 ? r.Games[g + 1].Outcome : rng() % 3;
        for (int k = static_cast<int>(rng() % 6); k > 0; --k) d[rng() % 11] = static_cast<uint8_t>(rng() % 3);
        int32_t s = 0;
        for (int g = 10; g >= 0; --g) s = s * 3 + d[g];
        list.push_back(s);
    }
    return list;
}

// Written apart from the Check tab: hits per match, a called-off match a hit for everyone.
struct Judged {
    std::array<int64_t, 4> grades{};
    int64_t winnings = 0;
};
Judged IndependentJudge(const ResultRecord& r, const std::vector<int32_t>& list) {
    Judged j;
    for (int32_t s : list) {
        int hits = 0;
        for (int g = 1; g <= 11; ++g, s /= 3) hits += r.Games[g].Outcome == 3 || r.Games[g].Outcome == s % 3;
        const int grade = 12 - hits;
        if (grade > 4) continue;
        ++j.grades[grade - 1];
        j.winnings += r.Prize[grade].Raw / Currency::Scale;
    }
    return j;
}

// The Check tab's confirmed payout total for the list with every result revealed.
int64_t CheckTabWinnings(const ResultRecord& r, const std::vector<int32_t>& list) {
    clsTResult check;
    check.Initialize();
    check.UseResultTemp(false);
    check.SetResultData(r.DrawNo, "", r, false);
    check.SetSingle(static_cast<int32_t>(list.size()), list);
    check.SetAlltData();
    EXPECT_TRUE(check.KakuteiShown());
    return check.Kakutei().Value(6, clsTResultKakutei::Rows).Raw / Currency::Scale;
}

class Ledger : public ProgramFolderTest {
protected:
    fs::path user = folder / "UserData/KUJIMATE";
    void SetUp() override { fs::create_directories(user); }
    void Save(const std::string& name, const std::vector<int32_t>& list) {
        ASSERT_TRUE(clsTFileCSV().CsvSave((user / name).string(), static_cast<int32_t>(list.size()), list));
    }
    const LedgerRow& RowOf(const clsTLedger& l, int32_t draw, LedgerState state) {
        for (const LedgerRow& r : l.Rows())
            if (r.DrawNo == draw && r.State == state) return r;
        ADD_FAILURE() << "no row " << draw;
        static LedgerRow none;
        return none;
    }
};

}  // namespace

TEST_F(Ledger, WinningsEqualTheCheckTabAndAnIndependentJudge) {
    const ResultRecord a = Decided(812), b = Decided(1521);
    Store(a);
    Store(b);
    const auto a1 = NearResult(a, 3000, 1), a2 = NearResult(a, 1700, 2), b1 = NearResult(b, 20000, 3);
    Save("KMATE-812.csv", a1);
    Save("X812.csv", a2);  // a second file of the same draw adds up
    Save("KMATE-1521.csv", b1);

    clsTLedger l;
    ASSERT_TRUE(l.Build(user.string(), 200));
    ASSERT_EQ(l.Rows().size(), 2u);
    std::vector<int32_t> all = a1;
    const std::vector<int32_t>& allRef = all;
    all.insert(all.end(), a2.begin(), a2.end());
    for (auto [row, record, list] : {std::tuple{&l.Rows()[0], &a, &allRef}, std::tuple{&l.Rows()[1], &b, &b1}}) {
        SCOPED_TRACE(record->DrawNo);
        const Judged j = IndependentJudge(*record, *list);
        EXPECT_EQ(row->DrawNo, record->DrawNo);
        EXPECT_EQ(row->State, LedgerState::Kakutei);
        EXPECT_EQ(row->Singles, static_cast<int64_t>(list->size()));
        EXPECT_EQ(row->Cost, Currency::FromInt(200 * static_cast<int64_t>(list->size())));
        EXPECT_EQ(row->Grades, j.grades);
        for (int64_t g : j.grades) EXPECT_GT(g, 0);
        EXPECT_EQ(row->Winnings, Currency::FromInt(j.winnings));
        EXPECT_EQ(CheckTabWinnings(*record, *list), j.winnings);
    }
    EXPECT_EQ(l.Rows()[0].Files, 2);
    EXPECT_EQ(l.Total().Winnings, l.Rows()[0].Winnings + l.Rows()[1].Winnings);
    EXPECT_EQ(l.Total().Singles, 24700);
    // No box for anything, and the user's cache files stay as they are.
    EXPECT_TRUE(rec.Messages().empty());
    EXPECT_FALSE(fs::exists(folder / "SysData/Temp"));
}

TEST_F(Ledger, BadInputGivesItsRowAndTheRestGoesOn) {
    Store(Decided(812));
    ResultRecord cancelled = Decided(813);
    cancelled.Cancelled = true;
    for (int g = 1; g <= 11; ++g) cancelled.Games[g].Outcome = 3;
    Store(cancelled);
    Store(Decided(815));
    {  // a result file cut short
        clsXmlResult x;
        std::string bytes = ReadBytes(x.GetFileName(815, ""));
        WriteBytes(x.GetFileName(815, ""), bytes.substr(0, bytes.size() / 2));
    }
    ScheduleRecord sched;
    sched.DrawNo = 812;
    sched.SaleEnd = Date::FromYmdHns(2026, 3, 7, 13, 50, 0);
    clsXmlSchedule xs;
    xs.SetRecord(sched);
    ASSERT_TRUE(xs.XmlSave(xs.GetFileName(812, "")));

    Save("KMATE-812.csv", {34066, 0});
    WriteBytes(user / "KMATE-812b.csv", "1,1,1,1,1,x,1,1,1,1,1\r\n");  // same draw, does not load
    Save("KMATE-813.csv", {1, 2, 3});
    Save("KMATE-814.csv", {5});                              // no result stored
    Save("KMATE-815.csv", {7, 8});
    WriteBytes(user / "KMATE-816.csv", "");                   // empty: no singles
    WriteBytes(user / "KMATE-817.csv", std::string(5000, '\x01'));      // no single on any line
    WriteBytes(user / "KMATE-818.csv", std::string(1100000, '\x02'));  // a line too long to read
    WriteBytes(user / "KMATE-A.csv", "1,1,1,1,1,1,1,1,1,1,1\r\n");  // no draw number
    WriteBytes(user / "KMATE-99999999999.csv", "1,1,1,1,1,1,1,1,1,1,1\r\n");
    WriteBytes(user / "KMATE-820.txt", "1,1,1,1,1,1,1,1,1,1,1\r\n");
    fs::create_directories(user / "KMATE-819.csv");
    for (int i = 0; i < 300; ++i) WriteBytes(user / ("note" + std::to_string(i) + ".txt"), "x");

    clsTLedger l;
    ASSERT_TRUE(l.Build(user.string(), 300));
    struct Want {
        int32_t draw;
        LedgerState state;
        int files;
        int64_t singles;
        int64_t cost;
    };
    const Want want[] = {
        {812, LedgerState::Kakutei, 1, 2, 600},   {812, LedgerState::LoadError, 1, 0, 0},
        {813, LedgerState::Cancelled, 1, 3, 0},   {814, LedgerState::NoResult, 1, 1, 300},
        {815, LedgerState::NoResult, 1, 2, 600},  {816, LedgerState::NoResult, 1, 0, 0},
        {817, LedgerState::NoResult, 1, 0, 0},    {818, LedgerState::LoadError, 1, 0, 0},
    };
    ASSERT_EQ(l.Rows().size(), std::size(want));
    for (size_t i = 0; i < std::size(want); ++i) {
        SCOPED_TRACE(i);
        const LedgerRow& r = l.Rows()[i];
        EXPECT_EQ(r.DrawNo, want[i].draw);
        EXPECT_EQ(r.State, want[i].state);
        EXPECT_EQ(r.Files, want[i].files);
        EXPECT_EQ(r.Singles, want[i].singles);
        EXPECT_EQ(r.Cost, Currency::FromInt(want[i].cost));
    }
    EXPECT_EQ(l.Rows()[1].FileName, "KMATE-812b.csv");
    EXPECT_EQ(l.MissingResults(), (std::vector<int32_t>{814, 815, 816, 817}));
    EXPECT_TRUE(rec.Messages().empty());

    // Single 34066 has every decided match right: grade 1.
    EXPECT_EQ(RowOf(l, 812, LedgerState::Kakutei).Winnings, Decided(812).Prize[1]);
    const std::string tab = l.TabText();
    const std::string lines[] = {
        "812\t1\t2\t600\t1\t0\t0\t0\t" + std::to_string(9876543 + 812) + "\t" + std::to_string(9876543 + 812 - 600) + "\t確定\n",
        "812\t1\t0\t0\t-\t-\t-\t-\t-\t-\t読込エラー\n",
        "813\t1\t3\t0\t0\t0\t0\t0\t0\t0\t中止（返還）\n",
        "814\t1\t1\t300\t-\t-\t-\t-\t-\t-\t結果未取得\n",
        "合計\t8\t8\t1500\t1\t0\t0\t0\t" + std::to_string(9876543 + 812) + "\t" + std::to_string(9876543 + 812 - 1500) + "\t\n",
    };
    for (const std::string& line : lines) EXPECT_NE(tab.find(line), std::string::npos) << line << "in\n" << tab;
    EXPECT_TRUE(tab.ends_with(lines[4])) << tab;

    EXPECT_EQ(clsTLedger::CellText(l.Rows()[0], 1, false), "2026/03/07");
    EXPECT_EQ(clsTLedger::CellText(l.Rows()[0], 9, false), "9,877,355");
    EXPECT_EQ(clsTLedger::CellText(l.Rows()[3], 9, false), "");
    EXPECT_EQ(clsTLedger::CellText(l.Total(), 10, true), "9,875,855");
    EXPECT_EQ(clsTLedger::CellText(l.Total(), 0, true), "合計");
}

TEST_F(Ledger, NetIsNegativeAndTheCsvReadsInASpreadsheet) {
    ResultRecord r = Decided(900);
    Store(r);
    Save("KMATE-900.csv", {0, 0, 0});  // every match wrong where decided: no prize
    clsTLedger l;
    ASSERT_TRUE(l.Build(user.string(), 200));
    EXPECT_EQ(clsTLedger::CellText(l.Rows()[0], 10, false), "-600");
    EXPECT_EQ(l.TabText(), "900\t1\t3\t600\t0\t0\t0\t0\t0\t-600\t確定\n合計\t1\t3\t600\t0\t0\t0\t0\t0\t-600\t\n");
    EXPECT_EQ(l.CsvText(),
              "\xEF\xBB\xBF開催回,販売終了日,ファイル数,口数,購入金額,1等,2等,3等,4等,当せん金,収支,状態\r\n"
              "900,,1,3,600,0,0,0,0,0,-600,確定\r\n"
              "合計,,1,3,600,0,0,0,0,0,-600,\r\n");
}

TEST_F(Ledger, EmptyAndMissingFolders) {
    clsTLedger l;
    ASSERT_TRUE(l.Build(user.string(), 200));
    EXPECT_TRUE(l.Rows().empty());
    EXPECT_EQ(l.TabText(), "合計\t0\t0\t0\t0\t0\t0\t0\t0\t0\t\n");
    EXPECT_FALSE(l.Build((folder / "nothing").string(), 200));
    WriteBytes(folder / "plain", "x");
    EXPECT_FALSE(l.Build((folder / "plain").string(), 200));
}

TEST_F(Ledger, PriceIsKeptInItsOwnFile) {
    EXPECT_EQ(clsTLedger::LoadPrice(), 200);
    ASSERT_TRUE(clsTLedger::SavePrice(300));
    EXPECT_EQ(clsTLedger::LoadPrice(), 300);
    EXPECT_EQ(fs::path(clsTLedger::PriceFile()).parent_path(), user);
    for (const char* bad : {"Price = 0\r\n", "Price = abc\r\n", "Price = 100001\r\n", "\x01\x02"}) {
        WriteBytes(clsTLedger::PriceFile(), bad);
        EXPECT_EQ(clsTLedger::LoadPrice(), 200) << bad;
    }
    EXPECT_TRUE(rec.Messages().empty());
}
