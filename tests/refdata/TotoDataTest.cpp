#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "common/TestSupport.h"
#include "refdata/clsTGameType.h"
#include "refdata/clsTotoData.h"
#include "support/clsIniFile.h"
#include "support/Text.h"

using namespace kujimate;
using namespace kujimate::test;
namespace fs = std::filesystem;

TEST(GameTypes, LookUpCompetitionNamesIgnoringCase) {
    clsTGameType g;
    EXPECT_EQ(g.Count(), 4);
    EXPECT_EQ(g.GetNo("j1"), 1);
    EXPECT_EQ(g.GetNo("天皇杯"), 4);
    EXPECT_EQ(g.GetNo("J3"), 0);
    EXPECT_EQ(g.GetNo(""), 0);
    EXPECT_FALSE(g.Exists("J3"));
    EXPECT_EQ(g.Text(3), "ナビスコカップ");
    clsToto toto;
    EXPECT_EQ(toto.GetMaxGrade(1), 4);
    EXPECT_EQ(toto.GetMaxGrade(9999), 4);
}

class TotoDataTest : public ::testing::Test {
protected:
    TempProgramFolder pf{false};
    RecordingReporter rec;
    void SetUp() override {
        LastMissingTeamName.clear();
        WriteSjisLines(pf / "SysData/TeamName.dat", {";domestic", "鹿島 = 鹿島アントラーズ", "FC東京 = ＦＣ東京",
                                                     "横浜FM = 横浜Ｆ・マリノス", "二重 = ダブルＦＣ"});
        WriteSjisLines(pf / "SysData/TeamName1.dat", {"ﾁｪﾙｼｰ = チェルシー", "ｱｰｾﾅﾙ = Arsenal FC"});
        WriteSjisLines(pf / "SysData/TeamName2.dat",
                       {"Version = 1", "Revision = 05", "ﾁｪﾙｼｰ2 = チェルシー", "別名 = ダブルＦＣ"});
        WriteSjisLines(pf / "SysData/J1J2.dat", {"2024J1 = 鹿島,FC東京,横浜FM", "2024J2 = 横浜FC,いわき"});
    }
};

TEST_F(TotoDataTest, DomesticNamesFirstThenTheOverseasFileOfTheDraw) {
    clsTotoData d;
    EXPECT_EQ(d.GetShortTeamName("鹿島アントラーズ", 812), "鹿島");
    EXPECT_EQ(d.GetShortTeamName("ダブルＦＣ", 812), "二重");
    EXPECT_EQ(d.GetShortTeamName("チェルシー", 749), "ﾁｪﾙｼｰ");
    EXPECT_EQ(d.GetShortTeamName("チェルシー", 750), "ﾁｪﾙｼｰ2");
    EXPECT_EQ(d.GetShortTeamName("arsenal fc", 100), "ｱｰｾﾅﾙ");
    EXPECT_TRUE(rec.Messages().empty());
    EXPECT_EQ(d.GetLongTeamName("FC東京"), "ＦＣ東京");
    EXPECT_EQ(d.GetLongTeamName("ﾁｪﾙｼｰ"), "");
    EXPECT_EQ(d.GetTeamName2Version(), "1.05");
}

TEST_F(TotoDataTest, UnknownNamesWarnAndAreRemembered) {
    clsTotoData d;
    EXPECT_EQ(d.GetShortTeamName("謎のクラブ", 812), "");
    EXPECT_EQ(d.GetShortTeamName("もう一つ", 812), "");
    EXPECT_EQ(LastMissingTeamName, "もう一つ");
    auto m = rec.Messages();
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ(m[0].text, "チーム名：謎のクラブ が見つかりません。\r\n最新のチーム名データをダウンロードするかチーム名を追加して下さい。");
    EXPECT_EQ(m[0].caption, "KUJIMATE");
    EXPECT_EQ(m[0].icon, MsgIcon::Warning);
    rec.Clear();
    EXPECT_EQ(d.GetShortTeamName("鹿島アントラーズ", 0), "");
    ASSERT_EQ(rec.Messages().size(), 1u);
    EXPECT_EQ(rec.Messages()[0].text, "開催回が不明です");
    EXPECT_EQ(rec.Messages()[0].caption, "GetShortTeamName");
    EXPECT_EQ(LastMissingTeamName, "もう一つ");
}

