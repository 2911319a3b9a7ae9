#pragma once
// Addresses of the operator's pages, kept in SysData\bigSettings.ini so they can be
// corrected without a new program.
#include <string>

namespace kujimate {

// The operator's shop host in the default addresses. Placeholder under the reserved
// .invalid domain: set the real host in SysData/bigSettings.ini.
inline constexpr const char* OfficialShopHost = "store.big-operator.invalid";
inline constexpr const char* BigSettingsFileName = "SysData\\bigSettings.ini";

struct BigSettingsValues {
    long Version = 1;
    std::string bigOfficialScheduleUrl;
    std::string bigOfficialResultUrl;
    std::string bigOfficialBigUrl;
    std::string bigOfficialMiniBigUrl;
    std::string bigOfficialBig1000Url;
    std::string bigOfficialBig100Url;
    std::string totoOfficialVoteUrl;
    std::string totoOfficialTotoUrl;
};

BigSettingsValues& BigSettings();
BigSettingsValues DefaultBigSettings();

void SetDefaultBigSettings();
void LoadBigSettings();
void ReadBigSettings();
bool WriteBigSettings();
std::string BigSettingsText(const BigSettingsValues& v);

// Page addresses of draw n ("0000" form of the number).
std::string ScheduleUrl(long n);
std::string VoteUrl(long n);
std::string ResultUrl(long n);

}  // namespace kujimate
