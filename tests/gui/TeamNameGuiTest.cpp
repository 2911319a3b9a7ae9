#include <gtest/gtest.h>

#include <QApplication>
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <cstdlib>

#include "common/LocalServer.h"
#include "common/TestSupport.h"
#include "refdata/clsTotoData.h"
#include "refdata/gui/frmTeamName.h"
#include "shell/gui/Startup.h"
#include "shell/gui/frmMain.h"
#include "support/Encoding.h"

using namespace kujimate;
using namespace kujimate::test;

class TeamNameGuiTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        w = StartMain();
        ASSERT_NE(w, nullptr);
    }
    void TearDown() override {
        if (w) w->close();
        unsetenv("KUJIMATE_MAKER_SITE");
    }
    std::unique_ptr<frmMain> w;
};

TEST_F(TeamNameGuiTest, TheUserButtonOffersTheMissingNameAndAddsIt) {
    LastMissingTeamName = "ウルヴァーハンプトン";
    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<frmTeamName*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        shown = true;
        EXPECT_EQ(d->windowTitle(), "チーム名（ユーザー定義）");
        EXPECT_EQ(d->txtMeisho()->text(), "ウルヴァーハンプトン");
        EXPECT_EQ(d->txtRyakusho()->text(), "ｳﾙｳﾞｧｰﾊﾝﾌﾟﾄﾝ");  // narrowed, still too long
        d->cmdAdd()->click();
        EXPECT_TRUE(d->isVisible());  // refused: the dialog stays
        d->txtRyakusho()->setText("ｳﾙﾌﾞｽ");
        d->cmdAdd()->click();
    });
    w->findChild<QPushButton*>(QStringLiteral("cmdUser2"))->click();
    EXPECT_TRUE(shown);
    EXPECT_EQ(ReadBytes(folder / "SysData/TeamName3.dat"),
              ";Kasumiworks TeamName User Data File (TeamName3.dat)\r\n" +
                  Utf8ToCp932("ｳﾙﾌﾞｽ  = ウルヴァーハンプトン") + "\r\n");
    EXPECT_EQ(LastMissingTeamName, "");
}

TEST_F(TeamNameGuiTest, TheMakerButtonUpdatesTheOverseasNames) {
    const std::string names = Utf8ToCp932("Version = 9\r\nRevision = 01\r\nｳﾙﾌﾞｽ = ウルヴァーハンプトン\r\n[End]\r\n");
    LocalServer server;
    server.server.Get("/download/2021/version.dat", [](const httplib::Request&, httplib::Response& res) {
        res.set_content("TeamName2.dat = 9.01\r\n[VersionEnd]\r\n", "text/plain");
    });
    server.server.Get("/download/2021/TeamName2.dat", [&](const httplib::Request&, httplib::Response& res) {
        res.set_content(names, "text/plain");
    });
    server.Start();
    setenv("KUJIMATE_MAKER_SITE", server.Base().c_str(), 1);
    w->chkDownload()->setChecked(false);
    w->SetBusy(true);
    w->findChild<QPushButton*>(QStringLiteral("cmdKasumiworksDownload"))->click();  // busy: nothing
    EXPECT_TRUE(rec.Messages().empty());
    w->SetBusy(false);
    w->Action(QStringLiteral("mnuTool_TeamNameDownload"))->trigger();
    ASSERT_FALSE(rec.Messages().empty());
    EXPECT_EQ(rec.Messages().back().text, "海外チーム名を最新版に更新しました。");
    EXPECT_EQ(ReadBytes(folder / "SysData/TeamName2.dat"), names);
    EXPECT_EQ(clsTotoData().GetShortTeamName("ウルヴァーハンプトン", 900), "ｳﾙﾌﾞｽ");
}
