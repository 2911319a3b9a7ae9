#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QGuiApplication>
#include <filesystem>

#include "common/TestSupport.h"
#include "drawdata/clsXmlSchedule.h"
#include "shell/gui/Startup.h"
#include "shell/gui/frmMain.h"
#include "support/Clock.h"

using namespace kujimate;
using namespace kujimate::test;
namespace fs = std::filesystem;

namespace {

class FakeSchedulePage : public SchedulePageParser {
public:
    ScheduleRecord record;
    bool GetSchedule(int32_t, const std::string&, OwnerWindow) override { return true; }
    ScheduleRecord GetRecord() const override { return record; }
    bool Unpublished() const override { return false; }
    bool ProgressOpen() const override { return true; }
    void ProgressOpen(bool) override {}
    bool ProgressClose() const override { return true; }
    void ProgressClose(bool) override {}
};

QStringList Captions(QMenu* m) {
    QStringList out;
    for (QAction* a : m->actions()) out << (a->isSeparator() ? QStringLiteral("-") : a->isVisible() ? a->text() : QStringLiteral("(hidden)"));
    return out;
}

}  // namespace

class MainWindowTest : public ProgramFolderTest {
protected:
    void SetUp() override { SetClock(&clock); }
    void TearDown() override {
        if (w) w->close();
        SetClock(nullptr);
    }
    void Start(int32_t draw) {
        WriteSjisLines(folder / "SysData/KUJIMATE.ini", {"Kaisaikai = " + std::to_string(draw)});
        w = StartMain();
        ASSERT_NE(w, nullptr);
    }
    void StoreGolden(const std::string& kind) {
        fs::create_directories(folder / ("SysData/BIG1000_" + kind));
        std::string lower = kind;
        lower[0] = static_cast<char>(std::tolower(lower[0]));
        fs::copy_file(Fixture("drawdata/big1000_" + lower + "_812.xml"),
                      folder / ("SysData/BIG1000_" + kind) / ("big1000_" + lower + "_812.xml"));
    }
    FixedClock clock{Date::FromYmdHns(2024, 3, 14, 12, 0, 0)};
    std::unique_ptr<frmMain> w;
};

TEST_F(MainWindowTest, MenuBarHasEveryCommandWithItsCaption) {
    Start(1);
    QStringList bar;
    for (QAction* a : w->menuBar()->actions()) bar << a->text();
    EXPECT_EQ(bar, (QStringList{"ファイル(&F)", "編集(&E)", "表示(&V)", "ツール(&T)", "ヘルプ(&H)"}));
    auto menu = [&](int i) { return w->menuBar()->actions()[i]->menu(); };
    EXPECT_EQ(Captions(menu(0)), (QStringList{"新規作成(&N)", "開く(&O)...", "上書き保存(&S)", "名前を付けて保存(&A)...", "-", "最近使ったファイル(&R)", "-", "終了(&X)"}));
    EXPECT_EQ(menu(1)->actions()[0]->text(), "元に戻す(&U)");
    EXPECT_EQ(menu(1)->actions()[1]->text(), "やり直し(&R)");
    EXPECT_TRUE(menu(1)->actions()[2]->isSeparator());
    QMenu* sort = menu(1)->actions()[3]->menu();
    ASSERT_NE(sort, nullptr);
    EXPECT_EQ(menu(1)->actions()[3]->text(), "シングル並べ替え(S)");
    EXPECT_EQ(Captions(sort), (QStringList{"１等推定金額", "２等推定金額", "３等推定金額", "-", "ホーム勝ち", "その他",
                                           "アウェイ勝ち", "(hidden)", "-", "１番人気", "２番人気", "３番人気",
                                           "(hidden)", "-", "当せん数", "-", "昇順で並べ替える"}));
    EXPECT_TRUE(w->Action("mnuEdit_Sort_Order")->isChecked());
    EXPECT_EQ(Captions(menu(2)), (QStringList{"ホーム(&H)", "シングル(&S)", "チェック(&C)", "-", "シングル構成を％で表示"}));
    EXPECT_EQ(Captions(menu(4)), (QStringList{"オンラインマニュアル(&O)", "バージョン情報(&A)..."}));
    QMenu* copy = menu(3)->actions()[0]->menu();
    EXPECT_EQ(Captions(copy), (QStringList{"買い目（１口が行）", "買い目（１口が列）"}));
    // Selection, add and delete items only on the Single tab.
    emit menu(1)->aboutToShow();
    EXPECT_FALSE(w->Action("mnuEdit_SingleAdd")->isEnabled());
    w->SelectTab(1);
    emit menu(1)->aboutToShow();
    EXPECT_TRUE(w->Action("mnuEdit_SingleAdd")->isEnabled());
}

TEST_F(MainWindowTest, StartsOnTheSavedDrawWithItsPanelAndButtons) {
    StoreGolden("Schedule");
    StoreGolden("Vote");
    Start(812);
    EXPECT_EQ(w->txtScheduleNo()->text(), "812");
    EXPECT_EQ(w->txtScheduleNo()->selectedText(), "812");
    EXPECT_EQ(w->CurrentTab(), 0);
    EXPECT_TRUE(w->Action("mnuView_Menu")->isChecked());
    EXPECT_TRUE(w->picMain(0)->isVisible());
    EXPECT_FALSE(w->picMain(1)->isVisible());
    EXPECT_EQ(w->StatusText(), " 第 812 回 　使用投票率：2024/03/16 (最終)");
    EXPECT_TRUE(w->picKaisai()->isVisible());
    EXPECT_EQ(w->lblKaisaiStatus()->text(), "販売締切まで あと 2日 1時間50分");
    EXPECT_EQ(w->lblKaisaiList(0)->text(), "2024年03月09日(土) ");
    EXPECT_EQ(w->lblKaisaiList(1)->text(), "2024年03月16日(土) 13:50:00");
    EXPECT_FALSE(w->cmdOfficialDownload(0)->isEnabled());
    EXPECT_FALSE(w->cmdOfficialDownload(1)->isEnabled());
    EXPECT_TRUE(w->cmdOfficialDownload(2)->isEnabled());
    EXPECT_EQ(w->lblVersion()->text(), "Version 1.00  [Final Version]");

    // Another draw without data: panel hidden, status without vote part.
    w->txtScheduleNo()->setText("813");
    EXPECT_FALSE(w->picKaisai()->isVisible());
    EXPECT_EQ(w->StatusText(), " 第 813 回 ");
    EXPECT_TRUE(w->cmdOfficialDownload(0)->isEnabled());
    EXPECT_TRUE(rec.Messages().empty());
}

