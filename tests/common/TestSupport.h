#pragma once
// A temporary program folder per test, so no test touches the build's own SysData.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/Report.h"

namespace kujimate::test {

class TempProgramFolder {
public:
    // withSysData: copy the installation dictionaries into SysData.
    explicit TempProgramFolder(bool withSysData = true);
    ~TempProgramFolder();
    TempProgramFolder(const TempProgramFolder&) = delete;
    TempProgramFolder& operator=(const TempProgramFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const std::string& rel) const { return path_ / rel; }

private:
    std::filesystem::path path_;
    std::string previous_;
};

// Fixture: a fresh program folder with the dictionaries and a recorder for every message.
class ProgramFolderTest : public ::testing::Test {
protected:
    TempProgramFolder folder{true};
    RecordingReporter rec;
};

std::string ReadBytes(const std::filesystem::path& p);
void WriteBytes(const std::filesystem::path& p, const std::string& bytes);
// Writes UTF-8 text as code page 932 with the lines joined by CR LF.
void WriteSjisLines(const std::filesystem::path& p, const std::vector<std::string>& lines);
std::string Fixture(const std::string& rel);

// Runs a command line, capturing stdout and stderr and the exit status.
struct RunResult {
    int status = -1;
    std::string out;
    std::string err;
};
RunResult RunCommand(const std::string& commandLine, const std::string& stdinText = {});
std::string ShellQuote(const std::string& s);
inline std::string ShellQuote(const char* s) { return ShellQuote(std::string(s)); }
inline std::string ShellQuote(const std::filesystem::path& p) {
    const std::u8string s = p.u8string();
    return ShellQuote(std::string(s.begin(), s.end()));
}

}  // namespace kujimate::test
