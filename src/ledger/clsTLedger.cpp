#include "ledger/clsTLedger.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <tuple>

#include "check/clsTResult.h"
#include "check/clsTResultKakutei.h"
#include "drawdata/clsResult.h"
#include "drawdata/clsXmlResult.h"
#include "drawdata/clsXmlSchedule.h"
#include "singles/clsTFileCSV.h"
#include "support/NumberText.h"
#include "support/Report.h"
#include "support/Text.h"
#include "support/clsFileStream.h"
#include "support/clsFileSystemObject.h"

namespace kujimate {
namespace {
namespace fs = std::filesystem;

constexpr const char* PricePath = "UserData\\KUJIMATE\\Ledger.ini";
constexpr const char* PriceKey = "Price";

// While the ledger reads, the readers' own boxes, progress and busy pointers stay quiet: a
// folder of a hundred files shows one progress dialog, and a bad file no box.
class LedgerReports : public Reporter {
public:
    LedgerReports() : outer_(&Report()) { SetReporter(this); }
    ~LedgerReports() override { SetReporter(outer_); }
    LedgerReports(const LedgerReports&) = delete;
    LedgerReports& operator=(const LedgerReports&) = delete;

    void Message(const std::string&, MsgIcon, const std::string&) override {}
    bool Question(const std::string&, const std::string&) override { return false; }
    // The readers let events run every thousand lines; a few of those keep the window alive.
    void DoEvents() override {
        if (++events_ % 16 == 0) outer_->DoEvents();
    }
    Reporter& Outer() { return *outer_; }

private:
    Reporter* outer_;
    unsigned events_ = 0;
};

struct SinglesFile {
    int32_t draw;
    std::string name;
    std::string path;
};

bool EndsWithCsv(const std::string& name) {
    if (name.size() < 5) return false;
    std::string ext = name.substr(name.size() - 4);
    for (char& c : ext) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return ext == ".csv";
}

std::vector<SinglesFile> ListFiles(const std::string& folder) {
    std::vector<SinglesFile> files;
    std::error_code ec;
    for (fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec), end;
         !ec && it != end; it.increment(ec)) {
        std::error_code st;
        if (!it->is_regular_file(st)) continue;
        const std::string name = it->path().filename().string();
        if (!EndsWithCsv(name)) continue;
        const int32_t draw = clsTFileCSV::GetKaisaikai(name);
        if (draw > 0) files.push_back({draw, name, it->path().string()});
    }
    std::sort(files.begin(), files.end(),
              [](const SinglesFile& a, const SinglesFile& b) { return std::tie(a.draw, a.name) < std::tie(b.draw, b.name); });
    return files;
}

// The stored result of the draw when it is complete and really of that draw.
std::optional<ResultRecord> StoredResult(int32_t draw) {
    clsXmlResult xml;
    if (!xml.XmlLoad(xml.GetFileName(draw, ""))) return std::nullopt;
    const ResultRecord r = xml.GetRecord();
    if (r.DrawNo != draw || !IsResultComplete(r)) return std::nullopt;
    return r;
}

Date StoredSaleEnd(int32_t draw) {
    clsXmlSchedule xml;
    if (!xml.XmlLoad(xml.GetFileName(draw, "")) || xml.GetRecord().DrawNo != draw) return Date{};
    return xml.GetRecord().SaleEnd;
}

std::string Plain(Currency v) { return FormatNumber(v, "0"); }
std::string Grouped(Currency v) { return FormatNumber(v, "#,##0"); }

// Values of one row in table order; nullopt where nothing is known.
std::optional<std::string> Field(const LedgerRow& r, int column, bool total, bool grouped) {
    auto num = [&](Currency v) { return grouped ? Grouped(v) : Plain(v); };
    const bool known = total || r.Judged();
    switch (column) {
        case 0: return total ? std::string("合計") : std::to_string(r.DrawNo);
        case 1: return r.SaleEnd.IsZero() ? std::string() : r.SaleEnd.Format("yyyy/mm/dd");
        case 2: return num(Currency::FromInt(r.Files));
        case 3: return num(Currency::FromInt(r.Singles));
        case 4: return num(r.Cost);
        case 5: case 6: case 7: case 8:
            if (!known) return std::nullopt;
            return num(Currency::FromInt(r.Grades[static_cast<size_t>(column - 5)]));
        case 9: return known ? std::optional(num(r.Winnings)) : std::nullopt;
        case 10: return known ? std::optional(num(r.Net())) : std::nullopt;
        case 11: return total ? std::string() : std::string(clsTLedger::StateText(r.State));
        default: return std::string();
    }
}

}  // namespace

