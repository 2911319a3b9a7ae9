// kujimate-cli: the program's rules without a window, for scripts and checks.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "support/Report.h"
#include "support/basStandard.h"
#include "support/clsFileSystemObject.h"

using namespace kujimate;

namespace {

const char* Usage =
    "Usage: kujimate-cli [--program-folder DIR] COMMAND [ARGS]\n"
    "\n"
    "Options:\n"
    "  --program-folder DIR  program folder whose SysData is used (default: the folder of this program)\n"
    "  --help                show this help\n"
    "  --version             show the version\n";

int Fail(const std::string& message) {
    std::fprintf(stderr, "kujimate-cli: %s\n", message.c_str());
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    StderrReporter reporter;
    SetReporter(&reporter);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--program-folder") {
            if (i + 1 >= argc) return Fail("--program-folder needs a folder");
            clsFileSystemObject::SetProgramFolder(argv[++i]);
        } else {
            args.push_back(a);
        }
    }
    if (args.empty()) {
        std::fputs(Usage, stderr);
        return 2;
    }
    const std::string& cmd = args[0];
    if (cmd == "--help" || cmd == "help" || cmd == "-h") {
        std::fputs(Usage, stdout);
        return 0;
    }
    if (cmd == "--version") {
        std::printf("KUJIMATE %s\n", GetVersionString().c_str());
        return 0;
    }
    return Fail("unknown command: " + cmd + " (see --help)");
}
