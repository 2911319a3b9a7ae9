#include <gtest/gtest.h>
#ifndef _WIN32
#include <unistd.h>
#endif

#include <filesystem>

#include "common/TestSupport.h"
#include "shell/basMain.h"
#include "shell/clsShell.h"

using namespace kujimate;
using namespace kujimate::test;
namespace fs = std::filesystem;

TEST(StartupCheck, ReportsTheFirstMissingPieceOnly) {
    {
        TempProgramFolder pf(false);
        EXPECT_EQ(StartupCheckMessage(), "システムデータフォルダ(SysData)が見つかりません");
        WriteBytes(pf / "SysData", "a plain file");
        EXPECT_EQ(StartupCheckMessage(), "データファイル(TeamName.dat)が見つかりません");
    }
    TempProgramFolder pf(true);
    EXPECT_EQ(StartupCheckMessage(), "");
    fs::remove(pf / "SysData/TeamName1.dat");
    fs::remove(pf / "SysData/J1J2.dat");
    EXPECT_EQ(StartupCheckMessage(), "データファイル(TeamName1.dat)が見つかりません");
    WriteBytes(pf / "SysData/TeamName1.dat", "");
    EXPECT_EQ(StartupCheckMessage(), "データファイル(J1J2.dat)が見つかりません");
    fs::remove(pf / "SysData/TeamName2.dat");
    EXPECT_EQ(StartupCheckMessage(), "データファイル(TeamName2.dat)が見つかりません");
}

TEST(ProtectedFolders, ArePlainTextPrefixesInAnyLetterCase) {
    struct Case {
        const char* path;
        bool isProtected;
    };
    for (auto c : {Case{"C:\\Program Files\\KUJIMATE", true}, Case{"c:\\PROGRAM FILES (X86)\\k", true},
                   Case{"C:\\ProgramData\\k", true}, Case{"C:\\Windows2\\Tools", true},
                   Case{"D:\\Program Files\\KUJIMATE", false}, Case{"D:\\Windows", false},
                   Case{"C:\\Users\\me\\KUJIMATE", false}, Case{"/opt/kujimate", false}})
        EXPECT_EQ(clsShell::IsProtectedWindowsPath(c.path), c.isProtected) << c.path;
}

TEST(ProtectedFolders, AWritableFolderPassesWithoutAMessage) {
    TempProgramFolder pf(false);
    RecordingReporter rec;
    clsShell sh;
    EXPECT_FALSE(sh.IsVirtualstore());
    EXPECT_TRUE(sh.CheckVirtualstoreAdmin());
    EXPECT_TRUE(rec.Messages().empty());
#ifndef _WIN32
    EXPECT_EQ(sh.IsUserAdmin(), ::geteuid() == 0);
#endif
}

TEST(ShellCommandLine, ProgramIsTheFirstPartNamingAnExistingFile) {
    TempProgramFolder pf(false);
    WriteBytes(pf / "my tool", "#!/bin/sh\n");
    const std::string tool = (pf / "my tool").string();
    auto r = clsShell::SplitCommandLine(tool + " C:\\My Documents\\list.csv");
    EXPECT_EQ(r.program, tool);
    EXPECT_EQ(r.parameters, "C:\\My Documents\\list.csv");
    auto url = clsShell::SplitCommandLine("https://example.invalid/manual/kujimate.html");
    EXPECT_EQ(url.program, "https://example.invalid/manual/kujimate.html");
    EXPECT_EQ(url.parameters, "");
    auto none = clsShell::SplitCommandLine("/no/such/prog arg");
    EXPECT_EQ(none.program, "/no/such/prog arg");
    EXPECT_EQ(none.parameters, "");
}

TEST(ShellCommandLine, ShellXHandsTheSplitLineToTheDesktop) {
    ShellRequest seen;
    clsShell::SetOpener([&](const ShellRequest& r, const bool&) {
        seen = r;
        return true;
    });
    clsShell sh;
    EXPECT_TRUE(sh.ShellX("https://example.invalid/", 3, false));
    EXPECT_EQ(seen.program, "https://example.invalid/");
    EXPECT_EQ(seen.windowStyle, 3);
    clsShell::SetOpener(nullptr);
    EXPECT_FALSE(sh.ShellX("https://example.invalid/"));
}
