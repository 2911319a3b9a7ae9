#pragma once
// The composition grid on screen: draws what clsTCount says each cell shows.
#include <QObject>

#include "analysis/clsTCount.h"
#include "ui/gui/clsGrid.h"

namespace kujimate {

class CountGridView : public QObject {
    Q_OBJECT
public:
    explicit CountGridView(QObject* parent = nullptr);
    // A grid of 3 columns and 12 rows of lngWidth × lngHeight cells, header row 20 high.
    void Initialize(QWidget* objPictureBox, int lngWidth, int lngHeight);
    void Show(const clsTCount& count);
    void Visible(bool v);
    clsGrid& Grid() { return grid_; }

signals:
    // A click on a cell, column and row of the grid.
    void Click(int Button, int Shift, int column, int row);

private:
    clsGrid grid_;
    QWidget* box_ = nullptr;
};

}  // namespace kujimate