bool clsTLedger::Build(const std::string& folder, int64_t price) {
    rows_.clear();
    total_ = LedgerRow{};
    price_ = price;
    std::error_code ec;
    if (folder.empty() || !fs::is_directory(folder, ec)) return false;

    BusyPointer busy;
    ProgressScope progress;
    const std::vector<SinglesFile> files = ListFiles(folder);
    progress.Message("収支履歴の集計中");
    progress.Max(static_cast<int64_t>(files.size()));
    LedgerReports quiet;

    size_t done = 0;
    for (size_t first = 0; first < files.size();) {
        const int32_t draw = files[first].draw;
        size_t last = first;
        while (last < files.size() && files[last].draw == draw) ++last;

        LedgerRow row;
        row.DrawNo = draw;
        row.SaleEnd = StoredSaleEnd(draw);
        const std::optional<ResultRecord> result = StoredResult(draw);
        row.State = !result ? LedgerState::NoResult
                    : result->Cancelled ? LedgerState::Cancelled
                                        : LedgerState::Kakutei;
        // The Check tab's own judging, every result shown, the user's cache file untouched.
        std::optional<clsTResult> check;
        if (row.State == LedgerState::Kakutei) {
            check.emplace();
            check->Initialize();
            check->UseResultTemp(false);
            check->SetResultData(draw, "", *result, true);
        }
        std::array<int64_t, 4> grades{};
        std::vector<LedgerRow> failed;
        std::vector<int32_t> list;
        for (size_t i = first; i < last; ++i) {
            int32_t count = 0;
            list.clear();
            if (!clsTFileCSV().CsvLoad(files[i].path, count, list)) {
                LedgerRow bad;
                bad.DrawNo = draw;
                bad.SaleEnd = row.SaleEnd;
                bad.Files = 1;
                bad.State = LedgerState::LoadError;
                bad.FileName = files[i].name;
                failed.push_back(bad);
            } else {
                ++row.Files;
                row.Singles += count;
                if (check && count > 0) {
                    check->SetSingle(count, list);
                    for (size_t g = 0; g < grades.size(); ++g) grades[g] += check->Counts()[g];
                }
            }
            quiet.Outer().ProgressValue(static_cast<int64_t>(++done));
        }
        if (row.Files > 0) {
            if (check) {
                // The confirmed payout rows of the whole list of the draw.
                GradeCounts counts{};
                for (size_t g = 0; g < grades.size(); ++g)
                    counts[g] = static_cast<int32_t>(std::min<int64_t>(grades[g], INT32_MAX));
                clsTResultKakutei kakutei;
                kakutei.SetResultRecord(*result);
                kakutei.SetValue(counts);
                for (int g = 1; g <= 4; ++g) row.Grades[static_cast<size_t>(g - 1)] = kakutei.Value(5, g + 1).Raw / Currency::Scale;
                row.Winnings = kakutei.Value(6, clsTResultKakutei::Rows);
            }
            rows_.push_back(row);
        }
        rows_.insert(rows_.end(), failed.begin(), failed.end());
        first = last;
    }

    SetPrice(price);
    return true;
}

void clsTLedger::SetPrice(int64_t price) {
    price_ = price;
    // A refunded draw cost nothing.
    for (LedgerRow& r : rows_) r.Cost = Currency::FromInt(r.State == LedgerState::Cancelled ? 0 : r.Singles * price);
    Sum();
}

void clsTLedger::Sum() {
    total_ = LedgerRow{};
    for (const LedgerRow& r : rows_) {
        total_.Files += r.Files;
        total_.Singles += r.Singles;
        total_.Cost += r.Cost;
        if (!r.Judged()) continue;
        for (size_t g = 0; g < r.Grades.size(); ++g) total_.Grades[g] += r.Grades[g];
        total_.Winnings += r.Winnings;
    }
}

