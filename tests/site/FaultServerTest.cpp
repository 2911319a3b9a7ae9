// Downloads from a hostile server: every one ends within its limits, fails, and stores
// nothing. The limits are shortened for the test; the program's are minutes.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <random>

#include "DemoSite.h"
#include "common/FaultServer.h"
#include "common/TestSupport.h"
#include "drawdata/clsSchedule.h"
#include "site/WinInetLog.h"
#include "site/basBigSettings.h"
#include "site/clsHtmlSchedule.h"

using namespace kujimate;
using namespace kujimate::test;
using namespace std::chrono;
namespace fs = std::filesystem;

namespace {

constexpr int Draw = 1521;
constexpr long ReceiveMs = 1000;
constexpr long TransferMs = 6000;
// The progress check runs about once a second, so a limit may be noticed a second late.
constexpr long Slack = 2500;
const char* const DownloadFailed = "インターネットよりダウンロードに失敗しました。";
constexpr long WindowMs = 2000;

std::string Body(size_t n) { return std::string(n, 'x'); }

// Streams size bytes (or forever when size is 0) in 64 KiB blocks, with or without a length.
void Flood(int fd, FaultServer& server, size_t size, bool withLength) {
    const std::string block(1 << 16, 'a');
    if (withLength) {
        if (!FaultServer::Send(fd, FaultServer::Head(200, "OK", "Content-Length: " + std::to_string(size) + "\r\n")))
            return;
        for (size_t sent = 0; sent < size && !server.Stopping(); sent += block.size())
            if (!FaultServer::Send(fd, block)) return;
    } else {
        if (!FaultServer::Send(fd, FaultServer::Head(200, "OK", "Transfer-Encoding: chunked\r\n"))) return;
        char len[16];
        std::snprintf(len, sizeof len, "%zx\r\n", block.size());
        for (size_t sent = 0; sent < size && !server.Stopping(); sent += block.size())
            if (!FaultServer::Send(fd, len + block + "\r\n")) return;
        FaultServer::Send(fd, "0\r\n\r\n");
    }
}

struct Fault {
    const char* name;
    FaultServer::Script script;
    long maxMs;  // the limit that must end it, with room for a busy machine
    // A page that comes whole under 200 but is no page of the draw: not published.
    std::string message = DownloadFailed;
};

std::vector<Fault> Faults() {
    const demo::DemoSite site(Date::FromYmdHns(2025, 3, 12, 12, 0, 0));
    const std::string page = site.SchedulePage(Draw);
    return {
        {"stall-before-headers", [](int, FaultServer& s) { s.Wait(20000); }, ReceiveMs + Slack},
        {"stall-mid-body",
         [](int fd, FaultServer& s) {
             FaultServer::Send(fd, FaultServer::Head(200, "OK", "Content-Length: 5000\r\n") + Body(1000));
             s.Wait(20000);
         },
         ReceiveMs + Slack},
        {"reset-mid-body",
         [](int fd, FaultServer&) {
             FaultServer::Send(fd, FaultServer::Head(200, "OK", "Content-Length: 5000\r\n") + Body(1000));
             FaultServer::Reset(fd);
         },
         1500},
        // Never idle long enough for the receive timeout: the average over the window ends it.
        {"drip",
         [](int fd, FaultServer& s) {
             if (!FaultServer::Send(fd, FaultServer::Head(200, "OK", "Content-Length: 100000\r\n"))) return;
             while (!s.Stopping() && FaultServer::Send(fd, "x")) s.Wait(250);
         },
         WindowMs + Slack},
        // Fast enough for the average, but without end: the whole-transfer limit ends it.
        {"endless-trickle",
         [](int fd, FaultServer& s) {
             if (!FaultServer::Send(fd, FaultServer::Head(200, "OK", "Content-Length: 10000000\r\n"))) return;
             while (!s.Stopping() && FaultServer::Send(fd, Body(200))) s.Wait(100);
         },
         TransferMs + Slack},
        {"100MB-with-length", [](int fd, FaultServer& s) { Flood(fd, s, 100'000'000, true); }, 3000},
        {"100MB-without-length", [](int fd, FaultServer& s) { Flood(fd, s, 100'000'000, false); }, 3000},
        // The whole page of the draw, but under an error status.
        {"404-with-the-page", [page](int fd, FaultServer&) { FaultServer::Answer(fd, 404, "Not Found", page); }, 1500},
        {"500-error-page",
         [](int fd, FaultServer&) {
             FaultServer::Answer(fd, 500, "Internal Server Error",
                                 "<html><body><h1>500</h1><p>システムエラーが発生しました。</p></body></html>");
         },
         1500},
        {"garbage-instead-of-http",
         [](int fd, FaultServer&) {
             std::mt19937 rng(11);
             std::string junk(4096, '\0');
             for (char& c : junk) c = static_cast<char>(rng());
             FaultServer::Send(fd, junk);
         },
         1500},
        {"garbage-page",
         [](int fd, FaultServer&) {
             std::mt19937 rng(12);
             std::string junk(1 << 16, '\0');
             for (char& c : junk) c = static_cast<char>(rng());
             FaultServer::Answer(fd, 200, "OK", junk);
         },
         1500,
         "第1521回 開催情報は発表されていません。"},
    };
}

class FaultServerTest : public ProgramFolderTest, public ::testing::WithParamInterface<Fault> {
protected:
    void TearDown() override { SetDefaultBigSettings(); }
    RecordingWinInetLog log;
};

TEST_P(FaultServerTest, TheDownloadFailsInTimeAndStoresNothing) {
    const Fault& fault = GetParam();
    FaultServer server;
    server.On("/fault", fault.script);
    server.Start();
    BigSettings().bigOfficialScheduleUrl = server.Url("/fault?holdCntId=");

    auto parser = std::make_unique<clsHtmlSchedule>();
    clsWinInet& inet = parser->HtmlGet().WinInet();
    inet.ConnectTimeoutMs(1000);
    inet.ReceiveTimeoutMs(ReceiveMs);
    inet.TransferTimeoutMs(TransferMs);
    inet.LowSpeedLimit(64, WindowMs);
    clsSchedule schedule;
    schedule.Initialize(nullptr);
    schedule.SetParser(std::move(parser));

    const auto start = steady_clock::now();
    EXPECT_FALSE(schedule.GetSchedule(Draw, "", 3, false));
    const long ms = duration_cast<milliseconds>(steady_clock::now() - start).count();
    EXPECT_LT(ms, fault.maxMs);
    EXPECT_FALSE(fs::exists(folder / "SysData/BIG1000_Schedule"));
    EXPECT_EQ(schedule.Schedule().DrawNo, 0);
    rec.Clear();
    schedule.FalseDialog(Draw);
    ASSERT_EQ(rec.Messages().size(), 1u);
    EXPECT_EQ(rec.Messages()[0].text, fault.message);
}

INSTANTIATE_TEST_SUITE_P(Faults, FaultServerTest, ::testing::ValuesIn(Faults()),
                         [](const ::testing::TestParamInfo<Fault>& i) {
                             std::string n = i.param.name;
                             for (char& c : n)
                                 if (c == '-') c = '_';
                             return n;
                         });

}  // namespace
