#include "support/clsFileSystemObject.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "support/FileAccess.h"
#include "support/Report.h"
#include "support/Text.h"

namespace fs = std::filesystem;

namespace kujimate {
namespace {
std::string g_programFolder;

bool HasWildcard(const std::string& s) { return s.find_first_of("*?") != std::string::npos; }

// Splits a native path into its folder and last component.
void SplitLast(const std::string& native, std::string& dir, std::string& name) {
    size_t p = native.find_last_of(PathSep);
    if (p == std::string::npos) { dir = "."; name = native; return; }
    dir = p == 0 ? std::string(1, PathSep) : native.substr(0, p);
    name = native.substr(p + 1);
}

using EntryKind = FileKind;
EntryKind KindOf(const std::string& native) { return KindOfPath(native); }

// The directory search: does some entry match the pattern (wildcards in the last component)?
bool Search(const std::string& spec, bool foldersToo) {
    std::string native = clsFileSystemObject::ToNative(spec);
    if (native.empty()) return false;
    while (native.size() > 1 && native.back() == PathSep) native.pop_back();
    std::string dir, name;
    SplitLast(native, dir, name);
    if (!HasWildcard(name)) {
        EntryKind k = KindOf(native);
        return k == EntryKind::File || (foldersToo && k == EntryKind::Folder);
    }
    std::error_code ec;
    for (fs::directory_iterator it(FsPath(dir), ec), end; !ec && it != end; it.increment(ec)) {
        std::string n = PathText(it->path().filename());
        if (!WildcardMatch(name, n)) continue;
        EntryKind k = KindOf(PathText(it->path()));
        if (k == EntryKind::File || (foldersToo && k == EntryKind::Folder)) return true;
    }
    return false;
}
}  // namespace

std::string clsFileSystemObject::ExecutableFolder() {
    std::string folder = ExecutableFolderPath();
    if (!folder.empty()) return folder;
    std::error_code ec;
    return PathText(fs::current_path(ec));
}

const std::string& clsFileSystemObject::ProgramFolder() {
    if (g_programFolder.empty()) g_programFolder = ExecutableFolder();
    return g_programFolder;
}

void clsFileSystemObject::SetProgramFolder(const std::string& folder) {
    g_programFolder = ToNative(folder);
    // A relative folder is taken once, against the working directory; left relative, every
    // path built on it would look relative and be resolved a second time.
    if (!g_programFolder.empty() && g_programFolder[0] != PathSep) {
        std::error_code ec;
        const fs::path abs = fs::absolute(FsPath(g_programFolder), ec);
        if (!ec) g_programFolder = PathText(abs.lexically_normal());
    }
    while (g_programFolder.size() > 1 && g_programFolder.back() == PathSep) g_programFolder.pop_back();
}

bool clsFileSystemObject::IsAbsolute(const std::string& path) {
    return path.find(':') != std::string::npos || StartsWith(path, "\\\\") || StartsWith(path, "/");
}

std::string clsFileSystemObject::ToNative(const std::string& path) {
    std::string out = path;
    for (char& c : out)
        if (IsSeparator(c)) c = PathSep;
    return out;
}

std::string clsFileSystemObject::BuildPath(const std::string& path, const std::string& name) const {
    if (!path.empty() && (path.back() == ':' || IsSeparator(path.back()))) return path + name;
    return path + PathSep + name;
}

bool clsFileSystemObject::FileExists(const std::string& fileSpec) const { return Search(fileSpec, false); }
bool clsFileSystemObject::FolderExists(const std::string& folderSpec) const { return Search(folderSpec, true); }

std::string clsFileSystemObject::GetFileName(const std::string& path) const {
    size_t p = path.find_last_of("\\/:");
    return p == std::string::npos ? path : path.substr(p + 1);
}

std::string clsFileSystemObject::GetExtensionName(const std::string& path) const {
    std::string n = GetFileName(path);
    size_t p = n.rfind('.');
    return p == std::string::npos ? std::string() : n.substr(p + 1);
}

std::string clsFileSystemObject::GetParentFolderName(const std::string& path) const {
    std::string p = path;
    if (!p.empty() && IsSeparator(p.back())) p.pop_back();
    size_t s = p.find_last_of("\\/");
    if (s == std::string::npos) return std::string();
    if (s == 0 && p[0] == '/') return "/";  // a file in the POSIX root
    return p.substr(0, s);
}

std::string clsFileSystemObject::GetFullPath(const std::string& path) const {
    if (IsAbsolute(path)) return ToNative(path);
    return ToNative(BuildPath(ProgramFolder(), path));
}

bool clsFileSystemObject::FolderCheck(const std::string& folder) const {
    std::string f = GetFullPath(folder);
    if (FolderExists(f)) return true;
    std::error_code ec;
    fs::create_directories(FsPath(ToNative(f)), ec);
    return !ec && KindOf(ToNative(f)) == EntryKind::Folder;
}

long clsFileSystemObject::GetFileList(const std::string& pattern, std::vector<std::string>& list,
                                      bool blnSort) const {
    list.clear();
    std::string native = GetFullPath(pattern);
    std::string dir, name;
    SplitLast(native, dir, name);
    std::error_code ec;
    for (fs::directory_iterator it(FsPath(dir), ec), end; !ec && it != end; it.increment(ec)) {
        std::string n = PathText(it->path().filename());
        if (n.empty() || n[0] == '.') continue;  // hidden
        if (!WildcardMatch(name, n)) continue;
        std::error_code ec2;
        if (!it->is_regular_file(ec2)) continue;
        list.push_back(n);
    }
    if (!list.empty() && blnSort) std::sort(list.begin(), list.end(), [](const std::string& a, const std::string& b) {
        return Utf16Less(a, b);
    });
    return static_cast<long>(list.size());
}

std::string clsFileSystemObject::ExtensionCheck(const std::string& path, const std::string& extension) const {
    if (TextEqualsIgnoreCase(GetExtensionName(path), extension)) return path;
    return path + "." + extension;
}

}  // namespace kujimate
