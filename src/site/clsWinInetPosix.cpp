#include "site/clsWinInet.h"

#include <curl/curl.h>

#include <chrono>
#include <deque>
#include <exception>
#include <mutex>

#include "site/WinInetLog.h"
#include "support/Encoding.h"
#include "support/Report.h"

namespace kujimate {
namespace {
// The platform client read the body in pieces of this size; the log shows one dot per piece.
constexpr size_t ReadPiece = 1024;

bool GlobalInit() {
    static std::once_flag once;
    static bool ok = false;
    std::call_once(once, [] { ok = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK; });
    return ok;
}

using SteadyClock = std::chrono::steady_clock;

struct Transfer {
    WinInetLog* log = nullptr;  // null when nothing is logged
    std::string body;
    bool opened = false;
    bool tooBig = false;
    long receiveTimeoutMs = 0;
    long lowSpeedBytesPerSecond = 0;
    long lowSpeedWindowMs = 0;
    SteadyClock::time_point started = SteadyClock::now();
    SteadyClock::time_point lastReceived = started;
    // Arrivals inside the last low-speed window (header bytes count), and their sum.
    std::deque<std::pair<SteadyClock::time_point, size_t>> recent;
    size_t recentBytes = 0;

    void Received(size_t n) {
        lastReceived = SteadyClock::now();
        if (lowSpeedWindowMs <= 0) return;
        recentBytes += n;
        // Arrivals close together share one entry, so a flood of tiny reads stays small.
        const auto slot = std::chrono::milliseconds(lowSpeedWindowMs / 100 + 1);
        if (!recent.empty() && lastReceived - recent.back().first < slot) recent.back().second += n;
        else recent.emplace_back(lastReceived, n);
    }

    // A drip of bytes keeps the receive timeout from ever firing; the average over the
    // window does not let it go on.
    bool TooSlow(SteadyClock::time_point now) {
        if (lowSpeedWindowMs <= 0 || lowSpeedBytesPerSecond <= 0) return false;
        const auto window = std::chrono::milliseconds(lowSpeedWindowMs);
        if (now - started < window) return false;
        while (!recent.empty() && now - recent.front().first >= window) {
            recentBytes -= recent.front().second;
            recent.pop_front();
        }
        return static_cast<double>(recentBytes) <
               static_cast<double>(lowSpeedBytesPerSecond) * static_cast<double>(lowSpeedWindowMs) / 1000.0;
    }
};

// The receive timeout counts from the last bytes that came, as a wait for one read does.
int OnProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    auto* t = static_cast<Transfer*>(user);
    const auto now = SteadyClock::now();
    if (t->receiveTimeoutMs > 0 &&
        std::chrono::duration_cast<std::chrono::milliseconds>(now - t->lastReceived).count() > t->receiveTimeoutMs)
        return 1;
    try {
        return t->TooSlow(now) ? 1 : 0;
    } catch (...) {
        return 1;
    }
}

// Callbacks run inside the C library: nothing may be thrown through it. A short count
// aborts the transfer.
size_t OnHeader(char*, size_t size, size_t n, void* user) {
    auto* t = static_cast<Transfer*>(user);
    try {
        t->Received(size * n);
        if (!t->opened) {
            t->opened = true;
            if (t->log) t->log->AddLine(" 受信中 ");
        }
    } catch (...) {
        return 0;
    }
    return size * n;
}

size_t OnBody(char* data, size_t size, size_t n, void* user) {
    auto* t = static_cast<Transfer*>(user);
    const size_t len = size * n;
    if (t->body.size() + len > clsWinInet::MaxBodyBytes) {
        t->tooBig = true;
        return 0;
    }
    try {
        t->Received(len);
        const size_t before = t->body.size() / ReadPiece;
        t->body.append(data, len);
        if (t->log)
            for (size_t k = before; k < t->body.size() / ReadPiece; ++k) t->log->AppendToLastLine(".");
    } catch (...) {
        return 0;
    }
    return len;
}

// A host under the reserved .invalid domain (the placeholder addresses) can never be
// reached; it is not even looked up.
bool ReservedInvalidHost(const std::string& url) {
    CURLU* u = curl_url();
    if (!u) return false;
    char* host = nullptr;
    bool invalid = false;
    if (curl_url_set(u, CURLUPART_URL, url.c_str(), 0) == CURLUE_OK &&
        curl_url_get(u, CURLUPART_HOST, &host, 0) == CURLUE_OK && host) {
        std::string h = host;
        for (char& c : h) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        while (!h.empty() && h.back() == '.') h.pop_back();
        invalid = h == "invalid" || (h.size() > 8 && h.compare(h.size() - 8, 8, ".invalid") == 0);
    }
    curl_free(host);
    curl_url_cleanup(u);
    return invalid;
}

struct CurlHandle {
    CURL* h = curl_easy_init();
    curl_slist* headers = nullptr;
    ~CurlHandle() {
        if (headers) curl_slist_free_all(headers);
        if (h) curl_easy_cleanup(h);
    }
};
}  // namespace

