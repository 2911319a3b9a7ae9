#pragma once
// Opening documents and pages with the desktop, and the check that keeps the program from
// writing into a protected program folder.
#include <functional>
#include <string>

namespace kujimate {

struct ShellRequest {
    std::string program;      // document, URL or program
    std::string parameters;   // empty when the whole line is one document
    std::string commandLine;  // the line as given, for the fallback start
    int windowStyle = 1;
    bool wait = false;
};

class clsShell {
public:
    // How the desktop opens things; the window installs the real one. It returns false when
    // neither opening nor starting the line worked, and waits itself when asked to.
    using Opener = std::function<bool(const ShellRequest&, const bool& abortFlag)>;
    static void SetOpener(Opener opener);

    clsShell() = default;
    ~clsShell() { abort_ = true; }
    clsShell(const clsShell&) = delete;
    clsShell& operator=(const clsShell&) = delete;

    bool ShellX(const std::string& strCommandLine, int WindowStyle = 1, bool blnWait = false);
    bool IsUserAdmin() const;
    bool IsVirtualstore() const;
    bool CheckVirtualstoreAdmin() const;

    // The program is the longest leading part ending before a space that names an
    // existing file; without one the whole line is the program.
    static ShellRequest SplitCommandLine(const std::string& strCommandLine);
    // The text-prefix rule for protected Windows folders.
    static bool IsProtectedWindowsPath(const std::string& folder);

private:
    bool abort_ = false;
};

}  // namespace kujimate
