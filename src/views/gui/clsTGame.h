#pragma once
// The Check tab's table of the 11 matches: dates, numbers and teams, and over the last
// column a vote area with the rates and a three-part bar per match.
#include <QObject>
#include <QPointer>
#include <array>
#include <memory>

#include "drawdata/DrawRecords.h"
#include "ui/gui/clsGrid.h"
#include "ui/gui/clsPictureBox.h"
#include "ui/gui/clsGraph.h"

namespace kujimate {

class GameTable;

class clsTGame : public QObject {
    Q_OBJECT
public:
    explicit clsTGame(QObject* parent = nullptr);
    ~clsTGame() override;

    void Initialize(QWidget* objPictureBox, bool league);
    void Schedure(const ScheduleRecord& record);
    void Vote(const VoteRecord& record);

    clsGrid& Grid() { return grid_; }
    clsGrid& VoteGrid() { return gridV_; }
    clsTGraphEx& Bars() { return bars_; }
    QWidget* VoteArea() const { return voteArea_; }

signals:
    // A click on the rates or a bar.
    void VoteClick();

private:
    bool CheckInit(const char* member) const;

    std::unique_ptr<GameTable> table_;
    clsGrid grid_;
    clsGrid gridV_;
    clsTGraphEx bars_;
    QPointer<clsPictureBox> voteArea_;
    std::array<std::array<int32_t, 3>, 11> shownBars_{};
    bool initialized_ = false;
};

}  // namespace kujimate
