#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <filesystem>

#include "common/TestSupport.h"
#include "shell/RecentFiles.h"
#include "shell/gui/Startup.h"
#include "shell/gui/clsCommonDialog.h"
#include "shell/gui/frmMain.h"
#include "singles/clsTFileCSV.h"
#include "ui/gui/clsClickLabel.h"
#include "views/gui/SingleTab.h"
#include "views/gui/clsTSingleDraw.h"

using namespace kujimate;
using namespace kujimate::test;
namespace fs = std::filesystem;

namespace {
constexpr const char* SaveQuestion = "シングルリストは変更されています。保存しますか？";
const QString Plain = QStringLiteral(" Kasumiworks  KUJIMATE");

// What the mouse gives for a double click: press, release, the double click, release.
void DoubleClick(QWidget* w) {
    QTest::mousePress(w, Qt::LeftButton);
    QTest::mouseRelease(w, Qt::LeftButton);
    QTest::mouseDClick(w, Qt::LeftButton);
    QTest::mouseRelease(w, Qt::LeftButton);
}
}  // namespace

// The user's list kept safe: the changed state, the save question, undo and redo, the
// recovery copy and the ways a file comes in from outside.
class DocumentGuiTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        WriteSjisLines(folder / "SysData/KUJIMATE.ini", {"Kaisaikai = 700"});
        clsCommonDialog::SetScript([this](const clsCommonDialog::Request& r) {
            requests.push_back(r);
            return answer;
        });
        users = folder / "UserData/KUJIMATE";
        w = StartMain();
        ASSERT_NE(w, nullptr);
    }
    void TearDown() override {
        clsCommonDialog::SetScript(nullptr);
        rec.defaultChoice = Answer::No;
        if (w) w->close();
    }
    void Trigger(const char* name) { w->Action(QString::fromUtf8(name))->trigger(); }
    void Open(const fs::path& p) {
        answer = QString::fromStdString(p.string());
        Trigger("mnuFile_Open");
    }
    std::vector<int32_t> FileList(const fs::path& p) {
        QuietReports quiet;
        int32_t n = 0;
        std::vector<int32_t> l;
        if (!clsTFileCSV().CsvLoad(p.string(), n, l)) return {-1};
        l.resize(static_cast<size_t>(n));
        return l;
    }
    int Questions() const {
        int n = 0;
        for (const auto& m : rec.Messages()) n += m.text == SaveQuestion;
        return n;
    }
    std::unique_ptr<frmMain> w;
    std::vector<clsCommonDialog::Request> requests;
    QString answer;
    fs::path users;
};

TEST_F(DocumentGuiTest, AChangedListIsNeverGivenUpUnasked) {
    WriteBytes(users / "KMATE-812.csv", "1,0,2,1,0,2,1,0,2,1,0\r\n2,2,2,2,2,2,2,2,2,2,2\r\n");
    Open(users / "KMATE-812.csv");
    ASSERT_EQ(w->Singles().size(), 2u);
    EXPECT_EQ(w->windowTitle(), Plain + " - [KMATE-812.csv]");
    EXPECT_EQ(Questions(), 0);

    w->SingleView().cmdSingleAdd()->click();
    ASSERT_EQ(w->Singles().size(), 3u);
    EXPECT_EQ(w->windowTitle(), Plain + " - [KMATE-812.csv]*");

    // Cancel (and Escape) keeps the window and the list.
    rec.choices = {Answer::Cancel};
    EXPECT_FALSE(w->close());
    ASSERT_EQ(Questions(), 1);
    const auto q = rec.Messages().back();
    EXPECT_EQ(q.caption, "KUJIMATE");
    EXPECT_EQ(q.icon, MsgIcon::Question);
    EXPECT_EQ(w->Singles().size(), 3u);

    // New and Open ask as well; Cancel stops them before the dialog.
    rec.choices = {Answer::Cancel, Answer::Cancel};
    Trigger("mnuFile_New");
    requests.clear();
    Trigger("mnuFile_Open");
    EXPECT_TRUE(requests.empty());
    EXPECT_EQ(w->Singles().size(), 3u);
    EXPECT_EQ(Questions(), 3);

    // Yes saves into the current file, then goes on.
    const std::vector<int32_t> before = w->Singles();
    rec.choices = {Answer::Yes};
    Trigger("mnuFile_New");
    EXPECT_EQ(FileList(users / "KMATE-812.csv"), before);
    EXPECT_TRUE(w->Singles().empty());
    EXPECT_EQ(w->windowTitle(), Plain);

    // An unchanged list is never asked about.
    rec.Clear();
    Trigger("mnuFile_New");
    EXPECT_EQ(Questions(), 0);
}

