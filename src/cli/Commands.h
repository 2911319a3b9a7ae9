#pragma once
// Commands of kujimate-cli register themselves, one file per group of commands.
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace kujimate::cli {

// args: the words after the command name (--program-folder already taken out).
// Returns the exit status; writes results to stdout, problems to stderr.
using CommandFn = std::function<int(const std::vector<std::string>& args)>;

struct CommandInfo {
    CommandFn run;
    std::string usage;  // one line, shown by --help
};

std::map<std::string, CommandInfo>& Registry();

struct Register {
    Register(const std::string& name, const std::string& usage, CommandFn fn) {
        Registry()[name] = CommandInfo{std::move(fn), usage};
    }
};

// Prints "kujimate-cli: message" on stderr and returns status (2 unless given).
int Fail(const std::string& message, int status = 2);

}  // namespace kujimate::cli
