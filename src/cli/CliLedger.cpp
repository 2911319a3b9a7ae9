// The season ledger: one line per draw of a folder of singles files.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "ledger/clsTLedger.h"
#include "support/clsFileSystemObject.h"

using namespace kujimate;
namespace fs = std::filesystem;

namespace {

constexpr const char* LedgerUsage =
    "ledger [--price YEN] [FOLDER]  (FOLDER: UserData/KUJIMATE of the program folder; YEN: the window's price, else 200)";

int Ledger(const std::vector<std::string>& argv) {
    int64_t price = clsTLedger::LoadPrice();
    std::string folder;
    bool folderGiven = false;
    for (size_t i = 0; i < argv.size(); ++i) {
        const std::string& a = argv[i];
        if (a == "--price") {
            if (i + 1 >= argv.size()) return cli::Fail("--price needs a value (usage: kujimate-cli " + std::string(LedgerUsage) + ")");
            const std::string& t = argv[++i];
            const bool digits = !t.empty() && t.size() <= 6 && t.find_first_not_of("0123456789") == std::string::npos;
            const int64_t v = digits ? std::stoll(t) : 0;
            if (v < 1 || v > clsTLedger::MaxPrice)
                return cli::Fail("--price needs whole yen, 1 to " + std::to_string(clsTLedger::MaxPrice));
            price = v;
        } else if (a.size() > 2 && a.rfind("--", 0) == 0) {
            return cli::Fail("unknown option " + a + " (usage: kujimate-cli " + std::string(LedgerUsage) + ")");
        } else if (!folderGiven) {
            folder = a;
            folderGiven = true;
        } else {
            return cli::Fail("one folder at most (usage: kujimate-cli " + std::string(LedgerUsage) + ")");
        }
    }
    std::error_code ec;
    folder = folderGiven ? fs::absolute(folder, ec).lexically_normal().string()
                         : clsFileSystemObject().GetFullPath("UserData\\KUJIMATE");
    clsTLedger ledger;
    if (!ledger.Build(folder, price)) return cli::Fail(folder + ": no such folder");
    const std::string out = ledger.TabText();
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
    return 0;
}

cli::Register regLedger("ledger", LedgerUsage, Ledger);

}  // namespace
