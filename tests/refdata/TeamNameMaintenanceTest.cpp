#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "common/LocalServer.h"
#include "common/TestSupport.h"
#include "refdata/UserTeamName.h"
#include "refdata/clsTotoData.h"
#include "site/clsKasumiworksDownload.h"
#include "support/Encoding.h"

using namespace kujimate;
using namespace kujimate::test;
namespace fs = std::filesystem;

namespace {
const std::string Header = ";Kasumiworks TeamName User Data File (TeamName3.dat)\r\n";
}

class UserTeamNameTest : public ::testing::Test {
protected:
    TempProgramFolder pf{false};
    RecordingReporter rec;
    void SetUp() override {
        WriteSjisLines(pf / "SysData/TeamName.dat", {"鹿島 = 鹿島アントラーズ"});
        WriteSjisLines(pf / "SysData/TeamName1.dat", {"ﾁｪﾙｼｰ = チェルシー"});
        WriteSjisLines(pf / "SysData/TeamName2.dat", {"Version = 1", "Revision = 00", "ｱｰｾﾅﾙ = アーセナル"});
        WriteSjisLines(pf / "SysData/J1J2.dat", {"2024J1 = 鹿島"});
        LastMissingTeamName = "ウルヴァーハンプトン";
    }
    fs::path User() const { return pf / "SysData/TeamName3.dat"; }
};

TEST_F(UserTeamNameTest, EachRefusalKeepsTheDialogOpenAndTheFileAtItsHeader) {
    struct Case {
        const char* shortName;
        const char* longName;
        const char* message;
    };
    const Case cases[] = {
        {"   ", "ウルヴァーハンプトン", "略称を入力して下さい。"},
        {"ｳﾙﾌﾞｽ", " ", "名称を入力して下さい。"},
        {" ｳﾙﾌﾞｽﾞ1 ", "ウルヴァーハンプトン", "略称は6文字以内で入力して下さい。"},  // 8 as typed
        {"ｼｶ", "鹿島アントラーズ", "名称(鹿島アントラーズ)は既に登録されています。"},
        {"ｱｰｾ", " アーセナル ", "名称(アーセナル)は既に登録されています。"},
    };
    for (const Case& c : cases) {
        rec.Clear();
        EXPECT_FALSE(UserTeamName::Add(c.shortName, c.longName)) << c.message;
        ASSERT_EQ(rec.Messages().size(), 1u);
        EXPECT_EQ(rec.Messages()[0].text, c.message);
        EXPECT_EQ(rec.Messages()[0].caption, "入力エラー");
        EXPECT_EQ(rec.Messages()[0].icon, MsgIcon::Warning);
        EXPECT_EQ(ReadBytes(User()), Header);  // written at the first press, never more
    }
    EXPECT_EQ(LastMissingTeamName, "ウルヴァーハンプトン");
}

TEST_F(UserTeamNameTest, AnEntryIsAppendedPaddedAndReadBack) {
    // Known only to the old overseas list: that one is not consulted for recent draws.
    EXPECT_TRUE(UserTeamName::Add(" ﾁｪﾙ ", "チェルシー"));
    ASSERT_EQ(rec.Messages().size(), 1u);
    EXPECT_EQ(rec.Messages()[0].text, "チーム名(チェルシー)を追加しました。");
    EXPECT_EQ(rec.Messages()[0].caption, "チーム名追加");
    EXPECT_EQ(rec.Messages()[0].icon, MsgIcon::Information);
    EXPECT_EQ(ReadBytes(User()), Header + Utf8ToCp932("ﾁｪﾙ    = チェルシー") + "\r\n");
    EXPECT_EQ(LastMissingTeamName, "");
    EXPECT_EQ(clsTotoData().GetShortTeamName("チェルシー", 900), "ﾁｪﾙ");
}

TEST_F(UserTeamNameTest, ALastLineWithoutItsLineEndKeepsItsEntry) {
    WriteBytes(User(), Header + Utf8ToCp932("ﾘｰｽﾞ   = リーズ"));
    EXPECT_TRUE(UserTeamName::Add("ｳﾙﾌﾞｽ", "ウルヴァーハンプトン"));
    EXPECT_EQ(ReadBytes(User()),
              Header + Utf8ToCp932("ﾘｰｽﾞ   = リーズ\r\nｳﾙﾌﾞｽ  = ウルヴァーハンプトン\r\n"));
    clsTotoData names;
    EXPECT_EQ(names.GetShortTeamName("リーズ", 900), "ﾘｰｽﾞ");
    EXPECT_EQ(names.GetShortTeamName("ウルヴァーハンプトン", 900), "ｳﾙﾌﾞｽ");
}

