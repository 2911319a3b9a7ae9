#include "site/clsWinInet.h"

#include <windows.h>
#include <wininet.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>

#include "site/WinInetLog.h"
#include "support/Report.h"
#include "support/WindowsText.h"

namespace kujimate {
namespace {
// The log shows one dot per piece of this size, as the Linux client does.
constexpr size_t ReadPiece = 1024;
constexpr DWORD ReadChunk = 16384;

using SteadyClock = std::chrono::steady_clock;

// The transfer's clock: a watchdog thread closes the session when a limit passes, which
// ends a call blocked inside WinInet at once.
class Watch {
public:
    Watch(long receiveTimeoutMs, long transferTimeoutMs, long lowBytesPerSecond, long lowWindowMs)
        : receiveMs_(receiveTimeoutMs), transferMs_(transferTimeoutMs), lowRate_(lowBytesPerSecond),
          lowWindowMs_(lowWindowMs) {}
    ~Watch() { Stop(); }

    void Start(HINTERNET session) {
        session_ = session;
        started_ = last_ = SteadyClock::now();
        thread_ = std::thread([this] { Run(); });
    }
    void Stop() {
        {
            std::lock_guard<std::mutex> lock(m_);
            done_ = true;
        }
        cv_.notify_all();
        if (thread_.joinable()) thread_.join();
    }
    void Received(size_t n) {
        std::lock_guard<std::mutex> lock(m_);
        last_ = SteadyClock::now();
        if (lowWindowMs_ <= 0) return;
        recentBytes_ += n;
        const auto slot = std::chrono::milliseconds(lowWindowMs_ / 100 + 1);
        if (!recent_.empty() && last_ - recent_.back().first < slot) recent_.back().second += n;
        else recent_.emplace_back(last_, n);
    }
    bool Expired() const { return expired_; }

private:
    bool Over(SteadyClock::time_point now) {
        using std::chrono::milliseconds;
        if (transferMs_ > 0 && now - started_ > milliseconds(transferMs_)) return true;
        if (receiveMs_ > 0 && now - last_ > milliseconds(receiveMs_)) return true;
        // A drip of bytes keeps the receive timeout from firing; the average over the window does not.
        if (lowWindowMs_ <= 0 || lowRate_ <= 0) return false;
        const auto window = milliseconds(lowWindowMs_);
        if (now - started_ < window) return false;
        while (!recent_.empty() && now - recent_.front().first >= window) {
            recentBytes_ -= recent_.front().second;
            recent_.pop_front();
        }
        return static_cast<double>(recentBytes_) <
               static_cast<double>(lowRate_) * static_cast<double>(lowWindowMs_) / 1000.0;
    }
    void Run() {
        std::unique_lock<std::mutex> lock(m_);
        while (!done_) {
            cv_.wait_for(lock, std::chrono::milliseconds(20));
            if (done_) return;
            if (Over(SteadyClock::now())) {
                expired_ = true;
                ::InternetCloseHandle(session_);
                return;
            }
        }
    }

