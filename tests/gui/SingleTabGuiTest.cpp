#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "analysis/clsTSingleList.h"
#include "views/gui/CountGridView.h"
#include "analysis/gui/SingleListView.h"
#include "common/TestSupport.h"
#include "singles/clsTClipImport.h"
#include "drawdata/clsXmlVote.h"
#include "shell/gui/Startup.h"
#include "shell/gui/clsCommonDialog.h"
#include "shell/gui/frmMain.h"
#include "singles/gui/frmNumbers.h"
#include "support/Clock.h"
#include "ui/gui/clsClickLabel.h"
#include "ui/gui/clsPictureBox.h"
#include "views/gui/SingleTab.h"
#include "views/gui/clsTSingleDraw.h"
#include "views/gui/clsTSingleGame.h"

using namespace kujimate;
using namespace kujimate::test;
namespace fs = std::filesystem;

namespace {

// What assistive technology reads off a grid, row by row.
QStringList TableRow(clsGrid& g, int row) {
    QAccessibleInterface* t = QAccessible::queryAccessibleInterface(g.Surface());
    QStringList out;
    for (int c = 0; c < t->tableInterface()->columnCount(); ++c)
        out << t->tableInterface()->cellAt(row - 1, c)->text(QAccessible::Name);
    return out;
}

// Every accessible mark of the card area, by name.
QAccessibleInterface* MarkNamed(QWidget* area, const QString& name) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(area);
    for (int i = 0; i < a->childCount(); ++i)
        if (a->child(i)->role() == QAccessible::Button && a->child(i)->text(QAccessible::Name) == name) return a->child(i);
    return nullptr;
}

void Press(QAccessibleInterface* a) {
    ASSERT_NE(a, nullptr);
    a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

std::string CsvLine(const std::string& digits) {
    std::string s;
    for (size_t i = 0; i < digits.size(); ++i) s += (i ? "," : "") + std::string(1, digits[i]);
    return s + "\r\n";
}

}  // namespace

class SingleTabGuiTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        SetClock(&clock);
        for (const char* kind : {"Schedule", "Vote"}) {
            std::string lower = kind;
            lower[0] = static_cast<char>(std::tolower(lower[0]));
            fs::create_directories(folder / ("SysData/BIG1000_" + std::string(kind)));
            fs::copy_file(Fixture("drawdata/big1000_" + lower + "_812.xml"),
                          folder / ("SysData/BIG1000_" + std::string(kind)) / ("big1000_" + lower + "_812.xml"));
        }
        WriteSjisLines(folder / "SysData/KUJIMATE.ini", {"Kaisaikai = 812"});
        clsCommonDialog::SetScript([this](const clsCommonDialog::Request&) { return answer; });
        w = StartMain();
        ASSERT_NE(w, nullptr);
        users = folder / "UserData/KUJIMATE";
    }
    void TearDown() override {
        clsCommonDialog::SetScript(nullptr);
        if (w) w->close();
        SetClock(nullptr);
    }
    void Open(const std::string& name, const std::vector<std::string>& singles) {
        std::string text;
        for (const auto& s : singles) text += CsvLine(s);
        WriteBytes(users / name, text);
        answer = QString::fromStdString((users / name).string());
        Trigger("mnuFile_Open");
    }
    void Trigger(const char* name) { w->Action(QString::fromUtf8(name))->trigger(); }
    SingleTab& Tab() { return w->SingleView(); }
    QWidget* Cards() { return Tab().Panel("picSingle"); }
    QString CardNumber(int slot) { return Tab().Draw().NumberLabel(slot)->text(); }

    FixedClock clock{Date::FromYmdHns(2024, 3, 14, 12, 0, 0)};
    std::unique_ptr<frmMain> w;
    QString answer;
    fs::path users;
};

