#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>

#include "common/TestSupport.h"
#include "shell/gui/Startup.h"
#include "shell/gui/frmMain.h"

using namespace kujimate;
using namespace kujimate::test;

class ListCommandsTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        w = StartMain();
        ASSERT_NE(w, nullptr);
    }
    void TearDown() override {
        if (w) w->close();
    }
    void Import(const QString& text) {
        QApplication::clipboard()->setText(text);
        w->Action("mnuTool_ClipImport_Class")->trigger();
    }
    std::unique_ptr<frmMain> w;
};

TEST_F(ListCommandsTest, ImportDedupeSortAndCopyWorkOnTheWindowsList) {
    Import("10210210210\r\n11111111111\r\nnot a single\r\n10210210210\r\n");
    ASSERT_EQ(w->Singles().size(), 3u);
    EXPECT_EQ(w->CurrentTab(), 2);
    ASSERT_EQ(rec.Messages().size(), 1u);
    EXPECT_EQ(rec.Messages()[0].text, "3口取り込みしました");
    rec.Clear();

    w->SelectTab(0);
    w->Action("mnuEdit_JSingleDel")->trigger();
    EXPECT_EQ(w->Singles().size(), 2u);
    EXPECT_EQ(w->CurrentTab(), 2);
    EXPECT_EQ(rec.Messages().size(), 1u);

    // Fewest home wins first when ascending.
    QMenu* sort = w->findChild<QMenu*>("mnuEdit_Sort");
    sort->actions()[4]->trigger();  // ホーム勝ち
    EXPECT_EQ(w->Singles()[0] % 3, 1);  // 10210210210: match 1 is a home win, four in all
    EXPECT_NE(w->Singles()[1], w->Singles()[0]);
    const int32_t first = w->Singles()[0];
    w->Action("mnuEdit_Sort_Order")->trigger();  // descending now
    sort->actions()[4]->trigger();
    EXPECT_NE(w->Singles()[0], first);

    rec.Clear();
    w->Action("mnuTool_Clipboard_Class")->trigger();
    EXPECT_FALSE(QApplication::clipboard()->text().isEmpty());
    ASSERT_EQ(rec.Messages().size(), 1u);
    EXPECT_EQ(rec.Messages()[0].text, "クリップボードへコピーしました");
}

TEST_F(ListCommandsTest, PayoutAndPopularitySortsNeedAVoteRecord) {
    QMenu* edit = w->menuBar()->actions()[1]->menu();
    emit edit->aboutToShow();
    for (QAction* a : w->findChildren<QAction*>("mnuEdit_Sort_Money")) EXPECT_FALSE(a->isEnabled());
    for (QAction* a : w->findChildren<QAction*>("mnuEdit_Sort_Ninki")) EXPECT_FALSE(a->isEnabled());
    for (QAction* a : w->findChildren<QAction*>("mnuEdit_Sort_Mark")) {
        if (a->isVisible()) {
            EXPECT_TRUE(a->isEnabled());
        }
    }
    EXPECT_FALSE(w->Action("mnuEdit_Sort_Result")->isEnabled());
    w->SelectTab(2);
    emit edit->aboutToShow();
    EXPECT_TRUE(w->Action("mnuEdit_Sort_Result")->isEnabled());
    // Nothing to import: the list stays and the tab does not change.
    Import("nothing here");
    EXPECT_TRUE(w->Singles().empty());
    EXPECT_TRUE(rec.Messages().empty());
}
