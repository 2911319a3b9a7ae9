#include "analysis/gui/SingleListView.h"

#include <QWidget>

#include "ui/gui/clsPictureBox.h"
#include "support/NumberText.h"
#include "support/basStandard.h"

namespace kujimate {

void SingleListView::Initialize(QWidget* box, int lngWidth, int lngHeight) {
    grid_.Initialize(box);
    grid_.SetGridColRow(11, clsTSingleList::Rows, lngWidth, lngHeight);
    grid_.ColWidth(1, static_cast<int>(RoundHalfEven(DpiPixelX(112))));
    grid_.FontSize(10);
    for (int r = 1; r <= clsTSingleList::Rows; ++r) {
        grid_.Caption(1, r, QString::fromStdString(clsTSingleList::Captions()[static_cast<size_t>(r - 1)]));
        if (clsTSingleList::RowShaded(r)) grid_.BackColorRow(r, QColor(255, 255, 224));
        for (int c = 2; c <= 11; ++c) grid_.Alignment(c, r, clsTSingleList::RowCentred(r) ? 2 : 1);
    }
    box->resize(grid_.Width(), grid_.Height());
    grid_.AccessibleName(QStringLiteral("シングル一覧"));
    grid_.Refresh();
}

void SingleListView::SetColumn(int slot, const std::array<std::string, clsTSingleList::Rows>& rows) {
    for (int r = 1; r <= clsTSingleList::Rows; ++r)
        grid_.Caption(slot + 2, r, QString::fromStdString(rows[static_cast<size_t>(r - 1)]));
    grid_.Refresh();
}

}  // namespace kujimate