TEST_F(DocumentGuiTest, YesWithoutAFileIsSaveAsAndAFailedOrCancelledSaveStopsTheCommand) {
    w->SelectTab(1);
    w->SingleView().cmdSingleAdd()->click();
    EXPECT_EQ(w->windowTitle(), Plain + "*");

    // The Save As dialog cancelled: nothing is lost, the window stays.
    rec.choices = {Answer::Yes};
    answer.clear();
    EXPECT_FALSE(w->close());
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_TRUE(requests[0].save);
    EXPECT_EQ(w->Singles().size(), 1u);

    // A save that fails claims no path and keeps the list changed.
    WriteBytes(users / "plain-file", "x");
    answer = QString::fromStdString((users / "plain-file" / "list.csv").string());
    rec.choices = {Answer::Yes};
    Trigger("mnuFile_New");
    EXPECT_EQ(w->Singles().size(), 1u);
    EXPECT_EQ(w->CurrentFile(), "");
    EXPECT_EQ(w->windowTitle(), Plain + "*");
    answer = QString::fromStdString((users / "plain-file" / "other").string());
    Trigger("mnuFile_SaveAs");
    EXPECT_EQ(w->CurrentFile(), "");
    EXPECT_TRUE(w->Document().IsChanged());

    // A good name: saved, unchanged, the caption names the file.
    answer = QString::fromStdString((users / "mine").string());
    rec.choices = {Answer::Yes};
    EXPECT_TRUE(w->close());
    EXPECT_EQ(FileList(users / "mine.csv"), (std::vector<int32_t>{0}));
    w.reset();
}

TEST_F(DocumentGuiTest, UndoAndRedoWalkEveryKindOfChangeAndSaveWhatIsShown) {
    WriteBytes(users / "list.csv",
               "1,0,2,1,0,2,1,0,2,1,0\r\n2,2,2,2,2,2,2,2,2,2,2\r\n0,0,0,0,0,0,0,0,0,0,0\r\n"
               "1,1,1,1,1,1,1,1,1,1,1\r\n2,2,2,2,2,2,2,2,2,2,2\r\n");
    Open(users / "list.csv");
    QAction* undo = w->Action("mnuEdit_Undo");
    QAction* redo = w->Action("mnuEdit_Redo");
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());
    EXPECT_EQ(undo->shortcut(), QKeySequence("Ctrl+Z"));
    EXPECT_EQ(redo->shortcuts(), (QList<QKeySequence>{QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));

    std::vector<std::vector<int32_t>> shown{w->Singles()};
    std::vector<SingleFrame> frames{w->Frame()};
    auto step = [&] {
        shown.push_back(w->Singles());
        frames.push_back(w->Frame());
    };
    w->TSingle().MouseDown(0, 2, 0, 1);  // a mark press
    step();
    w->SingleView().cmdSingleAdd()->click();
    step();
    w->TSingle().NoClick(1);
    rec.answers = {true};
    w->SingleView().cmdSingleDel()->click();
    step();
    rec.Clear();
    Trigger("mnuEdit_JSingleDel");
    step();
    w->findChild<QMenu*>("mnuEdit_Sort")->actions()[4]->trigger();  // home wins
    step();
    QApplication::clipboard()->setText("10210210210\r\n22222222222\r\n");
    Trigger("mnuTool_ClipImport_Class");
    step();
    for (size_t i = 1; i < shown.size(); ++i) ASSERT_NE(shown[i], shown[i - 1]) << i;
    EXPECT_TRUE(undo->isEnabled());

    for (size_t i = shown.size() - 1; i > 0; --i) {
        undo->trigger();
        ASSERT_EQ(w->Singles(), shown[i - 1]) << i;
        ASSERT_EQ(w->Frame(), frames[i - 1]) << i;
    }
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(w->windowTitle(), Plain + " - [list.csv]");  // back at the saved list
    for (size_t i = 1; i < shown.size(); ++i) {
        redo->trigger();
        ASSERT_EQ(w->Singles(), shown[i]) << i;
    }
    EXPECT_FALSE(redo->isEnabled());
    undo->trigger();
    undo->trigger();
    w->SelectTab(1);
    Trigger("mnuFile_Save");
    EXPECT_EQ(FileList(users / "list.csv"), w->Singles());
    EXPECT_EQ(w->windowTitle(), Plain + " - [list.csv]");
    undo->trigger();  // past the saved point: changed again
    EXPECT_EQ(w->windowTitle(), Plain + " - [list.csv]*");
    // Open clears the history.
    rec.choices = {Answer::No};
    Open(users / "list.csv");
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());
}

