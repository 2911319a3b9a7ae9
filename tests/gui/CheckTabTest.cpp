#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <filesystem>

#include "check/gui/CheckTab.h"
#include "common/TestSupport.h"
#include "shell/gui/Startup.h"
#include "shell/gui/frmMain.h"
#include "ui/gui/clsPictureBox.h"
#include "views/gui/clsTGame.h"

using namespace kujimate;
using namespace kujimate::test;
namespace fs = std::filesystem;

namespace {

QPoint CellCentre(clsGrid& g, int col, int row) {
    const CellRect r = g.Geometry().Cell(col, row);
    return QPoint((r.x1 + r.x2) / 2, (r.y1 + r.y2) / 2);
}

void ClickCell(clsGrid& g, int col, int row, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(g.Surface(), button, {}, CellCentre(g, col, row));
}

QString Cell(clsGrid& g, int col, int row) { return g.Caption(col, row); }

// Draw 812 ended 1 0 2 1 1 0 2 2 (void) 1 0.
const char* const Exact = "10211022110";     // every match right: grade 1
const char* const FirstWrong = "00211022110";  // match 1 wrong: grade 2
const char* const AllTwo = "22222222222";      // matches 3, 7, 8 and the void 9: grade 8

}  // namespace

class CheckTabTest : public ProgramFolderTest {
protected:
    void TearDown() override {
        if (w) w->close();
    }
    void Store(const std::string& kind) {
        std::string lower = kind;
        lower[0] = static_cast<char>(std::tolower(lower[0]));
        fs::create_directories(folder / ("SysData/BIG1000_" + kind));
        fs::copy_file(Fixture("drawdata/big1000_" + lower + "_812.xml"),
                      folder / ("SysData/BIG1000_" + kind) / ("big1000_" + lower + "_812.xml"));
    }
    void Start(int32_t draw, bool all = false) {
        WriteSjisLines(folder / "SysData/KUJIMATE.ini",
                       {"Kaisaikai = " + std::to_string(draw), std::string("ResultAll = ") + (all ? "1" : "0")});
        w = StartMain();
        ASSERT_NE(w, nullptr);
        tab = w->Check();
    }
    // The clipboard import replaces the list and shows the Check tab.
    void Import(const QStringList& lines) {
        QApplication::clipboard()->setText(lines.join("\r\n") + "\r\n");
        w->Action("mnuTool_ClipImport_Class")->trigger();
        rec.Clear();
    }
    QString Grade(int grade) { return Cell(tab->GradeGrid(), 2, grade + 1); }
    std::unique_ptr<frmMain> w;
    CheckTab* tab = nullptr;
};

