#pragma once
// One synchronous HTTP(S) GET: the body as bytes, or as text from Shift_JIS or UTF-8.
// The only network code of the program.
#include <cstddef>
#include <cstdint>
#include <string>

#include "drawdata/PageParsers.h"

namespace kujimate {

class clsWinInet {
public:
    static constexpr const char* AgentName = "Kasumiworks WinInet";
    // A body above this size is abandoned and the fetch counts as failed.
    static constexpr size_t MaxBodyBytes = size_t{32} << 20;

    clsWinInet();

    // Whether a connection can be attempted at all.
    bool Connection() const;

    bool ProgressOpen() const { return progressOpen_; }
    void ProgressOpen(bool v) { progressOpen_ = v; }
    bool ProgressClose() const { return progressClose_; }
    // true also closes the progress window at once.
    void ProgressClose(bool v);
    const std::string& ProgressDialogMessage() const { return progressDialogMessage_; }
    void ProgressDialogMessage(const std::string& v) { progressDialogMessage_ = v; }

    // strProxy empty: the system's proxy settings. Returns the number of bytes received;
    // 0 with an empty bytRecvData when the fetch failed: no connection, a timeout, a body
    // above the cap, or a final HTTP status outside 200-299.
    long GetHttpData(const std::string& strUrl, std::string& bytRecvData, const std::string& strProxy,
                     OwnerWindow objOwnerForm);
    // bytCode 0: Shift_JIS, 8: UTF-8.
    std::string GetHttpDataString(const std::string& strUrl, const std::string& strProxy, OwnerWindow objOwnerForm,
                                  int bytCode);
    std::string GetHttpDataStringUTF8(const std::string& strUrl, const std::string& strProxy,
                                      OwnerWindow objOwnerForm);

    // Tests shorten the waits; the program keeps 15 s to connect, 30 s without a byte,
    // 120 s for the whole transfer, and at least 64 bytes a second over any 30 seconds.
    void ConnectTimeoutMs(long ms) { connectTimeoutMs_ = ms; }
    void ReceiveTimeoutMs(long ms) { receiveTimeoutMs_ = ms; }
    void TransferTimeoutMs(long ms) { transferTimeoutMs_ = ms; }
    void LowSpeedLimit(long bytesPerSecond, long windowMs) {
        lowSpeedBytesPerSecond_ = bytesPerSecond;
        lowSpeedWindowMs_ = windowMs;
    }

private:
    void SetConnectTimeout(long seconds) { connectTimeoutMs_ = seconds * 1000; }
    void SetReceiveTimeout(long seconds) { receiveTimeoutMs_ = seconds * 1000; }

    long connectTimeoutMs_ = 0;
    long receiveTimeoutMs_ = 0;
    long transferTimeoutMs_ = 120'000;
    long lowSpeedBytesPerSecond_ = 64;
    long lowSpeedWindowMs_ = 30'000;
    bool progressOpen_ = true;
    bool progressClose_ = true;
    std::string progressDialogMessage_;
    OwnerWindow lastOwner_ = nullptr;
};

}  // namespace kujimate
