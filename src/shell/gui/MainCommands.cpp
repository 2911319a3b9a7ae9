// Commands of the Single and Check tabs and of the singles list: every change of the list
// is an edit of the window's document, and the shown tab is told what it needs to redraw.
#include <QAction>
#include <QCheckBox>
#include <QCursor>
#include <QMenu>
#include <QPushButton>

#include <QApplication>
#include <QClipboard>

#include <algorithm>

#include "analysis/clsTClipboard.h"
#include "analysis/clsTSingleSort.h"
#include "check/gui/CheckTab.h"
#include "shell/gui/frmMain.h"
#include "shell/ListCommands.h"
#include "singles/basSingles.h"
#include "singles/clsTClipImport.h"
#include "singles/gui/frmNumbers.h"
#include "views/gui/SingleTab.h"
#include "support/Report.h"

namespace kujimate {

// Kept in step with the tab, not only as the menu opens: a disabled item takes no shortcut.
void frmMain::SetSingleItemsEnabled() {
    const bool single = currentTab_ == 1;
    for (const char* name : {"mnuEdit_Select", "mnuEdit_SingleAdd", "mnuEdit_SingleAdd2", "mnuEdit_SingleDel"})
        for (QAction* a : findChildren<QAction*>(QString::fromUtf8(name))) a->setEnabled(single);
}

void frmMain::EditMenuOpening() {
    SetSingleItemsEnabled();
    // Payout and popularity need the vote figures; grades won need the Check tab.
    const bool vote = vote_.DrawNo != 0;
    for (const char* name : {"mnuEdit_Sort_Money", "mnuEdit_Sort_Ninki"})
        for (QAction* a : findChildren<QAction*>(QString::fromUtf8(name))) a->setEnabled(vote);
    Action(QStringLiteral("mnuEdit_Sort_Result"))->setEnabled(currentTab_ == 2);
}

void frmMain::Undo() {
    if (!busy_ && doc_.Undo()) RefreshAfterHistory();
}

void frmMain::Redo() {
    if (!busy_ && doc_.Redo()) RefreshAfterHistory();
}

// The list took another shape: the shown tab takes it again and keeps its page where it can;
// the selection is gone, as after any change of the count.
void frmMain::RefreshAfterHistory() {
    if (currentTab_ == 1) {
        const int32_t page = cTSingle.Page();
        cTSingle.SetSingle(doc_.Count(), doc_.Singles());
        cTSingle.MovePage(std::min(page, cTSingle.LastPage()));
    } else if (currentTab_ == 2) {
        const int32_t page = cTResult.Page();
        SetBusy(true);
        cTResult.SetSingle(doc_.Count(), doc_.Singles());
        SetBusy(false);
        cTResult.MovePage(page);
        checkTab_->SetResultViewButtons();
    }
}

namespace {
template <typename Sort>
void RunSort(clsTDocument& doc, const VoteRecord& vote, Sort sort) {
    if (doc.Count() == 0) return;
    BusyPointer busy;
    doc.Reorder([&](std::vector<int32_t>& list) {
        clsTSingleSort s;
        s.SetVote(vote);
        sort(s, list);
        return true;
    });
}
}  // namespace

void frmMain::SortMoney(int index) {
    const bool asc = mnuEdit_Sort_Order_->isChecked();
    RunSort(doc_, vote_, [&](clsTSingleSort& s, std::vector<int32_t>& l) { s.MoneySort(l, index, asc); });
    RedisplayAfterSort();
}

void frmMain::SortMark(int index) {
    const bool asc = mnuEdit_Sort_Order_->isChecked();
    RunSort(doc_, vote_, [&](clsTSingleSort& s, std::vector<int32_t>& l) { s.MarkSort(l, index, asc); });
    RedisplayAfterSort();
}

void frmMain::SortNinki(int index) {
    const bool asc = mnuEdit_Sort_Order_->isChecked();
    RunSort(doc_, vote_, [&](clsTSingleSort& s, std::vector<int32_t>& l) { s.NinkiSort(l, index, asc); });
    RedisplayAfterSort();
}

void frmMain::RedisplayAfterSort() {
    if (currentTab_ == 1) SelectTab(1);
    else if (currentTab_ == 2) SelectTab(2);
}

void frmMain::SortResult() {
    if (doc_.Count() == 0 || busy_) return;
    const bool asc = mnuEdit_Sort_Order_->isChecked();
    if (!doc_.Reorder([&](std::vector<int32_t>& list) { return cTResult.GradeSort(list, asc); })) return;
    SetBusy(true);
    cTResult.SetSingle(doc_.Count(), doc_.Singles());
    SetBusy(false);
}

void frmMain::DeleteDuplicates() {
    if (!busy_ && JSingleDel(doc_)) SelectTab(2);
}

// The Single tab's commands act only while it is shown: its working copy of the list is
// current only then.
void frmMain::SelectAll(bool select) {
    if (currentTab_ == 1) cTSingle.SetAllSelect(select);
}

void frmMain::SingleAdd() {
    if (currentTab_ == 1 && !busy_) cTSingle.Add();
}

void frmMain::SingleAdd2() {
    if (currentTab_ != 1 || busy_) return;
    const std::string digits = frmNumbers::ShowDialog(this);
    if (!digits.empty()) cTSingle.AddEx(digits);
}

void frmMain::SingleDelete() {
    if (currentTab_ == 1 && !busy_) cTSingle.SelectDelete();
}

void frmMain::ConnectDocument() {
    cTSingle.ChangeValue = [this](int32_t index, int32_t single) { doc_.ChangeValue(index, single); };
    cTSingle.ChangeCount = [this](const clsTSingle::CountEdit& edit) {
        if (edit.removed) doc_.RemoveFlagged(*edit.removed);
        else doc_.Append(edit.appended);
        cTSingle.SetSingle(doc_.Count(), doc_.Singles());
    };
    // The one composition table: the shown tab draws it; the other takes it when shown.
    doc_.ChangeFrame = [this](const SingleFrame& frame) {
        if (currentTab_ == 1) cTSingle.SetSingleFrame(frame, doc_.FrameZero());
        else if (currentTab_ == 2) cTResult.SetSingleFrame(frame, doc_.FrameZero());
    };
    doc_.Edited = [this] { DocumentEdited(); };
    doc_.StateChanged = [this] { DocumentStateChanged(); };
    DocumentStateChanged();
}

void frmMain::ShowSortPopup() {
    EditMenuOpening();
    mnuEdit_Sort_->popup(QCursor::pos());
}

void frmMain::SinglePercentToggled(bool on) {
    percent_ = on;
    cTSingle.SinglePercent(on);
    cTResult.Percent(on);
}
void frmMain::ClipboardCopy(int index) {
    clsTClipboard().Run(index, doc_.Singles(), [](const std::string& text) {
        QClipboard* cb = QApplication::clipboard();
        cb->clear();
        cb->setText(QString::fromStdString(text));
    });
}

void frmMain::ClipboardImport(int index) {
    if (busy_) return;
    const std::string text = QApplication::clipboard()->text().toStdString();
    TakeImportedSingles(clsTClipImport().ClipImport(index, text), doc_, [this] { SelectTab(2); });
}
void frmMain::Popup7(int index) { cTResult.SetPopup(index); }

void frmMain::ShowSingleTab() {
    singleTab_->Schedure(schedule_);
    cTSingle.SetVote(vote_);
    cTSingle.SetSingle(doc_.Count(), doc_.Singles());
    cTSingle.MovePage(0);
    cTSingle.SetSingleFrame(doc_.Frame(), doc_.FrameZero());
    cTSingle.MovePage(0);
}
void frmMain::ShowCheckTab() {
    checkTab_->Game().Schedure(schedule_);
    checkTab_->Game().Vote(vote_);
    cTResult.SetResultData(kaisaikai_, kumi_, result_, chkResultAll()->isChecked());
    SetBusy(true);
    cTResult.SetSingle(doc_.Count(), doc_.Singles());
    SetBusy(false);
    cTResult.SetSingleFrame(doc_.Frame(), doc_.FrameZero());
    checkTab_->SetResultViewButtons();
}

}  // namespace kujimate
