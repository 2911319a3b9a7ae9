#include "refdata/clsTotoData.h"

#include "support/Report.h"

namespace kujimate {

std::string LastMissingTeamName;

clsTotoData::clsTotoData() {
    team_.Initialize("SysData\\TeamName.dat");
    team1_.Initialize("SysData\\TeamName1.dat");
    team2_.Initialize("SysData\\TeamName2.dat");
    team3_.Initialize("SysData\\TeamName3.dat");
    j1j2_.Initialize("SysData\\J1J2.dat");
}

std::string clsTotoData::GetShortTeamName(const std::string& longName, double lngKaisaikai) {
    if (lngKaisaikai == 0) {
        Report().Message("開催回が不明です", MsgIcon::Warning, "GetShortTeamName");
        return {};
    }
    std::string s = team_.GetKey(longName);
    if (s.empty()) s = lngKaisaikai < 750 ? team1_.GetKey(longName) : team2_.GetKey(longName);
    if (s.empty() && team3_.Enabled()) s = team3_.GetKey(longName);
    if (!s.empty()) return s;
    AppMessage("チーム名：" + longName + " が見つかりません。\r\n最新のチーム名データをダウンロードするかチーム名を追加して下さい。",
               MsgIcon::Warning);
    LastMissingTeamName = longName;
    return {};
}

std::string clsTotoData::GetLongTeamName(const std::string& shortName) const { return team_.GetItem(shortName, ""); }

std::string clsTotoData::GetShortToJ1J2String(const std::string& shortName, long lngYear) const {
    for (int i = 1; i <= 3; ++i) {
        std::string members = j1j2_.GetItem(std::to_string(lngYear) + "J" + std::to_string(i), "");
        if (!shortName.empty() && members.find(shortName) != std::string::npos) return "J" + std::to_string(i);
    }
    return {};
}

std::string clsTotoData::GetTeamName2Version() const {
    return team2_.GetItem("Version", "") + "." + team2_.GetItem("Revision", "");
}

bool clsTotoData::ExistsLongTeamName(const std::string& longName) const {
    return team_.KeyExists(longName) || team2_.KeyExists(longName) || team3_.KeyExists(longName);
}

}  // namespace kujimate