int clsTLedger::DownloadResults(bool blnDQuestion, void* owner) {
    const std::vector<int32_t> draws = MissingResults();
    if (draws.empty()) return 0;
    if (blnDQuestion && !Report().Question("インターネットより くじ結果 をダウンロードします。よろしいですか？", " くじ結果"))
        return 0;
    clsResult source;
    source.Initialize(owner);
    int obtained = 0;
    bool failed = false;
    std::string unpublished;
    for (size_t i = 0; i < draws.size(); ++i) {
        // One progress window for the whole run.
        source.ProgressOpen(true);
        source.ProgressClose(i + 1 == draws.size());
        if (source.GetResult(draws[i], "", DTypeLoadFile | DTypeDownload, false)) ++obtained;
        else if (source.Unpublished()) unpublished += "第" + std::to_string(draws[i]) + "回 くじ結果は発表されていません。" + CrLf;
        else failed = true;
    }
    if (failed) unpublished += "インターネットよりダウンロードに失敗しました。";
    else if (!unpublished.empty()) unpublished.resize(unpublished.size() - 2);
    if (!unpublished.empty()) Report().Message(unpublished, failed ? MsgIcon::Warning : MsgIcon::Information, " くじ結果");
    return obtained;
}

std::vector<int32_t> clsTLedger::MissingResults() const {
    std::vector<int32_t> draws;
    for (const LedgerRow& r : rows_)
        if (r.State == LedgerState::NoResult && (draws.empty() || draws.back() != r.DrawNo)) draws.push_back(r.DrawNo);
    return draws;
}

const char* clsTLedger::StateText(LedgerState s) {
    switch (s) {
        case LedgerState::Kakutei: return "確定";
        case LedgerState::NoResult: return "結果未取得";
        case LedgerState::Cancelled: return "中止（返還）";
        case LedgerState::LoadError: return "読込エラー";
    }
    return "";
}

const char* clsTLedger::Header(int column) {
    static const char* const Names[Columns] = {"開催回", "販売終了日", "ファイル数", "口数", "購入金額", "1等",
                                               "2等",    "3等",       "4等",       "当せん金", "収支",  "状態"};
    return column >= 0 && column < Columns ? Names[column] : "";
}

std::string clsTLedger::CellText(const LedgerRow& row, int column, bool total) {
    return Field(row, column, total, true).value_or(std::string());
}

std::string clsTLedger::TabText() const {
    std::string out;
    auto line = [&](const LedgerRow& r, bool total) {
        // Draw, files, singles, cost, four grades, winnings, net, state: no sale date here.
        static const int Order[] = {0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
        for (size_t k = 0; k < std::size(Order); ++k) {
            if (k) out += '\t';
            out += Field(r, Order[k], total, false).value_or("-");
        }
        out += '\n';
    };
    for (const LedgerRow& r : rows_) line(r, false);
    line(total_, true);
    return out;
}

std::string clsTLedger::CsvText() const {
    std::string out = "\xEF\xBB\xBF";
    auto line = [&](auto cell) {
        for (int c = 0; c < Columns; ++c) {
            if (c) out += ',';
            out += cell(c);
        }
        out += CrLf;
    };
    line([](int c) { return std::string(Header(c)); });
    for (const LedgerRow& r : rows_) line([&](int c) { return Field(r, c, false, false).value_or(std::string()); });
    line([&](int c) { return Field(total_, c, true, false).value_or(std::string()); });
    return out;
}

std::string clsTLedger::PriceFile() { return clsFileSystemObject().GetFullPath(PricePath); }

int64_t clsTLedger::LoadPrice() {
    QuietReports quiet;
    clsFileStream stream;
    stream.ErrMessage(false);
    std::string text;
    if (!stream.LoadFromFile(PriceFile(), text)) return DefaultPrice;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(at, end - at);
        at = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const size_t eq = line.find('=');
        if (eq == std::string::npos || Trim(line.substr(0, eq)) != PriceKey) continue;
        auto v = TextToInt64(Trim(line.substr(eq + 1)));
        if (v && *v >= 1 && *v <= MaxPrice) return *v;
        return DefaultPrice;
    }
    return DefaultPrice;
}

bool clsTLedger::SavePrice(int64_t price) {
    return clsFileStream().SaveToFile(PriceFile(), "; 収支履歴: シングル１口の金額（円）" + std::string(CrLf) + PriceKey +
                                                       " = " + std::to_string(price) + CrLf);
}

}  // namespace kujimate
