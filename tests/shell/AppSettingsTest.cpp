#include <gtest/gtest.h>

#include "common/TestSupport.h"
#include "shell/AppSettings.h"
#include "support/Encoding.h"
#include "support/basStandard.h"

using namespace kujimate;
using namespace kujimate::test;

class AppSettingsTest : public ProgramFolderTest {
protected:
    void WriteSettings(const std::vector<std::string>& lines) { WriteSjisLines(folder / "SysData/KUJIMATE.ini", lines); }
};

TEST_F(AppSettingsTest, MissingFileGivesTheDefaultsSilently) {
    AppSettings s = LoadAppSettings();
    EXPECT_EQ(s.Kaisaikai, 1);
    EXPECT_TRUE(s.DownloadMessage);
    EXPECT_FALSE(s.ResultAll);
    EXPECT_TRUE(rec.Messages().empty());
}

TEST_F(AppSettingsTest, ReadsEachKeyByTheConversionRules) {
    WriteSettings({";x", "KAISAIKAI = 0812", "DownloadMessage=False", "ResultAll = 2"});
    AppSettings s = LoadAppSettings();
    EXPECT_EQ(s.Kaisaikai, 812);
    EXPECT_FALSE(s.DownloadMessage);
    EXPECT_TRUE(s.ResultAll);
    EXPECT_TRUE(rec.Messages().empty());
}

TEST_F(AppSettingsTest, AnUnconvertibleValueIsReportedAndKeepsItsDefault) {
    WriteSettings({"Kaisaikai = 99999999999", "DownloadMessage = 0", "ResultAll = maybe"});
    AppSettings s = LoadAppSettings();
    EXPECT_EQ(s.Kaisaikai, 1);
    EXPECT_FALSE(s.DownloadMessage);
    EXPECT_FALSE(s.ResultAll);
    auto m = rec.Messages();
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ(m[0].text, "KUJIMATE.iniファイルが破損しています。");
    EXPECT_EQ(m[0].icon, MsgIcon::Error);
    EXPECT_EQ(m[0].caption, "KUJIMATE");
}

TEST_F(AppSettingsTest, WritesExactlySixShiftJisLines) {
    AppSettings s;
    s.Kaisaikai = -1;
    s.DownloadMessage = false;
    s.ResultAll = true;
    WriteSettings({"Kaisaikai = 5", "Extra = kept?"});
    ASSERT_TRUE(SaveAppSettings(s));
    const std::string expected = ";Kasumiworks KUJIMATE Ini File (KUJIMATE.ini)\r\n;" + GetLegalNotice() +
                                 "\r\n\r\nKaisaikai = -1\r\nDownloadMessage = 0\r\nResultAll = 1\r\n";
    EXPECT_EQ(ReadBytes(folder / "SysData/KUJIMATE.ini"), Utf8ToCp932(expected));
    AppSettings back = LoadAppSettings();
    EXPECT_EQ(back.Kaisaikai, -1);
    EXPECT_FALSE(back.DownloadMessage);
    EXPECT_TRUE(back.ResultAll);
}