TEST_F(DocumentGuiTest, UndoKeepsThePageWhereItCanAndClearsTheSelection) {
    std::string text;
    for (int i = 0; i < 25; ++i) text += "0,0,0,0,0,0,0,0,0,0,0\r\n";
    WriteBytes(users / "list.csv", text);
    Open(users / "list.csv");
    w->TSingle().MovePageLast();
    for (int s = 0; s < 5; ++s) w->TSingle().NoClick(s);
    rec.answers = {true};
    w->SingleView().cmdSingleDel()->click();
    EXPECT_EQ(w->TSingle().Page(), 1);
    w->TSingle().NoClick(0);
    w->Action("mnuEdit_Undo")->trigger();
    EXPECT_EQ(w->Singles().size(), 25u);
    EXPECT_EQ(w->TSingle().Page(), 1);
    EXPECT_FALSE(w->TSingle().Selected(10));
    w->TSingle().MovePageLast();
    w->SingleView().cmdSingleAdd()->click();
    EXPECT_EQ(w->TSingle().Page(), 2);
    w->Action("mnuEdit_Undo")->trigger();
    EXPECT_EQ(w->TSingle().Page(), 2);  // still a page of the list
    w->Action("mnuEdit_Undo")->trigger();
    EXPECT_EQ(w->TSingle().LastPage(), 2);
}

TEST_F(DocumentGuiTest, ADoubleClickCountsOnce) {
    w->SelectTab(1);
    clsTSingleDraw& draw = w->SingleView().Draw();
    DoubleClick(draw.Mark(4, 1, 0));  // an empty card
    ASSERT_EQ(w->Singles().size(), 1u);
    DoubleClick(draw.NumberLabel(0));
    EXPECT_TRUE(w->TSingle().Selected(0));
    // The page arrows keep their rule: a double click moves twice.
    for (int i = 0; i < 30; ++i) w->SingleView().cmdSingleAdd()->click();
    w->TSingle().MovePage(0);
    DoubleClick(w->SingleView().imgMoveNext());
    EXPECT_EQ(w->TSingle().Page(), 2);
}

