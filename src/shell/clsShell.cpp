#include "shell/clsShell.h"

#include "support/FileAccess.h"
#include "support/Report.h"
#include "support/Text.h"
#include "support/clsFileSystemObject.h"

namespace kujimate {
namespace {
clsShell::Opener g_opener;
}

void clsShell::SetOpener(Opener opener) { g_opener = std::move(opener); }

ShellRequest clsShell::SplitCommandLine(const std::string& line) {
    ShellRequest r;
    r.program = line;
    r.commandLine = line;
    clsFileSystemObject fso;
    size_t p = line.find(' ');
    // p > 0 here is "position > 1" counted from one.
    while (p != std::string::npos && p > 0) {
        std::string head = line.substr(0, p);
        if (fso.FileExists(head)) {
            r.program = head;
            r.parameters = line.substr(p + 1);
            break;
        }
        p = line.find(' ', p + 1);
    }
    return r;
}

bool clsShell::ShellX(const std::string& strCommandLine, int WindowStyle, bool blnWait) {
    try {
        ShellRequest r = SplitCommandLine(strCommandLine);
        r.windowStyle = WindowStyle;
        r.wait = blnWait;
        if (!g_opener) return false;
        return g_opener(r, abort_);
    } catch (const std::exception& e) {
        ClassFailure("clsShell", "ShellX", e.what(), 0);
        return false;
    }
}

bool clsShell::IsUserAdmin() const { return ProcessIsElevated(); }

bool clsShell::IsProtectedWindowsPath(const std::string& folder) {
    std::string f = ToLowerText(folder);
    for (const char* p : {"C:\\Program Files", "C:\\Program Files (x86)", "C:\\ProgramData", "C:\\Windows"})
        if (StartsWith(f, ToLowerText(p))) return true;
    return false;
}

bool clsShell::IsVirtualstore() const {
    const std::string& folder = clsFileSystemObject::ProgramFolder();
    if (IsProtectedWindowsPath(folder)) return true;
#ifndef _WIN32
    // On POSIX a program folder the user cannot write plays the protected folder's part.
    if (!IsWritable(folder)) return true;
#endif
    return false;
}

bool clsShell::CheckVirtualstoreAdmin() const {
    if (!IsVirtualstore()) return true;
    if (IsUserAdmin()) return true;
    Report().Message("Virtualstore対象フォルダでは一般権限で実行できません。\r\n"
                     "アプリケーションを終了させ管理者として実行して下さい。",
                     MsgIcon::Warning, "管理権限不足エラー");
    return false;
}

}  // namespace kujimate
