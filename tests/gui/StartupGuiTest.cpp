#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QLineEdit>
#include <filesystem>

#include "common/TestSupport.h"
#include "shell/gui/Pictures.h"
#include "shell/gui/Startup.h"
#include "shell/gui/frmMain.h"
#include "support/Encoding.h"
#include "support/Text.h"
#include "support/basStandard.h"

using namespace kujimate;
using namespace kujimate::test;
namespace fs = std::filesystem;

TEST(Startup, RefusesToStartWithoutItsDictionaries) {
    TempProgramFolder pf(true);
    RecordingReporter rec;
    fs::remove(pf / "SysData/TeamName1.dat");
    fs::remove(pf / "SysData/J1J2.dat");
    EXPECT_EQ(StartMain(), nullptr);
    auto m = rec.Messages();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].text, "データファイル(TeamName1.dat)が見つかりません");
    EXPECT_EQ(m[0].icon, MsgIcon::Error);
    EXPECT_EQ(m[0].caption, "KUJIMATE");
    // Nothing was written.
    EXPECT_FALSE(fs::exists(pf / "SysData/bigSettings.ini"));
    EXPECT_FALSE(fs::exists(pf / "UserData"));
}

TEST(Startup, OpensTheMainWindowAndWritesTheSettingsWhenItCloses) {
    TempProgramFolder pf(true);
    RecordingReporter rec;
    WriteSjisLines(pf / "SysData/KUJIMATE.ini", {"Kaisaikai = 0812", "DownloadMessage = 0", "Unknown = dropped"});
    auto w = StartMain();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(rec.Messages().empty());
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), QStringLiteral(" Kasumiworks  KUJIMATE"));
    EXPECT_EQ(w->txtScheduleNo()->text(), QStringLiteral("812"));
    EXPECT_EQ(w->txtScheduleNo()->selectedText(), QStringLiteral("812"));
    EXPECT_FALSE(w->chkDownload()->isChecked());
    EXPECT_TRUE(fs::is_directory(pf / "UserData/KUJIMATE"));
    EXPECT_EQ(SplitCrLf(Cp932ToUtf8(ReadBytes(pf / "SysData/bigSettings.ini"))).size(), 23u);

    w->chkResultAll()->setChecked(true);
    w->txtScheduleNo()->setText(QString());
    w->SetBusy(true);
    EXPECT_FALSE(w->close());  // refused while busy
    EXPECT_TRUE(w->isVisible());
    w->SetBusy(false);
    EXPECT_TRUE(w->close());
    const std::string expected = ";Kasumiworks KUJIMATE Ini File (KUJIMATE.ini)\r\n;" + GetLegalNotice() +
                                 "\r\n\r\nKaisaikai = -1\r\nDownloadMessage = 0\r\nResultAll = 1\r\n";
    EXPECT_EQ(ReadBytes(pf / "SysData/KUJIMATE.ini"), Utf8ToCp932(expected));
}

TEST(Startup, ADrawNumberOutOfRangeIsClampedIntoTheEntry) {
    TempProgramFolder pf(true);
    RecordingReporter rec;
    WriteSjisLines(pf / "SysData/KUJIMATE.ini", {"Kaisaikai = -1"});
    auto w = StartMain();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->txtScheduleNo()->text(), QStringLiteral("0"));
    EXPECT_FALSE(fs::exists(pf / "SysData/TeamName3.dat"));
    w->close();
}

TEST(QtTexts, TheOpenDialogSpeaksJapanese) {
    QFileDialog dialog(nullptr, QStringLiteral("ファイルを開く"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    QStringList labels;
    for (QLabel* l : dialog.findChildren<QLabel*>()) labels << l->text();
    for (QPushButton* b : dialog.findChildren<QPushButton*>()) labels << b->text();
    EXPECT_TRUE(labels.contains(QStringLiteral("ファイル名(&N):"))) << labels.join(QStringLiteral(" | ")).toStdString();
    EXPECT_EQ(dialog.windowTitle(), "ファイルを開く");  // our own caption stays
}

TEST(AppIconTest, TheIconComesInEverySizeTheDesktopAsksFor) {
    const QIcon icon = AppIcon();
    for (int s : {16, 32, 48, 256}) EXPECT_TRUE(icon.availableSizes().contains(QSize(s, s))) << s;
    EXPECT_FALSE(QApplication::windowIcon().isNull());
}
