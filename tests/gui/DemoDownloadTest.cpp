// The Home tab's download buttons against the demo operator site, as a user presses them.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "DemoSite.h"
#include "common/LocalServer.h"
#include "common/TestSupport.h"
#include "shell/gui/Startup.h"
#include "shell/gui/frmMain.h"
#include "site/basBigSettings.h"
#include "support/Clock.h"
#include "support/Encoding.h"

using namespace kujimate;
using namespace kujimate::test;
namespace fs = std::filesystem;

class DemoDownloadTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        SetClock(&clock);
        demo.Mount(site.server);
        site.Start();
        const std::string base = site.Base();
        WriteSjisLines(folder / "SysData/bigSettings.ini",
                       {"Version = 1", "bigOfficialScheduleUrl = " + base + demo::SchedulePath + "?popupDispDiv=0&holdCntId=",
                        "bigOfficialResultUrl = " + base + demo::ResultPath + "?holdCntId=",
                        "totoOfficialVoteUrl = " + base + demo::VotePath + "?holdCntId="});
        WriteSjisLines(folder / "SysData/KUJIMATE.ini", {"Kaisaikai = 1523", "DownloadMessage = 1"});
        w = StartMain();
        ASSERT_NE(w, nullptr);
    }
    void TearDown() override {
        if (w) w->close();
        SetDefaultBigSettings();
        SetClock(nullptr);
    }
    FixedClock clock{Date::FromYmdHns(2025, 3, 12, 12, 0, 0)};
    demo::DemoSite demo{clock.now};
    LocalServer site;
    std::unique_ptr<frmMain> w;
};

TEST_F(DemoDownloadTest, TheThreeButtonsFetchStoreAndDisableThemselves) {
    EXPECT_FALSE(w->picKaisai()->isVisible());
    rec.answers = {true, true, true};
    for (int i = 0; i < 3; ++i) QTest::mouseClick(w->cmdOfficialDownload(i), Qt::LeftButton);
    for (const char* f : {"BIG1000_Schedule/big1000_schedule_1523.xml", "BIG1000_Vote/big1000_vote_1523.xml",
                          "BIG1000_Result/big1000_result_1523.xml"})
        EXPECT_TRUE(fs::exists(folder / "SysData" / f)) << f;
    for (int i = 0; i < 3; ++i) EXPECT_FALSE(w->cmdOfficialDownload(i)->isEnabled()) << i;
    auto m = rec.Messages();
    ASSERT_EQ(m.size(), 3u);  // the three questions, nothing else
    EXPECT_EQ(m[1].text, "インターネットより 投票状況 をダウンロードします。よろしいですか？");
    EXPECT_TRUE(w->picKaisai()->isVisible());
    EXPECT_EQ(w->lblKaisaiStatus()->text(), "販売終了");
    // The stored figures are final: the day with its mark, not the time.
    EXPECT_EQ(w->StatusText(), " 第 1523 回 　使用投票率：2025/03/08 (最終)");
    EXPECT_EQ(w->Result().DrawNo, 1523);
}

TEST_F(DemoDownloadTest, AnUnknownDrawIsReportedAsNotPublished) {
    w->txtScheduleNo()->setText("1600");
    w->chkDownload()->setChecked(false);
    QTest::mouseClick(w->cmdOfficialDownload(0), Qt::LeftButton);
    auto m = rec.Messages();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].text, "第1600回 開催情報は発表されていません。");
    EXPECT_EQ(m[0].caption, " 開催情報");
    EXPECT_TRUE(w->cmdOfficialDownload(0)->isEnabled());
    // The vote needs the schedule first.
    rec.Clear();
    QTest::mouseClick(w->cmdOfficialDownload(1), Qt::LeftButton);
    ASSERT_EQ(rec.Messages().size(), 1u);
    EXPECT_EQ(rec.Messages()[0].text, "開催情報を先にダウンロードして下さい。");
}

// A damaged stored file shows its fault when the draw is loaded, and leaves the button free
// to download a good one over it.
TEST_F(DemoDownloadTest, ADamagedFileIsShownOnceAndReplacedByTheDownload) {
    const fs::path file = folder / "SysData/BIG1000_Schedule/big1000_schedule_1522.xml";
    WriteBytes(file, Utf8ToCp932("<BIG1000>\r\n<開催>\r\n<開催回>1522</開催回>\r\n<指定試合>\r\n<番号>1"));
    w->chkDownload()->setChecked(false);
    w->txtScheduleNo()->setText("1522");
    auto m = rec.Messages();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].text, "XMLデータが異常です。");
    EXPECT_EQ(m[0].caption, "KUJIMATE / clsXmlSchedule / XmlLoad");
    ASSERT_TRUE(w->cmdOfficialDownload(0)->isEnabled());
    QTest::mouseClick(w->cmdOfficialDownload(0), Qt::LeftButton);
    EXPECT_EQ(rec.Messages().size(), 1u);
    EXPECT_FALSE(w->cmdOfficialDownload(0)->isEnabled());
    EXPECT_TRUE(w->picKaisai()->isVisible());
    EXPECT_NE(ReadBytes(file).find(Utf8ToCp932("</BIG1000>")), std::string::npos);
}
