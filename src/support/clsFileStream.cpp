#include "support/clsFileStream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "support/Encoding.h"
#include "support/Report.h"

namespace kujimate {
namespace {
constexpr const char* ClassName = "clsFileStream";

bool NoWriteBits(const struct stat& st) { return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0; }

bool WriteFull(int fd, std::string_view bytes) {
    const char* p = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    return true;
}
}  // namespace

std::string FileErrorDescription(int err) {
    switch (err) {
        case EACCES:
        case EPERM:
        case EROFS: return "書き込みできません。ファイルまたはフォルダが読み取り専用です。";
        case ENOSPC:
        case EDQUOT: return "ディスクの空き容量が不足しています。";
        case ENOENT:
        case ENOTDIR: return "パスが見つかりません。";
        case EISDIR: return "同じ名前のフォルダがあります。";
        case ENAMETOOLONG: return "ファイル名が長すぎます。";
        case EBUSY:
        case ETXTBSY: return "ファイルが使用中です。";
        default: return std::string("ファイルの入出力でエラーが発生しました。(") + std::strerror(err) + ")";
    }
}

bool clsFileStream::WriteAtomically(const std::string& full, std::string_view bytes, const char* operation) {
    auto fail = [&](int err) {
        ClassFailure(ClassName, operation, FileErrorDescription(err) + "\r\n" + full, err);
        return false;
    };
    std::string folder = fso_.GetParentFolderName(full);
    if (folder.empty()) folder = ".";
    // Read-only attributes hold even for an administrator, as on the desktop platform.
    struct stat st {};
    mode_t mode = 0;
    bool existed = false;
    if (::stat(full.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return fail(EISDIR);
        if (NoWriteBits(st)) return fail(EACCES);
        mode = st.st_mode & 07777;
        existed = true;
    }
    struct stat dst {};
    if (::stat(folder.c_str(), &dst) == 0 && NoWriteBits(dst)) return fail(EACCES);

    std::string tmp = full + ".tmp.XXXXXX";
    int fd = ::mkstemp(tmp.data());
    if (fd < 0) return fail(errno);
    if (!WriteFull(fd, bytes) || ::fsync(fd) != 0) {
        int err = errno;
        ::close(fd);
        ::unlink(tmp.c_str());
        return fail(err);
    }
    if (!existed) {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(fd, mode);
    if (::close(fd) != 0 || ::rename(tmp.c_str(), full.c_str()) != 0) {
        int err = errno;
        ::unlink(tmp.c_str());
        return fail(err);
    }
    return true;
}

bool clsFileStream::SaveToFile(const std::string& strFileName, std::string_view strData) {
    std::string f = fso_.GetFullPath(strFileName);
    if (!fso_.FolderCheck(fso_.GetParentFolderName(f))) return false;
    return WriteAtomically(f, Utf8ToCp932(strData), "SaveToFile");
}

bool clsFileStream::SaveToBinaryFile(const std::string& strFileName, std::string_view bytData) {
    std::string f = fso_.GetFullPath(strFileName);
    if (!fso_.FolderCheck(fso_.GetParentFolderName(f))) return false;
    return WriteAtomically(f, bytData, "SaveToBinaryFile");
}

bool clsFileStream::ReadAll(const std::string& strFileName, std::string& bytes, const char* operation) {
    std::string f = fso_.GetFullPath(strFileName);
    if (!fso_.FileExists(f)) {
        if (errMessage_) ClassMessage(ClassName, operation, "ファイルが存在しません。\r\n" + f);
        return false;
    }
    FILE* fp = std::fopen(f.c_str(), "rb");
    if (!fp) {
        int err = errno;
        ClassFailure(ClassName, operation, FileErrorDescription(err) + "\r\n" + f, err);
        return false;
    }
    std::string data;
    char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, fp)) > 0) data.append(buf, n);
    bool bad = std::ferror(fp);
    int err = errno;
    std::fclose(fp);
    if (bad) {
        ClassFailure(ClassName, operation, FileErrorDescription(err) + "\r\n" + f, err);
        return false;
    }
    bytes = std::move(data);
    return true;
}

bool clsFileStream::LoadFromFile(const std::string& strFileName, std::string& strData) {
    std::string bytes;
    if (!ReadAll(strFileName, bytes, "LoadFromFile")) return false;
    // A zero byte ends the text; in code page 932 it is never part of a character.
    size_t nul = bytes.find('\0');
    if (nul != std::string::npos) bytes.resize(nul);
    strData = Cp932ToUtf8(bytes);
    return true;
}

bool clsFileStream::LoadFromBinaryFile(const std::string& strFileName, std::string& bytData) {
    return ReadAll(strFileName, bytData, "LoadFromBinaryFile");
}

}  // namespace kujimate