TEST_F(CheckTabTest, OfficialResultsRevealedOneByOneThenAllWithThePayouts) {
    Store("Schedule");
    Store("Vote");
    Store("Result");
    Start(812);
    Import({AllTwo, FirstWrong, Exact});
    ASSERT_EQ(w->CurrentTab(), 2);

    clsTGame& game = tab->Game();
    EXPECT_EQ(Cell(game.Grid(), 4, 2), "鹿島");
    EXPECT_EQ(Cell(game.Grid(), 5, 2), "浦和");
    EXPECT_EQ(Cell(game.Grid(), 1, 2), "03/16");
    EXPECT_EQ(Cell(game.Grid(), 6, 1), "投票 2024/03/16 13:50 [最終]");
    EXPECT_EQ(Cell(game.VoteGrid(), 1, 1), "45.67");  // home win of match 1 first
    EXPECT_EQ(Cell(game.VoteGrid(), 2, 1), "25.50");
    EXPECT_EQ(w->StatusText(), " 第 812 回 　使用投票率：2024/03/16 (最終)");

    // Nothing revealed yet: every single can still reach grade 1.
    EXPECT_TRUE(w->findChild<QPushButton*>("cmdResultViewNext")->isEnabled());
    EXPECT_TRUE(w->findChild<QPushButton*>("cmdResultViewAll")->isEnabled());
    EXPECT_EQ(Grade(1), "3");
    EXPECT_EQ(tab->lblRSingleCount()->text(), "3");
    EXPECT_EQ(tab->lblRSinglePage()->text(), "1／1");
    EXPECT_EQ(Cell(tab->KakuteiGrid(), 2, 2), "");

    QTest::mouseClick(w->findChild<QPushButton*>("cmdResultViewNext"), Qt::LeftButton);
    EXPECT_EQ(Cell(tab->MultiGrid(), 1, 2), "◎");
    EXPECT_EQ(Cell(tab->MultiGrid(), 1, 3), "");
    EXPECT_EQ(Grade(1), "1");
    EXPECT_EQ(Grade(2), "2");
    // The page shows the list in its order: slot 3 is the exact single, all hits so far.
    EXPECT_EQ(Cell(tab->ResultGrid(), 3, 2), "1");
    EXPECT_EQ(tab->ResultPage().Back(3, 2), ResultBack::Blue);
    EXPECT_EQ(tab->ResultPage().Back(1, 2), ResultBack::Red);
    EXPECT_EQ(tab->ResultPage().Back(1, 3), ResultBack::White);  // match 2 still open
    EXPECT_TRUE(w->findChild<QPushButton*>("cmdResultViewNext")->isEnabled());

    QTest::mouseClick(w->findChild<QPushButton*>("cmdResultViewAll"), Qt::LeftButton);
    EXPECT_FALSE(w->findChild<QPushButton*>("cmdResultViewNext")->isEnabled());
    EXPECT_FALSE(w->findChild<QPushButton*>("cmdResultViewAll")->isEnabled());
    for (int c = 1; c <= 3; ++c) EXPECT_EQ(Cell(tab->MultiGrid(), c, 10), "－");  // match 9 called off
    EXPECT_EQ(Grade(1), "1");
    EXPECT_EQ(Grade(2), "1");
    EXPECT_EQ(Grade(8), "1");
    EXPECT_EQ(Cell(tab->GradeGrid(), 3, 2), "33%");
    EXPECT_EQ(Cell(tab->ResultGrid(), 1, 13), "8");
    EXPECT_EQ(tab->ResultPage().Back(1, 10), ResultBack::Yellow);

    // Prizes 10,000,000 / 52,340.5 / 1,234 / 0 with 0 / 12 / 3,456 / 0 winners.
    clsGrid& k = tab->KakuteiGrid();
    EXPECT_EQ(Cell(k, 2, 2), "10,000,000 ");
    EXPECT_EQ(Cell(k, 2, 3), "52,341 ");
    EXPECT_EQ(Cell(k, 4, 2), "123,456,789 ");
    EXPECT_EQ(Cell(k, 2, 6), "4,892,790 ");  // 52,340.5 × 12 + 1,234 × 3,456
    EXPECT_EQ(Cell(k, 5, 2), "1 ");
    EXPECT_EQ(Cell(k, 5, 3), "1 ");
    EXPECT_EQ(Cell(k, 6, 6), "10,052,341 ");
    EXPECT_EQ(Cell(k, 5, 6), "2 ");
    EXPECT_TRUE(rec.Messages().empty());

    // The grade sort puts the most hits first and becomes the list's order.
    QTest::mouseClick(w->findChild<QPushButton*>("cmdSortResult"), Qt::LeftButton);
    ASSERT_EQ(w->Singles().size(), 3u);
    EXPECT_EQ(Cell(tab->ResultGrid(), 1, 13), "1");
    EXPECT_EQ(Cell(tab->ResultGrid(), 3, 13), "8");
    EXPECT_EQ(w->Singles()[2], 177146);  // all 2s

    // Showing the tab again starts the reveal over; with the tick everything shows at once.
    w->SelectTab(0);
    w->SelectTab(2);
    EXPECT_EQ(Cell(tab->MultiGrid(), 1, 2), "");
    EXPECT_EQ(Cell(k, 2, 2), "");
    w->chkResultAll()->setChecked(true);
    w->SelectTab(2);
    EXPECT_EQ(Cell(tab->MultiGrid(), 3, 12), "");
    EXPECT_EQ(Cell(tab->MultiGrid(), 2, 12), "◎");
    EXPECT_FALSE(w->findChild<QPushButton*>("cmdResultViewAll")->isEnabled());
    EXPECT_EQ(Cell(k, 2, 2), "10,000,000 ");

    // A new list empties the tab (the sorted list is given up unsaved).
    rec.choices = {Answer::No};
    w->Action("mnuFile_New")->trigger();
    EXPECT_EQ(tab->lblRSingleCount()->text(), "0");
    EXPECT_EQ(Grade(1), "0");
    EXPECT_EQ(Cell(tab->MultiGrid(), 2, 12), "");
    EXPECT_EQ(Cell(tab->ResultGrid(), 1, 13), "");
    EXPECT_EQ(Cell(k, 2, 2), "");
}

