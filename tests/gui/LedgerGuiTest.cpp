// The window "収支履歴" opened from the Tools menu, read through the accessibility interface,
// its results download against the demo operator site.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>

#include "DemoSite.h"
#include "common/LocalServer.h"
#include "common/TestSupport.h"
#include "drawdata/clsXmlResult.h"
#include "ledger/gui/frmLedger.h"
#include "shell/gui/Startup.h"
#include "shell/gui/clsCommonDialog.h"
#include "shell/gui/frmMain.h"
#include "singles/clsTFileCSV.h"
#include "site/basBigSettings.h"
#include "support/Clock.h"
#include "support/NumberText.h"

using namespace kujimate;
using namespace kujimate::test;
namespace fs = std::filesystem;

namespace {

class LedgerGuiTest : public ProgramFolderTest {
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
        fs::create_directories(user);
        for (int32_t draw : {1521, 1522, 1524}) {
            std::vector<int32_t> list;
            for (int32_t i = 0; i < 4000; ++i) list.push_back((i * 7919 + draw) % 177147);
            lists[draw] = list;
            ASSERT_TRUE(clsTFileCSV().CsvSave((user / clsTFileCSV::GetCsvFileName(draw, "")).string(), 4000, list));
        }
        WriteBytes(user / "KMATE-1523.csv", "1,1,1,1,1,1,1,1,1,1,zz\r\n");
        w = StartMain();
        ASSERT_NE(w, nullptr);
    }
    void TearDown() override {
        if (w) w->close();
        clsCommonDialog::SetScript(nullptr);
        SetDefaultBigSettings();
        SetClock(nullptr);
    }

    // Opens the window from the Tools menu and runs body once its table is read.
    void WithLedger(const std::function<void(frmLedger&)>& body) {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<frmLedger*>(QApplication::activeModalWidget());
            if (d) {
                for (int i = 0; i < 500 && d->Table()->rowCount() == 0; ++i) QTest::qWait(10);
                body(*d);
                ran = true;
                d->close();
            }
        });
        QAction* item = w->Action(QStringLiteral("mnuTool_Ledger"));
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->text(), QStringLiteral("収支履歴(&L)..."));
        item->trigger();
        EXPECT_TRUE(ran);
    }

    // A row of the table as assistive technology reads it.
    static QStringList Row(frmLedger& d, int row) {
        QAccessibleInterface* t = QAccessible::queryAccessibleInterface(d.Table());
        QStringList cells;
        if (!t || !t->tableInterface()) return cells;
        for (int c = 0; c < t->tableInterface()->columnCount(); ++c)
            cells << t->tableInterface()->cellAt(row, c)->text(QAccessible::Name);
        return cells;
    }

    // Winnings of a list by the stored result, judged here.
    int64_t Winnings(int32_t draw) {
        clsXmlResult x;
        EXPECT_TRUE(x.XmlLoad(x.GetFileName(draw, "")));
        const ResultRecord r = x.GetRecord();
        int64_t sum = 0;
        for (int32_t s : lists[draw]) {
            int hits = 0;
            for (int g = 1; g <= 11; ++g, s /= 3) hits += r.Games[g].Outcome == 3 || r.Games[g].Outcome == s % 3;
            if (12 - hits <= 4) sum += r.Prize[12 - hits].Raw / Currency::Scale;
        }
        return sum;
    }

    FixedClock clock{Date::FromYmdHns(2025, 3, 12, 12, 0, 0)};
    demo::DemoSite demo{clock.now};
    LocalServer site;
    std::unique_ptr<frmMain> w;
    fs::path user = folder / "UserData/KUJIMATE";
    std::map<int32_t, std::vector<int32_t>> lists;
};

}  // namespace

