#include "support/clsAtomicFileWriter.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace kujimate {
namespace {
constexpr size_t BufferSize = 1 << 20;

bool NoWriteBits(const struct stat& st) { return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0; }

std::string FolderOf(const std::string& path) {
    size_t p = path.find_last_of('/');
    if (p == std::string::npos) return ".";
    return p == 0 ? "/" : path.substr(0, p);
}
constexpr const char* TempInfix = ".tmp.";
constexpr size_t TempUnique = 6;  // the characters mkstemp puts in place of XXXXXX

bool IsAlnum(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// A save that was killed leaves its temporary file behind, up to a full copy of the target.
// The next save of the same target clears them: only regular files named exactly
// TARGET.tmp. and six letters or digits, in the target's folder.
void RemoveLeftoverTemporaries(const std::string& fullPath) {
    const std::string folder = FolderOf(fullPath);
    const size_t slash = fullPath.find_last_of('/');
    const std::string prefix = (slash == std::string::npos ? fullPath : fullPath.substr(slash + 1)) + TempInfix;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    while (const dirent* e = ::readdir(dir)) {
        const size_t len = std::strlen(e->d_name);
        if (len != prefix.size() + TempUnique || std::strncmp(e->d_name, prefix.c_str(), prefix.size()) != 0) continue;
        bool unique = true;
        for (size_t i = prefix.size(); i < len; ++i) unique = unique && IsAlnum(e->d_name[i]);
        if (!unique) continue;
        struct stat st {};
        if (::fstatat(::dirfd(dir), e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode)) continue;
        ::unlinkat(::dirfd(dir), e->d_name, 0);
    }
    ::closedir(dir);
}
}  // namespace

clsAtomicFileWriter::~clsAtomicFileWriter() { Abort(); }

void clsAtomicFileWriter::Abort() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temp_.empty()) {
        ::unlink(temp_.c_str());
        temp_.clear();
    }
}

int clsAtomicFileWriter::Open(const std::string& fullPath) {
    Abort();
    target_ = fullPath;
    // Read-only marks hold even for an administrator, as on the desktop platform.
    struct stat st {};
    bool existed = false;
    if (::stat(fullPath.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return EISDIR;
        if (NoWriteBits(st)) return EACCES;
        mode_ = st.st_mode & 07777;
        existed = true;
    }
    struct stat dst {};
    if (::stat(FolderOf(fullPath).c_str(), &dst) == 0 && NoWriteBits(dst)) return EACCES;
    if (!existed) {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode_ = 0666 & ~mask;
    }
    RemoveLeftoverTemporaries(fullPath);
    std::string tmp = fullPath + TempInfix + "XXXXXX";
    int fd = ::mkstemp(tmp.data());
    if (fd < 0) return errno;
    fd_ = fd;
    temp_ = tmp;
    buffer_.clear();
    buffer_.reserve(BufferSize);
    return 0;
}

int clsAtomicFileWriter::Flush() {
    const char* p = buffer_.data();
    size_t left = buffer_.size();
    while (left > 0) {
        ssize_t n = ::write(fd_, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    buffer_.clear();
    return 0;
}

int clsAtomicFileWriter::Write(std::string_view bytes) {
    if (fd_ < 0) return EBADF;
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
    if (fd_ < 0) return EBADF;
    int err = Flush();
    if (!err && ::fsync(fd_) != 0) err = errno;
    if (!err) ::fchmod(fd_, static_cast<mode_t>(mode_));
    if (::close(fd_) != 0 && !err) err = errno;
    fd_ = -1;
    if (!err && ::rename(temp_.c_str(), target_.c_str()) != 0) err = errno;
    if (err) {
        Abort();
        return err;
    }
    temp_.clear();
    return 0;
}

}  // namespace kujimate