bool clsWinInet::Connection() const { return GlobalInit(); }

long clsWinInet::GetHttpData(const std::string& strUrl, std::string& bytRecvData, const std::string& strProxy,
                             OwnerWindow objOwnerForm) {
    BusyPointer busy;
    bytRecvData.clear();
    if (strUrl.empty()) return 0;
    WinInetLog& log = GetWinInetLog();
    if (progressOpen_) {
        lastOwner_ = objOwnerForm;
        log.Show(objOwnerForm);
        if (!progressDialogMessage_.empty()) log.AddLine(" " + progressDialogMessage_);
    }
    Transfer t;
    t.log = progressOpen_ ? &log : nullptr;
    try {
        CurlHandle c;
        if (GlobalInit() && c.h) {
            CURL* h = c.h;
            curl_easy_setopt(h, CURLOPT_USERAGENT, AgentName);
            if (!strProxy.empty()) curl_easy_setopt(h, CURLOPT_PROXY, strProxy.c_str());
            if (connectTimeoutMs_ > 0) curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, connectTimeoutMs_);
            t.receiveTimeoutMs = receiveTimeoutMs_;
            t.lowSpeedBytesPerSecond = lowSpeedBytesPerSecond_;
            t.lowSpeedWindowMs = lowSpeedWindowMs_;
            if (transferTimeoutMs_ > 0) curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, transferTimeoutMs_);
            curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, OnProgress);
            curl_easy_setopt(h, CURLOPT_XFERINFODATA, &t);
            curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L);
            if (t.log) {
                log.AddLine(" [コネクション開始]");
                log.AddLine(" " + strUrl);
            }
            c.headers = curl_slist_append(c.headers, "Accept-Language: ja-JP");
            c.headers = curl_slist_append(c.headers, "Cache-Control: no-cache");
            c.headers = curl_slist_append(c.headers, "Pragma: no-cache");
            curl_easy_setopt(h, CURLOPT_HTTPHEADER, c.headers);
            curl_easy_setopt(h, CURLOPT_URL, strUrl.c_str());
            curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
            curl_easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
            curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
            curl_easy_setopt(h, CURLOPT_MAXREDIRS, 10L);
            curl_easy_setopt(h, CURLOPT_SSL_VERIFYPEER, 1L);
            curl_easy_setopt(h, CURLOPT_SSL_VERIFYHOST, 2L);
            curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
            curl_easy_setopt(h, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(MaxBodyBytes));
            curl_easy_setopt(h, CURLOPT_HEADERFUNCTION, OnHeader);
            curl_easy_setopt(h, CURLOPT_HEADERDATA, &t);
            curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, OnBody);
            curl_easy_setopt(h, CURLOPT_WRITEDATA, &t);
            t.started = t.lastReceived = SteadyClock::now();
            const CURLcode rc = ReservedInvalidHost(strUrl) ? CURLE_COULDNT_RESOLVE_HOST : curl_easy_perform(h);
            // The status of the last response, after every redirect; an error page is no page.
            long status = 0;
            if (rc == CURLE_OK) curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &status);
            const bool statusOk = status >= 200 && status <= 299;
            if (t.opened && t.log) {
                // The last partial piece, then the read that found the end.
                if (t.body.size() % ReadPiece != 0) log.AppendToLastLine(".");
                log.AppendToLastLine(".");
                if (rc == CURLE_OK && !statusOk) log.AddLine(" [HTTPステータス " + std::to_string(status) + "]");
                log.AddLine(" [コネクション終了]");
            }
            // A body cut short by a timeout, a broken connection or the size cap is no page.
            if (rc == CURLE_OK && statusOk && !t.tooBig) bytRecvData = std::move(t.body);
        }
    } catch (const std::exception&) {
        bytRecvData.clear();
    }
    if (progressOpen_ && progressClose_) log.Unload(objOwnerForm);
    return static_cast<long>(bytRecvData.size());
}

}  // namespace kujimate