TEST_F(LedgerGuiTest, DownloadsEveryMissingResultAfterOneQuestion) {
    w->txtScheduleNo()->setText(QStringLiteral("1521"));
    EXPECT_EQ(w->Result().DrawNo, 0);
    WithLedger([&](frmLedger& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("収支履歴"));
        ASSERT_EQ(d.Table()->rowCount(), 5);
        EXPECT_EQ(Row(d, 0), (QStringList{"1521", "", "1", "4,000", "800,000", "", "", "", "", "", "", "結果未取得"}));
        EXPECT_EQ(Row(d, 2), (QStringList{"1523", "", "1", "0", "0", "", "", "", "", "", "", "読込エラー"}));
        EXPECT_EQ(Row(d, 4)[0], "合計");
        EXPECT_EQ(Row(d, 4)[4], "2,400,000");
        EXPECT_TRUE(rec.Messages().empty());  // the bad file shows no box

        rec.answers = {true};
        QTest::mouseClick(d.DownloadButton(), Qt::LeftButton);
        const auto m = rec.Messages();
        ASSERT_EQ(m.size(), 2u);
        EXPECT_EQ(m[0].kind, RecordingReporter::Kind::Question);
        EXPECT_EQ(m[0].text, "インターネットより くじ結果 をダウンロードします。よろしいですか？");
        EXPECT_EQ(m[1].text, "第1524回 くじ結果は発表されていません。");
        EXPECT_EQ(m[1].caption, " くじ結果");
        for (int32_t draw : {1521, 1522})
            EXPECT_TRUE(fs::exists(folder / ("SysData/BIG1000_Result/big1000_result_" + std::to_string(draw) + ".xml")));

        const int64_t won1521 = Winnings(1521), won1522 = Winnings(1522);
        EXPECT_GT(won1521 + won1522, 0);
        const QStringList r1521 = Row(d, 0), total = Row(d, 4);
        EXPECT_EQ(r1521[11], "確定");
        EXPECT_EQ(r1521[9], QString::fromStdString(FormatNumber(won1521, "#,##0")));
        EXPECT_EQ(r1521[10], QString::fromStdString(FormatNumber(won1521 - 800000, "#,##0")));
        EXPECT_EQ(Row(d, 1)[11], "確定");
        EXPECT_EQ(Row(d, 3)[11], "結果未取得");
        EXPECT_EQ(total[9], QString::fromStdString(FormatNumber(won1521 + won1522, "#,##0")));
        EXPECT_EQ(total[10], QString::fromStdString(FormatNumber(won1521 + won1522 - 2400000, "#,##0")));
        // Only 1524 is left to fetch.
        EXPECT_TRUE(d.DownloadButton()->isEnabled());
    });
    // The main window shows the result fetched for its draw.
    EXPECT_EQ(w->Result().DrawNo, 1521);
}

TEST_F(LedgerGuiTest, PriceAndCsvSave) {
    const fs::path out = folder / "saved";
    clsCommonDialog::SetScript([&](const clsCommonDialog::Request& r) {
        EXPECT_TRUE(r.save);
        EXPECT_EQ(r.defaultName, QStringLiteral("収支履歴.csv"));
        return QString::fromStdString(out.string());
    });
    WithLedger([&](frmLedger& d) {
        d.Price()->setValue(300);
        EXPECT_EQ(Row(d, 0)[4], "1,200,000");
        EXPECT_EQ(Row(d, 4)[4], "3,600,000");
        QTest::mouseClick(d.CsvButton(), Qt::LeftButton);
    });
    const std::string csv = ReadBytes(folder / "saved.csv");
    EXPECT_EQ(csv.rfind("\xEF\xBB\xBF開催回,販売終了日,ファイル数,口数,購入金額,", 0), 0u) << csv;
    EXPECT_NE(csv.find("\r\n1521,,1,4000,1200000,,,,,,,結果未取得\r\n"), std::string::npos) << csv;
    // The price stays for the next time.
    WithLedger([&](frmLedger& d) { EXPECT_EQ(d.Price()->value(), 300); });
}
