#include <gtest/gtest.h>

#include <regex>

#include "common/TestSupport.h"

using namespace kujimate::test;

// The run command's demo site prepares the program folder: a first start opens on the draw on
// sale; a folder whose user has chosen a draw keeps it.
TEST(DemoFirstStart, AFreshProgramFolderStartsOnTheDrawOnSale) {
    TempProgramFolder folder(true);
    const std::string run = "timeout 2 " + ShellQuote(KUJIMATE_DEMO_SITE_EXE) + " --program-folder " +
                            ShellQuote(folder.Path().string()) + " --today 2026-12-10";
    const RunResult first = RunCommand(run);
    std::smatch m;
    ASSERT_TRUE(std::regex_search(first.out, m, std::regex("draw (\\d+) on sale"))) << first.out << first.err;
    const std::string ini = ReadBytes(folder / "SysData/KUJIMATE.ini");
    EXPECT_NE(ini.find("Kaisaikai = " + m[1].str() + "\r\n"), std::string::npos) << ini;
    EXPECT_NE(ReadBytes(folder / "SysData/bigSettings.ini").find("http://127.0.0.1:"), std::string::npos);

    WriteSjisLines(folder / "SysData/KUJIMATE.ini", {"Kaisaikai = 812"});
    RunCommand(run);
    EXPECT_EQ(ReadBytes(folder / "SysData/KUJIMATE.ini"), "Kaisaikai = 812\r\n");
}
