#include <gtest/gtest.h>

#include <chrono>

#include "analysis/clsTMoney.h"
#include "analysis/clsTSingleSort.h"
#include "common/TestSupport.h"
#include "drawdata/clsXmlResult.h"
#include "drawdata/clsXmlVote.h"
#include "singles/clsTFileCSV.h"
#include "support/Encoding.h"

using namespace kujimate;
using namespace kujimate::test;

namespace {

class CliSingles : public ProgramFolderTest {
protected:
    std::string Exe() const { return ShellQuote(KUJIMATE_CLI_EXE) + " --program-folder " + ShellQuote(folder.Path()); }
    std::string File(const std::string& name) const { return (folder / name).string(); }
    std::string Singles(const std::string& name, const std::vector<int32_t>& list) {
        EXPECT_TRUE(clsTFileCSV().CsvSave(File(name), static_cast<int32_t>(list.size()), list));
        return ShellQuote(File(name));
    }
    RunResult Run(const std::string& args, const std::string& in = {}) { return RunCommand(Exe() + " " + args, in); }

    VoteRecord vote;
    ResultRecord result;
    std::string VoteFile() {
        clsXmlVote x;
        x.SetRecord(vote);
        EXPECT_TRUE(x.XmlSave(File("vote.xml")));
        return ShellQuote(File("vote.xml"));
    }
    std::string ResultFile() {
        clsXmlResult x;
        x.SetRecord(result);
        EXPECT_TRUE(x.XmlSave(File("result.xml")));
        return ShellQuote(File("result.xml"));
    }
    void SetUp() override {
        vote.DrawNo = 812;
        vote.AsOf = Date{45000.5};
        result.DrawNo = 812;
        for (int g = 1; g <= 11; ++g) {
            vote.Games[g].Home = result.Games[g].Home = "H" + std::to_string(g);
            vote.Games[g].Away = result.Games[g].Away = "A" + std::to_string(g);
            vote.Games[g].GameDate = result.Games[g].GameDate = Date{45000};
            vote.Games[g].Counts[0].Votes = Currency::FromInt(100 * g);
            vote.Games[g].Counts[1].Votes = Currency::FromInt(300);
            vote.Games[g].Counts[2].Votes = Currency::FromInt(200);
            result.Games[g].Outcome = static_cast<uint8_t>((g - 1) % 3 == 0 ? 1 : (g - 1) % 3 == 1 ? 0 : 2);
        }
        vote.Games[5].Counts = {};  // a match without votes
        result.Prize[1] = Currency::FromInt(12000000);
        result.Winners[1] = Currency::FromInt(3);
        result.Prize[2] = Currency::FromInt(40000);
        result.Winners[2] = Currency::FromInt(55);
        result.Prize[3] = Currency::FromInt(1500);
        result.Winners[3] = Currency::FromInt(900);
        result.Prize[4] = Currency::FromInt(300);
        result.Winners[4] = Currency::FromInt(9000);
        result.CarryOver[1] = Currency::FromInt(4567);
        result.RefundStart = result.RefundEnd = Date{45010};
        result.SalesAmount = result.VoteUnits = result.VoteTickets = Currency::FromInt(1000);
    }
};

const int32_t R = 34066;  // 1,0,2,1,0,2,1,0,2,1,0: the official outcomes above
std::string Line(int32_t s) {
    std::string l;
    for (int g = 0; g < 11; ++g, s /= 3) l += std::string(g ? "," : "") + char('0' + s % 3);
    return l + "\n";
}

}  // namespace

TEST_F(CliSingles, EstimatePrintsOneLinePerSingleInFileOrder) {
    const std::string csv = Singles("a.csv", {R, 88573, R});
    auto r = Run("estimate --vote " + VoteFile() + " " + csv);
    ASSERT_EQ(r.status, 0) << r.err;
    clsTMoney m;
    m.SetVote(vote);
    const uint8_t d[11] = {1, 0, 2, 1, 0, 2, 1, 0, 2, 1, 0};
    const auto e = m.Money123(d);
    // Match 1: 0 has 100 votes, 1 has 300, 2 has 200 → ranks 1, 2, 0 for codes 1, 2, 0.
    const std::string first = "10210210210\t" + std::to_string(e[0]) + "\t" + std::to_string(e[1]) + "\t" +
                              std::to_string(e[2]) + "\t4-4-3\t";
    auto lines = r.out;
    ASSERT_EQ(std::count(lines.begin(), lines.end(), '\n'), 3);
    EXPECT_EQ(lines.substr(0, first.size()), first);
    EXPECT_EQ(lines.substr(lines.find('\n') + 1, 12), "11111111111\t");
    EXPECT_GT(e[0], 0);
    EXPECT_TRUE(r.err.empty());
}

