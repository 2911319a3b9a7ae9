#pragma once
// A hostile web server on 127.0.0.1: each request gets a script that writes whatever bytes
// it likes, as slowly as it likes, and may reset the connection. One request at a time.
#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

#include <atomic>
#include <chrono>
#include <functional>
#include <map>
#include <string>
#include <thread>

namespace kujimate::test {

// The few socket calls that differ on Windows; its sockets are small numbers too.
namespace sock {
#ifdef _WIN32
inline void Init() {
    static const bool ok = [] {
        WSADATA d;
        return ::WSAStartup(MAKEWORD(2, 2), &d) == 0;
    }();
    (void)ok;
}
inline void Close(int fd) { ::closesocket(static_cast<SOCKET>(fd)); }
inline int PollIn(int fd, int ms) {
    WSAPOLLFD p{static_cast<SOCKET>(fd), POLLRDNORM, 0};
    return ::WSAPoll(&p, 1, ms);
}
inline int SendFlags() { return 0; }
#else
inline void Init() {}
inline void Close(int fd) { ::close(fd); }
inline int PollIn(int fd, int ms) {
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, ms);
}
inline int SendFlags() { return MSG_NOSIGNAL; }
#endif
}  // namespace sock

class FaultServer {
public:
    // A script ends its answer by returning; the server then closes the connection.
    using Script = std::function<void(int fd, FaultServer& server)>;

    FaultServer() {
        sock::Init();
        listen_ = static_cast<int>(::socket(AF_INET, SOCK_STREAM, 0));
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(listen_, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
        ::listen(listen_, 8);
        socklen_t len = sizeof addr;
        ::getsockname(listen_, reinterpret_cast<sockaddr*>(&addr), &len);
        port_ = ntohs(addr.sin_port);
    }
    ~FaultServer() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
        sock::Close(listen_);
    }
    FaultServer(const FaultServer&) = delete;
    FaultServer& operator=(const FaultServer&) = delete;

    // path: the request path without its query.
    void On(const std::string& path, Script s) { scripts_[path] = std::move(s); }
    void Start() { thread_ = std::thread([this] { Loop(); }); }
    std::string Url(const std::string& pathAndQuery) const {
        return "http://127.0.0.1:" + std::to_string(port_) + pathAndQuery;
    }
    bool Stopping() const { return stop_; }

    // Waits up to ms, less when the server stops.
    void Wait(int ms) const {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        while (!stop_ && std::chrono::steady_clock::now() < end) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    // False once the client has gone.
    static bool Send(int fd, const std::string& bytes) {
        size_t done = 0;
        while (done < bytes.size()) {
            const auto n = ::send(fd, bytes.data() + done, static_cast<int>(bytes.size() - done), sock::SendFlags());
            if (n <= 0) return false;
            done += static_cast<size_t>(n);
        }
        return true;
    }
    static std::string Head(int status, const std::string& reason, const std::string& extra) {
        return "HTTP/1.1 " + std::to_string(status) + " " + reason + "\r\nContent-Type: text/html; charset=UTF-8\r\n" +
               extra + "Connection: close\r\n\r\n";
    }
    // A whole answer with its length.
    static bool Answer(int fd, int status, const std::string& reason, const std::string& body) {
        return Send(fd, Head(status, reason, "Content-Length: " + std::to_string(body.size()) + "\r\n") + body);
    }
    // Closes with a reset instead of an orderly end.
    static void Reset(int fd) {
        linger l{1, 0};
        ::setsockopt(fd, SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&l), sizeof l);
    }

private:
    void Loop() {
        while (!stop_) {
            if (sock::PollIn(listen_, 20) <= 0) continue;
            const int fd = static_cast<int>(::accept(listen_, nullptr, nullptr));
            if (fd < 0) continue;
            const std::string path = ReadPath(fd);
            auto it = scripts_.find(path);
            if (it != scripts_.end()) it->second(fd, *this);
            else Answer(fd, 404, "Not Found", "");
            sock::Close(fd);
        }
    }
    // The request head, read up to its blank line (bounded); the path without the query.
    std::string ReadPath(int fd) const {
        std::string head;
        char buf[1024];
        while (!stop_ && head.find("\r\n\r\n") == std::string::npos && head.size() < 65536) {
            if (sock::PollIn(fd, 20) <= 0) continue;
            const auto n = ::recv(fd, buf, sizeof buf, 0);
            if (n <= 0) break;
            head.append(buf, static_cast<size_t>(n));
        }
        const size_t a = head.find(' ');
        if (a == std::string::npos) return {};
        const size_t b = head.find_first_of(" ?", a + 1);
        return head.substr(a + 1, b == std::string::npos ? std::string::npos : b - a - 1);
    }

    int listen_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::map<std::string, Script> scripts_;
    std::thread thread_;
};

}  // namespace kujimate::test
