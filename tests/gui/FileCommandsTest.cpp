#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <filesystem>

#include "common/TestSupport.h"
#include "shell/gui/Startup.h"
#include "shell/gui/clsCommonDialog.h"
#include "shell/gui/frmMain.h"

using namespace kujimate;
using namespace kujimate::test;
namespace fs = std::filesystem;

class FileCommandsTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        WriteSjisLines(folder / "SysData/KUJIMATE.ini", {"Kaisaikai = 700"});
        clsCommonDialog::SetScript([this](const clsCommonDialog::Request& r) {
            requests.push_back(r);
            return answer;
        });
        w = StartMain();
        ASSERT_NE(w, nullptr);
        users = folder / "UserData/KUJIMATE";
    }
    void TearDown() override {
        clsCommonDialog::SetScript(nullptr);
        if (w) w->close();
    }
    void Trigger(const char* name) { w->Action(QString::fromUtf8(name))->trigger(); }
    std::unique_ptr<frmMain> w;
    std::vector<clsCommonDialog::Request> requests;
    QString answer;
    fs::path users;
};

TEST_F(FileCommandsTest, OpenTakesTheListAndTheDrawFromTheFile) {
    WriteBytes(users / "KMATE-812.csv", "1,0,2,1,0,2,1,0,2,1,0\r\n2,2,2,2,2,2,2,2,2,2,2\r\n0,0,0,0,0,0,0,0,0,0,0\r\n");
    answer.clear();
    Trigger("mnuFile_Open");  // cancelled: nothing changes
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].title, "ファイルを開く");
    EXPECT_EQ(requests[0].filter, "CSVファイル(*.csv)");
    EXPECT_EQ(requests[0].dir, QString::fromStdString((users).string()));
    EXPECT_EQ(requests[0].defaultName, "KMATE-700.csv");
    EXPECT_EQ(w->CurrentTab(), 0);

    answer = QString::fromStdString((users / "KMATE-812").string());  // typed without extension
    Trigger("mnuFile_Open");
    EXPECT_EQ(w->Singles().size(), 3u);
    EXPECT_EQ(w->Kaisaikai(), 812);
    EXPECT_EQ(w->txtScheduleNo()->text(), "812");
    EXPECT_EQ(w->CurrentTab(), 1);
    EXPECT_EQ(w->windowTitle(), " Kasumiworks  KUJIMATE - [KMATE-812.csv]");
    EXPECT_TRUE(rec.Messages().empty());

    Trigger("mnuFile_New");
    EXPECT_TRUE(w->Singles().empty());
    EXPECT_EQ(w->CurrentTab(), 0);
    EXPECT_EQ(w->windowTitle(), " Kasumiworks  KUJIMATE");
    EXPECT_EQ(w->Kaisaikai(), 812);
}

TEST_F(FileCommandsTest, AFailedOpenLeavesNoFileToSaveOver) {
    WriteBytes(users / "list.csv", "1,0,2,1,0,2,1,0,2,1,x\r\n");
    answer = QString::fromStdString((users / "list.csv").string());
    Trigger("mnuFile_Open");
    EXPECT_FALSE(rec.Messages().empty());  // the file's own report
    EXPECT_TRUE(w->Singles().empty());
    EXPECT_EQ(w->CurrentTab(), 1);
    EXPECT_EQ(w->CurrentFile(), "");
    EXPECT_EQ(w->windowTitle(), " Kasumiworks  KUJIMATE");
    EXPECT_EQ(w->Kaisaikai(), 700);  // no draw in the name
    // Save now asks for a name instead of overwriting the unreadable file.
    answer.clear();
    requests.clear();
    Trigger("mnuFile_Save");
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_TRUE(requests[0].save);
    EXPECT_EQ(ReadBytes(users / "list.csv"), "1,0,2,1,0,2,1,0,2,1,x\r\n");
}

TEST_F(FileCommandsTest, SaveWithoutAFileIsSaveAsAndExtensionsAreChecked) {
    WriteBytes(users / "KMATE-700.csv", "1,1,1,1,1,1,1,1,1,1,1\r\n");
    answer = QString::fromStdString((users / "KMATE-700.csv").string());
    Trigger("mnuFile_Open");
    ASSERT_EQ(w->Singles().size(), 1u);

    struct Case {
        const char* typed;
        const char* stored;
    };
    for (auto c : {Case{"mine", "mine.csv"}, Case{"UPPER.CSV", "UPPER.CSV"}, Case{"note.txt", "note.txt.csv"}}) {
        requests.clear();
        answer = QString::fromStdString((users / c.typed).string());
        Trigger("mnuFile_SaveAs");
        ASSERT_EQ(requests.size(), 1u);
        EXPECT_EQ(requests[0].title, "名前を付けて保存");
        EXPECT_TRUE(fs::exists(users / c.stored)) << c.typed;
        EXPECT_EQ(ReadBytes(users / c.stored), "1,1,1,1,1,1,1,1,1,1,1\r\n");
        EXPECT_EQ(w->windowTitle(), QStringLiteral(" Kasumiworks  KUJIMATE - [%1]").arg(c.stored));
    }
    // Save writes into the current file without asking.
    requests.clear();
    fs::remove(users / "note.txt.csv");
    Trigger("mnuFile_Save");
    EXPECT_TRUE(requests.empty());
    EXPECT_TRUE(fs::exists(users / "note.txt.csv"));
    EXPECT_TRUE(rec.Messages().empty());
}
