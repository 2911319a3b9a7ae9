#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <optional>

#include "common/LocalServer.h"
#include "common/TestSupport.h"
#include "site/WinInetLog.h"
#include "site/clsHtmlGet.h"
#include "site/clsWinInet.h"
#include "support/Encoding.h"

using namespace kujimate;
using namespace kujimate::test;
using namespace std::chrono;

namespace {

class WinInetTest : public ::testing::Test {
protected:
    RecordingReporter rec;
    RecordingWinInetLog log;
    LocalServer site;
    clsWinInet inet;

    std::mutex m;
    httplib::Headers seenHeaders;

    void SetUp() override {
        site.server.Get("/page", [this](const httplib::Request& req, httplib::Response& res) {
            std::lock_guard<std::mutex> lock(m);
            seenHeaders = req.headers;
            res.set_content("<html>ok</html>", "text/html");
        });
        site.server.Get(R"(/bytes/(\d+))", [](const httplib::Request& req, httplib::Response& res) {
            res.set_content(std::string(std::stoul(req.matches[1]), 'x'), "application/octet-stream");
        });
        site.server.Get("/missing", [](const httplib::Request&, httplib::Response& res) {
            res.status = 404;
            res.set_content("<html><body>見つかりません</body></html>", "text/html; charset=UTF-8");
        });
        site.server.Get("/sjis", [](const httplib::Request&, httplib::Response& res) {
            res.set_content(Utf8ToCp932("ＦＣ東京"), "text/plain");
        });
        site.server.Get("/badutf8", [](const httplib::Request&, httplib::Response& res) {
            res.set_content("a\xff" "b", "text/plain");
        });
        site.server.Get("/logo.png", [](const httplib::Request&, httplib::Response& res) {
            res.set_content(std::string("\x89PNG\r\n\x1a\n\0\0\xff", 11), "image/png");
        });
        site.Start();
    }