TEST_F(DocumentGuiTest, AnUnsavedListComesBackAfterTheProgramDied) {
    WriteBytes(users / "KMATE-812.csv", "1,1,1,1,1,1,1,1,1,1,1\r\n");
    Open(users / "KMATE-812.csv");
    const fs::path recovery = w->RecoveryPath().toStdString();
    EXPECT_FALSE(fs::exists(recovery));
    w->SingleView().cmdSingleAdd()->click();
    w->TSingle().MouseDown(1, 2, 5, 1);
    const std::vector<int32_t> edited = w->Singles();
    // Written within the interval after the first change, not before.
    EXPECT_FALSE(fs::exists(recovery));
    QTest::qWait(frmMain::RecoveryDelayMs + 300);
    ASSERT_TRUE(fs::exists(recovery));
    w.reset();  // died without a word: no close

    w = StartMain();
    ASSERT_NE(w, nullptr);
    rec.Clear();
    rec.answers = {true};
    w->StartUp({});
    ASSERT_EQ(rec.Messages().size(), 1u);
    EXPECT_EQ(rec.Messages()[0].text, "前回保存されなかったシングルリストがあります。復元しますか？");
    EXPECT_EQ(rec.Messages()[0].caption, "KUJIMATE");
    EXPECT_EQ(w->Singles(), edited);
    EXPECT_EQ(w->Kaisaikai(), 812);
    EXPECT_EQ(w->windowTitle(), Plain + " - [KMATE-812.csv]*");
    EXPECT_EQ(w->CurrentTab(), 1);
    // A save makes it unchanged and takes the copy away.
    Trigger("mnuFile_Save");
    EXPECT_FALSE(fs::exists(recovery));
    EXPECT_EQ(FileList(users / "KMATE-812.csv"), edited);

    // Declined: deleted, the list stays empty.
    w->SingleView().cmdSingleAdd()->click();
    w->WriteRecovery();
    ASSERT_TRUE(fs::exists(recovery));
    w.reset();
    w = StartMain();
    rec.answers = {false};
    w->StartUp({});
    EXPECT_FALSE(fs::exists(recovery));
    EXPECT_TRUE(w->Singles().empty());

    // Damaged copies are dropped without a question.
    for (std::string bad : {std::string(), std::string("KJMRECV1"), std::string(3000, '\x7f')}) {
        WriteBytes(recovery, bad);
        rec.Clear();
        w->StartUp({});
        EXPECT_TRUE(rec.Messages().empty());
        EXPECT_FALSE(fs::exists(recovery));
    }
}

TEST_F(DocumentGuiTest, RecentFilesTheCommandLineAndADroppedFile) {
    WriteBytes(users / "a.csv", "1,1,1,1,1,1,1,1,1,1,1\r\n");
    WriteBytes(users / "b.csv", "2,2,2,2,2,2,2,2,2,2,2\r\n2,2,2,2,2,2,2,2,2,2,2\r\n");
    Open(users / "a.csv");
    Open(users / "b.csv");
    Open(users / "a.csv");
    const std::vector<std::string> both{(users / "a.csv").string(), (users / "b.csv").string()};
    EXPECT_EQ(w->Recent().Paths(), both);
    QMenu* recent = w->findChild<QMenu*>("mnuFile_Recent");
    ASSERT_EQ(recent->actions().size(), 2);
    EXPECT_TRUE(recent->actions()[1]->text().startsWith("&2 "));
    recent->actions()[1]->trigger();
    EXPECT_EQ(w->Singles().size(), 2u);
    EXPECT_EQ(w->Recent().Paths().front(), both[1]);

    // A file that no longer opens goes from the list after its load message.
    fs::remove(users / "a.csv");
    rec.Clear();
    w->findChild<QMenu*>("mnuFile_Recent")->actions()[1]->trigger();
    EXPECT_FALSE(rec.Messages().empty());
    EXPECT_EQ(w->Recent().Paths(), (std::vector<std::string>{both[1]}));

    // Kept in a file of its own; a damaged one gives what can be used.
    WriteBytes(folder / "UserData/KUJIMATE/RecentFiles.txt", std::string("\0\0garbage\r\n\r\n", 13) + both[1] + "\r\n");
    RecentFiles r;
    r.Load();
    EXPECT_EQ(r.Paths(), (std::vector<std::string>{both[1]}));

    // The command line opens its file as File > Open would.
    WriteBytes(users / "KMATE-813.csv", "0,0,0,0,0,0,0,0,0,0,0\r\n");
    w->StartUp({QString::fromStdString((users / "KMATE-813.csv").string())});
    EXPECT_EQ(w->Singles().size(), 1u);
    EXPECT_EQ(w->Kaisaikai(), 813);

    // A dropped CSV file, with the save question first when the list is changed.
    w->SingleView().cmdSingleAdd()->click();
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(both[1]))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    rec.Clear();
    rec.choices = {Answer::No};
    QApplication::sendEvent(w.get(), &drop);
    QTest::qWait(20);
    EXPECT_EQ(Questions(), 1);
    EXPECT_EQ(w->Singles().size(), 2u);
    QMimeData text;
    text.setUrls({QUrl::fromLocalFile(QString::fromStdString((users / "notes.txt").string()))});
    QDragEnterEvent other(QPoint(10, 10), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    other.ignore();
    QApplication::sendEvent(w.get(), &other);
    EXPECT_FALSE(other.isAccepted());
}
