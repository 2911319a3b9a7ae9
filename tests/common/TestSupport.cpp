#include "common/TestSupport.h"

#ifdef _WIN32
#include <windows.h>
#include <process.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <cstdlib>
#include <random>
#include <fstream>
#include <sstream>

#include "site/OfficialPageParsers.h"
#include "support/Encoding.h"
#include "support/FileAccess.h"
#include "support/Text.h"
#include "support/clsFileSystemObject.h"

namespace fs = std::filesystem;

namespace {
// The tests build the program as start-up does: the draw sources download through the
// operator's page parsers unless a test puts in its own.
const bool parsersInstalled = (kujimate::InstallOfficialPageParsers(), true);
}  // namespace

namespace kujimate::test {

TempProgramFolder::TempProgramFolder(bool withSysData) {
#ifdef _WIN32
    static std::mt19937 rng(std::random_device{}() ^ ::GetCurrentProcessId());
    for (int attempt = 0;; ++attempt) {
        path_ = fs::temp_directory_path() / ("kujimate-test-" + std::to_string(rng()));
        if (fs::create_directory(path_)) break;
        if (attempt > 100) throw std::runtime_error("no temporary folder");
    }
#else
    std::string tmpl = (fs::temp_directory_path() / "kujimate-test-XXXXXX").string();
    if (!::mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
    path_ = tmpl;
#endif
    previous_ = clsFileSystemObject::ProgramFolder();
    clsFileSystemObject::SetProgramFolder(PathText(path_));
    if (withSysData) {
        fs::create_directories(path_ / "SysData");
        for (const auto& e : fs::directory_iterator(KUJIMATE_SYSDATA_SOURCE))
            fs::copy_file(e.path(), path_ / "SysData" / e.path().filename());
    }
}

TempProgramFolder::~TempProgramFolder() {
    clsFileSystemObject::SetProgramFolder(previous_);
    std::error_code ec;
    // Undo read-only marks a test may have left, then remove everything.
    for (auto it = fs::recursive_directory_iterator(path_, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec))
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

std::string ReadBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void WriteBytes(const fs::path& p, const std::string& bytes) {
    fs::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << bytes;
}

void WriteSjisLines(const fs::path& p, const std::vector<std::string>& lines) {
    WriteBytes(p, Utf8ToCp932(JoinCrLf(lines)));
}

std::string Fixture(const std::string& rel) { return (fs::path(KUJIMATE_FIXTURES) / rel).string(); }

#ifdef _WIN32
// cmd.exe: the whole text in double quotes (no test path holds one).
std::string ShellQuote(const std::string& s) { return "\"" + s + "\""; }
#else
std::string ShellQuote(const std::string& s) {
    std::string out = "'";
    for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}
#endif

RunResult RunCommand(const std::string& commandLine, const std::string& stdinText) {
    RunResult r;
    fs::path dir = fs::temp_directory_path();
#ifdef _WIN32
    const auto pid = ::GetCurrentProcessId();
#else
    const auto pid = ::getpid();
#endif
    std::string base = PathText(dir / ("kujimate-run-" + std::to_string(pid) + "-" + std::to_string(std::rand())));
    WriteBytes(FsPath(base + ".in"), stdinText);
    std::string cmd = commandLine + " <" + ShellQuote(base + ".in") + " >" + ShellQuote(base + ".out") + " 2>" +
                      ShellQuote(base + ".err");
#ifdef _WIN32
    // cmd.exe takes the line whole when it is quoted once more.
    r.status = ::_wsystem(FsPath("\"" + cmd + "\"").c_str());
#else
    int st = std::system(cmd.c_str());
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
#endif
    r.out = ReadBytes(FsPath(base + ".out"));
    r.err = ReadBytes(FsPath(base + ".err"));
    for (const char* ext : {".in", ".out", ".err"}) fs::remove(FsPath(base + ext));
    return r;
}

}  // namespace kujimate::test
