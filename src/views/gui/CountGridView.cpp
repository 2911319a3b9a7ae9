#include "views/gui/CountGridView.h"

#include <QWidget>

#include "support/NumberText.h"
#include "support/basStandard.h"
#include "ui/gui/clsPictureBox.h"
#include "views/gui/ViewColors.h"

namespace kujimate {

CountGridView::CountGridView(QObject* parent) : QObject(parent) {
    connect(&grid_, &clsGrid::MouseClick, this, &CountGridView::Click);
}

void CountGridView::Initialize(QWidget* box, int lngWidth, int lngHeight) {
    box_ = box;
    grid_.Initialize(box);
    grid_.SetGridColRow(3, 12, lngWidth, lngHeight);
    grid_.RowHeight(1, static_cast<int>(RoundHalfEven(DpiPixelY(20))));
    grid_.FontSize(11);
    for (int r = 1; r <= 12; ++r) grid_.BackColorRow(r, CellColor(clsTCount::Back(r)));
    box->resize(grid_.Width(), grid_.Height());
    grid_.AccessibleName(QStringLiteral("シングル構成"));
    Show(clsTCount());
}

void CountGridView::Show(const clsTCount& count) {
    for (int c = 1; c <= 3; ++c)
        for (int r = 1; r <= 12; ++r) {
            grid_.Caption(c, r, QString::fromStdString(count.Text(c, r)));
            grid_.ForeColor(c, r, count.Blue(c, r) ? PureBlue : QColor(Qt::black));
        }
    grid_.Refresh();
}

void CountGridView::Visible(bool v) {
    if (box_) box_->setVisible(v);
}

}  // namespace kujimate
