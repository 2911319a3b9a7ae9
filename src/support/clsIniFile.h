#pragma once
// Reader of "key = value" settings and dictionary files.
#include <string>
#include <utility>
#include <vector>

#include "support/clsFileStream.h"

namespace kujimate {

class clsIniFile {
public:
    void Initialize(const std::string& strFileName);
    bool Enabled() const { return enabled_; }

    bool ItemExists(const std::string& strKey) const;
    std::string GetItem(const std::string& strKey, const std::string& defaultValue) const;
    std::string GetItem(const std::string& strKey, long defaultValue) const {
        return GetItem(strKey, std::to_string(defaultValue));
    }
    bool KeyExists(const std::string& strItem) const;
    std::string GetKey(const std::string& strItem) const;

    long Count() const { return static_cast<long>(entries_.size()); }
    const std::vector<std::pair<std::string, std::string>>& Entries() const { return entries_; }
    // Parses text already in memory (what Initialize does after reading the file).
    void LoadText(const std::string& text);

private:
    const std::pair<std::string, std::string>* FindKey(const std::string& key) const;
    const std::pair<std::string, std::string>* FindValue(const std::string& value) const;

    std::string fileName_;
    bool enabled_ = false;
    std::vector<std::pair<std::string, std::string>> entries_;
    clsFileStream stream_;
};

}  // namespace kujimate
