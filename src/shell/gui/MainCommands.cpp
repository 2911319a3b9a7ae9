// Commands of the Single and Check tabs and the singles list: the list view, the
// result controller and the clipboard connect here as they come.
#include <QAction>
#include <QCheckBox>
#include <QCursor>
#include <QMenu>
#include <QPushButton>

#include "shell/gui/frmMain.h"

namespace kujimate {

void frmMain::ConnectTabCommands() { SetResultViewButtons(); }

void frmMain::EditMenuOpening() {
    const bool single = currentTab_ == 1;
    for (const char* name : {"mnuEdit_Select", "mnuEdit_SingleAdd", "mnuEdit_SingleAdd2", "mnuEdit_SingleDel"})
        for (QAction* a : findChildren<QAction*>(QString::fromUtf8(name))) a->setEnabled(single);
}

void frmMain::SortMoney(int) { RedisplayAfterSort(); }
void frmMain::SortMark(int) { RedisplayAfterSort(); }
void frmMain::SortNinki(int) { RedisplayAfterSort(); }

void frmMain::RedisplayAfterSort() {
    if (currentTab_ == 1) SelectTab(1);
    else if (currentTab_ == 2) SelectTab(2);
}

void frmMain::SortResult() {}

void frmMain::DeleteDuplicates() {
    if (singles_.empty()) return;
    SelectTab(2);
}

void frmMain::SelectAll(bool) {}
void frmMain::SingleAdd() {}
void frmMain::SingleAdd2() {}
void frmMain::SingleDelete() {}

void frmMain::ShowSortPopup() {
    EditMenuOpening();
    mnuEdit_Sort_->popup(QCursor::pos());
}

void frmMain::SinglePercentToggled(bool on) { percent_ = on; }
void frmMain::ClipboardCopy(int) {}
void frmMain::ClipboardImport(int) {}
void frmMain::Popup7(int) {}

void frmMain::ResultViewNext() { SetResultViewButtons(); }
void frmMain::ResultViewAll() { SetResultViewButtons(); }

void frmMain::SetResultViewButtons() {
    const bool on = result_.DrawNo > 0;
    cmdResultViewNext_->setEnabled(on);
    cmdResultViewAll_->setEnabled(on);
}

void frmMain::ShowSingleTab() {}
void frmMain::ShowCheckTab() { SetResultViewButtons(); }

}  // namespace kujimate
