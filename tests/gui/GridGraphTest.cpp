#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include "common/TestSupport.h"
#include "ui/gui/clsGrid.h"
#include "ui/gui/clsPictureBox.h"
#include "ui/gui/clsGraph.h"
#include "ui/gui/frmWaitDialog.h"

using namespace kujimate;
using namespace kujimate::test;

namespace {
QColor Px(const QImage& img, int x, int y) { return img.pixelColor(x, y); }
const QColor Line(192, 192, 192);

class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* w) { w->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
};
}  // namespace

TEST(Grid, DrawsCellsBetweenSharedLinesAndOnlyWhatChanged) {
    QWidget host;
    host.resize(400, 400);
    clsGrid g;
    g.Initialize(&host);
    g.SetGridColRow(3, 2, 60, 26);
    g.BackColor(2, 1, QColor(255, 255, 224));
    g.Refresh();
    EXPECT_EQ(g.LastDrawCount(), 6);
    EXPECT_EQ(g.Width(), 3 * 61 + 1);
    EXPECT_EQ(g.Height(), 2 * 27 + 1);
    QImage img = g.Surface()->Snapshot();
    EXPECT_EQ(Px(img, 0, 5), Line);
    EXPECT_EQ(Px(img, 61, 5), Line);    // the line cells 1 and 2 share
    EXPECT_EQ(Px(img, 183, 5), Line);   // the right edge
    EXPECT_EQ(Px(img, 70, 27), Line);   // between rows 1 and 2
    EXPECT_EQ(Px(img, 70, 5), QColor(255, 255, 224));
    EXPECT_EQ(Px(img, 121, 5), QColor(255, 255, 224));  // the cell's last column of pixels
    EXPECT_EQ(Px(img, 30, 5), QColor(Qt::white));

    g.Caption(1, 1, QString());  // unchanged: not marked
    g.Refresh();
    EXPECT_EQ(g.LastDrawCount(), 0);
    g.Caption(3, 2, QStringLiteral("x"));
    g.Refresh();
    EXPECT_EQ(g.LastDrawCount(), 1);

    g.ColWidth(2, -5);
    EXPECT_EQ(g.ColWidth(2), 0);
    g.Refresh();
    EXPECT_EQ(g.Width(), 2 * 61 + 1);
    img = g.Surface()->Snapshot();
    EXPECT_EQ(Px(img, 61, 5), Line);
    EXPECT_EQ(Px(img, 70, 5), QColor(Qt::white));  // column 3 now touches column 1
}

TEST(Grid, RightAlignedTextEndsTwoPixelsInsideTheCellAndPicturesFollowTheirColour) {
    QWidget host;
    clsGrid g;
    g.Initialize(&host);
    g.SetGridColRow(1, 1, 60, 20);
    g.Caption(1, 1, QStringLiteral("88"));
    g.Alignment(1, 1, 1);
    g.ForeColor(1, 1, QColor(255, 0, 0));
    g.Refresh();
    QImage img = g.Surface()->Snapshot();
    int rightmost = -1;
    for (int x = 1; x <= 60; ++x)
        for (int y = 1; y <= 20; ++y) {
            QColor c = Px(img, x, y);
            if (c.red() > 200 && c.green() < 120) rightmost = std::max(rightmost, x);
        }
    EXPECT_GE(rightmost, 55);
    EXPECT_LE(rightmost, 58);  // x = 1 + (60 - t - 2) + t - 1 at most

    QPixmap pic(10, 10);
    pic.fill(QColor(0, 0, 255));
    QPixmap other(10, 10);
    other.fill(QColor(0, 255, 0));
    const QColor marker(1, 2, 3);
    g.SetColorImage(pic, marker);
    g.SetColorImage(other, marker);  // a second picture for the same colour changes nothing
    g.Caption(1, 1, QString());
    g.BackColor(1, 1, marker);
    g.Refresh();
    img = g.Surface()->Snapshot();
    EXPECT_EQ(Px(img, 1 + 30, 1 + 10), QColor(0, 0, 255));
    EXPECT_EQ(Px(img, 3, 3), QColor(Qt::white));
}

