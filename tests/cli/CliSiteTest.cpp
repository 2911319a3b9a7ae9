#include <gtest/gtest.h>

#include <filesystem>

#include "DemoSite.h"
#include "common/LocalServer.h"
#include "common/TestSupport.h"
#include "drawdata/clsXmlSchedule.h"
#include "site/PageText.h"
#include "support/Encoding.h"

using namespace kujimate;
using namespace kujimate::test;
namespace fs = std::filesystem;

namespace {

class CliSiteTest : public ProgramFolderTest {
protected:
    RunResult Cli(const std::string& args, const std::string& cwd = {}) {
        std::string cmd = ShellQuote(KUJIMATE_CLI_EXE) + " --program-folder " + ShellQuote(folder.Path().string()) + " " + args;
        if (!cwd.empty()) cmd = "cd " + ShellQuote(cwd) + " && " + cmd;
        return RunCommand(cmd);
    }
    std::string Page(const std::string& name, const std::vector<std::string>& lines) {
        WriteBytes(folder / name, PageOfLines(lines));
        return ShellQuote((folder / name).string());
    }
};

std::vector<std::string> SchedulePage(const std::string& home1) {
    std::vector<std::string> l = {"第123回BIG1000くじ指定試合", "販売開始日", "2024年3月9日(土)", "販売終了日",
                                  "2024年3月16日(土)13:50"};
    for (int n = 1; n <= 11; ++n)
        Append(l, {std::to_string(n), "3/16", "14:00", "スタジアム", n == 1 ? home1 : "鹿島アントラーズ", "VS", "ＦＣ東京"});
    Append(l, {"結果発表日", "2024年3月18日(月)", "払戻期限", "2025年3月18日(火)"});
    return l;
}

TEST_F(CliSiteTest, ParsePrintsTheFileTextOfTheRecord) {
    ScheduleRecord expected;
    expected.DrawNo = 123;
    for (int n = 1; n <= GameCount; ++n)
        expected.Games[n] = {"鹿島", "FC東京", Date::FromYmd(2024, 3, 16), Date::FromTime(14, 0, 0), "スタジアム", "VS"};
    expected.SaleStart = Date::FromYmd(2024, 3, 9);
    expected.SaleEnd = Date::FromYmdHns(2024, 3, 16, 13, 50, 0);
    expected.ResultDate = Date::FromYmd(2024, 3, 18);
    expected.RefundEnd = Date::FromYmd(2025, 3, 18);
    clsXmlSchedule xml;
    xml.SetRecord(expected);

    // A relative page path belongs to the working directory.
    Page("schedule.html", SchedulePage("鹿島アントラーズ"));
    auto ok = Cli("parse schedule schedule.html --draw 123", folder.Path().string());
    EXPECT_EQ(ok.status, 0) << ok.err;
    EXPECT_EQ(ok.out, Cp932ToUtf8(Utf8ToCp932(xml.GetXmlString())));
    EXPECT_EQ(ok.err, "");
    EXPECT_FALSE(fs::exists(folder / "SysData/BIG1000_Schedule"));  // nothing stored

    auto unknown = Cli("parse schedule " + Page("unknown.html", SchedulePage("架空ユナイテッド")) + " --draw 123");
    EXPECT_EQ(unknown.status, 1);
    EXPECT_EQ(unknown.out, "");
    EXPECT_NE(unknown.err.find("チーム名：架空ユナイテッド が見つかりません。"), std::string::npos) << unknown.err;

    auto group = Cli("parse schedule " + Page("g.html", SchedulePage("鹿島アントラーズ")) + " --draw 123 --group A");
    EXPECT_EQ(group.status, 3);
    auto notShown = Cli("parse result " + Page("n.html", {"ご指定のくじ結果は表示できません。"}) + " --draw 9");
    EXPECT_EQ(notShown.status, 3);
    EXPECT_EQ(notShown.out, "");

    // A result that stops before its dates is printed, but is not complete.
    std::vector<std::string> prizesOnly = {"第9回BIG1000くじ結果"};
    for (const char* grade : {"1等", "2等", "3等", "4等"}) Append(prizesOnly, {grade, "100円", "1口", "0円"});
    auto partial = Cli("parse result " + Page("r.html", prizesOnly) + " --draw 9");
    EXPECT_EQ(partial.status, 1);
    EXPECT_NE(partial.out.find("<開催回>9</開催回>"), std::string::npos);

    for (const char* bad : {"parse", "parse schedule x.html", "parse toto x.html --draw 1", "parse schedule x.html --draw 0"})
        EXPECT_EQ(Cli(bad).status, 2) << bad;
    EXPECT_EQ(Cli("parse schedule missing.html --draw 1").status, 1);
}

TEST_F(CliSiteTest, ParseVoteReadsTheStoredSchedule) {
    const demo::DemoSite site(Date::FromYmdHns(2025, 3, 12, 12, 0, 0));
    WriteBytes(folder / "schedule.html", site.SchedulePage(1522));
    WriteBytes(folder / "vote.html", site.VotePage(1522));
    const std::string vote = "parse vote " + ShellQuote((folder / "vote.html").string()) + " --draw 1522";
    EXPECT_EQ(Cli(vote).status, 1);  // no schedule stored yet

    auto schedule = Cli("parse schedule " + ShellQuote((folder / "schedule.html").string()) + " --draw 1522");
    ASSERT_EQ(schedule.status, 0) << schedule.err;
    WriteBytes(folder / "SysData/BIG1000_Schedule/big1000_schedule_1522.xml", Utf8ToCp932(schedule.out));
    auto ok = Cli(vote);
    EXPECT_EQ(ok.status, 0) << ok.err;
    EXPECT_NE(ok.out.find("<販売終了時点>2025/03/01 13:50:00</販売終了時点>"), std::string::npos) << ok.out;
}

TEST_F(CliSiteTest, FetchStoresWhatTheWindowWouldAndSaysWhyNot) {
    const demo::DemoSite demo(Date::FromYmdHns(2025, 3, 12, 12, 0, 0));
    LocalServer site;
    demo.Mount(site.server);
    site.Start();
    const std::string base = site.Base();
    WriteSjisLines(folder / "SysData/bigSettings.ini",
                   {"Version = 1",
                    "bigOfficialScheduleUrl = " + base + demo::SchedulePath + "?popupDispDiv=0&holdCntId=",
                    "bigOfficialResultUrl = " + base + demo::ResultPath + "?holdCntId=",
                    "totoOfficialVoteUrl = " + base + demo::VotePath + "?holdCntId="});

    auto needsSchedule = Cli("fetch vote 1521");
    EXPECT_EQ(needsSchedule.status, 1);
    EXPECT_NE(needsSchedule.err.find("開催情報を先にダウンロードして下さい。"), std::string::npos);

    for (const char* kind : {"schedule", "vote", "result"}) {
        auto r = Cli(std::string("fetch ") + kind + " 1521");
        EXPECT_EQ(r.status, 0) << kind << r.err;
        const fs::path stored = folder / "SysData" / (std::string("BIG1000_") + static_cast<char>(kind[0] - 'a' + 'A') + (kind + 1)) /
                                (std::string("big1000_") + kind + "_1521.xml");
        EXPECT_EQ(r.out, stored.string() + "\n");
        EXPECT_TRUE(fs::exists(stored));
    }

    auto unpublished = Cli("fetch result 1524");
    EXPECT_EQ(unpublished.status, 3);
    EXPECT_NE(unpublished.err.find("第1524回 くじ結果は発表されていません。"), std::string::npos) << unpublished.err;

    site.Stop();
    auto dead = Cli("fetch schedule 1522");
    EXPECT_EQ(dead.status, 1);
    EXPECT_EQ(dead.out, "");
    EXPECT_NE(dead.err.find("インターネットよりダウンロードに失敗しました。"), std::string::npos) << dead.err;
    // A stored file is served without the site.
    EXPECT_EQ(Cli("fetch schedule 1521").status, 0);
}

// What a user at a shell meets: a program folder named relative to the working directory,
// a stored schedule that is empty, a temporary left by a killed save, a site answering
// with error pages, and a folder the files cannot be written to.
TEST_F(CliSiteTest, FetchWithARelativeFolderDamagedFilesAndErrorPages) {
    const demo::DemoSite demo(Date::FromYmdHns(2025, 3, 12, 12, 0, 0));
    LocalServer site;
    demo.Mount(site.server);
    site.server.Get("/error500", [](const httplib::Request&, httplib::Response& res) {
        res.status = 500;
        res.set_content("<html><body>システムエラー</body></html>", "text/html");
    });
    site.server.Get("/notfound", [&demo](const httplib::Request&, httplib::Response& res) {
        res.status = 404;
        res.set_content(demo.ResultPage(1521), "text/html");
    });
    site.Start();
    const fs::path pf = folder / "pf";
    fs::create_directories(pf / "SysData");
    for (const auto& e : fs::directory_iterator(folder / "SysData")) fs::copy(e.path(), pf / "SysData" / e.path().filename());
    auto settings = [&](const std::string& resultUrl) {
        WriteSjisLines(pf / "SysData/bigSettings.ini",
                       {"Version = 1",
                        "bigOfficialScheduleUrl = " + site.Base() + demo::SchedulePath + "?popupDispDiv=0&holdCntId=",
                        "bigOfficialResultUrl = " + resultUrl, "totoOfficialVoteUrl = " + site.Base() + demo::VotePath + "?holdCntId="});
    };
    settings(site.Base() + demo::ResultPath + "?holdCntId=");
    auto fetch = [&](const std::string& args) {
        return RunCommand("cd " + ShellQuote(folder.Path().string()) + " && " + ShellQuote(KUJIMATE_CLI_EXE) +
                          " --program-folder pf fetch " + args);
    };
    const fs::path schedule = pf / "SysData/BIG1000_Schedule/big1000_schedule_1521.xml";
    WriteBytes(schedule, "");
    WriteBytes(schedule.string() + ".tmp.Xy12Z9", std::string(4096, 'x'));

    auto r = fetch("schedule 1521");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, schedule.string() + "\n");
    EXPECT_NE(ReadBytes(schedule).find(Utf8ToCp932("<開催回>1521</開催回>")), std::string::npos);
    EXPECT_EQ(std::distance(fs::directory_iterator(schedule.parent_path()), fs::directory_iterator()), 1);
    r = fetch("vote 1521");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(fs::exists(pf / "SysData/BIG1000_Vote/big1000_vote_1521.xml"));

    // Error statuses are download failures, whatever the page says.
    for (const char* path : {"/error500?x=", "/notfound?x="}) {
        settings(site.Url(path));
        r = fetch("result 1521");
        EXPECT_EQ(r.status, 1) << path;
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("インターネットよりダウンロードに失敗しました。"), std::string::npos) << r.err;
        EXPECT_FALSE(fs::exists(pf / "SysData/BIG1000_Result")) << path;
    }

    // A store that fails is a failure, with the store's own message.
    settings(site.Base() + demo::ResultPath + "?holdCntId=");
    fs::create_directories(pf / "SysData/BIG1000_Result");
    fs::permissions(pf / "SysData/BIG1000_Result", fs::perms::owner_read | fs::perms::owner_exec);
    r = fetch("result 1521");
    fs::permissions(pf / "SysData/BIG1000_Result", fs::perms::owner_all);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("ファイルの保存に失敗しました。"), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("not final"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(folder / "pf/pf"));
}

}  // namespace
