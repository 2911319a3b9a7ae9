#include "support/FileAccess.h"

#include <windows.h>
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cerrno>

#include "support/Encoding.h"
#include "support/WindowsText.h"

namespace kujimate {

std::wstring WideFromUtf8(std::string_view utf8) {
    std::wstring out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        char32_t cp = DecodeUtf8(utf8, i);
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += static_cast<wchar_t>(0xD800 + (cp >> 10));
            out += static_cast<wchar_t>(0xDC00 + (cp & 0x3FF));
        } else {
            out += static_cast<wchar_t>(cp);
        }
    }
    return out;
}

std::string Utf8FromWide(std::wstring_view wide) {
    std::string out;
    out.reserve(wide.size());
    for (size_t i = 0; i < wide.size(); ++i) {
        char32_t c = static_cast<char16_t>(wide[i]);
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 && wide[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<char16_t>(wide[i + 1]) - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        AppendUtf8(out, c);
    }
    return out;
}

int ErrnoFromWin32(unsigned long error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_NET_NAME:
        case ERROR_INVALID_NAME: return ENOENT;
        case ERROR_ACCESS_DENIED:
        case ERROR_PRIVILEGE_NOT_HELD: return EACCES;
        case ERROR_WRITE_PROTECT: return EROFS;
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_USER_MAPPED_FILE: return EBUSY;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL: return ENOSPC;
        case ERROR_FILENAME_EXCED_RANGE: return ENAMETOOLONG;
        case ERROR_DIRECTORY: return ENOTDIR;
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS: return EEXIST;
        case ERROR_INVALID_HANDLE: return EBADF;
        case ERROR_NOT_ENOUGH_MEMORY:
        case ERROR_OUTOFMEMORY: return ENOMEM;
        default: return EIO;
    }
}

int InputFile::Open(const std::string& path) {
    Close();
    const std::wstring w = WideFromUtf8(path);
    const DWORD attributes = ::GetFileAttributesW(w.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return EISDIR;
    HANDLE h = ::CreateFileW(w.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (h == INVALID_HANDLE_VALUE) return ErrnoFromWin32(::GetLastError());
    handle_ = reinterpret_cast<std::intptr_t>(h);
    return 0;
}

int InputFile::Read(char* buffer, size_t size, size_t& got) {
    got = 0;
    if (handle_ == -1) return EBADF;
    DWORD n = 0;
    const DWORD ask = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
    if (!::ReadFile(reinterpret_cast<HANDLE>(handle_), buffer, ask, &n, nullptr)) {
        const DWORD e = ::GetLastError();
        return e == ERROR_HANDLE_EOF || e == ERROR_BROKEN_PIPE ? 0 : ErrnoFromWin32(e);
    }
    got = n;
    return 0;
}

int64_t InputFile::Size() const {
    LARGE_INTEGER size{};
    if (handle_ == -1 || !::GetFileSizeEx(reinterpret_cast<HANDLE>(handle_), &size)) return -1;
    return static_cast<int64_t>(size.QuadPart);
}

void InputFile::Close() {
    if (handle_ == -1) return;
    ::CloseHandle(reinterpret_cast<HANDLE>(handle_));
    handle_ = -1;
}

FileKind KindOfPath(const std::string& path) {
    const DWORD a = ::GetFileAttributesW(WideFromUtf8(path).c_str());
    if (a == INVALID_FILE_ATTRIBUTES) return FileKind::None;
    return (a & FILE_ATTRIBUTE_DIRECTORY) ? FileKind::Folder : FileKind::File;
}

namespace {
std::wstring Lower(const std::wstring& s) {
    if (s.empty()) return s;
    std::wstring out(s.size(), L'\0');
    const int n = ::LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_LOWERCASE, s.c_str(), static_cast<int>(s.size()),
                                  out.data(), static_cast<int>(out.size()), nullptr, nullptr, 0);
    return n == static_cast<int>(s.size()) ? out : s;
}

bool Match(const wchar_t* p, const wchar_t* n) {
    // The last "*" seen and where the name stood then: on a mismatch, "*" takes one more.
    const wchar_t* star = nullptr;
    const wchar_t* mark = nullptr;
    while (*n) {
        if (*p == L'*') {
            star = ++p;
            mark = n;
        } else if (*p == L'?' || *p == *n) {
            ++p;
            ++n;
        } else if (star) {
            p = star;
            n = ++mark;
        } else {
            return false;
        }
    }
    while (*p == L'*') ++p;
    return *p == 0;
}
}  // namespace

bool WildcardMatch(const std::string& pattern, const std::string& name) {
    if (!name.empty() && name[0] == '.' && (pattern.empty() || pattern[0] != '.')) return false;
    const std::wstring p = Lower(WideFromUtf8(pattern));
    const std::wstring n = Lower(WideFromUtf8(name));
    return Match(p.c_str(), n.c_str());
}

std::string ExecutableFolderPath() {
    std::wstring buf(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = ::GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
        if (n == 0) return {};
        if (n < buf.size()) {
            buf.resize(n);
            break;
        }
        buf.resize(buf.size() * 2);
    }
    const size_t slash = buf.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::string() : Utf8FromWide(buf.substr(0, slash));
}

std::FILE* OpenStdioFile(const std::string& path, const char* mode) {
    return ::_wfopen(WideFromUtf8(path).c_str(), WideFromUtf8(mode).c_str());
}

int RemoveFile(const std::string& path) {
    return ::DeleteFileW(WideFromUtf8(path).c_str()) ? 0 : ErrnoFromWin32(::GetLastError());
}

bool IsReadable(const std::string& path) { return ::_waccess(WideFromUtf8(path).c_str(), 4) == 0; }
bool IsWritable(const std::string& path) { return ::_waccess(WideFromUtf8(path).c_str(), 2) == 0; }

bool ProcessIsElevated() {
    HANDLE token = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token)) return false;
    TOKEN_ELEVATION elevation{};
    DWORD size = 0;
    const bool ok = ::GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size);
    ::CloseHandle(token);
    return ok && elevation.TokenIsElevated != 0;
}

int ReadStandardInput(char* buffer, size_t size, size_t& got) {
    got = 0;
    static const bool binary = ::_setmode(::_fileno(stdin), _O_BINARY) != -1;
    (void)binary;
    const unsigned ask = size > 0x40000000 ? 0x40000000u : static_cast<unsigned>(size);
    const int n = ::_read(::_fileno(stdin), buffer, ask);
    if (n < 0) return errno;
    got = static_cast<size_t>(n);
    return 0;
}

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
    // The companion writes bytes: UTF-8 texts and CR LF exactly where the Linux build has them.
    ::_setmode(::_fileno(stdout), _O_BINARY);
    ::_setmode(::_fileno(stderr), _O_BINARY);
    int n = 0;
    LPWSTR* w = ::CommandLineToArgvW(::GetCommandLineW(), &n);
    if (!w) return std::vector<std::string>(argv, argv + argc);
    std::vector<std::string> args;
    for (int i = 0; i < n; ++i) args.push_back(Utf8FromWide(w[i]));
    ::LocalFree(w);
    return args;
}

}  // namespace kujimate