TEST(Grid, AClickIsReportedForTheCellOfTheRelease) {
    QWidget host;
    host.resize(300, 300);
    clsGrid g;
    g.Initialize(&host);
    g.SetGridColRow(3, 3, 30, 20);
    g.Refresh();
    host.show();
    QSignalSpy spy(&g, &clsGrid::MouseClick);
    QWidget* s = g.Surface();
    QTest::mousePress(s, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseRelease(s, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier, QPoint(40, 30));
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy[0], (QList<QVariant>{1, 3, 2, 2}));
    QTest::mousePress(s, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseRelease(s, Qt::RightButton, Qt::NoModifier, QPoint(500, 5));  // outside: nothing
    EXPECT_EQ(spy.count(), 1);
    // A double click arrives as a click, then a second press that is a double click.
    QTest::mouseClick(s, Qt::LeftButton, Qt::NoModifier, QPoint(70, 5));
    QTest::mouseDClick(s, Qt::LeftButton, Qt::NoModifier, QPoint(70, 5));
    EXPECT_EQ(spy.count(), 2);  // a double click counts once
    EXPECT_EQ(spy[1][2].toInt(), 3);
}

TEST(Grid, ReadsAsATableOfItsDrawnTextsWithAPressActionThatClicks) {
    QWidget host;
    host.setObjectName(QStringLiteral("picCount"));
    host.resize(300, 200);
    host.show();
    clsGrid g;
    g.Initialize(&host);
    g.SetGridColRow(3, 2, 60, 26);
    g.ColWidth(2, 0);
    g.Caption(3, 2, QStringLiteral("    40% "));
    g.Refresh();
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(g.Surface());
    ASSERT_NE(table, nullptr);
    ASSERT_NE(table->tableInterface(), nullptr);
    EXPECT_EQ(table->role(), QAccessible::Table);
    EXPECT_EQ(table->text(QAccessible::Name), QStringLiteral("picCount"));
    EXPECT_EQ(table->tableInterface()->rowCount(), 2);
    EXPECT_EQ(table->tableInterface()->columnCount(), 3);
    EXPECT_EQ(table->childCount(), 6);
    QAccessibleInterface* cell = table->tableInterface()->cellAt(1, 2);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(QAccessible::Name), QStringLiteral("40%"));
    EXPECT_EQ(table->child(5), cell);
    EXPECT_EQ(table->indexOfChild(cell), 5);
    // Column 2 is hidden: column 3 starts right after column 1's line.
    const QPoint origin = g.Surface()->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(cell->rect(), QRect(origin + QPoint(61, 27), QSize(61, 27)));
    EXPECT_EQ(table->childAt(origin.x() + 70, origin.y() + 30), cell);
    EXPECT_TRUE(table->tableInterface()->cellAt(0, 1)->state().invisible);

    QSignalSpy clicks(&g, &clsGrid::MouseClick);
    cell->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks[0], (QList<QVariant>{1, 0, 3, 2}));
    // A smaller grid leaves no cell behind that reads beyond it.
    g.SetGridColRow(1, 1, 30, 20);
    EXPECT_FALSE(cell->isValid());
    EXPECT_EQ(table->childCount(), 1);
}

TEST(Grid, SizeQueriesBeforeInitializeReport) {
    RecordingReporter rec;
    clsGrid g;
    EXPECT_EQ(g.Width(), 0);
    ASSERT_EQ(rec.Messages().size(), 1u);
    EXPECT_EQ(rec.Messages()[0].caption, "KUJIMATE / clsGrid / Width");
}

