#pragma once
// Path rules of the program: Windows-style texts ("SysData\TeamName.dat") are accepted,
// "\" and "/" both separate, and every relative path lies below the program folder.
#include <string>
#include <vector>

namespace kujimate {

#ifdef _WIN32
inline constexpr char PathSep = '\\';
#else
inline constexpr char PathSep = '/';
#endif

class clsFileSystemObject {
public:
    // The folder that holds the executable, unless set otherwise (tests, the companion's
    // --program-folder).
    static const std::string& ProgramFolder();
    static void SetProgramFolder(const std::string& folder);
    static std::string ExecutableFolder();

    static bool IsSeparator(char c) { return c == '\\' || c == '/'; }
    static bool IsAbsolute(const std::string& path);
    // The path with every separator in the platform's form.
    static std::string ToNative(const std::string& path);

    std::string BuildPath(const std::string& path, const std::string& name) const;
    bool FileExists(const std::string& fileSpec) const;
    bool FolderExists(const std::string& folderSpec) const;
    std::string GetFileName(const std::string& path) const;
    std::string GetExtensionName(const std::string& path) const;
    std::string GetParentFolderName(const std::string& path) const;
    std::string GetFullPath(const std::string& path) const;
    bool FolderCheck(const std::string& folder) const;
    // Names (without folder) of the plain files matching the pattern, into list.
    long GetFileList(const std::string& pattern, std::vector<std::string>& list, bool blnSort) const;
    std::string ExtensionCheck(const std::string& path, const std::string& extension) const;
};

}  // namespace kujimate