TEST_F(CheckTabTest, TheUsersMarksJudgeTheListAndAreKeptForTheDraw) {
    Start(813);
    Import({Exact, FirstWrong});
    EXPECT_FALSE(w->findChild<QPushButton*>("cmdResultViewNext")->isEnabled());
    clsGrid& multi = tab->MultiGrid();

    ClickCell(multi, 1, 2);  // match 1, home win
    EXPECT_EQ(Cell(multi, 1, 2), "○");
    EXPECT_EQ(Grade(1), "1");
    EXPECT_EQ(Grade(2), "1");
    const fs::path cache = folder / "SysData/Temp/BIG1000_Result_813.dat";
    ASSERT_TRUE(fs::exists(cache));
    EXPECT_EQ(ReadBytes(cache).substr(0, 14), "0,2,0\r\n0,0,0\r\n");

    // A right click offers "中止" for the match under the pointer.
    QMenu* popup = w->findChild<QMenu*>("mnuPopup7");
    ASSERT_NE(popup, nullptr);
    ClickCell(multi, 2, 3, Qt::RightButton);
    EXPECT_TRUE(popup->isVisible());
    popup->close();
    w->Action("mnuPopup7_Class")->trigger();
    for (int c = 1; c <= 3; ++c) EXPECT_EQ(Cell(multi, c, 3), "－");
    EXPECT_EQ(ReadBytes(cache).substr(0, 14), "0,2,0\r\n3,3,3\r\n");

    // A second click empties a marked match again.
    ClickCell(multi, 1, 2);
    EXPECT_EQ(Cell(multi, 1, 2), "");
    EXPECT_EQ(Grade(1), "2");

    // The marks come back the next time the draw is shown.
    ClickCell(multi, 3, 4);
    w->SelectTab(0);
    w->SelectTab(2);
    EXPECT_EQ(Cell(multi, 3, 4), "○");
    EXPECT_EQ(Cell(multi, 1, 3), "－");
    EXPECT_TRUE(rec.Messages().empty());
}

