#include "support/Text.h"

#include <unicode/translit.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <memory>

#include "support/Encoding.h"

namespace kujimate {

bool TextEqualsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() == b.size() && a == b) return true;
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        char32_t ca = DecodeUtf8(a, i), cb = DecodeUtf8(b, j);
        if (ca != cb && u_foldCase(static_cast<UChar32>(ca), U_FOLD_CASE_DEFAULT) !=
                            u_foldCase(static_cast<UChar32>(cb), U_FOLD_CASE_DEFAULT))
            return false;
    }
    return i == a.size() && j == b.size();
}

std::string ToLowerText(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) AppendUtf8(out, static_cast<char32_t>(u_tolower(static_cast<UChar32>(DecodeUtf8(s, i)))));
    return out;
}

std::string Narrow(std::string_view s) {
    bool ascii = true;
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) { ascii = false; break; }
    if (ascii) return std::string(s);
    thread_local std::unique_ptr<icu::Transliterator> tr = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::Transliterator> t(
            icu::Transliterator::createInstance("Fullwidth-Halfwidth", UTRANS_FORWARD, status));
        return U_SUCCESS(status) ? std::move(t) : nullptr;
    }();
    icu::UnicodeString u = icu::UnicodeString::fromUTF8(icu::StringPiece(s.data(), static_cast<int32_t>(s.size())));
    if (tr) tr->transliterate(u);
    std::string out;
    u.toUTF8String(out);
    return out;
}

}  // namespace kujimate
