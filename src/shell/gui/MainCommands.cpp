// Commands of the Single and Check tabs and the singles list: the list view, the
// result controller and the clipboard connect here as they come.
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

void frmMain::ConnectTabCommands() { SetResultViewButtons(); }

void frmMain::EditMenuOpening() {
    const bool single = currentTab_ == 1;
    for (const char* name : {"mnuEdit_Select", "mnuEdit_SingleAdd", "mnuEdit_SingleAdd2", "mnuEdit_SingleDel"})
        for (QAction* a : findChildren<QAction*>(QString::fromUtf8(name))) a->setEnabled(single);
    // Payout and popularity need the vote figures; grades won need the Check tab.
    const bool vote = vote_.DrawNo != 0;
    for (const char* name : {"mnuEdit_Sort_Money", "mnuEdit_Sort_Ninki"})
        for (QAction* a : findChildren<QAction*>(QString::fromUtf8(name))) a->setEnabled(vote);
    Action(QStringLiteral("mnuEdit_Sort_Result"))->setEnabled(currentTab_ == 2);
}

namespace {
template <typename Sort>
void RunSort(std::vector<int32_t>& singles, const VoteRecord& vote, Sort sort) {
    if (singles.empty()) return;
    BusyPointer busy;
    clsTSingleSort s;
    s.SetVote(vote);
    sort(s);
}
}  // namespace

void frmMain::SortMoney(int index) {
    RunSort(singles_, vote_, [&](clsTSingleSort& s) { s.MoneySort(singles_, index, mnuEdit_Sort_Order_->isChecked()); });
    RedisplayAfterSort();
}

void frmMain::SortMark(int index) {
    RunSort(singles_, vote_, [&](clsTSingleSort& s) { s.MarkSort(singles_, index, mnuEdit_Sort_Order_->isChecked()); });
    RedisplayAfterSort();
}

void frmMain::SortNinki(int index) {
    RunSort(singles_, vote_, [&](clsTSingleSort& s) { s.NinkiSort(singles_, index, mnuEdit_Sort_Order_->isChecked()); });
    RedisplayAfterSort();
}

void frmMain::RedisplayAfterSort() {
    if (currentTab_ == 1) SelectTab(1);
    else if (currentTab_ == 2) SelectTab(2);
}

void frmMain::SortResult() {
    if (singles_.empty()) return;
    if (!cTResult.GradeSort(singles_, mnuEdit_Sort_Order_->isChecked())) return;
    SetBusy(true);
    cTResult.SetSingle(static_cast<int32_t>(singles_.size()), singles_);
    SetBusy(false);
}

void frmMain::DeleteDuplicates() {
    if (JSingleDel(singles_, frame_)) SelectTab(2);
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

void frmMain::ConnectSingleEvents() {
    cTSingle.ChangeValue = [this](int32_t index, int32_t single) {
        if (index >= 0 && static_cast<size_t>(index) < singles_.size()) singles_[static_cast<size_t>(index)] = single;
    };
    cTSingle.ChangeCount = [this](int32_t count, const std::vector<int32_t>& list) {
        singles_.assign(list.begin(), list.begin() + std::clamp<int32_t>(count, 0, static_cast<int32_t>(list.size())));
        cTSingle.SetSingle(static_cast<int32_t>(singles_.size()), singles_);
    };
    cTSingle.ChangeFrame = [this](const SingleFrame& frame) {
        frame_ = frame;
        cTSingle.SetSingleFrame(frame_, frameZero_);
    };
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
    clsTClipboard().Run(index, singles_, [](const std::string& text) {
        QClipboard* cb = QApplication::clipboard();
        cb->clear();
        cb->setText(QString::fromStdString(text));
    });
}

void frmMain::ClipboardImport(int index) {
    const std::string text = QApplication::clipboard()->text().toStdString();
    const std::vector<int32_t> imported = clsTClipImport().ClipImport(index, text);
    TakeImportedSingles(imported, singles_, frame_, [this] { SelectTab(2); });
}
void frmMain::Popup7(int index) { cTResult.SetPopup(index); }

void frmMain::ResultViewNext() {
    cTResult.SetNextData();
    SetResultViewButtons();
}

void frmMain::ResultViewAll() {
    cTResult.SetAlltData();
    SetResultViewButtons();
}

void frmMain::SetResultViewButtons() {
    const bool on = result_.DrawNo > 0 && !cTResult.FullResult();
    cmdResultViewNext_->setEnabled(on);
    cmdResultViewAll_->setEnabled(on);
}

void frmMain::ShowSingleTab() {
    singleTab_->Schedure(schedule_);
    cTSingle.SetVote(vote_);
    cTSingle.SetSingle(static_cast<int32_t>(singles_.size()), singles_);
    cTSingle.MovePage(0);
    cTSingle.SetSingleFrame(frame_, frameZero_);
    cTSingle.MovePage(0);
}
void frmMain::ShowCheckTab() {
    checkTab_->Game().Schedure(schedule_);
    checkTab_->Game().Vote(vote_);
    cTResult.SetResultData(kaisaikai_, kumi_, result_, chkResultAll_->isChecked());
    SetBusy(true);
    cTResult.SetSingle(static_cast<int32_t>(singles_.size()), singles_);
    SetBusy(false);
    cTResult.SetSingleFrame(frame_, frameZero_);
    SetResultViewButtons();
}

}  // namespace kujimate
