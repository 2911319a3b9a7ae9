// kujimate-cli: the program's rules without a window, for scripts and checks.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "site/OfficialPageParsers.h"
#include "support/FileAccess.h"
#include "support/Report.h"
#include "support/basStandard.h"
#include "support/clsFileSystemObject.h"

using namespace kujimate;

namespace kujimate::cli {

std::map<std::string, CommandInfo>& Registry() {
    static std::map<std::string, CommandInfo> r;
    return r;
}

int Fail(const std::string& message, int status) {
    std::fprintf(stderr, "kujimate-cli: %s\n", message.c_str());
    return status;
}

}  // namespace kujimate::cli

namespace {

std::string Usage() {
    std::string u =
        "Usage: kujimate-cli [--program-folder DIR] COMMAND [ARGS]\n"
        "\n"
        "Options:\n"
        "  --program-folder DIR  program folder whose SysData is used (default: the folder of this program)\n"
        "  --help                show this help\n"
        "  --version             show the version\n";
    if (!cli::Registry().empty()) {
        u += "\nCommands:\n";
        for (const auto& [name, info] : cli::Registry()) u += "  " + info.usage + "\n";
    }
    return u;
}

}  // namespace

int main(int argc, char** argv) {
    StderrReporter reporter;
    SetReporter(&reporter);
    InstallOfficialPageParsers();
    const std::vector<std::string> argw = CommandLineArguments(argc, argv);
    std::vector<std::string> args;
    for (size_t i = 1; i < argw.size(); ++i) {
        const std::string& a = argw[i];
        if (a == "--program-folder") {
            if (i + 1 >= argw.size()) return cli::Fail("--program-folder needs a folder");
            clsFileSystemObject::SetProgramFolder(argw[++i]);
        } else {
            args.push_back(a);
        }
    }
    if (args.empty()) {
        std::fputs(Usage().c_str(), stderr);
        return 2;
    }
    const std::string cmd = args[0];
    if (cmd == "--help" || cmd == "help" || cmd == "-h") {
        std::fputs(Usage().c_str(), stdout);
        return 0;
    }
    if (cmd == "--version") {
        std::printf("KUJIMATE %s\n", GetVersionString().c_str());
        return 0;
    }
    auto it = cli::Registry().find(cmd);
    if (it == cli::Registry().end()) return cli::Fail("unknown command: " + cmd + " (see --help)");
    args.erase(args.begin());
    return it->second.run(args);
}