TEST(Graph, ThreePartBarAndShading) {
    QWidget host;
    clsGraphEx bar;
    bar.Initialize(&host);
    bar.SetGraph3(0, 0, 203, 7);
    bar.SetValue3(1, 1, 1);
    QImage img = bar.Box()->Snapshot();
    ASSERT_EQ(img.width(), 203);
    EXPECT_EQ(Px(img, 67, 0), QColor(160, 160, 225));
    EXPECT_EQ(Px(img, 68, 0), QColor(225, 225, 160));
    EXPECT_EQ(Px(img, 135, 0), QColor(225, 225, 160));
    EXPECT_EQ(Px(img, 136, 0), QColor(225, 160, 160));
    const int rows[] = {0, 30, 18, 0, -18, -36, -54};
    for (int y = 0; y < 7; ++y) EXPECT_EQ(Px(img, 10, y).red(), 160 + rows[y]) << y;
    bar.SetValue3(0, 0, 0);
    img = bar.Box()->Snapshot();
    EXPECT_EQ(Px(img, 0, 0), QColor(200, 200, 200));
    EXPECT_EQ(Px(img, 202, 0), QColor(200, 200, 200));
}

TEST(Graph, ProgressBar) {
    clsPictureBox box;
    box.resize(100, 8);
    box.Canvas().fill(Qt::white);
    clsGraph g;
    g.Initialize(&box);
    g.SetPercentGraph(0, 0, 100, 8, 1, 0);
    g.Max(0);
    g.Value(5);
    EXPECT_EQ(Px(box.Snapshot(), 50, 0), QColor(Qt::white));  // maximum 0 draws nothing
    g.Max(4);
    g.Value(99);
    EXPECT_EQ(g.Value(), 4);
    EXPECT_EQ(Px(box.Snapshot(), 99, 0), QColor(160, 160, 225));
    g.Max(4);  // resets the value
    EXPECT_EQ(g.Value(), 0);
    EXPECT_EQ(Px(box.Snapshot(), 0, 0), QColor(200, 200, 200));
    // Redrawn only when the filled width moves by a pixel.
    EXPECT_FALSE(g.Max(1000));  // empty already
    EXPECT_FALSE(g.Value(5));   // half a pixel, rounded to even
    EXPECT_TRUE(g.Value(6));
    EXPECT_EQ(Px(box.Snapshot(), 0, 0), QColor(160, 160, 225));
    EXPECT_FALSE(g.Value(14));
    EXPECT_TRUE(g.Value(15));
    EXPECT_EQ(Px(box.Snapshot(), 1, 0), QColor(160, 160, 225));
    EXPECT_TRUE(g.Max(1000));  // back to empty
    EXPECT_EQ(Px(box.Snapshot(), 0, 0), QColor(200, 200, 200));
    EXPECT_FALSE(g.Max(7));
}

// A million lines set the value a thousand times; the dialog paints its bar once per pixel of
// the bar at most, and its message only when the text changes.
TEST(Graph, TheProgressDialogPaintsOnlyWhatChangesOnScreen) {
    frmWaitDialog dialog(nullptr);
    dialog.show();
    QApplication::processEvents();
    PaintCounter bar(dialog.GraphArea());
    PaintCounter message(dialog.findChild<QWidget*>(QStringLiteral("lblMessage")));
    dialog.SetMessage(QStringLiteral("CSVファイルの読込中"));
    dialog.SetMessage(QStringLiteral("CSVファイルの読込中"));
    EXPECT_EQ(message.paints, 1);
    dialog.SetMax(1000000);
    for (int64_t v = 1001; v < 1000000; v += 1001) dialog.SetValue(v);
    dialog.SetValue(1000000);
    QApplication::processEvents();
    EXPECT_GE(bar.paints, 200);
    EXPECT_LE(bar.paints, 290);
    const QImage img = dialog.GraphArea()->Snapshot();
    EXPECT_EQ(Px(img, img.width() - 1, 0), QColor(160, 160, 225));
}