TEST_F(CheckTabTest, PagesOfTenAndTheCompositionView) {
    Start(813);
    QStringList lines;
    for (int i = 0; i < 35; ++i) {
        QString digits = QString("%1").arg(i, 11, 3, QChar('0'));
        std::reverse(digits.begin(), digits.end());  // match 1 first: the list holds 0..34
        lines << digits;
    }
    Import(lines);
    EXPECT_EQ(tab->lblRSingleCount()->text(), "35");
    EXPECT_EQ(tab->lblRSinglePage()->text(), "1／4");
    EXPECT_EQ(tab->imgRMovePrevious()->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(tab->imgRMoveNext()->cursor().shape(), Qt::PointingHandCursor);

    // A double click (press, release, double click, release) moves two pages, not three.
    auto doubleClick = [](QWidget* image) {
        QTest::mouseClick(image, Qt::LeftButton);
        QTest::mouseDClick(image, Qt::LeftButton);
        QTest::mouseRelease(image, Qt::LeftButton);
    };
    doubleClick(tab->imgRMoveNext());
    EXPECT_EQ(tab->lblRSinglePage()->text(), "3／4");
    EXPECT_EQ(tab->imgRMovePrevious()->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(tab->imgRMoveNext(), Qt::LeftButton);
    EXPECT_EQ(tab->lblRSinglePage()->text(), "4／4");
    EXPECT_EQ(Cell(tab->ResultGrid(), 5, 13), "1");
    EXPECT_EQ(Cell(tab->ResultGrid(), 6, 13), "");
    EXPECT_EQ(tab->imgRMoveNext()->cursor().shape(), Qt::ArrowCursor);
    QTest::mouseClick(tab->imgRMoveNext(), Qt::LeftButton);
    EXPECT_EQ(tab->lblRSinglePage()->text(), "4／4");
    doubleClick(tab->imgRMovePrevious());
    QTest::mouseClick(tab->imgRMovePrevious(), Qt::LeftButton);
    EXPECT_EQ(tab->lblRSinglePage()->text(), "1／4");

    // A click on the vote area shows the composition view over it.
    EXPECT_FALSE(tab->picSingleCountR()->isVisible());
    ClickCell(tab->Game().VoteGrid(), 2, 3);
    EXPECT_TRUE(tab->picSingleCountR()->isVisible());
    clsGrid& count = tab->CountGrid();
    // Match 1 (the lowest digit) runs 0, 1, 2 over the numbers 0..34: twelve 0s, twelve 1s, eleven 2s.
    EXPECT_EQ(Cell(count, 1, 2), "     12");
    EXPECT_EQ(Cell(count, 3, 2), "     11");
    ClickCell(count, 1, 2);  // to shares
    EXPECT_TRUE(tab->picSingleCountR()->isVisible());
    EXPECT_EQ(Cell(count, 3, 2), "   31% ");
    ClickCell(count, 1, 2);  // back to counts, and away
    EXPECT_FALSE(tab->picSingleCountR()->isVisible());
    EXPECT_EQ(Cell(count, 3, 2), "     11");

    w->Action("mnuView_SinglePercent")->trigger();
    EXPECT_EQ(Cell(count, 3, 2), "   31% ");
    // A mark on "0" of match 1 judges the page: single 0 hits, single 1 misses.
    ClickCell(tab->MultiGrid(), 2, 2);
    EXPECT_EQ(tab->ResultPage().Back(1, 2), ResultBack::Blue);  // single 0 has 0 for match 1
    EXPECT_EQ(tab->ResultPage().Back(2, 2), ResultBack::Red);
}

TEST_F(CheckTabTest, PanelsStackWithinThePageWithoutOverlapping) {
    Start(1);
    w->SelectTab(2);
    QWidget* page = w->picMain(2);
    EXPECT_EQ(tab->picMultiResult()->x(), tab->picGame2()->x() + tab->picGame2()->width() + 2);
    EXPECT_EQ(tab->picMultiResult()->y(), tab->picGame2()->y());
    EXPECT_EQ(tab->picMultiResult()->height(), tab->picGame2()->height());  // rows side by side
    EXPECT_EQ(tab->picSingleCountR()->x(), 182);
    EXPECT_EQ(tab->picSingleCountR()->y(), tab->picResult1()->y());
    EXPECT_EQ(tab->picResultKakutei()->y(), tab->picRBase()->y() + 45);
    EXPECT_EQ(tab->picRBase()->y(), tab->picResult1()->y() + tab->picResult1()->height() + 5);
    EXPECT_EQ(tab->picResultView()->y(), tab->picMultiResult()->y() + tab->picMultiResult()->height() + 10);
    const QWidget* panels[] = {tab->picGame2(), tab->picMultiResult(), tab->picResult1(), tab->picResultGrade(),
                               tab->picRBase(), tab->picResultView()};
    const QRect area(0, 0, 1005 - 72, 655 - 23);
    for (const QWidget* a : panels) {
        EXPECT_TRUE(area.contains(a->geometry())) << a->objectName().toStdString();
        for (const QWidget* b : panels) {
            if (a != b) {
                EXPECT_FALSE(a->geometry().intersects(b->geometry()))
                    << a->objectName().toStdString() << " / " << b->objectName().toStdString();
            }
        }
    }
    EXPECT_TRUE(tab->picRBase()->geometry().contains(tab->picResultKakutei()->geometry()));
    EXPECT_TRUE(page->isAncestorOf(tab->picGame2()));
}

TEST(GameTableView, VoteAreaOverTheLastColumnAndItsClicks) {
    RecordingReporter rec;
    clsTGame game;
    game.Vote(VoteRecord{});
    ASSERT_EQ(rec.Messages().size(), 1u);
    EXPECT_EQ(rec.Messages()[0].text, "Initialize Err");
    EXPECT_EQ(rec.Messages()[0].caption, "KUJIMATE / clsTGame / Vote");

    QWidget host;
    game.Initialize(&host, false);
    EXPECT_EQ(host.width(), 379);   // 50, 20, 50, 50, 203 and their lines
    EXPECT_EQ(host.height(), 264);  // 20 + 11 × 21 and the lines
    EXPECT_EQ(game.VoteArea()->geometry(), QRect(174, 21, 204, 243));
    EXPECT_EQ(game.VoteGrid().Height(), 243);  // a match's two rows fill one main row
    EXPECT_EQ(game.Bars().Bar(3).Box()->geometry(), QRect(1, 59, 203, 7));
    QSignalSpy clicks(&game, &clsTGame::VoteClick);
    QTest::mouseClick(game.Bars().Bar(3).Box(), Qt::RightButton);
    QTest::mouseClick(game.VoteGrid().Surface(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks.count(), 2);
}
