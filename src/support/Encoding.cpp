#include "support/Encoding.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace kujimate {

char32_t DecodeUtf8(std::string_view s, size_t& i) {
    auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char c = byte(i);
    if (c < 0x80) { ++i; return c; }
    int len = 0;
    char32_t cp = 0, min = 0;
    if ((c & 0xE0) == 0xC0) { len = 2; cp = c & 0x1F; min = 0x80; }
    else if ((c & 0xF0) == 0xE0) { len = 3; cp = c & 0x0F; min = 0x800; }
    else if ((c & 0xF8) == 0xF0) { len = 4; cp = c & 0x07; min = 0x10000; }
    else { ++i; return 0xFFFD; }
    if (i + len > s.size()) { ++i; return 0xFFFD; }
    for (int k = 1; k < len; ++k) {
        unsigned char cc = byte(i + k);
        if ((cc & 0xC0) != 0x80) { ++i; return 0xFFFD; }
        cp = (cp << 6) | (cc & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) { ++i; return 0xFFFD; }
    i += len;
    return cp;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) out += static_cast<char>(cp);
    else if (cp < 0x800) { out += static_cast<char>(0xC0 | (cp >> 6)); out += static_cast<char>(0x80 | (cp & 0x3F)); }
    else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool IsValidUtf8(std::string_view s) {
    for (size_t i = 0; i < s.size();) {
        if (static_cast<unsigned char>(s[i]) < 0x80) {
            ++i;
            continue;
        }
        size_t before = i;
        char32_t cp = DecodeUtf8(s, i);
        if (cp == 0xFFFD && !(i - before == 3 && s.substr(before, 3) == "\xEF\xBF\xBD")) return false;
    }
    return true;
}

std::string SanitizeUtf8(std::string_view s) {
    if (IsValidUtf8(s)) return std::string(s);
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size();) AppendUtf8(out, DecodeUtf8(s, i));
    return out;
}

namespace {

class Iconv {
public:
    Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv_open failed");
    }
    ~Iconv() { iconv_close(cd_); }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    // Converts all of in; onBad is called at an unconvertible or invalid sequence and
    // returns how many input bytes to skip, having appended its replacement.
    template <typename OnBad>
    std::string Convert(std::string_view in, OnBad onBad) {
        std::string out;
        out.reserve(in.size() + in.size() / 2 + 16);
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in.data());
        size_t srcLeft = in.size();
        char buf[16384];
        while (srcLeft > 0) {
            char* dst = buf;
            size_t dstLeft = sizeof buf;
            size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buf, dst - buf);
            if (r == static_cast<size_t>(-1)) {
                if (errno == E2BIG) continue;
                size_t skip = onBad(out, std::string_view(src, srcLeft));
                if (skip == 0 || skip > srcLeft) skip = srcLeft;
                src += skip;
                srcLeft -= skip;
                iconv(cd_, nullptr, nullptr, nullptr, nullptr);
            }
        }
        return out;
    }

private:
    iconv_t cd_;
};

}  // namespace

std::string Cp932ToUtf8(std::string_view bytes) {
    thread_local Iconv cv("UTF-8", "CP932");
    return cv.Convert(bytes, [](std::string& out, std::string_view) -> size_t {
        out += "\xEF\xBF\xBD";
        return 1;
    });
}

std::string Utf8ToCp932(std::string_view text) {
    thread_local Iconv cv("CP932", "UTF-8");
    return cv.Convert(text, [](std::string& out, std::string_view rest) -> size_t {
        out += '?';
        size_t i = 0;
        DecodeUtf8(rest, i);
        return i;
    });
}

}  // namespace kujimate