TEST_F(CliSingles, SortOrdersAsTheWindowDoes) {
    std::vector<int32_t> list;
    for (int32_t k = 0; k < 300; ++k) list.push_back((k * 7919) % 2000);
    const std::string csv = Singles("a.csv", list);
    for (auto [key, type] : {std::pair{"money3", 2}, {"money1", 0}}) {
        for (bool asc : {true, false}) {
            auto r = Run(std::string("sort --key ") + key + (asc ? "" : " --descending") + " --vote " + VoteFile() + " " + csv);
            ASSERT_EQ(r.status, 0) << r.err;
            std::vector<int32_t> want = list;
            clsTSingleSort s;
            s.SetVote(vote);
            s.MoneySort(want, type, asc);
            std::string expected;
            for (int32_t v : want) expected += Line(v);
            EXPECT_EQ(r.out, expected) << key;
        }
    }
    auto r = Run("sort --key mark1 " + csv);
    ASSERT_EQ(r.status, 0) << r.err;
    std::vector<int32_t> want = list;
    clsTSingleSort().MarkSort(want, 0, true);
    std::string expected;
    for (int32_t v : want) expected += Line(v);
    EXPECT_EQ(r.out, expected);

    r = Run("sort --key grade --result " + ResultFile() + " " + Singles("b.csv", {0, R, 177146, R + 1}));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, 2 * 22), Line(R) + Line(R + 1));

    for (const char* bad : {"sort --key money2 ", "sort --key grade ", "sort --key nope ", "sort "}) {
        r = Run(bad + csv);
        EXPECT_NE(r.status, 0) << bad;
        EXPECT_TRUE(r.out.empty());
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
}

TEST_F(CliSingles, CheckPrintsGradesAndThePayoutTable) {
    const std::string csv = Singles("a.csv", {R, R, R + 1, 177146});
    auto r = Run("check --result " + ResultFile() + " " + csv);
    ASSERT_EQ(r.status, 0) << r.err;
    // R + 1 misses match 1; 177146 has matches 3, 6, 9 right.
    EXPECT_EQ(r.out,
              "1\t2\t50%\n2\t1\t25%\n3\t0\t0%\n4\t0\t0%\n5\t0\t0%\n6\t0\t0%\n7\t0\t0%\n8\t0\t0%\n9\t1\t25%\n"
              "10\t0\t0%\n11\t0\t0%\n12\t0\t0%\n"
              "1等\t12000000\t3\t4567\t2\t24000000\n"
              "2等\t40000\t55\t0\t1\t40000\n"
              "3等\t1500\t900\t0\t0\t0\n"
              "4等\t300\t9000\t0\t0\t0\n"
              "合計\t42250000\t9958\t4567\t3\t24040000\n");
    r = Run("check --reveal 1 --result " + ResultFile() + " " + csv);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, 19), "1\t2\t50%\n2\t2\t50%\n3\t0");
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 12);
    EXPECT_NE(Run("check --reveal x --result " + ResultFile() + " " + csv).status, 0);
}

TEST_F(CliSingles, DedupeExportAndImport) {
    const std::string csv = Singles("a.csv", {1, 2, 1, 3, 2});
    auto r = Run("dedupe " + csv);
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.out, Line(1) + Line(2) + Line(3));
    EXPECT_EQ(r.err, "5 -> 3\n");

    r = Run("export rows " + csv);
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "1:10000000000\r\n2:20000000000\r\n3:10000000000\r\n4:01000000000\r\n5:20000000000\r\n");
    r = Run("export columns " + csv);
    EXPECT_EQ(r.out.substr(0, 18), "01 12102\r\n02 00010");
    r = Run("export rows " + Singles("none.csv", {}));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");
    r = Run("export columns " + Singles("big.csv", std::vector<int32_t>(10001, 0)));
    EXPECT_NE(r.status, 0);
    EXPECT_TRUE(r.out.empty());
    EXPECT_NE(r.err.find("1万口以上は出力出来ません"), std::string::npos);

    r = Run("import", "07:10210210210\r\n1021 0210 210\r\nNo.3:10210210213\r\n22222222222\n00000000000\r\n12");
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.out, Line(R) + Line(R));
}

