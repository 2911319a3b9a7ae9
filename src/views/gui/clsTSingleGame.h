#pragma once
// The table of the 11 matches left of the single cards: date, number, home and away,
// with rows as high as the card rows.
#include <QObject>

#include "drawdata/DrawRecords.h"
#include "ui/gui/clsGrid.h"

namespace kujimate {

class clsTSingleGame : public QObject {
    Q_OBJECT
public:
    explicit clsTSingleGame(QObject* parent = nullptr) : QObject(parent) {}
    void Initialize(QWidget* objPictureBox, int lngHeight);
    void Schedure(const ScheduleRecord& record);
    clsGrid& Grid() { return grid_; }

private:
    clsGrid grid_;
    bool initialized_ = false;
};

}  // namespace kujimate