TEST_F(MainWindowTest, TheDrawEntryTakesDigitsAndSteps) {
    Start(1);
    QLineEdit* e = w->txtScheduleNo();
    e->clear();
    EXPECT_EQ(w->Kaisaikai(), -1);
    EXPECT_EQ(w->StatusText(), " 第   回 ");
    QTest::keyClicks(e, "0a5");
    EXPECT_EQ(e->text(), "5");
    QTest::keyClick(e, Qt::Key_Up);
    EXPECT_EQ(e->text(), "6");
    QTest::keyClick(e, Qt::Key_PageUp);
    EXPECT_EQ(e->text(), "9999");
    QTest::keyClick(e, Qt::Key_Up);
    EXPECT_EQ(e->text(), "9999");
    QTest::keyClick(e, Qt::Key_PageDown);
    EXPECT_EQ(e->text(), "0");
    e->setText("12345");
    EXPECT_EQ(e->text(), "9999");
    EXPECT_EQ(w->Kaisaikai(), 9999);
}

TEST_F(MainWindowTest, OfficialDownloadsAskStoreAndDisableTheirButton) {
    Start(0);
    w->OfficialDownload(0);
    ASSERT_EQ(rec.Messages().size(), 1u);
    EXPECT_EQ(rec.Messages()[0].text, "開催回を設定して下さい");
    EXPECT_EQ(rec.Messages()[0].icon, MsgIcon::Information);
    rec.Clear();

    clsXmlSchedule golden;
    ASSERT_TRUE(golden.XmlLoad(Fixture("drawdata/big1000_schedule_812.xml")));
    auto page = std::make_unique<FakeSchedulePage>();
    page->record = golden.GetRecord();
    w->TMain().ScheduleSource().SetParser(std::move(page));
    w->txtScheduleNo()->setText("812");
    w->chkDownload()->setChecked(true);
    rec.answers = {true};
    QTest::mouseClick(w->cmdOfficialDownload(0), Qt::LeftButton);
    ASSERT_EQ(rec.Messages().size(), 1u);
    EXPECT_EQ(rec.Messages()[0].text, "インターネットより 開催情報 をダウンロードします。よろしいですか？");
    EXPECT_TRUE(fs::exists(folder / "SysData/BIG1000_Schedule/big1000_schedule_812.xml"));
    EXPECT_FALSE(w->cmdOfficialDownload(0)->isEnabled());
    EXPECT_EQ(w->Schedule().DrawNo, 812);
    EXPECT_TRUE(w->picKaisai()->isVisible());

    // Without the tick nothing is asked; an empty entry runs the flow and reports its failure.
    w->chkDownload()->setChecked(false);
    w->txtScheduleNo()->clear();
    rec.Clear();
    w->OfficialDownload(2);
    ASSERT_EQ(rec.Messages().size(), 1u);
    EXPECT_EQ(rec.Messages()[0].text, "インターネットよりダウンロードに失敗しました。");
}

TEST_F(MainWindowTest, TabsSwitchButNotWhileBusy) {
    Start(1);
    w->SelectTab(2);
    EXPECT_EQ(w->CurrentTab(), 2);
    EXPECT_TRUE(w->picMain(2)->isVisible());
    EXPECT_FALSE(w->picMain(0)->isVisible());
    w->SetBusy(true);
    w->Action("mnuView_Menu")->trigger();  // ホーム
    EXPECT_EQ(w->CurrentTab(), 2);
    w->SetBusy(false);
    w->Action("mnuView_Menu")->trigger();
    EXPECT_EQ(w->CurrentTab(), 0);
}

TEST_F(MainWindowTest, NewClearsTheListAndShowsHome) {
    Start(700);
    w->SelectTab(1);
    w->Action("mnuFile_New")->trigger();
    EXPECT_EQ(w->CurrentTab(), 0);
    EXPECT_TRUE(w->Singles().empty());
    EXPECT_EQ(w->windowTitle(), " Kasumiworks  KUJIMATE");
    EXPECT_EQ(w->Kaisaikai(), 700);
}

TEST_F(MainWindowTest, OnASmallScreenTheWindowTakesTheWorkAreaAndTheContentScrolls) {
    Start(99999);
    EXPECT_EQ(w->txtScheduleNo()->text(), "9999");  // the saved number is limited to the entry's range
    QScreen* s = QGuiApplication::primaryScreen();
    ASSERT_NE(s, nullptr);
    if (s->geometry().width() >= 1024) GTEST_SKIP() << "the test screen is large";
    EXPECT_LE(w->frameGeometry().width(), s->availableGeometry().width());
    auto* scroller = w->findChild<QScrollArea*>("clsFormScroll");
    ASSERT_NE(scroller, nullptr);
    EXPECT_GT(scroller->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(w->findChild<QWidget*>("picForm")->width(), 1005);
}
