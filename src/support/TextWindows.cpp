#include "support/Text.h"

#include <windows.h>

#include "support/Encoding.h"
#include "support/WindowsText.h"

namespace kujimate {
namespace {
std::wstring Map(const wchar_t* locale, DWORD flags, const std::wstring& in) {
    if (in.empty()) return in;
    const int len = static_cast<int>(in.size());
    const int need = ::LCMapStringEx(locale, flags, in.data(), len, nullptr, 0, nullptr, nullptr, 0);
    if (need <= 0) return in;
    std::wstring out(static_cast<size_t>(need), L'\0');
    ::LCMapStringEx(locale, flags, in.data(), len, out.data(), need, nullptr, nullptr, 0);
    return out;
}

bool IsAscii(std::string_view s) {
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}
}  // namespace

bool TextEqualsIgnoreCase(std::string_view a, std::string_view b) {
    if (a == b) return true;
    const std::wstring wa = WideFromUtf8(a), wb = WideFromUtf8(b);
    return ::CompareStringOrdinal(wa.data(), static_cast<int>(wa.size()), wb.data(), static_cast<int>(wb.size()),
                                  TRUE) == CSTR_EQUAL;
}

std::string ToLowerText(std::string_view s) {
    return Utf8FromWide(Map(LOCALE_NAME_INVARIANT, LCMAP_LOWERCASE, WideFromUtf8(s)));
}

std::string Narrow(std::string_view s) {
    if (IsAscii(s)) return std::string(s);
    return Utf8FromWide(Map(L"ja-JP", LCMAP_HALFWIDTH, WideFromUtf8(s)));
}

}  // namespace kujimate
