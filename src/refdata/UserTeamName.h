#pragma once
// The user dictionary of team names (SysData\TeamName3.dat): only ever appended to.
#include <string>

namespace kujimate {

namespace UserTeamName {
inline constexpr const char* FileName = "SysData\\TeamName3.dat";
inline constexpr const char* Header = ";Kasumiworks TeamName User Data File (TeamName3.dat)";
inline constexpr const char* Title = "チーム名（ユーザー定義）";

// What the dialog offers when it opens: the short name narrowed, the long name as it came.
std::string OfferedShortName();
std::string OfferedLongName();

// The dialog's "追加" with the fields as typed: checks, appends, tells the user. True when
// the entry was added and the dialog closes; false when it was refused and stays open.
bool Add(const std::string& txtRyakusho, const std::string& txtMeisho);
}  // namespace UserTeamName

}  // namespace kujimate