    long receiveMs_, transferMs_, lowRate_, lowWindowMs_;
    HINTERNET session_ = nullptr;
    SteadyClock::time_point started_, last_;
    std::deque<std::pair<SteadyClock::time_point, size_t>> recent_;
    size_t recentBytes_ = 0;
    std::atomic<bool> expired_{false};
    bool done_ = false;
    std::mutex m_;
    std::condition_variable cv_;
    std::thread thread_;
};

struct Handle {
    HINTERNET h = nullptr;
    bool owned = true;
    ~Handle() {
        if (h && owned) ::InternetCloseHandle(h);
    }
};

// The parts of an address the client looks at; false when it is no http or https address.
bool CrackUrl(const std::wstring& url, std::wstring& host, INTERNET_SCHEME& scheme) {
    URL_COMPONENTSW c{};
    c.dwStructSize = sizeof c;
    c.dwHostNameLength = 1;
    if (!::InternetCrackUrlW(url.c_str(), static_cast<DWORD>(url.size()), 0, &c)) return false;
    scheme = c.nScheme;
    host.assign(c.lpszHostName ? c.lpszHostName : L"", c.dwHostNameLength);
    return scheme == INTERNET_SCHEME_HTTP || scheme == INTERNET_SCHEME_HTTPS;
}

// A host under the reserved .invalid domain (the placeholder addresses) is never looked up.
bool ReservedInvalidHost(std::wstring h) {
    for (wchar_t& c : h) c = c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
    while (!h.empty() && h.back() == L'.') h.pop_back();
    return h == L"invalid" || (h.size() > 8 && h.compare(h.size() - 8, 8, L".invalid") == 0);
}

DWORD QueryNumber(HINTERNET request, DWORD what, bool& known) {
    DWORD value = 0, size = sizeof value, index = 0;
    known = ::HttpQueryInfoW(request, what | HTTP_QUERY_FLAG_NUMBER, &value, &size, &index) != FALSE;
    return value;
}

DWORD HeaderBytes(HINTERNET request) {
    DWORD size = 0;
    ::HttpQueryInfoW(request, HTTP_QUERY_RAW_HEADERS_CRLF, nullptr, &size, nullptr);
    return size / sizeof(wchar_t);
}
}  // namespace

bool clsWinInet::Connection() const { return true; }

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
    WinInetLog* tlog = progressOpen_ ? &log : nullptr;
    try {
        const std::wstring url = WideFromUtf8(strUrl);
        std::wstring host;
        INTERNET_SCHEME scheme = INTERNET_SCHEME_UNKNOWN;
        const bool usable = CrackUrl(url, host, scheme) && !ReservedInvalidHost(host);
        if (tlog) {
            log.AddLine(" [コネクション開始]");
            log.AddLine(" " + strUrl);
        }
        Handle session;
        if (usable) {
            const std::wstring proxy = WideFromUtf8(strProxy);
            session.h = ::InternetOpenW(WideFromUtf8(AgentName).c_str(),
                                        strProxy.empty() ? INTERNET_OPEN_TYPE_PRECONFIG : INTERNET_OPEN_TYPE_PROXY,
                                        strProxy.empty() ? nullptr : proxy.c_str(), nullptr, 0);
        }
        if (session.h) {
            if (connectTimeoutMs_ > 0) {
                DWORD ms = static_cast<DWORD>(connectTimeoutMs_);
                ::InternetSetOptionW(session.h, INTERNET_OPTION_CONNECT_TIMEOUT, &ms, sizeof ms);
            }
            if (receiveTimeoutMs_ > 0) {
                DWORD ms = static_cast<DWORD>(receiveTimeoutMs_);
                ::InternetSetOptionW(session.h, INTERNET_OPTION_RECEIVE_TIMEOUT, &ms, sizeof ms);
                ::InternetSetOptionW(session.h, INTERNET_OPTION_SEND_TIMEOUT, &ms, sizeof ms);
            }
            Watch watch(receiveTimeoutMs_, transferTimeoutMs_, lowSpeedBytesPerSecond_, lowSpeedWindowMs_);
            // The watchdog closes the session; the handles below it then fail and need no closing of their own.
            session.owned = false;
            watch.Start(session.h);
            const wchar_t* headers = L"Accept-Language: ja-JP\r\nCache-Control: no-cache\r\nPragma: no-cache\r\n";
            DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE |
                          INTERNET_FLAG_NO_COOKIES | INTERNET_FLAG_NO_UI | INTERNET_FLAG_NO_AUTH;
            if (scheme == INTERNET_SCHEME_HTTPS) flags |= INTERNET_FLAG_SECURE;
            HINTERNET request = ::InternetOpenUrlW(session.h, url.c_str(), headers, static_cast<DWORD>(-1L), flags, 0);
            bool opened = false, complete = false, tooBig = false, statusOk = false;
            DWORD status = 0;
            std::string body;
            if (request && !watch.Expired()) {
                opened = true;
                watch.Received(HeaderBytes(request));
                if (tlog) log.AddLine(" 受信中 ");
                bool known = false;
                status = QueryNumber(request, HTTP_QUERY_STATUS_CODE, known);
                statusOk = known && status >= 200 && status <= 299;
                bool lengthKnown = false;
                const DWORD length = QueryNumber(request, HTTP_QUERY_CONTENT_LENGTH, lengthKnown);
                if (lengthKnown && length > MaxBodyBytes) tooBig = true;
                std::string chunk(ReadChunk, '\0');
                while (!tooBig) {
                    DWORD n = 0;
                    if (!::InternetReadFile(request, chunk.data(), ReadChunk, &n) || watch.Expired()) break;
                    if (n == 0) {
                        // A connection closed before the announced length is a body cut short.
                        complete = !lengthKnown || body.size() == length;
                        break;
                    }
                    if (body.size() + n > MaxBodyBytes) {
                        tooBig = true;
                        break;
                    }
                    watch.Received(n);
                    const size_t before = body.size() / ReadPiece;
                    body.append(chunk.data(), n);
                    if (tlog)
                        for (size_t k = before; k < body.size() / ReadPiece; ++k) log.AppendToLastLine(".");
                }
            }
            watch.Stop();
            const bool expired = watch.Expired();
            if (!expired) {
                if (request) ::InternetCloseHandle(request);
                ::InternetCloseHandle(session.h);
            }
            session.h = nullptr;
            if (opened && tlog) {
                if (body.size() % ReadPiece != 0) log.AppendToLastLine(".");
                log.AppendToLastLine(".");
                if (complete && !statusOk) log.AddLine(" [HTTPステータス " + std::to_string(status) + "]");
                log.AddLine(" [コネクション終了]");
            }
            // A body cut short by a timeout, a broken connection or the size cap is no page.
            if (complete && statusOk && !tooBig && !expired) bytRecvData = std::move(body);
        }
    } catch (const std::exception&) {
        bytRecvData.clear();
    }
    if (progressOpen_ && progressClose_) log.Unload(objOwnerForm);
    return static_cast<long>(bytRecvData.size());
}

}  // namespace kujimate