TEST_F(TotoDataTest, UserNamesCountOnlyAfterTheOthers) {
    WriteSjisLines(pf / "SysData/TeamName3.dat", {";user", "ﾕｰｻﾞｰ  = 謎のクラブ", "偽鹿島 = 鹿島アントラーズ"});
    clsTotoData d;
    EXPECT_EQ(d.GetShortTeamName("謎のクラブ", 5), "ﾕｰｻﾞｰ");
    EXPECT_EQ(d.GetShortTeamName("謎のクラブ", 5000), "ﾕｰｻﾞｰ");
    EXPECT_EQ(d.GetShortTeamName("鹿島アントラーズ", 5), "鹿島");
    EXPECT_TRUE(d.ExistsLongTeamName("謎のクラブ"));
    EXPECT_TRUE(d.ExistsLongTeamName("チェルシー"));     // TeamName2
    EXPECT_FALSE(d.ExistsLongTeamName("Arsenal FC"));  // TeamName1 is not asked
    EXPECT_TRUE(rec.Messages().empty());
}

TEST_F(TotoDataTest, LeagueByPlainTextSearch) {
    clsTotoData d;
    EXPECT_EQ(d.GetShortToJ1J2String("いわき", 2024), "J2");
    EXPECT_EQ(d.GetShortToJ1J2String("横浜FM", 2024), "J1");
    EXPECT_EQ(d.GetShortToJ1J2String("横浜", 2024), "J1");  // part of a longer name matches
    EXPECT_EQ(d.GetShortToJ1J2String("鹿島", 1990), "");
}

TEST(InstalledDictionaries, AreCompleteAndConsistent) {
    TempProgramFolder pf(true);
    RecordingReporter rec;
    for (const char* f : {"TeamName.dat", "TeamName1.dat", "TeamName2.dat", "J1J2.dat"}) {
        clsIniFile ini;
        ini.Initialize(std::string("SysData\\") + f);
        ASSERT_TRUE(ini.Enabled()) << f;
        EXPECT_GT(ini.Count(), 20) << f;
        if (std::string(f) == "J1J2.dat") continue;
        std::set<std::string> seen;
        for (const auto& [key, value] : ini.Entries()) {
            if (key == "Version" || key == "Revision") continue;
            EXPECT_LE(CharLength(key), 6u) << f << ": " << key;
            EXPECT_TRUE(seen.insert(key).second) << f << ": duplicate " << key;
        }
    }
    clsIniFile team, j1j2;
    team.Initialize("SysData\\TeamName.dat");
    j1j2.Initialize("SysData\\J1J2.dat");
    for (int year = 2021; year <= 2025; ++year)
        for (int league = 1; league <= 3; ++league) {
            std::string key = std::to_string(year) + "J" + std::to_string(league);
            std::string members = j1j2.GetItem(key, "");
            ASSERT_FALSE(members.empty()) << key;
            size_t start = 0;
            int count = 0;
            while (start <= members.size()) {
                size_t comma = members.find(',', start);
                std::string name = members.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
                EXPECT_TRUE(team.ItemExists(name)) << key << ": " << name;
                ++count;
                if (comma == std::string::npos) break;
                start = comma + 1;
            }
            EXPECT_GE(count, 15) << key;
        }
    clsTotoData d;
    EXPECT_EQ(d.GetShortTeamName("鹿島アントラーズ", 1200), "鹿島");
    EXPECT_EQ(d.GetShortToJ1J2String("鹿島", 2024), "J1");
    EXPECT_EQ(d.GetTeamName2Version(), "1.00");
    EXPECT_TRUE(rec.Messages().empty());
}
