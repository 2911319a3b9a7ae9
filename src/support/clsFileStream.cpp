#include "support/clsFileStream.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "support/Encoding.h"
#include "support/FileAccess.h"
#include "support/Report.h"
#include "support/clsAtomicFileWriter.h"

namespace kujimate {
namespace {
constexpr const char* ClassName = "clsFileStream";
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
    clsAtomicFileWriter w;
    int err = w.Open(full);
    if (!err) err = w.Write(bytes);
    if (!err) err = w.Commit();
    if (!err) return true;
    ClassFailure(ClassName, operation, FileErrorDescription(err) + "\r\n" + full, err);
    return false;
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
    FILE* fp = OpenStdioFile(f, "rb");
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
