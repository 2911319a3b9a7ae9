#include <gtest/gtest.h>

#include <QListWidget>
#include <QWidget>

#include "site/gui/frmWinInet.h"

using namespace kujimate;

TEST(WinInetWindow, KeepsTheLogWithTheLastLineInView) {
    QWidget owner;
    owner.resize(600, 400);
    owner.show();
    frmWinInet w;
    w.Show(&owner);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.windowTitle(), "インターネット接続");
    w.AddLine(" 第1524回 開催情報取得中 (オフィシャル)");
    w.AddLine(" [コネクション開始]");
    w.AddLine(" 受信中 ");
    for (int i = 0; i < 3; ++i) w.AppendToLastLine(".");
    w.AddLine(" [コネクション終了]");
    ASSERT_EQ(w.lstMsg()->count(), 4);
    EXPECT_EQ(w.lstMsg()->item(2)->text(), " 受信中 ...");
    EXPECT_EQ(w.lstMsg()->currentRow(), 3);
    w.Unload(&owner);
    EXPECT_FALSE(w.isVisible());
    w.Show(&owner);  // a new fetch starts a fresh log
    EXPECT_EQ(w.lstMsg()->count(), 0);
}