TEST_F(SingleTabGuiTest, AnOpenedFileShowsItsCardsCountPagesCompositionAndFigures) {
    std::vector<std::string> list;
    for (int i = 0; i < 25; ++i) list.push_back(i < 10 ? "10210210210" : "00000000000");
    Open("KMATE-812.csv", list);
    ASSERT_EQ(w->CurrentTab(), 1);
    EXPECT_EQ(Tab().lblSingleCount()->text(), "25");
    EXPECT_EQ(Tab().lblPage()->text(), "1／3");
    EXPECT_EQ(Tab().imgMovePrevious()->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(Tab().imgMoveNext()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(TableRow(Tab().Game().Grid(), 1), (QStringList{"開催日", "No", "ホーム", "アウェイ"}));
    EXPECT_EQ(TableRow(Tab().Game().Grid(), 2), (QStringList{"03/16", "1", "鹿島", "浦和"}));
    for (int s = 0; s < 10; ++s) EXPECT_EQ(CardNumber(s), QString::number(s + 1));
    // Match 1: ten singles carry 1, fifteen 0; match 3: ten carry 2.
    EXPECT_EQ(TableRow(Tab().Count().Grid(), 1), (QStringList{"1", "0", "2"}));
    EXPECT_EQ(TableRow(Tab().Count().Grid(), 2), (QStringList{"10", "15", ""}));
    EXPECT_EQ(TableRow(Tab().Count().Grid(), 4), (QStringList{"", "15", "10"}));

    clsTSingleList expected;
    expected.SetVote(w->Vote());
    const auto figures = expected.SetData_Sub(DigitsToSingle("10210210210"));
    const QStringList listCol = [&] {
        QStringList out;
        for (int r = 1; r <= 5; ++r) out << TableRow(Tab().List().Grid(), r)[1];
        return out;
    }();
    ASSERT_FALSE(figures[0].empty());
    for (int r = 0; r < 5; ++r) EXPECT_EQ(listCol[r].toStdString(), figures[static_cast<size_t>(r)]);
    EXPECT_EQ(listCol[3], "4-4-3");
    EXPECT_EQ(TableRow(Tab().List().Grid(), 1)[0], "１等推定金額");

    // Last page: five cards and five empty ones, their list columns empty.
    emit Tab().imgMoveNext()->Clicked();
    emit Tab().imgMoveNext()->Clicked();
    emit Tab().imgMoveNext()->Clicked();
    EXPECT_EQ(Tab().lblPage()->text(), "3／3");
    EXPECT_EQ(CardNumber(4), "25");
    EXPECT_EQ(CardNumber(5), "");
    EXPECT_EQ(TableRow(Tab().List().Grid(), 4)[6], "");
    EXPECT_EQ(Tab().imgMoveNext()->cursor().shape(), Qt::ArrowCursor);

    // The View menu's percent display reaches the grid; a click on the grid flips it back.
    Trigger("mnuView_SinglePercent");
    EXPECT_EQ(TableRow(Tab().Count().Grid(), 2), (QStringList{"40%", "60%", ""}));
    Tab().Count().Grid().Click(1, 0, 1, 5);
    EXPECT_EQ(TableRow(Tab().Count().Grid(), 2)[0], "10");
    EXPECT_TRUE(w->Action(QStringLiteral("mnuView_SinglePercent"))->isChecked());
}

TEST_F(SingleTabGuiTest, MarksEditCardsSelectionDeletesAndTheSavedListIsTheListShown) {
    Open("KMATE-812.csv", {"00000000000", "11111111111", "22222222222"});
    QWidget* cards = Cards();
    // While a file is read or written the cards edit nothing.
    w->SetBusy(true);
    Press(MarkNamed(cards, "2 第5試合 0"));
    Press(MarkNamed(cards, "9 第1試合 0"));
    w->SetBusy(false);
    EXPECT_EQ(w->Singles(), (std::vector<int32_t>{0, DigitsToSingle("11111111111"), DigitsToSingle("22222222222")}));
    // Card 2, match 5 becomes 0: the single, the composition and the list column follow.
    Press(MarkNamed(cards, "2 第5試合 0"));
    EXPECT_EQ(w->Singles()[1], DigitsToSingle("11110111111"));
    EXPECT_EQ(Tab().Draw().DrawnCode(1, 4), 0);
    EXPECT_EQ(TableRow(Tab().Count().Grid(), 6), (QStringList{"", "2", "1"}));
    EXPECT_EQ(TableRow(Tab().List().Grid(), 4)[2], "10-1-0");

    // A press on an empty card adds a single of eleven 0s and shows the last page.
    Press(MarkNamed(cards, "7 第1試合 2"));
    ASSERT_EQ(w->Singles().size(), 4u);
    EXPECT_EQ(w->Singles()[3], 0);
    EXPECT_EQ(CardNumber(3), "4");
    EXPECT_EQ(Tab().lblSingleCount()->text(), "4");

    // Select cards 1 and 4 by their numbers and delete them, the question answered Yes.
    QAccessibleInterface* number = QAccessible::queryAccessibleInterface(Tab().Draw().NumberLabel(0));
    EXPECT_EQ(number->text(QAccessible::Name), "1");
    Press(number);
    QTest::mouseClick(Tab().Draw().NumberLabel(3), Qt::LeftButton);
    EXPECT_TRUE(w->TSingle().Selected(0));
    EXPECT_TRUE(w->TSingle().Selected(3));
    EXPECT_EQ(Tab().Draw().NumberLabel(0)->palette().color(QPalette::Window), QColor(Qt::black));
    rec.answers = {false, true};
    Tab().cmdSingleDel()->click();  // No: nothing changes
    EXPECT_EQ(w->Singles().size(), 4u);
    Tab().cmdSingleDel()->click();
    ASSERT_EQ(w->Singles().size(), 2u);
    EXPECT_EQ(TableRow(Tab().Count().Grid(), 2), (QStringList{"1", "", "1"}));
    EXPECT_EQ(Tab().lblSingleCount()->text(), "2");
    // Nothing selected now: the delete button says so.
    rec.Clear();
    Tab().cmdSingleDel()->click();
    ASSERT_EQ(rec.Messages().size(), 1u);
    EXPECT_EQ(rec.Messages()[0].text, "削除対象のシングルが選択されていません");
    EXPECT_EQ(rec.Messages()[0].caption, "選択シングルを削除");

    answer = QString::fromStdString((users / "saved.csv").string());
    Trigger("mnuFile_SaveAs");
    EXPECT_EQ(ReadBytes(users / "saved.csv"), CsvLine("11110111111") + CsvLine("22222222222"));
}

TEST_F(SingleTabGuiTest, TheNumberDialogTakesOnlyElevenDigitsOfZeroOneAndTwo) {
    frmNumbers dlg(w.get());
    EXPECT_EQ(dlg.windowTitle(), " 数値入力");
    EXPECT_EQ(dlg.cmdOK()->text(), "O K");
    EXPECT_EQ(dlg.cmdCancel()->text(), "キャンセル");
    QTest::keyClicks(dlg.txtNumber(), "1a3 0x2");
    EXPECT_EQ(dlg.txtNumber()->text(), "102");
    EXPECT_FALSE(dlg.cmdOK()->isEnabled());
    QTest::keyClicks(dlg.txtNumber(), "10210210");
    EXPECT_EQ(dlg.txtNumber()->text(), "10210210210");
    EXPECT_TRUE(dlg.cmdOK()->isEnabled());
    QTest::keyClick(dlg.txtNumber(), Qt::Key_Backspace);
    EXPECT_FALSE(dlg.cmdOK()->isEnabled());
    // Pasted text reaches the box; OK refuses what is no single and the dialog stays.
    dlg.txtNumber()->setText("10210210213");
    EXPECT_TRUE(dlg.cmdOK()->isEnabled());
    dlg.cmdOK()->click();
    ASSERT_EQ(rec.Messages().size(), 1u);
    EXPECT_EQ(rec.Messages()[0].text, "入力データが異常です。");
    EXPECT_EQ(rec.Messages()[0].icon, MsgIcon::Warning);
    EXPECT_EQ(dlg.result(), 0);

    // Through the tab's button: the typed single is appended and shown on the last page.
    w->SelectTab(1);
    QTimer::singleShot(0, [] {
        auto* d = qobject_cast<frmNumbers*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        d->txtNumber()->setText("21021021021");
        d->cmdOK()->click();
    });
    Tab().cmdSingleAdd2()->click();
    ASSERT_EQ(w->Singles().size(), 1u);
    EXPECT_EQ(w->Singles()[0], DigitsToSingle("21021021021"));
    EXPECT_EQ(CardNumber(0), "1");
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    Tab().cmdSingleAdd2()->click();
    EXPECT_EQ(w->Singles().size(), 1u);
}

TEST_F(SingleTabGuiTest, TheEditMenuWorksTheSelectionOnlyOnTheSingleTab) {
    Open("KMATE-812.csv", {"00000000000", "11111111111"});
    emit w->findChild<QMenu*>(QStringLiteral("mnuEdit"))->aboutToShow();
    for (QAction* a : w->findChildren<QAction*>(QStringLiteral("mnuEdit_Select"))) EXPECT_TRUE(a->isEnabled());
    w->findChildren<QAction*>(QStringLiteral("mnuEdit_Select"))[0]->trigger();
    EXPECT_TRUE(w->TSingle().Selected(0) && w->TSingle().Selected(1));
    w->findChildren<QAction*>(QStringLiteral("mnuEdit_Select"))[1]->trigger();
    EXPECT_FALSE(w->TSingle().Selected(0) || w->TSingle().Selected(1));
    Trigger("mnuEdit_SingleAdd");
    EXPECT_EQ(w->Singles().size(), 3u);
    w->SelectTab(0);
    emit w->findChild<QMenu*>(QStringLiteral("mnuEdit"))->aboutToShow();
    EXPECT_FALSE(w->Action(QStringLiteral("mnuEdit_SingleAdd"))->isEnabled());
    Trigger("mnuEdit_SingleAdd");  // even if reached: the list stays as it is
    EXPECT_EQ(w->Singles().size(), 3u);
}

TEST(SingleCards, GeometryColoursMarksAndTheirTags) {
    QWidget host;
    auto* area = new clsPictureBox(&host);
    clsTSingleDraw draw;
    for (int c = 0; c < 3; ++c)
        for (int look = 0; look < 2; ++look) draw.SetImage(c, look, QPixmap(13, 21));
    draw.Initialize(area);
    EXPECT_EQ(area->size(), QSize(532, 320));
    const QImage img = area->Snapshot();
    const QColor pink(245, 80, 165);
    EXPECT_EQ(img.pixelColor(1, 100), pink);             // the 3-pixel frame
    EXPECT_EQ(img.pixelColor(20, 21), pink);             // the double line under the numbers
    EXPECT_EQ(img.pixelColor(20, 22), pink);
    EXPECT_EQ(img.pixelColor(53, 100), pink);            // between cards 1 and 2
    EXPECT_EQ(img.pixelColor(20, 21 + 3 * 26 + 3), pink);  // after match 3
    EXPECT_EQ(img.pixelColor(20, 100), QColor(253, 214, 201));  // the first card is tinted
    EXPECT_EQ(img.pixelColor(70, 100), QColor(Qt::white));

    CardMark* m = draw.Mark(9, 2, 10);
    EXPECT_EQ(m->Tag(), 9210);
    EXPECT_EQ(m->geometry().topLeft(), QPoint(53 * 9 + 6 + 32, 24 + 10 * 26 + 10));
    EXPECT_EQ(draw.Mark(0, 1, 0)->geometry().left(), 6);  // display order 1, 0, 2
    EXPECT_EQ(draw.Mark(0, 0, 0)->geometry().left(), 22);
    QSignalSpy down(&draw, &clsTSingleDraw::MouseDown);
    QTest::mousePress(m, Qt::RightButton);
    ASSERT_EQ(down.count(), 1);
    EXPECT_EQ(down[0], (QList<QVariant>{9, 2, 10, 2}));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(m)->text(QAccessible::Name), "10 第11試合 2");

    draw.SetMark(4, 0);  // eleven 0s: the middle mark of every row
    EXPECT_EQ(draw.LastMarkChanges(), 11);
    draw.SetMark(4, 0);
    EXPECT_EQ(draw.LastMarkChanges(), 0);
    draw.SetMark(4, DigitsToSingle("00000000002"));
    EXPECT_EQ(draw.LastMarkChanges(), 1);
    EXPECT_EQ(draw.DrawnCode(4, 10), 2);
    draw.SetMark(4, -1);
    EXPECT_EQ(draw.LastMarkChanges(), 11);
    EXPECT_EQ(draw.DrawnCode(4, 0), clsTSingleDraw::NoCode);
    draw.SetNo(4, -1, false);
    EXPECT_EQ(draw.NumberLabel(4)->text(), "");
}

TEST_F(SingleTabGuiTest, ShortcutsAreShownAndActByTheTabRule) {
    const std::vector<std::pair<const char*, QString>> shown = {
        {"mnuFile_New", "Ctrl+N"},          {"mnuFile_Open", "Ctrl+O"},  {"mnuFile_Save", "Ctrl+S"},
        {"mnuFile_SaveAs", "Ctrl+Shift+S"}, {"mnuFile_End", "Ctrl+Q"},   {"mnuEdit_SingleDel", "Del"},
        {"mnuEdit_Undo", "Ctrl+Z"},
    };
    for (const auto& [name, key] : shown)
        EXPECT_EQ(w->Action(QString::fromUtf8(name))->shortcut().toString(), key) << name;
    const auto select = w->findChildren<QAction*>(QStringLiteral("mnuEdit_Select"));
    EXPECT_EQ(select[0]->shortcut().toString(), "Ctrl+A");
    EXPECT_EQ(select[1]->shortcut().toString(), "Ctrl+Shift+A");
    const auto tabs = w->findChildren<QAction*>(QStringLiteral("mnuView_Menu"));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(tabs[i]->shortcut().toString(), QStringLiteral("Ctrl+%1").arg(i + 1));

    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    auto key = [this](Qt::Key k, Qt::KeyboardModifiers m = Qt::ControlModifier) { QTest::keyClick(w.get(), k, m); };
    WriteBytes(users / "keys.csv", CsvLine("00000000000") + CsvLine("11111111111") + CsvLine("22222222222"));
    answer = QString::fromStdString((users / "keys.csv").string());
    key(Qt::Key_O);
    ASSERT_EQ(w->Singles().size(), 3u);
    ASSERT_EQ(w->CurrentTab(), 1);
    key(Qt::Key_A);
    EXPECT_TRUE(w->TSingle().Selected(0) && w->TSingle().Selected(2));
    key(Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(w->TSingle().Selected(0) || w->TSingle().Selected(2));

    // The Edit menu opened on the Home tab leaves the shortcuts to the tab shown when pressed.
    key(Qt::Key_A);
    key(Qt::Key_1);
    EXPECT_EQ(w->CurrentTab(), 0);
    emit w->findChild<QMenu*>(QStringLiteral("mnuEdit"))->aboutToShow();
    rec.answers = {true};
    key(Qt::Key_Delete, Qt::NoModifier);
    EXPECT_EQ(w->Singles().size(), 3u);
    key(Qt::Key_2);
    EXPECT_EQ(w->CurrentTab(), 1);
    w->TSingle().SetAllSelect(false);
    emit Tab().Draw().NoClick(1);
    key(Qt::Key_Delete, Qt::NoModifier);
    ASSERT_EQ(w->Singles().size(), 2u);
    key(Qt::Key_S);
    EXPECT_EQ(ReadBytes(users / "keys.csv"), CsvLine("00000000000") + CsvLine("22222222222"));
    key(Qt::Key_3);
    EXPECT_EQ(w->CurrentTab(), 2);
}
