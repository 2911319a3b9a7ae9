#include "support/Encoding.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace kujimate {

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
