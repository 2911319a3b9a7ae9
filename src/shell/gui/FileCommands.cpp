// The File menu: singles files.
#include "shell/gui/frmMain.h"

namespace kujimate {

void frmMain::ClearSingles() {
    singles_.clear();
    frame_ = {};
    frameZero_ = {};
    currentFile_.clear();
    SetTitle();
}

void frmMain::FileNew() {
    SelectTab(0);
    ClearSingles();
}

void frmMain::FileOpen() {}
void frmMain::FileSave() {}
void frmMain::FileSaveAs() {}

}  // namespace kujimate
