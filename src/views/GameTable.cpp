#include "views/GameTable.h"

#include "refdata/clsTotoData.h"
#include "support/NumberText.h"

namespace kujimate {

namespace {
constexpr int CodeOfColumn(int col) { return col == 1 ? 1 : col == 2 ? 0 : 2; }
}  // namespace

GameTable::GameTable(bool league) {
    if (league) toto_ = std::make_unique<clsTotoData>();
}

GameTable::~GameTable() = default;

std::string GameTable::VoteHeaderText(const VoteRecord& record) {
    if (record.AsOf.IsZero()) return record.DrawNo > 0 ? "投 票 率 (ユーザー定義)" : "投 票 率";
    std::string t = "投票 " + record.AsOf.Format("yyyy/mm/dd hh:nn") + " ";
    if (record.AsOf == record.SaleEnd) t += "[最終]";
    return t;
}

std::string GameTable::Text(int col, int row) const {
    static const char* const Header[] = {"", "開催日", "Jx", "No", "ホーム", "アウェイ"};
    if (col < 1 || col > Cols || row < 1 || row > Rows) return {};
    if (row == 1) return col == 6 ? VoteHeaderText(vote_) : Header[col];
    const int m = row - 1;
    const ScheduleGame& g = schedule_.Games[m];
    switch (col) {
        case 1: return g.GameDate.IsZero() ? std::string() : g.GameDate.Format("mm/dd");
        case 2: return toto_ ? toto_->GetShortToJ1J2String(g.Home, g.GameDate.Year()) : std::string();
        case 3: return std::to_string(m);
        case 4: return g.Home;
        case 5: return g.Away;
        default: return {};
    }
}

std::string GameTable::VoteText(int col, int row) const {
    if (col < 1 || col > VoteCols || row < 1 || row > VoteRows || row % 2 == 0) return {};
    const int m = (row + 1) / 2;
    return FormatNumber(vote_.Games[m].Counts[static_cast<size_t>(CodeOfColumn(col))].Rate, "0.00");
}

std::array<int32_t, 3> GameTable::BarValues(int match) const {
    std::array<int32_t, 3> v{};
    if (match < 1 || match > GameCount) return v;
    for (int c = 1; c <= 3; ++c)
        v[static_cast<size_t>(c - 1)] =
            DoubleToInt32(vote_.Games[match].Counts[static_cast<size_t>(CodeOfColumn(c))].Votes.ToDouble()).value_or(0);
    return v;
}

CellBack GameTable::Back(int row) {
    if (row == 1) return CellBack::ButtonFace;
    return (row - 1) % 2 == 0 ? CellBack::LightYellow : CellBack::White;
}

CellBack GameTable::VoteBack(int row) { return ((row - 1) / 2) % 2 == 1 ? CellBack::LightYellow : CellBack::White; }

int GameTable::ColWidth(int col) const {
    switch (col) {
        case 2: return toto_ ? 20 : 0;
        case 3: return 20;
        case 6: return 203;
        default: return 50;
    }
}

int GameTable::VoteAreaLeft() const {
    int left = 0;
    for (int c = 1; c <= 5; ++c)
        if (ColWidth(c) > 0) left += ColWidth(c) + 1;
    return left;
}

}  // namespace kujimate
