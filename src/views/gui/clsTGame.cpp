#include "views/gui/clsTGame.h"

#include <cmath>

#include "support/NumberText.h"
#include "support/Report.h"
#include "support/basStandard.h"
#include "ui/gui/clsPictureBox.h"
#include "views/GameTable.h"
#include "views/gui/ViewColors.h"
#include "ui/gui/DisplayScale.h"

namespace kujimate {

namespace {
int FloorY(int v) { return static_cast<int>(std::floor(static_cast<double>(v) * GetDpiRateY())); }
}  // namespace

clsTGame::clsTGame(QObject* parent) : QObject(parent) {}
clsTGame::~clsTGame() = default;

bool clsTGame::CheckInit(const char* member) const {
    if (initialized_) return true;
    ClassMessage("clsTGame", member, "Initialize Err");
    return false;
}

void clsTGame::Initialize(QWidget* host, bool league) {
    table_ = std::make_unique<GameTable>(league);
    voteArea_ = new clsPictureBox(host);
    voteArea_->setObjectName(NewControlName(host));

    grid_.Initialize(host);
    grid_.SetGridColRow(GameTable::Cols, GameTable::Rows, 50, 21);
    for (int c = 1; c <= GameTable::Cols; ++c) grid_.ColWidth(c, Sx(table_->ColWidth(c)));
    grid_.RowHeight(1, Sy(20));
    for (int c = 1; c <= GameTable::Cols; ++c) grid_.Caption(c, 1, QString::fromStdString(table_->Text(c, 1)));
    for (int r = 1; r <= GameTable::Rows; ++r) grid_.BackColorRow(r, CellColor(GameTable::Back(r)));

    int left = 0;
    for (int c = 1; c <= 5; ++c)
        if (grid_.ColWidth(c) > 0) left += grid_.ColWidth(c) + 1;
    const int height = grid_.Height();
    voteArea_->setGeometry(left, grid_.RowHeight(1) + 1, grid_.ColWidth(6) + 1, height - grid_.RowHeight(1) - 1);
    host->resize(grid_.Width(), height);
    grid_.Refresh();
    voteArea_->show();
    voteArea_->raise();

    gridV_.Initialize(voteArea_);
    gridV_.SetGridColRow(GameTable::VoteCols, GameTable::VoteRows, 67, 14);
    for (int m = 1; m <= GameCount; ++m) {
        gridV_.RowHeight(2 * m - 1, FloorY(14));
        gridV_.RowHeight(2 * m, FloorY(21) - FloorY(15));
    }
    for (int r = 1; r <= GameTable::VoteRows; ++r) gridV_.BackColorRow(r, CellColor(GameTable::VoteBack(r)));
    gridV_.AccessibleName(QStringLiteral("投票率"));
    gridV_.Refresh();
    bars_.Initialize(voteArea_);
    for (int m = 1; m <= GameCount; ++m) {
        bars_.SetGraph3(m, 1, FloorY(15) + static_cast<int>(std::floor(21 * GetDpiRateY() + 1)) * (m - 1), 203, 7);
        bars_.SetValue3(m, 0, 0, 0);
    }
    connect(&gridV_, &clsGrid::MouseClick, this, [this] { emit VoteClick(); });
    connect(&bars_, &clsTGraphEx::MouseClick, this, [this] { emit VoteClick(); });
    initialized_ = true;
}

void clsTGame::Schedure(const ScheduleRecord& record) {
    if (!CheckInit("Schedure")) return;
    table_->Schedure(record);
    for (int r = 2; r <= GameTable::Rows; ++r) {
        grid_.BackColorRow(r, CellColor(GameTable::Back(r)));
        for (int c = 1; c <= 5; ++c) grid_.Caption(c, r, QString::fromStdString(table_->Text(c, r)));
    }
    grid_.Refresh();
}

void clsTGame::Vote(const VoteRecord& record) {
    if (!CheckInit("Vote")) return;
    table_->Vote(record);
    for (int r = 1; r <= GameTable::VoteRows; r += 2)
        for (int c = 1; c <= GameTable::VoteCols; ++c) gridV_.Caption(c, r, QString::fromStdString(table_->VoteText(c, r)));
    for (int r = 1; r <= GameTable::VoteRows; ++r) gridV_.BackColorRow(r, CellColor(GameTable::VoteBack(r)));
    gridV_.Refresh();
    for (int m = 1; m <= GameCount; ++m) {
        bars_.Visible(m - 1, true);
        const auto v = table_->BarValues(m);
        // A bar is repainted only when its votes changed.
        if (v == shownBars_[static_cast<size_t>(m - 1)]) continue;
        shownBars_[static_cast<size_t>(m - 1)] = v;
        bars_.SetValue3(m, v[0], v[1], v[2]);
    }
    grid_.Caption(6, 1, QString::fromStdString(table_->Text(6, 1)));
    grid_.Refresh();
}

}  // namespace kujimate
