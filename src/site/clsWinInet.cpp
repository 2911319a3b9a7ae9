#include "site/clsWinInet.h"

#include <exception>

#include "site/WinInetLog.h"
#include "support/Encoding.h"
#include "support/Report.h"

// The transfer itself is the platform's: clsWinInetPosix.cpp (libcurl), clsWinInetWindows.cpp (WinInet).
namespace kujimate {
namespace {
constexpr const char* ClassName = "clsWinInet";
}  // namespace

clsWinInet::clsWinInet() {
    SetConnectTimeout(15);
    SetReceiveTimeout(30);
}

void clsWinInet::ProgressClose(bool v) {
    progressClose_ = v;
    if (v) GetWinInetLog().Unload(lastOwner_);
}

std::string clsWinInet::GetHttpDataString(const std::string& strUrl, const std::string& strProxy,
                                          OwnerWindow objOwnerForm, int bytCode) {
    try {
        std::string bytes;
        if (GetHttpData(strUrl, bytes, strProxy, objOwnerForm) <= 0) return {};
        switch (bytCode) {
            case 0: return Cp932ToUtf8(bytes);
            case 8: return SanitizeUtf8(bytes);
            default:
                ClassMessage(ClassName, "GetHttpDataString", "コード番号が異常です（" + std::to_string(bytCode) + "）");
                return {};
        }
    } catch (const std::exception& e) {
        ClassFailure(ClassName, "GetHttpDataString", e.what(), 0);
        return {};
    }
}

std::string clsWinInet::GetHttpDataStringUTF8(const std::string& strUrl, const std::string& strProxy,
                                              OwnerWindow objOwnerForm) {
    try {
        std::string bytes;
        if (GetHttpData(strUrl, bytes, strProxy, objOwnerForm) <= 0) return {};
        return SanitizeUtf8(bytes);
    } catch (const std::exception& e) {
        ClassFailure(ClassName, "GetHttpDataStringUTF8", e.what(), 0);
        return {};
    }
}

}  // namespace kujimate
