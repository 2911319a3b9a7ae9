#include "views/gui/clsTSingleGame.h"

#include <QApplication>
#include <QPalette>
#include <cmath>

#include <QWidget>

#include "ui/gui/clsPictureBox.h"
#include "support/NumberText.h"
#include "support/Report.h"
#include "support/basStandard.h"

namespace kujimate {

void clsTSingleGame::Initialize(QWidget* box, int lngHeight) {
    grid_.Initialize(box);
    grid_.SetGridColRow(4, 12, 50, lngHeight);
    grid_.RowHeight(1, static_cast<int>(RoundHalfEven(DpiPixelY(20))));
    grid_.ColWidth(2, static_cast<int>(RoundHalfEven(DpiPixelX(20))));
    const QColor face = QApplication::palette().color(QPalette::Button);
    const char* heads[] = {"開催日", "No", "ホーム", "アウェイ"};
    for (int c = 1; c <= 4; ++c) grid_.Caption(c, 1, QString::fromUtf8(heads[c - 1]));
    grid_.BackColorRow(1, face);
    for (int r = 2; r <= 12; ++r) {
        grid_.Caption(2, r, QString::number(r - 1));
        grid_.BackColorRow(r, r % 2 == 1 ? QColor(255, 255, 224) : QColor(Qt::white));
    }
    box->resize(grid_.Width(), grid_.Height());
    grid_.AccessibleName(QStringLiteral("試合"));
    grid_.Refresh();
    initialized_ = true;
}

void clsTSingleGame::Schedure(const ScheduleRecord& record) {
    if (!initialized_) {
        ClassMessage("clsTSingleGame", "Schedure", "Initialize Err");
        return;
    }
    for (int m = 1; m <= GameCount; ++m) {
        const ScheduleGame& g = record.Games[m];
        grid_.Caption(1, m + 1, g.GameDate.IsZero() ? QString() : QString::fromStdString(g.GameDate.Format("mm/dd")));
        grid_.Caption(3, m + 1, QString::fromStdString(g.Home));
        grid_.Caption(4, m + 1, QString::fromStdString(g.Away));
    }
    grid_.Refresh();
}

}  // namespace kujimate
