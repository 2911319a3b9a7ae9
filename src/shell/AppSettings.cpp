#include "shell/AppSettings.h"

#include "support/clsIniFile.h"
#include "support/NumberText.h"
#include "support/Report.h"
#include "support/basStandard.h"
#include "support/clsFileStream.h"
#include "support/clsStringConvert.h"

namespace kujimate {

AppSettings LoadAppSettings() {
    AppSettings s;
    clsFileSystemObject fso;
    if (!fso.FileExists(fso.GetFullPath(AppSettingsFileName))) return s;
    clsIniFile ini;
    ini.Initialize(AppSettingsFileName);
    const std::string broken = std::string(AppTitle) + ".iniファイルが破損しています。";
    if (ini.ItemExists("Kaisaikai")) {
        if (auto v = TextToInt32(ini.GetItem("Kaisaikai", ""))) s.Kaisaikai = *v;
        else AppMessage(broken, MsgIcon::Error);
    }
    if (ini.ItemExists("DownloadMessage")) {
        if (auto v = TextToBoolean(ini.GetItem("DownloadMessage", ""))) s.DownloadMessage = *v;
        else AppMessage(broken, MsgIcon::Error);
    }
    if (ini.ItemExists("ResultAll")) {
        if (auto v = TextToBoolean(ini.GetItem("ResultAll", ""))) s.ResultAll = *v;
        else AppMessage(broken, MsgIcon::Error);
    }
    return s;
}

std::string AppSettingsText(const AppSettings& s) {
    clsStringConvert conv;
    std::string t;
    t += std::string(";") + MakerName + " " + AppTitle + " Ini File (" + AppTitle + ".ini)\r\n";
    t += ";" + GetLegalNotice() + "\r\n";
    t += "\r\n";
    t += "Kaisaikai = " + std::to_string(s.Kaisaikai) + "\r\n";
    t += "DownloadMessage = " + conv.BooleanToString(s.DownloadMessage) + "\r\n";
    t += "ResultAll = " + conv.BooleanToString(s.ResultAll) + "\r\n";
    return t;
}

bool SaveAppSettings(const AppSettings& s) {
    clsFileStream fs;
    return fs.SaveToFile(AppSettingsFileName, AppSettingsText(s));
}

}  // namespace kujimate