TEST_F(UserTeamNameTest, AFailedWriteIsNotReportedAsAnAddition) {
    WriteBytes(User(), Header);
    fs::permissions(User(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_FALSE(UserTeamName::Add("ｳﾙﾌﾞｽ", "ウルヴァーハンプトン"));
    ASSERT_FALSE(rec.Messages().empty());
    for (const auto& m : rec.Messages()) EXPECT_EQ(m.text.find("追加しました"), std::string::npos);
    EXPECT_EQ(ReadBytes(User()), Header);
    EXPECT_EQ(LastMissingTeamName, "ウルヴァーハンプトン");
}

// The maker's site on 127.0.0.1: version.dat and TeamName2.dat as each case serves them.
class MakerDownloadTest : public ::testing::Test {
protected:
    TempProgramFolder pf{false};
    RecordingReporter rec;
    std::string versionList = "TeamName2.dat = 1.01\r\n[VersionEnd]\r\n";
    std::string teamNames = Utf8ToCp932("Version = 1\r\nRevision = 01\r\nｳﾙﾌﾞｽ = ウルヴァーハンプトン\r\n[End]\r\n");
    int versionStatus = 200, namesStatus = 200;
    int stallMs = 0;
    int versionHits = 0, namesHits = 0;
    std::string shipped = Utf8ToCp932("Version = 1\r\nRevision = 00\r\nｱｰｾﾅﾙ = アーセナル\r\n");
    // Last, so that it stops (and its handlers end) before what they read goes.
    LocalServer server;

    void SetUp() override {
        WriteBytes(pf / "SysData/TeamName2.dat", shipped);
        server.server.Get("/download/2021/version.dat", [this](const httplib::Request&, httplib::Response& res) {
            ++versionHits;
            res.status = versionStatus;
            res.set_content(versionList, "text/plain");
        });
        server.server.Get("/download/2021/TeamName2.dat", [this](const httplib::Request&, httplib::Response& res) {
            ++namesHits;
            if (stallMs) std::this_thread::sleep_for(std::chrono::milliseconds(stallMs));
            res.status = namesStatus;
            res.set_content(teamNames, "text/plain");
        });
        server.Start();
        setenv("KUJIMATE_MAKER_SITE", server.Base().c_str(), 1);
    }
    void TearDown() override {
        server.Stop();
        unsetenv("KUJIMATE_MAKER_SITE");
    }
    std::string LastMessage() const { return rec.Messages().empty() ? "" : rec.Messages().back().text; }
};

TEST_F(MakerDownloadTest, ANewerListIsStoredByteForByteAndTheVersionListIsFetchedOnce) {
    clsKasumiworksDownload d;
    EXPECT_TRUE(d.DownloadTeamName2(nullptr, false));
    EXPECT_EQ(LastMessage(), "海外チーム名を最新版に更新しました。");
    EXPECT_EQ(rec.Messages().back().caption, " Kasumiworks");
    EXPECT_EQ(ReadBytes(pf / "SysData/TeamName2.dat"), teamNames);
    EXPECT_EQ(d.GetItem("teamname2.DAT", "x"), "1.01");
    EXPECT_EQ(d.GetItem("Other", "x"), "x");
    // Current now: the list from the first call answers.
    EXPECT_TRUE(d.DownloadTeamName2(nullptr, false));
    EXPECT_EQ(LastMessage(), "海外チーム名の情報は最新です。");
    EXPECT_EQ(versionHits, 1);
    EXPECT_EQ(namesHits, 1);
}

TEST_F(MakerDownloadTest, VersionsDecideWhetherToFetch) {
    struct Case {
        std::string published;
        std::string local;  // Version, Revision; empty for a file without them
        bool result;
        const char* message;
    };
    const Case cases[] = {
        {"1.05", "1|5", true, "海外チーム名の情報は最新です。"},
        {"1.10", "1|09", true, "海外チーム名を最新版に更新しました。"},
        {"1.02", "1|05", false, "海外チーム名のバージョンが異常です。"},
        {"105", "1|05", false, "海外チーム名のバージョン取得に失敗しました。"},
        {"", "1|05", false, "海外チーム名のバージョン取得に失敗しました。"},
        {"1.10", "", false, "海外チーム名のバージョンが不明です。"},
    };
    for (const Case& c : cases) {
        versionList = (c.published.empty() ? "Other.dat = 1.00" : "TeamName2.dat = " + c.published) + "\r\n[VersionEnd]\r\n";
        std::string local;
        if (!c.local.empty())
            local = "Version = " + c.local.substr(0, c.local.find('|')) + "\r\nRevision = " +
                    c.local.substr(c.local.find('|') + 1) + "\r\n";
        WriteBytes(pf / "SysData/TeamName2.dat", local + Utf8ToCp932("ｱｰｾﾅﾙ = アーセナル\r\n"));
        namesHits = 0;
        rec.Clear();
        clsKasumiworksDownload d;
        EXPECT_EQ(d.DownloadTeamName2(nullptr, false), c.result) << c.published << " / " << c.local;
        EXPECT_EQ(LastMessage(), c.message) << c.published << " / " << c.local;
        EXPECT_EQ(namesHits, std::string(c.message) == "海外チーム名を最新版に更新しました。" ? 1 : 0);
    }
}

TEST_F(MakerDownloadTest, NoToTheQuestionFetchesNothing) {
    rec.answers = {false};
    clsKasumiworksDownload d;
    EXPECT_FALSE(d.DownloadTeamName2(nullptr, true));
    ASSERT_EQ(rec.Messages().size(), 1u);
    EXPECT_EQ(rec.Messages()[0].text, "Kasumiworksより 海外チーム名 をダウンロードします。よろしいですか？");
    EXPECT_EQ(rec.Messages()[0].caption, "  Kasumiworks");
    EXPECT_EQ(versionHits, 0);
}

TEST_F(MakerDownloadTest, BadAnswersAreReportedAndLeaveTheLocalFileAsItWas) {
    const std::string failed = "インターネットよりダウンロードに失敗しました。\r\n";
    struct Case {
        const char* what;
        std::string version;
        std::string names;
        int namesStatus;
        std::string message;
    };
    const std::string goodList = "TeamName2.dat = 1.01\r\n[VersionEnd]\r\n";
    const Case cases[] = {
        {"empty list", "", teamNames, 200, failed + "原因：サイトが見つかりません"},
        {"garbage list", "\x89\xff<html>", teamNames, 200, failed + "原因：ダウンロード内容(version.dat)が異常です"},
        {"list cut short", "TeamName2.dat = 1.01\r\n", teamNames, 200, failed + "原因：ダウンロード内容(version.dat)が異常です"},
        {"not found page", "<h1>Not Found</h1>The requested URL was not found on this server.", teamNames, 200,
         failed + "原因：アドレスが見つかりません"},
        {"names cut short", goodList, teamNames.substr(0, 30), 200, failed + "原因：TeamName2.dat が異常です"},
        {"names 404", goodList, "Not Found", 404, failed + "原因：サイトが見つかりません"},
        {"names empty", goodList, "", 200, failed + "原因：サイトが見つかりません"},
        // An error status is no file, however whole its text looks.
        {"names 500", goodList, teamNames, 500, failed + "原因：サイトが見つかりません"},
    };
    for (const Case& c : cases) {
        versionList = c.version;
        teamNames = c.names;
        namesStatus = c.namesStatus;
        rec.Clear();
        clsKasumiworksDownload d;
        EXPECT_FALSE(d.DownloadTeamName2(nullptr, false)) << c.what;
        EXPECT_EQ(LastMessage(), c.message) << c.what;
        EXPECT_EQ(rec.Messages().back().icon, MsgIcon::Warning) << c.what;
        EXPECT_EQ(ReadBytes(pf / "SysData/TeamName2.dat"), shipped) << c.what;
    }
}

TEST_F(MakerDownloadTest, AStalledServerAndThePlaceholderSiteFailWithTheirMessage) {
    stallMs = 1500;
    clsKasumiworksDownload d;
    d.TimeoutsMs(1000, 300);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(d.DownloadTeamName2(nullptr, false));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(LastMessage(), "インターネットよりダウンロードに失敗しました。\r\n原因：サイトが見つかりません");
    EXPECT_EQ(ReadBytes(pf / "SysData/TeamName2.dat"), shipped);

    unsetenv("KUJIMATE_MAKER_SITE");
    EXPECT_EQ(clsKasumiworksDownload::MakerSite(), "https://www.kasumiworks.invalid");
    rec.Clear();
    EXPECT_FALSE(clsKasumiworksDownload().DownloadTeamName2(nullptr, false));
    EXPECT_EQ(LastMessage(), "インターネットよりダウンロードに失敗しました。\r\n原因：サイトが見つかりません");
}
