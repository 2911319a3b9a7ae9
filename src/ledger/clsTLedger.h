#pragma once
// The season ledger: what the user's singles files of each draw cost and won, from the
// stored results, judged exactly as the Check tab judges a list with every result shown.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "support/Currency.h"
#include "support/Date.h"

namespace kujimate {

enum class LedgerState {
    Kakutei,    // "確定": a complete stored result
    NoResult,   // "結果未取得": none, or a damaged one
    Cancelled,  // "中止（返還）": the draw was called off and the stakes refunded
    LoadError,  // "読込エラー": one file that did not load
};

struct LedgerRow {
    int32_t DrawNo = 0;  // 0 in the total row
    Date SaleEnd;        // from the stored schedule; zero when none
    int32_t Files = 0;
    int64_t Singles = 0;
    Currency Cost;
    std::array<int64_t, 4> Grades{};  // the user's singles of grades 1..4
    Currency Winnings;
    LedgerState State = LedgerState::NoResult;
    std::string FileName;  // the file of a load error row

    // Grades and winnings are known (a refunded draw won nothing).
    bool Judged() const { return State == LedgerState::Kakutei || State == LedgerState::Cancelled; }
    Currency Net() const { return Winnings - Cost; }
};

class clsTLedger {
public:
    static constexpr int64_t DefaultPrice = 200;
    static constexpr int64_t MaxPrice = 100000;
    static constexpr int Columns = 12;

    // Reads every "*.csv" directly in folder whose name carries a draw number; results and
    // schedules come from the program folder's SysData. No message box is shown for any
    // file; the progress dialog shows the files done. False when folder is no folder.
    bool Build(const std::string& folder, int64_t price);
    // Another price of one single: the costs and the totals again, without reading the files.
    void SetPrice(int64_t price);
    // Fetches the result of every listed draw without one through the draws' download flow:
    // one question for all of them, and one message for those that failed. Build again after.
    // The number of results obtained.
    int DownloadResults(bool blnDQuestion, void* owner);

    // Draws oldest first; a file that did not load has a row of its own after its draw's.
    const std::vector<LedgerRow>& Rows() const { return rows_; }
    const LedgerRow& Total() const { return total_; }
    int64_t Price() const { return price_; }
    // Listed draws without a usable result, ascending.
    std::vector<int32_t> MissingResults() const;

    static const char* StateText(LedgerState s);
    static const char* Header(int column);  // 開催回 … 状態
    // The window's cell texts: money "#,##0", empty where nothing is known.
    static std::string CellText(const LedgerRow& row, int column, bool total);
    // The companion's lines: TAB-separated plain integers, "-" for what is not known.
    std::string TabText() const;
    // The table as a spreadsheet reads it: UTF-8 with a byte-order mark, CR LF, plain numbers.
    std::string CsvText() const;

    // The price of one single, kept in its own file below UserData\KUJIMATE.
    static std::string PriceFile();
    static int64_t LoadPrice();
    static bool SavePrice(int64_t price);

private:
    void Sum();

    std::vector<LedgerRow> rows_;
    LedgerRow total_;
    int64_t price_ = DefaultPrice;
};

}  // namespace kujimate
