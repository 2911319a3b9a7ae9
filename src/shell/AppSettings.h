#pragma once
// The main window's settings file: the last draw number and two check boxes.
#include <cstdint>
#include <string>

namespace kujimate {

struct AppSettings {
    int32_t Kaisaikai = 1;
    bool DownloadMessage = true;
    bool ResultAll = false;
};

inline constexpr const char* AppSettingsFileName = "SysData\\KUJIMATE.ini";

// Defaults, overridden by each readable key of the file; an unconvertible value is
// reported and keeps its default.
AppSettings LoadAppSettings();
// The six lines of the file, each ending in CR LF.
std::string AppSettingsText(const AppSettings& s);
bool SaveAppSettings(const AppSettings& s);

}  // namespace kujimate
