#include "site/clsKasumiworksDownload.h"

#include <cstdlib>
#include <exception>

#include "refdata/clsTotoData.h"
#include "support/clsIniFile.h"
#include "site/clsWinInet.h"
#include "support/NumberText.h"
#include "support/Report.h"
#include "support/Text.h"
#include "support/clsFileStream.h"

namespace kujimate {

namespace {
constexpr const char* Caption = " Kasumiworks";
constexpr const char* QuestionCaption = "  Kasumiworks";
constexpr const char* ClassName = "clsKasumiworksDownload";

void Plain(const std::string& text) { Report().Message(text, MsgIcon::Warning, Caption); }
void DownloadFailure(const std::string& cause) {
    Plain("インターネットよりダウンロードに失敗しました。\r\n" + cause);
}

// Empty when the body is usable so far; otherwise the cause to report.
std::string BodyProblem(const std::string& body) {
    if (body.empty()) return "原因：サイトが見つかりません";
    if (body.find("The requested URL was not found on this server") != std::string::npos)
        return "原因：アドレスが見つかりません";
    return {};
}
}  // namespace

std::string clsKasumiworksDownload::MakerSite() {
    const char* v = std::getenv("KUJIMATE_MAKER_SITE");
    std::string site = v ? Trim(v) : std::string();
    while (!site.empty() && site.back() == '/') site.pop_back();
    return site.empty() ? DefaultMakerSite : site;
}

long clsKasumiworksDownload::VersionNumber(const std::string& text) {
    const size_t dot = text.find('.');
    if (dot == std::string::npos) return 0;
    const std::string a = Trim(text.substr(0, dot)), b = Trim(text.substr(dot + 1));
    if (a.empty() || b.empty()) return 0;
    // A side that is no number gives no version either.
    const auto major = TextToInt32(a), minor = TextToInt32(b);
    if (!major || !minor) return 0;
    return static_cast<long>(*major) * 1000 + *minor;
}

std::string clsKasumiworksDownload::GetItem(const std::string& strKey, const std::string& strDefault) const {
    for (const auto& [key, value] : versions_)
        if (TextEqualsIgnoreCase(key, strKey)) return value;
    return strDefault;
}

bool clsKasumiworksDownload::DownloadTeamName2(OwnerWindow owner, bool blnDQuestion) {
    if (blnDQuestion && !Report().Question("Kasumiworksより 海外チーム名 をダウンロードします。よろしいですか？",
                                           QuestionCaption))
        return false;
    if (versions_.empty() && !GetFileVersion(owner)) return false;
    const long remote = VersionNumber(GetItem("TeamName2.dat", ""));
    if (remote == 0) {
        Plain("海外チーム名のバージョン取得に失敗しました。");
        return false;
    }
    const long local = VersionNumber(clsTotoData().GetTeamName2Version());
    if (local == 0) {
        Plain("海外チーム名のバージョンが不明です。");
        return false;
    }
    if (remote < local) {
        Plain("海外チーム名のバージョンが異常です。");
        return false;
    }
    if (remote == local) {
        Report().Message("海外チーム名の情報は最新です。", MsgIcon::Information, Caption);
        return true;
    }
    if (!GetTeamName2(owner)) return false;
    Report().Message("海外チーム名を最新版に更新しました。", MsgIcon::Information, Caption);
    return true;
}

std::string clsKasumiworksDownload::Fetch(const std::string& file, const std::string& caption, OwnerWindow owner) {
    clsWinInet http;
    if (connectMs_ > 0) http.ConnectTimeoutMs(connectMs_);
    if (receiveMs_ > 0) http.ReceiveTimeoutMs(receiveMs_);
    http.ProgressDialogMessage(caption);
    std::string body;
    if (http.Connection()) body = http.GetHttpDataString(MakerSite() + DownloadFolder + file, "", owner, 0);
    const std::string problem = BodyProblem(body);
    if (!problem.empty()) {
        DownloadFailure(problem);
        return {};
    }
    return body;
}

bool clsKasumiworksDownload::GetFileVersion(OwnerWindow owner) {
    try {
        versions_.clear();
        const std::string body = Fetch("version.dat", "ファイルバージョン取得中 (Kasumiworks)", owner);
        ++versionFetches_;
        if (body.empty()) return false;
        if (body.find("[VersionEnd]") == std::string::npos) {
            DownloadFailure("原因：ダウンロード内容(version.dat)が異常です");
            return false;
        }
        clsIniFile list;
        list.LoadText(body);
        versions_ = list.Entries();
        return true;
    } catch (const std::exception& e) {
        versions_.clear();
        ClassFailure(ClassName, "GetFileVersion", e.what(), 0);
        return false;
    }
}

bool clsKasumiworksDownload::GetTeamName2(OwnerWindow owner) {
    try {
        const std::string body = Fetch("TeamName2.dat", "海外チーム名取得中 (Kasumiworks)", owner);
        if (body.empty()) return false;
        if (body.find("[End]") == std::string::npos) {
            DownloadFailure("原因：TeamName2.dat が異常です");
            return false;
        }
        return clsFileStream().SaveToFile("SysData\\TeamName2.dat", body);
    } catch (const std::exception& e) {
        ClassFailure(ClassName, "GetTeamName2", e.what(), 0);
        return false;
    }
}

}  // namespace kujimate
