#pragma once
// The list view below the cards: row captions and one column per card of the page.
#include <QObject>
#include <array>
#include <string>

#include "analysis/clsTSingleList.h"
#include "ui/gui/clsGrid.h"

namespace kujimate {

class SingleListView : public QObject {
    Q_OBJECT
public:
    explicit SingleListView(QObject* parent = nullptr) : QObject(parent) {}
    // 11 × 5 cells of lngWidth × lngHeight, the caption column 112 wide.
    void Initialize(QWidget* objPictureBox, int lngWidth, int lngHeight);
    // Fills column slot + 2 and redraws what changed.
    void SetColumn(int slot, const std::array<std::string, clsTSingleList::Rows>& rows);
    clsGrid& Grid() { return grid_; }

private:
    clsGrid grid_;
};

}  // namespace kujimate
