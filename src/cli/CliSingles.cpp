// Commands on singles files: estimate, sort, check, dedupe, export, import.

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "analysis/NinkiTable.h"
#include "analysis/clsTClipboard.h"
#include "analysis/clsTMoney.h"
#include "analysis/clsTSingleFrame.h"
#include "analysis/clsTSingleSort.h"
#include "check/clsTResult.h"
#include "cli/Commands.h"
#include "drawdata/clsXmlResult.h"
#include "drawdata/clsXmlVote.h"
#include "singles/FailureText.h"
#include "singles/basSingles.h"
#include "singles/clsTClipImport.h"
#include "singles/clsTFileCSV.h"
#include "singles/clsTNumber.h"
#include "support/FileAccess.h"
#include "support/NumberText.h"
#include "support/Report.h"

using namespace kujimate;
namespace fs = std::filesystem;

namespace {

// Keeps what the core would have shown in message boxes, so a failure becomes one line.
class CollectingReporter : public Reporter {
public:
    CollectingReporter() { SetReporter(this); }
    ~CollectingReporter() override { SetReporter(nullptr); }
    void Message(const std::string& text, MsgIcon, const std::string&) override {
        std::string line;
        for (char c : text) line += (c == '\r' || c == '\n') ? ' ' : c;
        while (line.find("  ") != std::string::npos) line.erase(line.find("  "), 1);
        if (!messages_.empty()) messages_ += " / ";
        messages_ += line;
    }
    bool Question(const std::string&, const std::string&) override { return false; }
    std::string Take() { return std::exchange(messages_, {}); }

private:
    std::string messages_;
};

struct Args {
    std::map<std::string, std::string> values;
    std::set<std::string> flags;
    std::vector<std::string> files;
};

// Splits options from file names; an error text for anything it does not know.
std::optional<std::string> ParseArgs(const std::vector<std::string>& in, const std::set<std::string>& valueOpts,
                                     const std::set<std::string>& flagOpts, Args& out) {
    for (size_t i = 0; i < in.size(); ++i) {
        const std::string& a = in[i];
        if (a.size() > 2 && a.rfind("--", 0) == 0) {
            if (valueOpts.count(a)) {
                if (i + 1 >= in.size()) return a + " needs a value";
                if (out.values.count(a)) return a + " given twice";
                out.values[a] = in[++i];
            } else if (flagOpts.count(a)) {
                out.flags.insert(a);
            } else {
                return "unknown option " + a;
            }
        } else {
            out.files.push_back(a);
        }
    }
    return std::nullopt;
}

int Usage(const std::string& problem, const char* usage) {
    return cli::Fail(problem + " (usage: kujimate-cli " + usage + ")");
}

// Paths on the command line are the user's, relative to the working directory.
std::string Absolute(const std::string& path) {
    std::error_code ec;
    fs::path p = fs::absolute(FsPath(path), ec);
    return ec ? path : PathText(p.lexically_normal());
}

// A one-line problem with a file that is missing or cannot be read; nullopt when it can.
std::optional<std::string> Unreadable(const std::string& path) {
    std::error_code ec;
    auto st = fs::status(FsPath(path), ec);
    if (ec || !fs::exists(st)) return "no such file";
    if (fs::is_directory(st)) return "is a folder, not a file";
    if (!IsReadable(path)) return "cannot be read";
    return std::nullopt;
}

int FileFail(const std::string& path, const std::string& problem) { return cli::Fail(path + ": " + problem); }

bool LoadSingles(const std::string& arg, std::vector<int32_t>& list, CollectingReporter& rep, int& status) {
    const std::string path = Absolute(arg);
    if (auto p = Unreadable(path)) {
        status = FileFail(arg, *p);
        return false;
    }
    int32_t count = 0;
    if (!clsTFileCSV().CsvLoad(path, count, list)) {
        status = FileFail(arg, "not a singles file: " + rep.Take());
        return false;
    }
    rep.Take();  // the load's progress notes are no concern here
    return true;
}

template <typename Xml, typename Record>
bool LoadXml(const std::string& arg, const char* what, Record& record, CollectingReporter& rep, int& status) {
    const std::string path = Absolute(arg);
    if (auto p = Unreadable(path)) {
        status = FileFail(arg, *p);
        return false;
    }
    Xml xml;
    if (!xml.XmlLoad(path)) {
        std::string why = rep.Take();
        status = FileFail(arg, std::string("not a ") + what + " file" + (why.empty() ? "" : ": " + why));
        return false;
    }
    // A file of another kind, an empty one or one in another encoding reads cleanly into
    // an empty record; judging singles by it would print figures that mean nothing.
    if (xml.GetRecord().DrawNo <= 0) {
        status = FileFail(arg, std::string("no ") + what + " record");
        return false;
    }
    record = xml.GetRecord();
    return true;
}

void Put(const std::string& text) {
    if (!text.empty()) std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

std::string SingleLine(int32_t s) {
    uint8_t d[SingleGames];
    UnpackSingle(s, d);
    std::string line(21, ',');
    for (int g = 0; g < SingleGames; ++g) line[2 * g] = static_cast<char>('0' + d[g]);
    return line;
}

std::string SinglesText(const std::vector<int32_t>& list) {
    std::string out;
    out.reserve(list.size() * 22);
    for (int32_t s : list) out += SingleLine(s) + "\n";
    return out;
}

std::string Plain(Currency v) { return v.Raw > 0 ? FormatNumber(v, "0") : "0"; }

// --- estimate ---------------------------------------------------------------------------

constexpr const char* EstimateUsage = "estimate --vote VOTE.xml SINGLES.csv";

int Estimate(const std::vector<std::string>& argv) {
    CollectingReporter rep;
    Args a;
    if (auto e = ParseArgs(argv, {"--vote"}, {}, a)) return Usage(*e, EstimateUsage);
    if (!a.values.count("--vote")) return Usage("--vote is required", EstimateUsage);
    if (a.files.size() != 1) return Usage("one singles file is required", EstimateUsage);
    int status = 0;
    VoteRecord vote;
    if (!LoadXml<clsXmlVote>(a.values["--vote"], "vote", vote, rep, status)) return status;
    std::vector<int32_t> list;
    if (!LoadSingles(a.files[0], list, rep, status)) return status;

    clsTMoney money;
    money.SetVote(vote);
    const NinkiTable ninki = NinkiTable::FromVote(vote);
    // Each distinct single is estimated once.
    std::vector<std::string> memo(list.size() > 4096 ? SingleSpace : 0);
    std::string out;
    out.reserve(list.size() * 48);
    uint8_t d[SingleGames];
    for (int32_t s : list) {
        std::string* cached = memo.empty() ? nullptr : &memo[static_cast<size_t>(s)];
        if (cached && !cached->empty()) {
            out += *cached;
            continue;
        }
        UnpackSingle(s, d);
        std::string line(d, d + SingleGames);
        for (char& c : line) c = static_cast<char>('0' + c);
        for (int64_t e : money.Money123(d)) line += "\t" + std::to_string(e);
        line += "\t" + GetMarkText(GetMarkCount(d)) + "\t" + ninki.Text(d) + "\n";
        out += line;
        if (cached) *cached = std::move(line);
    }
    Put(out);
    return 0;
}

// --- sort -------------------------------------------------------------------------------

constexpr const char* SortUsage =
    "sort --key KEY [--descending] [--vote VOTE.xml] [--result RESULT.xml] SINGLES.csv";

int Sort(const std::vector<std::string>& argv) {
    CollectingReporter rep;
    Args a;
    if (auto e = ParseArgs(argv, {"--key", "--vote", "--result"}, {"--descending"}, a)) return Usage(*e, SortUsage);
    if (!a.values.count("--key")) return Usage("--key is required", SortUsage);
    if (a.files.size() != 1) return Usage("one singles file is required", SortUsage);
    struct Key {
        enum Kind { Money, Mark, Ninki, Grade } kind;
        int type;
    };
    static const std::map<std::string, Key> keys{
        {"money1", {Key::Money, 0}}, {"money2", {Key::Money, 1}}, {"money3", {Key::Money, 2}},
        {"mark1", {Key::Mark, 0}},   {"mark0", {Key::Mark, 1}},   {"mark2", {Key::Mark, 2}},
        {"ninki1", {Key::Ninki, 0}}, {"ninki2", {Key::Ninki, 1}}, {"ninki3", {Key::Ninki, 2}},
        {"grade", {Key::Grade, 0}}};
    auto k = keys.find(a.values["--key"]);
    if (k == keys.end()) return Usage("unknown key " + a.values["--key"], SortUsage);
    const Key key = k->second;
    if ((key.kind == Key::Money || key.kind == Key::Ninki) && !a.values.count("--vote"))
        return Usage("--key " + k->first + " needs --vote", SortUsage);
    if (key.kind == Key::Grade && !a.values.count("--result"))
        return Usage("--key grade needs --result", SortUsage);
    const bool ascending = !a.flags.count("--descending");

    int status = 0;
    VoteRecord vote;
    ResultRecord result;
    if (a.values.count("--vote") && !LoadXml<clsXmlVote>(a.values["--vote"], "vote", vote, rep, status)) return status;
    if (a.values.count("--result") && !LoadXml<clsXmlResult>(a.values["--result"], "result", result, rep, status))
        return status;
    std::vector<int32_t> list;
    if (!LoadSingles(a.files[0], list, rep, status)) return status;

    if (!list.empty()) {
        if (key.kind == Key::Grade) {
            clsTResult check;
            check.Initialize();
            check.UseResultTemp(false);
            check.SetResultData(result.DrawNo, result.Group, result, true);
            check.SetSingle(static_cast<int32_t>(list.size()), list);
            if (!check.GradeSort(list, ascending)) return cli::Fail("sort: " + rep.Take());
        } else {
            clsTSingleSort sort;
            sort.SetVote(vote);
            if (key.kind == Key::Money) sort.MoneySort(list, key.type, ascending);
            else if (key.kind == Key::Mark) sort.MarkSort(list, key.type, ascending);
            else sort.NinkiSort(list, key.type, ascending);
        }
    }
    Put(SinglesText(list));
    return 0;
}

// --- check ------------------------------------------------------------------------------

constexpr const char* CheckUsage = "check --result RESULT.xml [--reveal N] SINGLES.csv";

int Check(const std::vector<std::string>& argv) {
    CollectingReporter rep;
    Args a;
    if (auto e = ParseArgs(argv, {"--result", "--reveal"}, {}, a)) return Usage(*e, CheckUsage);
    if (!a.values.count("--result")) return Usage("--result is required", CheckUsage);
    if (a.files.size() != 1) return Usage("one singles file is required", CheckUsage);
    int reveal = 11;
    if (a.values.count("--reveal")) {
        const std::string& t = a.values["--reveal"];
        bool digits = !t.empty() && t.size() <= 9 && t.find_first_not_of("0123456789") == std::string::npos;
        if (!digits) return Usage("--reveal needs a whole number of matches, 0 to 11", CheckUsage);
        reveal = std::stoi(t);
        if (reveal > 11) return Usage("--reveal needs a whole number of matches, 0 to 11", CheckUsage);
    }
    int status = 0;
    ResultRecord result;
    if (!LoadXml<clsXmlResult>(a.values["--result"], "result", result, rep, status)) return status;
    std::vector<int32_t> list;
    if (!LoadSingles(a.files[0], list, rep, status)) return status;

    clsTResult check;
    check.Initialize();
    check.UseResultTemp(false);
    check.SetResultData(result.DrawNo, result.Group, result, false);
    check.SetSingle(static_cast<int32_t>(list.size()), list);
    for (int k = 0; k < reveal; ++k) check.SetNextData();

    std::string out;
    const clsTResultGrade& grade = check.Grade();
    for (int k = 0; k < 12; ++k)
        out += std::to_string(k + 1) + "\t" + std::to_string(grade.Counts()[k]) + "\t" + grade.RatioText(k) + "\n";
    if (check.KakuteiShown()) {
        const clsTResultKakutei& table = check.Kakutei();
        for (int row = 2; row <= clsTResultKakutei::Rows; ++row) {
            out += table.Text(1, row);
            for (int col = 2; col <= clsTResultKakutei::Cols; ++col) out += "\t" + Plain(table.Value(col, row));
            out += "\n";
        }
    }
    Put(out);
    return 0;
}

// --- dedupe, export, import ---------------------------------------------------------------

constexpr const char* DedupeUsage = "dedupe SINGLES.csv";

int Dedupe(const std::vector<std::string>& argv) {
    CollectingReporter rep;
    Args a;
    if (auto e = ParseArgs(argv, {}, {}, a)) return Usage(*e, DedupeUsage);
    if (a.files.size() != 1) return Usage("one singles file is required", DedupeUsage);
    int status = 0;
    std::vector<int32_t> list;
    if (!LoadSingles(a.files[0], list, rep, status)) return status;
    auto unique = RemoveDuplicateSingles(list);
    Put(SinglesText(*unique));
    std::fprintf(stderr, "%zu -> %zu\n", list.size(), unique->size());
    return 0;
}

constexpr const char* ExportUsage = "export rows|columns SINGLES.csv";

int Export(const std::vector<std::string>& argv) {
    CollectingReporter rep;
    Args a;
    if (auto e = ParseArgs(argv, {}, {}, a)) return Usage(*e, ExportUsage);
    if (a.files.size() != 2 || (a.files[0] != "rows" && a.files[0] != "columns"))
        return Usage("a layout (rows or columns) and one singles file are required", ExportUsage);
    int status = 0;
    std::vector<int32_t> list;
    if (!LoadSingles(a.files[1], list, rep, status)) return status;
    auto text = clsTClipboard::GetText(a.files[0] == "rows" ? clsTClipboard::RowLayout : clsTClipboard::ColumnLayout,
                                       list);
    if (!text) return FileFail(a.files[1], std::string(clsTClipboard::LimitMessage) + " (more than 10,000 singles)");
    Put(*text);
    return 0;
}

constexpr const char* ImportUsage = "import  (clipboard-style text on stdin)";

int Import(const std::vector<std::string>& argv) {
    if (!argv.empty()) return Usage("import takes no arguments", ImportUsage);
    clsTClipImport::Reader reader;
    std::vector<char> buf(1 << 16);
    for (;;) {
        size_t n = 0;
        if (ReadStandardInput(buf.data(), buf.size(), n) != 0) return cli::Fail("stdin: cannot be read");
        if (n == 0) break;
        reader.Feed(std::string_view(buf.data(), n));
        if (reader.Failed()) break;  // stdin may never end
    }
    reader.Finish();
    if (reader.Failed())
        return cli::Fail(std::string("stdin: not clipboard text: ") + ErrTypeMismatch.Description + " ( " +
                         std::to_string(ErrTypeMismatch.Number) + " )");
    Put(SinglesText(reader.Singles));
    return 0;
}

cli::Register regEstimate("estimate", EstimateUsage, Estimate);
cli::Register regSort("sort", SortUsage, Sort);
cli::Register regCheck("check", CheckUsage, Check);
cli::Register regDedupe("dedupe", DedupeUsage, Dedupe);
cli::Register regExport("export", ExportUsage, Export);
cli::Register regImport("import", ImportUsage, Import);

}  // namespace