    std::string Get(const std::string& url, long* count = nullptr) {
        std::string bytes;
        long n = inet.GetHttpData(url, bytes, "", nullptr);
        if (count) *count = n;
        return bytes;
    }
};

TEST_F(WinInetTest, RequestCarriesTheAgentTheLanguageAndNoCacheAndIsLogged) {
    inet.ProgressDialogMessage("第123回 開催情報取得中 (オフィシャル)");
    long n = 0;
    EXPECT_EQ(Get(site.Url("/page"), &n), "<html>ok</html>");
    EXPECT_EQ(n, 15);
    {
        std::lock_guard<std::mutex> lock(m);
        auto header = [&](const char* k) { return seenHeaders.count(k) ? seenHeaders.find(k)->second : "(none)"; };
        EXPECT_EQ(header("User-Agent"), "Kasumiworks WinInet");
        EXPECT_EQ(header("Accept-Language"), "ja-JP");
        EXPECT_EQ(header("Cache-Control"), "no-cache");
        EXPECT_EQ(header("Pragma"), "no-cache");
    }
    EXPECT_EQ(log.lines, (std::vector<std::string>{" 第123回 開催情報取得中 (オフィシャル)", " [コネクション開始]",
                                                   " " + site.Url("/page"), " 受信中 ..", " [コネクション終了]"}));
    EXPECT_EQ(log.shows, 1);
    EXPECT_FALSE(log.open);
    EXPECT_EQ(rec.Count(RecordingReporter::Kind::BusyBegin), 1);
    EXPECT_EQ(rec.Count(RecordingReporter::Kind::BusyEnd), 1);
}

struct BodyCase {
    size_t size;
    std::string receiveLine;  // one dot per read of up to 1024 bytes, and one for the read that ends
};

class BodySizeTest : public WinInetTest, public ::testing::WithParamInterface<BodyCase> {};

TEST_P(BodySizeTest, TheWholeBodyComesBackWithOneDotPerRead) {
    long n = -1;
    std::string body = Get(site.Url("/bytes/" + std::to_string(GetParam().size)), &n);
    EXPECT_EQ(n, static_cast<long>(GetParam().size));
    EXPECT_EQ(body, std::string(GetParam().size, 'x'));
    ASSERT_EQ(log.lines.size(), 4u);
    EXPECT_EQ(log.lines[2], GetParam().receiveLine);
    EXPECT_EQ(log.lines[3], " [コネクション終了]");
}

INSTANTIATE_TEST_SUITE_P(Sizes, BodySizeTest,
                         ::testing::Values(BodyCase{0, " 受信中 ."}, BodyCase{1024, " 受信中 .."},
                                           BodyCase{40000, " 受信中 " + std::string(41, '.')}));

// An error page is no page, however much text it carries; the status shows in the log.
TEST_F(WinInetTest, AnHttpErrorStatusGivesNothingAndIsLogged) {
    long n = -1;
    EXPECT_EQ(Get(site.Url("/missing"), &n), "");
    EXPECT_EQ(n, 0);
    EXPECT_EQ(log.lines, (std::vector<std::string>{" [コネクション開始]", " " + site.Url("/missing"), " 受信中 ..",
                                                   " [HTTPステータス 404]", " [コネクション終了]"}));
    EXPECT_TRUE(rec.Messages().empty());
}

TEST_F(WinInetTest, TextIsDecodedByItsCodeAndAnUnknownCodeIsReportedAfterTheFetch) {
    EXPECT_EQ(inet.GetHttpDataString(site.Url("/sjis"), "", nullptr, 0), "ＦＣ東京");
    EXPECT_EQ(inet.GetHttpDataString(site.Url("/badutf8"), "", nullptr, 8), "a\uFFFDb");
    EXPECT_EQ(inet.GetHttpDataStringUTF8(site.Url("/page"), "", nullptr), "<html>ok</html>");
    EXPECT_TRUE(rec.Messages().empty());

    log.lines.clear();
    EXPECT_EQ(inet.GetHttpDataString(site.Url("/page"), "", nullptr, 1), "");
    EXPECT_EQ(log.lines.back(), " [コネクション終了]");  // fetched first
    auto msgs = rec.Messages();
    ASSERT_EQ(msgs.size(), 1u);
    EXPECT_EQ(msgs[0].text, "コード番号が異常です（1）");
    EXPECT_EQ(msgs[0].caption, "KUJIMATE / clsWinInet / GetHttpDataString");
    EXPECT_EQ(msgs[0].icon, MsgIcon::Warning);
}

TEST_F(WinInetTest, APictureIsSavedByteForByteAndAFailedFetchSavesNothing) {
    TempProgramFolder folder(false);
    clsHtmlGet get;
    ASSERT_TRUE(get.SaveToImage("Pictures\\logo.png", site.Url("/logo.png"), "", nullptr));
    EXPECT_EQ(ReadBytes(folder / "Pictures/logo.png"), std::string("\x89PNG\r\n\x1a\n\0\0\xff", 11));
    const std::string url = site.Url("/logo.png");
    site.Stop();
    EXPECT_FALSE(get.SaveToImage("Pictures\\again.png", url, "", nullptr));
    EXPECT_FALSE(std::filesystem::exists(folder / "Pictures/again.png"));
    EXPECT_TRUE(rec.Messages().empty());
}

TEST_F(WinInetTest, TheWindowStaysOpenUntilProgressCloseIsSetAndNothingIsLoggedWithoutIt) {
    inet.ProgressClose(false);
    Get(site.Url("/page"));
    Get(site.Url("/page"));
    EXPECT_TRUE(log.open);
    EXPECT_EQ(log.unloads, 0);
    inet.ProgressClose(true);
    EXPECT_FALSE(log.open);

    log.lines.clear();
    inet.ProgressOpen(false);
    EXPECT_EQ(Get(site.Url("/page")), "<html>ok</html>");
    EXPECT_TRUE(log.lines.empty());
    EXPECT_EQ(log.shows, 2);
}

TEST_F(WinInetTest, NoServerAndNoAddressGiveNothing) {
    const int port = site.Port();
    site.Stop();
    long n = -1;
    EXPECT_EQ(Get("http://127.0.0.1:" + std::to_string(port) + "/page", &n), "");
    EXPECT_EQ(n, 0);
    // The address was tried but never opened.
    EXPECT_EQ(log.lines.back(), " http://127.0.0.1:" + std::to_string(port) + "/page");
    EXPECT_EQ(Get("", &n), "");
    EXPECT_EQ(n, 0);
    EXPECT_TRUE(rec.Messages().empty());
}

// The placeholder hosts are never tried, not even through a proxy.
TEST_F(WinInetTest, AReservedInvalidHostIsNeverContacted) {
    std::atomic<int> requests{0};
    LocalServer proxy;
    proxy.server.Get(".*", [&requests](const httplib::Request&, httplib::Response& res) {
        ++requests;
        res.set_content("proxied", "text/plain");
    });
    proxy.Start();
    std::string bytes;
    const std::string via = "127.0.0.1:" + std::to_string(proxy.Port());
    EXPECT_EQ(inet.GetHttpData("https://store.big-operator.invalid/x?holdCntId=0001", bytes, via, nullptr), 0);
    EXPECT_EQ(inet.GetHttpData("http://A.Invalid./x", bytes, via, nullptr), 0);
    EXPECT_EQ(inet.GetHttpData("http://invalid-but-not.example/x", bytes, via, nullptr), 7);
    EXPECT_EQ(requests, 1);
}

TEST_F(WinInetTest, ABodyAboveThirtyTwoMebibytesIsAbandoned) {
    const size_t cap = clsWinInet::MaxBodyBytes;
    site.Stop();
    LocalServer big;
    big.server.Get("/exact", [cap](const httplib::Request&, httplib::Response& res) {
        res.set_content(std::string(cap, 'a'), "text/plain");
    });
    big.server.Get("/over", [cap](const httplib::Request&, httplib::Response& res) {
        res.set_content(std::string(cap + 1, 'a'), "text/plain");
    });
    // Without a length the cap is found while reading.
    big.server.Get("/over-chunked", [cap](const httplib::Request&, httplib::Response& res) {
        auto sent = std::make_shared<size_t>(0);
        res.set_chunked_content_provider("text/plain", [cap, sent](size_t, httplib::DataSink& sink) {
            if (*sent > cap) {
                sink.done();
                return true;
            }
            std::string piece(1 << 20, 'a');
            *sent += piece.size();
            return sink.write(piece.data(), piece.size());
        });
    });
    big.Start();
    inet.ProgressOpen(false);
    long n = -1;
    EXPECT_EQ(Get(big.Url("/exact"), &n).size(), cap);
    EXPECT_EQ(n, static_cast<long>(cap));
    EXPECT_EQ(Get(big.Url("/over"), &n), "");
    EXPECT_EQ(n, 0);
    EXPECT_EQ(Get(big.Url("/over-chunked"), &n), "");
    EXPECT_EQ(n, 0);
}

// A server that takes the connection and then says nothing, or stops halfway.
TEST_F(WinInetTest, AStalledServerIsGivenUpAfterTheReceiveTimeout) {
    int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    ASSERT_EQ(::listen(fd, 4), 0);
    socklen_t len = sizeof addr;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
    const std::string silent = "http://127.0.0.1:" + std::to_string(ntohs(addr.sin_port)) + "/page";

    std::atomic<bool> release{false};
    site.Stop();
    LocalServer halfway;
    halfway.server.Get("/half", [&release](const httplib::Request&, httplib::Response& res) {
        res.set_content_provider(1000, "text/html", [&release](size_t offset, size_t, httplib::DataSink& sink) {
            if (offset == 0) return sink.write(std::string(100, 'h').data(), 100);
            for (int i = 0; i < 400 && !release; ++i) std::this_thread::sleep_for(milliseconds(25));
            return false;
        });
    });
    halfway.Start();

    inet.ReceiveTimeoutMs(1000);
    for (const std::string& url : {silent, halfway.Url("/half")}) {
        const auto start = steady_clock::now();
        long n = -1;
        EXPECT_EQ(Get(url, &n), "") << url;
        EXPECT_EQ(n, 0);
        EXPECT_LT(steady_clock::now() - start, seconds(5)) << url;
    }
    release = true;
    ::close(fd);
}

// A proxy on 127.0.0.1 that answers for any host; nothing leaves the machine.
TEST_F(WinInetTest, TheNamedProxyOrElseTheEnvironmentsProxyIsUsed) {
    LocalServer proxy;
    std::atomic<int> viaProxy{0};
    proxy.server.Get(".*", [&viaProxy](const httplib::Request& req, httplib::Response& res) {
        if (req.get_header_value("Host") == "localhost:1") ++viaProxy;
        res.set_content("proxied", "text/plain");
    });
    proxy.Start();
    // Port 1 of this machine has no web server: only the proxy can answer.
    const std::string url = "http://localhost:1/page";
    EXPECT_EQ(inet.GetHttpDataString(url, "127.0.0.1:" + std::to_string(proxy.Port()), nullptr, 8), "proxied");
    EXPECT_EQ(viaProxy, 1);

    // No named proxy: the system's settings, which on this platform are the environment's.
    std::optional<std::string> saved[2];
    const char* names[2] = {"http_proxy", "no_proxy"};
    for (int i = 0; i < 2; ++i)
        if (const char* v = std::getenv(names[i])) saved[i] = v;
    ::setenv("http_proxy", proxy.Base().c_str(), 1);
    ::unsetenv("no_proxy");
    EXPECT_EQ(inet.GetHttpDataString(url, "", nullptr, 8), "proxied");
    for (int i = 0; i < 2; ++i) {
        if (saved[i]) ::setenv(names[i], saved[i]->c_str(), 1);
        else ::unsetenv(names[i]);
    }
    EXPECT_EQ(viaProxy, 2);
}

}  // namespace
