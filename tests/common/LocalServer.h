#pragma once
// A web server on 127.0.0.1 at a free port, run on a thread of the test itself.
#include <httplib.h>

#include <chrono>
#include <string>
#include <thread>

namespace kujimate::test {

class LocalServer {
public:
    LocalServer() { port_ = server.bind_to_any_port("127.0.0.1"); }
    ~LocalServer() { Stop(); }
    LocalServer(const LocalServer&) = delete;
    LocalServer& operator=(const LocalServer&) = delete;

    // Call once the routes are in place.
    void Start() {
        thread_ = std::thread([this] { server.listen_after_bind(); });
        for (int i = 0; i < 500 && !server.is_running(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    void Stop() {
        if (!thread_.joinable()) return;
        server.stop();
        thread_.join();
    }

    int Port() const { return port_; }
    std::string Base() const { return "http://127.0.0.1:" + std::to_string(port_); }
    std::string Url(const std::string& pathAndQuery) const { return Base() + pathAndQuery; }

    httplib::Server server;

private:
    int port_ = -1;
    std::thread thread_;
};

}  // namespace kujimate::test
