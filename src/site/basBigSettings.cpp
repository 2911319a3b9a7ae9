#include "site/basBigSettings.h"

#include "support/clsIniFile.h"
#include "support/NumberText.h"
#include "support/Report.h"
#include "support/basStandard.h"
#include "support/clsFileStream.h"

namespace kujimate {
namespace {
BigSettingsValues g_settings = DefaultBigSettings();

std::string Host() { return std::string("https://") + OfficialShopHost; }
}  // namespace

BigSettingsValues DefaultBigSettings() {
    BigSettingsValues v;
    v.Version = 1;
    v.bigOfficialScheduleUrl = Host() +
        "/dcs/subos/screen/pi02/spin005/PGSPIN00501DispBIGLotAssignGameDetail.form?popupDispDiv=0&holdCntId=";
    v.bigOfficialResultUrl = Host() + "/dcs/subos/screen/pi05/spin014/PGSPIN01401LnkHoldCntLotResultLstBIG.form?holdCntId=";
    v.bigOfficialBigUrl = "&commodityId=09";
    v.bigOfficialMiniBigUrl = "&commodityId=10";
    v.bigOfficialBig1000Url = "&commodityId=11";
    v.bigOfficialBig100Url = "&commodityId=13";
    v.totoOfficialVoteUrl = Host() + "/dcs/subos/screen/pi09/spin003/PGSPIN00301InitVoteRate.form?holdCntId=";
    v.totoOfficialTotoUrl = "&commodityId=01";
    return v;
}

BigSettingsValues& BigSettings() { return g_settings; }
void SetDefaultBigSettings() { g_settings = DefaultBigSettings(); }

void LoadBigSettings() {
    SetDefaultBigSettings();
    clsFileSystemObject fso;
    if (!fso.FileExists(fso.GetFullPath(BigSettingsFileName))) {
        WriteBigSettings();
        return;
    }
    ReadBigSettings();
    if (g_settings.Version < 1) {
        SetDefaultBigSettings();
        WriteBigSettings();
    }
}

void ReadBigSettings() {
    clsIniFile ini;
    ini.Initialize(BigSettingsFileName);
    const std::string broken = "bigSettings.iniファイルが破損しています。";
    if (!ini.Enabled()) {
        // Unreadable as a whole: say so once and keep what is in force.
        AppMessage(broken, MsgIcon::Error);
        return;
    }
    if (auto v = TextToInt32(ini.GetItem("Version", "0"))) g_settings.Version = *v;
    else AppMessage(broken, MsgIcon::Error);
    const BigSettingsValues d = DefaultBigSettings();
    auto read = [&](const char* key, std::string& field, const std::string& def) { field = ini.GetItem(key, def); };
    read("bigOfficialScheduleUrl", g_settings.bigOfficialScheduleUrl, d.bigOfficialScheduleUrl);
    read("bigOfficialResultUrl", g_settings.bigOfficialResultUrl, d.bigOfficialResultUrl);
    read("bigOfficialBigUrl", g_settings.bigOfficialBigUrl, d.bigOfficialBigUrl);
    read("bigOfficialMiniBigUrl", g_settings.bigOfficialMiniBigUrl, d.bigOfficialMiniBigUrl);
    read("bigOfficialBig1000Url", g_settings.bigOfficialBig1000Url, d.bigOfficialBig1000Url);
    read("bigOfficialBig100Url", g_settings.bigOfficialBig100Url, d.bigOfficialBig100Url);
    read("totoOfficialVoteUrl", g_settings.totoOfficialVoteUrl, d.totoOfficialVoteUrl);
    read("totoOfficialTotoUrl", g_settings.totoOfficialTotoUrl, d.totoOfficialTotoUrl);
}

std::string BigSettingsText(const BigSettingsValues& v) {
    std::string t;
    auto line = [&](const std::string& s) { t += s + "\r\n"; };
    auto kv = [&](const char* k, const std::string& val) { line(std::string(k) + " = " + val); };
    line(";Kasumiworks Toto Settings Ini File (bigSettings.ini)");
    line(";" + GetLegalNotice());
    line("");
    kv("Version", std::to_string(v.Version));
    line("");
    line(";BIGオフィシャル開催情報URL");
    kv("bigOfficialScheduleUrl", v.bigOfficialScheduleUrl);
    line(";BIGオフィシャルくじ結果URL");
    kv("bigOfficialResultUrl", v.bigOfficialResultUrl);
    line(";BIGオフィシャルURL(BIG)");
    kv("bigOfficialBigUrl", v.bigOfficialBigUrl);
    line(";BIGオフィシャルURL(mini BIG)");
    kv("bigOfficialMiniBigUrl", v.bigOfficialMiniBigUrl);
    line(";BIGオフィシャルURL(BIG 1000)");
    kv("bigOfficialBig1000Url", v.bigOfficialBig1000Url);
    line(";BIGオフィシャルURL(100円BIG)");
    kv("bigOfficialBig100Url", v.bigOfficialBig100Url);
    line("");
    line(";totoオフィシャル投票状況URL");
    kv("totoOfficialVoteUrl", v.totoOfficialVoteUrl);
    line(";totoオフィシャルURL(toto)");
    kv("totoOfficialTotoUrl", v.totoOfficialTotoUrl);
    return t;
}

bool WriteBigSettings() {
    clsFileStream fs;
    return fs.SaveToFile(BigSettingsFileName, BigSettingsText(g_settings));
}

std::string ScheduleUrl(long n) {
    return g_settings.bigOfficialScheduleUrl + FormatNumber(static_cast<int64_t>(n), "0000") +
           g_settings.bigOfficialBig1000Url;
}
std::string VoteUrl(long n) {
    return g_settings.totoOfficialVoteUrl + FormatNumber(static_cast<int64_t>(n), "0000") +
           g_settings.totoOfficialTotoUrl;
}
std::string ResultUrl(long n) {
    return g_settings.bigOfficialResultUrl + FormatNumber(static_cast<int64_t>(n), "0000");
}

}  // namespace kujimate
