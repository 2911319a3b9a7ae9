#include "shell/RecentFiles.h"

#include <algorithm>

#include "support/Report.h"
#include "support/clsFileStream.h"
#include "support/clsFileSystemObject.h"

namespace kujimate {

namespace {
// Paths are kept as UTF-8 bytes: a folder name that code page 932 cannot hold must still
// open. A line longer than any path is not one.
constexpr size_t MaxPath = 4096;
}  // namespace

void RecentFiles::Load() {
    paths_.clear();
    std::string bytes;
    clsFileStream fs;
    fs.ErrMessage(false);
    {
        QuietReports quiet;
        if (!fs.LoadFromBinaryFile(FileName, bytes)) return;
    }
    size_t at = 0;
    while (at < bytes.size() && paths_.size() < Limit) {
        size_t end = bytes.find("\r\n", at);
        if (end == std::string::npos) end = bytes.size();
        std::string line = bytes.substr(at, end - at);
        at = end + 2;
        if (line.empty() || line.size() > MaxPath || line.find('\0') != std::string::npos) continue;
        if (std::find(paths_.begin(), paths_.end(), line) == paths_.end()) paths_.push_back(std::move(line));
    }
}

void RecentFiles::Add(const std::string& path) {
    if (path.empty() || path.size() > MaxPath) return;
    std::erase(paths_, path);
    paths_.insert(paths_.begin(), path);
    if (paths_.size() > Limit) paths_.resize(Limit);
    Save();
}

void RecentFiles::Remove(const std::string& path) {
    if (std::erase(paths_, path) > 0) Save();
}

void RecentFiles::Save() const {
    std::string text;
    for (const std::string& p : paths_) text += p + "\r\n";
    clsFileStream().SaveToBinaryFile(FileName, text);
}

}  // namespace kujimate
