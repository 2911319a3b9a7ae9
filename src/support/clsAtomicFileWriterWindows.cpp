#include "support/clsAtomicFileWriter.h"

#include <windows.h>

#include <cerrno>
#include <random>

#include "support/WindowsText.h"

// The temporary file's handle is kept in fd_ as an integer.
namespace kujimate {
namespace {
constexpr size_t BufferSize = 1 << 20;
constexpr const wchar_t* TempInfix = L".tmp.";
constexpr size_t TempUnique = 6;

HANDLE H(int fd) { return reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(fd)); }

std::wstring FolderOf(const std::wstring& path) {
    const size_t p = path.find_last_of(L"\\/");
    return p == std::wstring::npos ? L"." : path.substr(0, p);
}

bool IsAlnum(wchar_t c) { return (c >= L'0' && c <= L'9') || (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }

// A save that was killed leaves its temporary file behind; the next save of the same target
// clears them: only plain files named exactly TARGET.tmp. and six letters or digits.
void RemoveLeftoverTemporaries(const std::wstring& fullPath) {
    const size_t slash = fullPath.find_last_of(L"\\/");
    const std::wstring prefix = (slash == std::wstring::npos ? fullPath : fullPath.substr(slash + 1)) + TempInfix;
    const std::wstring folder = FolderOf(fullPath);
    WIN32_FIND_DATAW fd{};
    HANDLE find = ::FindFirstFileW((folder + L"\\*").c_str(), &fd);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        const std::wstring name = fd.cFileName;
        if (name.size() != prefix.size() + TempUnique || name.compare(0, prefix.size(), prefix) != 0) continue;
        bool unique = true;
        for (size_t i = prefix.size(); i < name.size(); ++i) unique = unique && IsAlnum(name[i]);
        if (!unique || (fd.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))) continue;
        ::DeleteFileW((folder + L"\\" + name).c_str());
    } while (::FindNextFileW(find, &fd));
    ::FindClose(find);
}
}  // namespace

clsAtomicFileWriter::~clsAtomicFileWriter() { Abort(); }

void clsAtomicFileWriter::Abort() {
    if (fd_ != -1) {
        ::CloseHandle(H(fd_));
        fd_ = -1;
    }
    if (!temp_.empty()) {
        ::DeleteFileW(WideFromUtf8(temp_).c_str());
        temp_.clear();
    }
}

int clsAtomicFileWriter::Open(const std::string& fullPath) {
    Abort();
    target_ = fullPath;
    const std::wstring target = WideFromUtf8(fullPath);
    const DWORD a = ::GetFileAttributesW(target.c_str());
    if (a != INVALID_FILE_ATTRIBUTES) {
        if (a & FILE_ATTRIBUTE_DIRECTORY) return EISDIR;
        if (a & FILE_ATTRIBUTE_READONLY) return EACCES;
    }
    mode_ = 0;
    RemoveLeftoverTemporaries(target);
    static thread_local std::mt19937 rng(std::random_device{}() ^ ::GetCurrentProcessId());
    static constexpr char Letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string tmp = fullPath + ".tmp.";
        for (size_t i = 0; i < TempUnique; ++i) tmp += Letters[rng() % (sizeof Letters - 1)];
        // Write-through: the bytes are on the disk when the rename makes them the file.
        HANDLE h = ::CreateFileW(WideFromUtf8(tmp).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                 FILE_ATTRIBUTE_NORMAL | FILE_FLAG_WRITE_THROUGH, nullptr);
        if (h == INVALID_HANDLE_VALUE) {
            const DWORD e = ::GetLastError();
            if (e == ERROR_FILE_EXISTS || e == ERROR_ALREADY_EXISTS) continue;
            return ErrnoFromWin32(e);
        }
        fd_ = static_cast<int>(reinterpret_cast<std::intptr_t>(h));
        temp_ = tmp;
        buffer_.clear();
        buffer_.reserve(BufferSize);
        return 0;
    }
    return EEXIST;
}

int clsAtomicFileWriter::Flush() {
    const char* p = buffer_.data();
    size_t left = buffer_.size();
    while (left > 0) {
        const DWORD ask = left > 0x40000000 ? 0x40000000 : static_cast<DWORD>(left);
        DWORD n = 0;
        if (!::WriteFile(H(fd_), p, ask, &n, nullptr)) return ErrnoFromWin32(::GetLastError());
        p += n;
        left -= n;
    }
    buffer_.clear();
    return 0;
}

int clsAtomicFileWriter::Write(std::string_view bytes) {
    if (fd_ == -1) return EBADF;
    buffer_.append(bytes);
    if (buffer_.size() >= BufferSize) {
        if (int err = Flush()) {
            Abort();
            return err;
        }
    }
    return 0;
}

int clsAtomicFileWriter::Commit() {
    if (fd_ == -1) return EBADF;
    int err = Flush();
    if (!err && !::FlushFileBuffers(H(fd_))) err = ErrnoFromWin32(::GetLastError());
    if (!::CloseHandle(H(fd_)) && !err) err = ErrnoFromWin32(::GetLastError());
    fd_ = -1;
    if (!err) {
        const std::wstring target = WideFromUtf8(target_);
        const std::wstring temp = WideFromUtf8(temp_);
        // ReplaceFileW keeps the old file's attributes and security; a new file is moved in.
        bool done = ::GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES &&
                    ::ReplaceFileW(target.c_str(), temp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                                   nullptr);
        if (!done &&
            !::MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            err = ErrnoFromWin32(::GetLastError());
    }
    if (err) {
        Abort();
        return err;
    }
    temp_.clear();
    return 0;
}

}  // namespace kujimate
