#pragma once
// Official long team names to short names, and league membership per year.
#include <string>

#include "support/clsIniFile.h"

namespace kujimate {

// The last long name no dictionary knew; read and cleared by the user team-name dialog.
extern std::string LastMissingTeamName;

class clsTotoData {
public:
    clsTotoData();  // reads the five dictionaries, quietly

    std::string GetShortTeamName(const std::string& longName, double lngKaisaikai);
    std::string GetLongTeamName(const std::string& shortName) const;
    std::string GetShortToJ1J2String(const std::string& shortName, long lngYear) const;
    std::string GetTeamName2Version() const;
    bool ExistsLongTeamName(const std::string& longName) const;

private:
    clsIniFile team_, team1_, team2_, team3_, j1j2_;
};

}  // namespace kujimate
