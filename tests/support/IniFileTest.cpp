#include <gtest/gtest.h>

#include "common/TestSupport.h"
#include "support/clsIniFile.h"

using namespace kujimate;
using namespace kujimate::test;

class IniFileTest : public ::testing::Test {
protected:
    TempProgramFolder pf{false};
    RecordingReporter rec;
    clsIniFile Load(const std::vector<std::string>& lines) {
        WriteSjisLines(pf / "t.ini", lines);
        clsIniFile ini;
        ini.Initialize("t.ini");
        return ini;
    }
};

TEST_F(IniFileTest, ReadsKeyLinesWithTheirCommentAndSpacingRules) {
    auto ini = Load({"; comment = x", "// also = comment", "Kaisaikai=0812", "  Spaced  =  value with  spaces  ",
                     "Empty =", "= novalue", "NoEquals", "Two = a=b = c", "kaisaikai = 999", "", "チーム = 日本語"});
    ASSERT_TRUE(ini.Enabled());
    EXPECT_EQ(ini.Count(), 5);
    EXPECT_EQ(ini.GetItem("Kaisaikai", ""), "0812");
    EXPECT_EQ(ini.GetItem("KAISAIKAI", ""), "0812");  // case ignored, first wins
    EXPECT_EQ(ini.GetItem("Spaced", ""), "value with  spaces");
    EXPECT_EQ(ini.GetItem("Two", ""), "a=b = c");
    EXPECT_FALSE(ini.ItemExists("Empty"));
    EXPECT_FALSE(ini.ItemExists("NoEquals"));
    EXPECT_FALSE(ini.ItemExists("; comment"));
    EXPECT_EQ(ini.GetItem("Missing", 7), "7");
    EXPECT_EQ(ini.GetItem("", "def"), "def");
    EXPECT_TRUE(ini.KeyExists("日本語"));
    EXPECT_EQ(ini.GetKey("VALUE WITH  SPACES"), "Spaced");
    EXPECT_EQ(ini.GetKey(""), "");
    EXPECT_FALSE(ini.ItemExists(""));
    EXPECT_TRUE(rec.Messages().empty());
}

TEST_F(IniFileTest, LoneLineFeedsKeepTheFileOnOneLine) {
    WriteBytes(pf / "lf.ini", "A = 1\nB = 2\n");
    clsIniFile ini;
    ini.Initialize("lf.ini");
    EXPECT_EQ(ini.Count(), 1);
    EXPECT_EQ(ini.GetItem("A", ""), "1\nB = 2\n");
    WriteBytes(pf / "lf2.ini", ";c\nA = 1\n");
    clsIniFile ini2;
    ini2.Initialize("lf2.ini");
    EXPECT_EQ(ini2.Count(), 0);
    EXPECT_TRUE(ini2.Enabled());
}

TEST_F(IniFileTest, MissingFileLeavesItDisabledAndLookupsReportInitializeErr) {
    clsIniFile ini;
    ini.Initialize("absent.ini");
    EXPECT_FALSE(ini.Enabled());
    EXPECT_TRUE(rec.Messages().empty());  // the read itself is quiet
    EXPECT_FALSE(ini.ItemExists("A"));
    EXPECT_EQ(ini.GetItem("A", "default"), "");
    EXPECT_FALSE(ini.KeyExists("A"));
    EXPECT_EQ(ini.GetKey("A"), "");
    auto m = rec.Messages();
    ASSERT_EQ(m.size(), 4u);
    EXPECT_EQ(m[0].text, "Initialize Err");
    EXPECT_EQ(m[0].caption, "KUJIMATE / clsIniFile / ItemExists");
    EXPECT_EQ(m[1].caption, "KUJIMATE / clsIniFile / GetItem");
    EXPECT_EQ(m[3].caption, "KUJIMATE / clsIniFile / GetKey");
}

TEST_F(IniFileTest, EmptyBinaryAndHugeFilesAreReadWithoutTrouble) {
    WriteBytes(pf / "empty.ini", "");
    clsIniFile e;
    e.Initialize("empty.ini");
    EXPECT_TRUE(e.Enabled());
    EXPECT_EQ(e.Count(), 0);

    std::string junk;
    for (int i = 0; i < 100000; ++i) junk += static_cast<char>((i * 131 + 7) & 0xFF);
    WriteBytes(pf / "junk.ini", "K = v\r\n" + junk);
    clsIniFile j;
    j.Initialize("junk.ini");
    EXPECT_EQ(j.GetItem("K", ""), "v");  // text stops at the first zero byte, the rest is junk

    std::string huge;
    huge.reserve(40u << 20);
    for (int i = 0; huge.size() < (40u << 20); ++i) huge += "key" + std::to_string(i) + " = \x83\x65\x83\x58\x83\x67\r";
    huge += "\r\nLast = \x82\xa0\r\n";
    WriteBytes(pf / "huge.ini", huge);
    clsIniFile h;
    h.Initialize("huge.ini");
    EXPECT_EQ(h.Count(), 2);
    EXPECT_EQ(h.GetItem("Last", ""), "あ");
}
