#include <gtest/gtest.h>

#include "common/TestSupport.h"
#include "site/basBigSettings.h"
#include "support/Encoding.h"
#include "support/Text.h"

using namespace kujimate;
using namespace kujimate::test;

class BigSettingsTest : public ProgramFolderTest {
protected:
    std::string FileText() { return Cp932ToUtf8(ReadBytes(folder / "SysData/bigSettings.ini")); }
    void TearDown() override { SetDefaultBigSettings(); }
};

TEST_F(BigSettingsTest, MissingFileIsCreatedWithTheDefaultsInItsTwentyTwoLines) {
    LoadBigSettings();
    EXPECT_TRUE(rec.Messages().empty());
    auto lines = SplitCrLf(FileText());
    ASSERT_EQ(lines.size(), 23u);  // 22 lines, each ended by CR LF
    EXPECT_EQ(lines[22], "");
    EXPECT_EQ(lines[0], ";Kasumiworks Toto Settings Ini File (bigSettings.ini)");
    EXPECT_EQ(lines[3], "Version = 1");
    EXPECT_EQ(lines[5], ";BIGオフィシャル開催情報URL");
    EXPECT_EQ(lines[6], "bigOfficialScheduleUrl = https://store.big-operator.invalid/dcs/subos/screen/pi02/spin005/"
                        "PGSPIN00501DispBIGLotAssignGameDetail.form?popupDispDiv=0&holdCntId=");
    EXPECT_EQ(lines[15], ";BIGオフィシャルURL(100円BIG)");
    EXPECT_EQ(lines[16], "bigOfficialBig100Url = &commodityId=13");
    EXPECT_EQ(lines[17], "");
    EXPECT_EQ(lines[21], "totoOfficialTotoUrl = &commodityId=01");
    EXPECT_EQ(ScheduleUrl(7), BigSettings().bigOfficialScheduleUrl + "0007&commodityId=11");
    EXPECT_EQ(VoteUrl(123), BigSettings().totoOfficialVoteUrl + "0123&commodityId=01");
    EXPECT_EQ(ResultUrl(1234), BigSettings().bigOfficialResultUrl + "1234");
}

TEST_F(BigSettingsTest, ACurrentFileIsKeptAndItsAddressesUsed) {
    WriteSjisLines(folder / "SysData/bigSettings.ini",
                   {"Version = 2", "bigOfficialScheduleUrl = http://127.0.0.1:8080/s?holdCntId="});
    LoadBigSettings();
    EXPECT_EQ(ScheduleUrl(45), "http://127.0.0.1:8080/s?holdCntId=0045&commodityId=11");
    EXPECT_EQ(BigSettings().totoOfficialTotoUrl, "&commodityId=01");  // missing key: its default
    EXPECT_EQ(SplitCrLf(FileText()).size(), 3u);                      // not rewritten
}

TEST_F(BigSettingsTest, AFileWithoutAVersionIsReplacedByTheDefaults) {
    WriteSjisLines(folder / "SysData/bigSettings.ini", {"bigOfficialResultUrl = http://old/"});
    LoadBigSettings();
    EXPECT_EQ(BigSettings().bigOfficialResultUrl, DefaultBigSettings().bigOfficialResultUrl);
    EXPECT_EQ(FileText(), BigSettingsText(DefaultBigSettings()));
    EXPECT_TRUE(rec.Messages().empty());
}

TEST_F(BigSettingsTest, AnUnreadableVersionIsReportedAndTheRestStillRead) {
    WriteSjisLines(folder / "SysData/bigSettings.ini", {"Version = two", "totoOfficialTotoUrl = &commodityId=99"});
    LoadBigSettings();
    auto m = rec.Messages();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].text, "bigSettings.iniファイルが破損しています。");
    EXPECT_EQ(m[0].icon, MsgIcon::Error);
    EXPECT_EQ(BigSettings().Version, 1);
    EXPECT_EQ(BigSettings().totoOfficialTotoUrl, "&commodityId=99");
}
