#pragma once
// What the Check tab's game table shows: dates, numbers and teams of the 11 matches, the
// vote rates with their bars and the vote header. The window copies it onto its grids.
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "analysis/CellBack.h"
#include "drawdata/DrawRecords.h"

namespace kujimate {

class clsTotoData;

class GameTable {
public:
    static constexpr int Cols = 6;
    static constexpr int Rows = 12;
    static constexpr int VoteCols = 3;
    static constexpr int VoteRows = 22;  // a rate row and a bar row per match

    // The league column reads the team dictionaries; without it none are loaded.
    explicit GameTable(bool league);
    ~GameTable();
    GameTable(const GameTable&) = delete;
    GameTable& operator=(const GameTable&) = delete;

    void Schedure(const ScheduleRecord& record) { schedule_ = record; }
    void Vote(const VoteRecord& record) { vote_ = record; }

    bool League() const { return static_cast<bool>(toto_); }
    // Main grid, column 1..6, row 1..12 (row 1 the header, row m + 1 match m).
    std::string Text(int col, int row) const;
    // Vote grid, column 1..3 (outcomes 1, 0, 2), row 1..22; bar rows are empty.
    std::string VoteText(int col, int row) const;
    // Votes of outcomes 1, 0, 2 of match 1..11, as whole numbers.
    std::array<int32_t, 3> BarValues(int match) const;

    static std::string VoteHeaderText(const VoteRecord& record);
    static CellBack Back(int row);
    static CellBack VoteBack(int row);
    // Column widths in 96-dpi pixels; the league column is 0 (hidden) without the league.
    int ColWidth(int col) const;
    // Left edge of the vote area: the visible columns before it, each with its grid line.
    int VoteAreaLeft() const;

private:
    std::unique_ptr<clsTotoData> toto_;
    ScheduleRecord schedule_;
    VoteRecord vote_;
};

}  // namespace kujimate
