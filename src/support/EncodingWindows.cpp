#include "support/Encoding.h"

#include <windows.h>

#include "support/WindowsText.h"

namespace kujimate {
namespace {
constexpr UINT Cp932 = 932;

bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// One character of code page 932 (one or two bytes); false when the system refuses it.
bool DecodeOne(const char* p, int n, std::wstring& out) {
    wchar_t w[2];
    const int got = ::MultiByteToWideChar(Cp932, MB_ERR_INVALID_CHARS, p, n, w, 2);
    if (got <= 0) return false;
    out.append(w, static_cast<size_t>(got));
    return true;
}
}  // namespace

std::string Cp932ToUtf8(std::string_view bytes) {
    if (bytes.empty()) return {};
    const int len = static_cast<int>(bytes.size());
    std::wstring wide(bytes.size(), L'\0');
    int n = ::MultiByteToWideChar(Cp932, MB_ERR_INVALID_CHARS, bytes.data(), len, wide.data(), len);
    if (n > 0) {
        wide.resize(static_cast<size_t>(n));
        return Utf8FromWide(wide);
    }
    // Some byte is invalid: character by character, each invalid byte U+FFFD.
    wide.clear();
    for (size_t i = 0; i < bytes.size();) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            wide += static_cast<wchar_t>(c);
            ++i;
        } else if (IsLeadByte(c) && i + 1 < bytes.size() && DecodeOne(bytes.data() + i, 2, wide)) {
            i += 2;
        } else if (!IsLeadByte(c) && DecodeOne(bytes.data() + i, 1, wide)) {
            ++i;
        } else {
            wide += L'\xFFFD';
            ++i;
        }
    }
    return Utf8FromWide(wide);
}

std::string Utf8ToCp932(std::string_view text) {
    if (text.empty()) return {};
    // Code page 932 holds no character beyond U+FFFF; invalid UTF-8 is no character at all.
    std::wstring wide;
    wide.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const size_t before = i;
        const char32_t cp = DecodeUtf8(text, i);
        const bool invalid = cp == 0xFFFD && text.substr(before, i - before) != "\xEF\xBF\xBD";
        wide += cp >= 0x10000 || invalid ? L'?' : static_cast<wchar_t>(cp);
    }
    const int len = static_cast<int>(wide.size());
    const int need = ::WideCharToMultiByte(Cp932, WC_NO_BEST_FIT_CHARS, wide.data(), len, nullptr, 0, "?", nullptr);
    if (need <= 0) return std::string(wide.size(), '?');
    std::string out(static_cast<size_t>(need), '\0');
    ::WideCharToMultiByte(Cp932, WC_NO_BEST_FIT_CHARS, wide.data(), len, out.data(), need, "?", nullptr);
    return out;
}

}  // namespace kujimate
