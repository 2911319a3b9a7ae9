#include "support/Text.h"

#include "support/Encoding.h"

namespace kujimate {

std::string Trim(std::string_view s) { return LTrim(RTrim(s)); }

std::string LTrim(std::string_view s) {
    size_t b = s.find_first_not_of(' ');
    return b == std::string_view::npos ? std::string() : std::string(s.substr(b));
}

std::string RTrim(std::string_view s) {
    size_t e = s.find_last_not_of(' ');
    return e == std::string_view::npos ? std::string() : std::string(s.substr(0, e + 1));
}

size_t CharLength(std::string_view s) {
    size_t n = 0;
    for (size_t i = 0; i < s.size();) {
        DecodeUtf8(s, i);
        ++n;
    }
    return n;
}

namespace {
// Byte offset of code point index n (0-based), or s.size().
size_t ByteOffset(std::string_view s, size_t n) {
    size_t i = 0;
    while (n > 0 && i < s.size()) {
        DecodeUtf8(s, i);
        --n;
    }
    return i;
}
}  // namespace

std::string Left(std::string_view s, size_t n) { return std::string(s.substr(0, ByteOffset(s, n))); }

std::string Right(std::string_view s, size_t n) {
    size_t len = CharLength(s);
    return n >= len ? std::string(s) : std::string(s.substr(ByteOffset(s, len - n)));
}

std::string Mid(std::string_view s, size_t start, size_t n) {
    if (start < 1) start = 1;
    size_t b = ByteOffset(s, start - 1);
    std::string_view rest = s.substr(b);
    if (n == std::string::npos) return std::string(rest);
    return std::string(rest.substr(0, ByteOffset(rest, n)));
}

std::u32string ToU32(std::string_view s) {
    std::u32string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) out += DecodeUtf8(s, i);
    return out;
}

std::string FromU32(std::u32string_view s) {
    std::string out;
    out.reserve(s.size());
    for (char32_t c : s) AppendUtf8(out, c);
    return out;
}

std::vector<std::string> SplitCrLf(std::string_view s) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (;;) {
        size_t p = s.find("\r\n", start);
        if (p == std::string_view::npos) {
            lines.emplace_back(s.substr(start));
            return lines;
        }
        lines.emplace_back(s.substr(start, p - start));
        start = p + 2;
    }
}

std::string JoinCrLf(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

bool StartsWith(std::string_view s, std::string_view p) { return s.substr(0, p.size()) == p; }
bool EndsWith(std::string_view s, std::string_view p) {
    return s.size() >= p.size() && s.substr(s.size() - p.size()) == p;
}

std::string ReplaceAll(std::string s, std::string_view from, std::string_view to) {
    if (from.empty()) return s;
    size_t p = 0;
    while ((p = s.find(from, p)) != std::string::npos) {
        s.replace(p, from.size(), to);
        p += to.size();
    }
    return s;
}

bool Utf16Less(std::string_view a, std::string_view b) {
    // UTF-8 byte order is code point order; UTF-16 differs only where a supplementary
    // character (surrogates, D800-DFFF) meets one of E000-FFFF.
    size_t i = 0, j = 0;
    auto key = [](char32_t c) -> char32_t {
        if (c >= 0x10000) return 0xD800 + ((c - 0x10000) >> 10);
        return c;
    };
    while (i < a.size() && j < b.size()) {
        char32_t ca = DecodeUtf8(a, i), cb = DecodeUtf8(b, j);
        if (ca == cb) continue;
        char32_t ka = key(ca), kb = key(cb);
        if (ka != kb) return ka < kb;
        // Same high surrogate: compare the low ones.
        return ca < cb;
    }
    return i == a.size() && j < b.size();
}

}  // namespace kujimate
