#pragma once
// Whole-file reads and writes in code page 932. Every save goes to a temporary file in
// the target's folder and is renamed over the target, so a failed save never costs the
// old file.
#include <string>
#include <string_view>

#include "support/clsFileSystemObject.h"

namespace kujimate {

class clsFileStream {
public:
    // Whether LoadFromFile tells the user about a missing file.
    bool ErrMessage() const { return errMessage_; }
    void ErrMessage(bool v) { errMessage_ = v; }

    bool SaveToFile(const std::string& strFileName, std::string_view strData);
    bool LoadFromFile(const std::string& strFileName, std::string& strData);
    bool SaveToBinaryFile(const std::string& strFileName, std::string_view bytData);
    // The bytes unchanged; the same missing-file rule as LoadFromFile.
    bool LoadFromBinaryFile(const std::string& strFileName, std::string& bytData);

private:
    bool WriteAtomically(const std::string& fullPath, std::string_view bytes, const char* operation);
    bool ReadAll(const std::string& strFileName, std::string& bytes, const char* operation);

    bool errMessage_ = true;
    clsFileSystemObject fso_;
};

// Japanese description of a file-system error number, for the failure reports.
std::string FileErrorDescription(int err);

}  // namespace kujimate
