#include <gtest/gtest.h>

#include "common/TestSupport.h"
#include "support/basStandard.h"

using namespace kujimate;
using namespace kujimate::test;

TEST(CliBasics, HelpVersionAndBadUsage) {
    const std::string exe = ShellQuote(KUJIMATE_CLI_EXE);
    auto help = RunCommand(exe + " --help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Usage: kujimate-cli"), std::string::npos);
    auto version = RunCommand(exe + " --program-folder /nonexistent --version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "KUJIMATE " + GetVersionString() + "\n");
    auto bad = RunCommand(exe + " frobnicate");
    EXPECT_NE(bad.status, 0);
    EXPECT_TRUE(bad.out.empty());
    EXPECT_NE(bad.err.find("unknown command: frobnicate"), std::string::npos);
    auto none = RunCommand(exe);
    EXPECT_NE(none.status, 0);
}
