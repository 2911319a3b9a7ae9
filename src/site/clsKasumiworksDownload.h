#pragma once
// The overseas team names (SysData\TeamName2.dat) brought up to date from the maker's
// download site: a small version list says which version is published.
#include <string>
#include <utility>
#include <vector>

#include "drawdata/PageParsers.h"

namespace kujimate {

class clsKasumiworksDownload {
public:
    static constexpr const char* DefaultMakerSite = "https://www.kasumiworks.invalid";
    static constexpr const char* DownloadFolder = "/download/2021/";

    // The maker's site, scheme://host[:port]: KUJIMATE_MAKER_SITE, else the placeholder.
    static std::string MakerSite();
    // "a.b" as a × 1000 + b; 0 for a text without "." or with an empty side.
    static long VersionNumber(const std::string& text);

    // True when the local file is now current (updated or already so).
    bool DownloadTeamName2(OwnerWindow objOwnerForm, bool blnDQuestion);
    std::string GetItem(const std::string& strKey, const std::string& strDefault) const;

    // Tests shorten the waits of the fetches.
    void TimeoutsMs(long connect, long receive) {
        connectMs_ = connect;
        receiveMs_ = receive;
    }
    // How many times version.dat was fetched in this object's life.
    int VersionFetches() const { return versionFetches_; }

private:
    bool GetFileVersion(OwnerWindow owner);
    bool GetTeamName2(OwnerWindow owner);
    // The body of a file below the download folder, or empty after a reported failure.
    std::string Fetch(const std::string& file, const std::string& caption, OwnerWindow owner);

    std::vector<std::pair<std::string, std::string>> versions_;
    long connectMs_ = 0, receiveMs_ = 0;
    int versionFetches_ = 0;
};

}  // namespace kujimate
