#include <gtest/gtest.h>

#include <random>

#include "common/TestSupport.h"
#include "drawdata/clsXmlResult.h"
#include "ledger/clsTLedger.h"
#include "singles/clsTFileCSV.h"

using namespace kujimate;
using namespace kujimate::test;
namespace fs = std::filesystem;

namespace {

class CliLedger : public ProgramFolderTest {
protected:
    fs::path user = folder / "UserData/KUJIMATE";
    void SetUp() override { fs::create_directories(user); }
    RunResult Run(const std::string& args) {
        return RunCommand(ShellQuote(KUJIMATE_CLI_EXE) + " --program-folder " + ShellQuote(folder.Path()) + " ledger " + args);
    }
};

// Every line split at TAB.
std::vector<std::vector<std::string>> Fields(const std::string& out) {
    std::vector<std::vector<std::string>> rows;
    size_t at = 0;
    while (at < out.size()) {
        size_t end = out.find('\n', at);
        std::string line = out.substr(at, end - at);
        at = end == std::string::npos ? out.size() : end + 1;
        std::vector<std::string> f;
        size_t p = 0;
        for (size_t t; (t = line.find('\t', p)) != std::string::npos; p = t + 1) f.push_back(line.substr(p, t - p));
        f.push_back(line.substr(p));
        rows.push_back(f);
    }
    return rows;
}

}  // namespace

TEST_F(CliLedger, LinesAgreeWithAnIndependentJudge) {
    ResultRecord r;
    r.DrawNo = 1521;
    for (int g = 1; g <= 11; ++g) {
        r.Games[g].Home = "H";
        r.Games[g].Away = "A";
        r.Games[g].Outcome = static_cast<uint8_t>(g % 3);
    }
    for (int k = 1; k <= 4; ++k) r.Prize[k] = Currency::FromInt(100000 / k / k);
    r.RefundStart = r.RefundEnd = Date{45010};
    r.SalesAmount = r.VoteUnits = r.VoteTickets = Currency::FromInt(1);
    clsXmlResult x;
    x.SetRecord(r);
    ASSERT_TRUE(x.XmlSave(x.GetFileName(1521, "")));

    std::mt19937 rng(7);
    std::vector<int32_t> list;
    int64_t grades[5] = {}, winnings = 0;
    for (int i = 0; i < 5000; ++i) {
        int32_t s = 0, hits = 0;
        for (int g = 11; g >= 1; --g) {
            const int d = rng() % 5 ? g % 3 : static_cast<int>(rng() % 3);
            hits += d == g % 3;
            s = s * 3 + d;
        }
        list.push_back(s);
        if (12 - hits <= 4) {
            ++grades[12 - hits];
            winnings += 100000 / (12 - hits) / (12 - hits);
        }
    }
    ASSERT_TRUE(clsTFileCSV().CsvSave((user / "KMATE-1521.csv").string(), 5000, list));
    ASSERT_TRUE(clsTFileCSV().CsvSave((user / "KMATE-1524.csv").string(), 2, {0, 1}));

    const RunResult res = Run("--price 300");
    ASSERT_EQ(res.status, 0) << res.err;
    const auto rows = Fields(res.out);
    ASSERT_EQ(rows.size(), 3u) << res.out;
    const std::vector<std::string> decided = {"1521", "1", "5000", "1500000", std::to_string(grades[1]),
                                              std::to_string(grades[2]), std::to_string(grades[3]),
                                              std::to_string(grades[4]), std::to_string(winnings),
                                              std::to_string(winnings - 1500000), "確定"};
    EXPECT_EQ(rows[0], decided);
    EXPECT_EQ(rows[1], (std::vector<std::string>{"1524", "1", "2", "600", "-", "-", "-", "-", "-", "-", "結果未取得"}));
    EXPECT_EQ(rows[2][0], "合計");
    EXPECT_EQ(rows[2][3], "1500600");
    EXPECT_EQ(rows[2][9], std::to_string(winnings - 1500600));
    EXPECT_EQ(rows[2][10], "");

    // The window's price, and a folder given on the command line.
    ASSERT_TRUE(clsTLedger::SavePrice(250));
    fs::create_directories(folder / "other");
    fs::copy_file(user / "KMATE-1524.csv", folder / "other/KMATE-1524.csv");
    EXPECT_EQ(Run("").out.substr(0, 15), "1521\t1\t5000\t125");
    const RunResult other = Run(ShellQuote((folder / "other").string()));
    EXPECT_EQ(other.out, "1524\t1\t2\t500\t-\t-\t-\t-\t-\t-\t結果未取得\n合計\t1\t2\t500\t0\t0\t0\t0\t0\t-500\t\n");
}

TEST_F(CliLedger, RefusesWhatItCannotUse) {
    struct Case {
        const char* args;
        const char* says;
    } cases[] = {
        {"/no/such/folder", "no such folder"},
        {"--price", "--price needs a value"},
        {"--price 0", "--price needs whole yen"},
        {"--price 2x", "--price needs whole yen"},
        {"--coins 3", "unknown option --coins"},
        {"a b", "one folder at most"},
    };
    for (const Case& c : cases) {
        const RunResult res = Run(c.args);
        EXPECT_EQ(res.status, 2) << c.args;
        EXPECT_EQ(res.out, "") << c.args;
        EXPECT_NE(res.err.find(c.says), std::string::npos) << c.args << ": " << res.err;
    }
}
