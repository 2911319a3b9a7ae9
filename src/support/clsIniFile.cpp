#include "support/clsIniFile.h"

#include "support/Report.h"
#include "support/Text.h"

namespace kujimate {
namespace {
constexpr const char* ClassName = "clsIniFile";
}

void clsIniFile::Initialize(const std::string& strFileName) {
    fileName_ = strFileName;
    stream_.ErrMessage(false);
    std::string text;
    if (!stream_.LoadFromFile(strFileName, text)) return;
    LoadText(text);
}

void clsIniFile::LoadText(const std::string& text) {
    size_t start = 0;
    while (start <= text.size()) {
        size_t p = text.find("\r\n", start);
        size_t end = p == std::string::npos ? text.size() : p;
        std::string line = Trim(std::string_view(text).substr(start, end - start));
        start = end + 2;
        if (!line.empty() && !StartsWith(line, "//") && !StartsWith(line, ";")) {
            size_t eq = line.find('=');
            std::string key = Trim(line.substr(0, eq));
            std::string value = eq == std::string::npos ? std::string() : Trim(line.substr(eq + 1));
            if (!key.empty() && !value.empty()) entries_.emplace_back(std::move(key), std::move(value));
        }
        if (p == std::string::npos) break;
    }
    enabled_ = true;
}

const std::pair<std::string, std::string>* clsIniFile::FindKey(const std::string& key) const {
    for (const auto& e : entries_)
        if (TextEqualsIgnoreCase(e.first, key)) return &e;
    return nullptr;
}

const std::pair<std::string, std::string>* clsIniFile::FindValue(const std::string& value) const {
    for (const auto& e : entries_)
        if (TextEqualsIgnoreCase(e.second, value)) return &e;
    return nullptr;
}

bool clsIniFile::ItemExists(const std::string& strKey) const {
    if (!enabled_) { ClassMessage(ClassName, "ItemExists", "Initialize Err"); return false; }
    return !strKey.empty() && FindKey(strKey);
}

std::string clsIniFile::GetItem(const std::string& strKey, const std::string& defaultValue) const {
    if (!enabled_) { ClassMessage(ClassName, "GetItem", "Initialize Err"); return {}; }
    if (strKey.empty()) return defaultValue;
    auto* e = FindKey(strKey);
    return e ? e->second : defaultValue;
}

bool clsIniFile::KeyExists(const std::string& strItem) const {
    if (!enabled_) { ClassMessage(ClassName, "KeyExists", "Initialize Err"); return false; }
    return !strItem.empty() && FindValue(strItem);
}

std::string clsIniFile::GetKey(const std::string& strItem) const {
    if (!enabled_) { ClassMessage(ClassName, "GetKey", "Initialize Err"); return {}; }
    if (strItem.empty()) return {};
    auto* e = FindValue(strItem);
    return e ? e->first : std::string();
}

}  // namespace kujimate