// A draw file that reads cleanly but holds no record of the kind asked for is refused,
// rather than judged as if every match had no result.
TEST_F(CliSingles, ADrawFileOfTheWrongKindIsRefused) {
    const std::string csv = Singles("a.csv", {R, 0});
    const std::string voteFile = VoteFile();
    const std::string resultFile = ResultFile();
    WriteBytes(folder / "empty.xml", "");
    WriteBytes(folder / "utf8.xml", Cp932ToUtf8(ReadBytes(folder / "vote.xml")));
    WriteBytes(folder / "nodraw.xml", "<BIG1000>\r\n<結果>\r\n</結果>\r\n</BIG1000>\r\n");
    const std::string whole = ReadBytes(folder / "result.xml");
    WriteBytes(folder / "cut.xml", whole.substr(0, whole.size() / 2));
    auto q = [&](const char* name) { return ShellQuote(File(name)); };
    struct Case {
        std::string args, err;
    } cases[] = {
        {"check --result " + voteFile + " " + csv, File("vote.xml") + ": no result record"},
        {"check --result " + q("nodraw.xml") + " " + csv, File("nodraw.xml") + ": no result record"},
        {"sort --key grade --result " + q("empty.xml") + " " + csv, File("empty.xml") + ": no result record"},
        {"sort --key grade --result " + q("cut.xml") + " " + csv, File("cut.xml") + ": not a result file"},
        {"estimate --vote " + q("empty.xml") + " " + csv, File("empty.xml") + ": no vote record"},
        {"estimate --vote " + resultFile + " " + csv, File("result.xml") + ": no vote record"},
        {"estimate --vote " + q("utf8.xml") + " " + csv, File("utf8.xml") + ": no vote record"},
        {"sort --key money1 --vote " + resultFile + " " + csv, File("result.xml") + ": no vote record"},
    };
    for (const auto& c : cases) {
        auto r = Run(c.args);
        EXPECT_EQ(r.status, 2) << c.args;
        EXPECT_EQ(r.out, "") << c.args;
        EXPECT_EQ(r.err.rfind("kujimate-cli: " + c.err, 0), 0u) << r.err;
    }
    EXPECT_EQ(Run("check --result " + resultFile + " " + csv).status, 0);
    EXPECT_EQ(Run("estimate --vote " + voteFile + " " + csv).status, 0);
}

// Input that never ends ends the command at the first line above 1 MiB.
TEST_F(CliSingles, EndlessInputFailsAtTheOverlongLine) {
    const auto start = std::chrono::steady_clock::now();
    auto dedupe = Run("dedupe /dev/zero");
    EXPECT_EQ(dedupe.status, 2);
    EXPECT_EQ(dedupe.out, "");
    EXPECT_EQ(dedupe.err, "kujimate-cli: /dev/zero: not a singles file: 型が一致しません。 ( 13 )\n");
    auto import = RunCommand("{ " + Exe() + " import </dev/zero; }");
    EXPECT_EQ(import.status, 2);
    EXPECT_EQ(import.out, "");
    EXPECT_EQ(import.err, "kujimate-cli: stdin: not clipboard text: 型が一致しません。 ( 13 )\n");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
}

TEST_F(CliSingles, BadFilesFailWithOneLineAndNoOutput) {
    WriteBytes(folder / "bad.csv", "1,0,2,1,0,2,1,0,2,1,0\r\n1,0,2,1,0,2,1,x,2,1,0\r\n");
    WriteBytes(folder / "bad.xml", "garbage");
    struct Case {
        std::string args, name;
    } cases[] = {
        {"dedupe " + ShellQuote(File("missing.csv")), "missing.csv"},
        {"dedupe " + ShellQuote(File("bad.csv")), "bad.csv"},
        {"estimate --vote " + ShellQuote(File("bad.xml")) + " " + ShellQuote(File("bad.csv")), "bad.xml"},
        {"check --result " + ShellQuote(File("nothing.xml")) + " " + ShellQuote(File("bad.csv")), "nothing.xml"},
        {"dedupe " + ShellQuote(folder.Path().string()), folder.Path().filename().string()},
    };
    for (const auto& c : cases) {
        auto r = Run(c.args);
        EXPECT_NE(r.status, 0) << c.args;
        EXPECT_TRUE(r.out.empty()) << c.args;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_NE(r.err.find(c.name), std::string::npos) << r.err;
    }
    // File names on the command line are relative to the working directory.
    Singles("here.csv", {5});
    auto r = RunCommand("cd " + ShellQuote(folder.Path().string()) + " && " + Exe() + " dedupe here.csv");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, Line(5));
}
