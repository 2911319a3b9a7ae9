#include "support/NumberText.h"

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "support/Int128.h"
#include "support/Text.h"

namespace kujimate {

bool IsNumber(std::string_view text) {
    size_t b = 0, e = text.size();
    while (b < e && text[b] == ' ') ++b;
    while (e > b && text[e - 1] == ' ') --e;
    if (b == e) return false;
    size_t i = b;
    if (text[i] == '+' || text[i] == '-') ++i;
    int digits = 0, points = 0;
    for (; i < e; ++i) {
        char c = text[i];
        if (c >= '0' && c <= '9') ++digits;
        else if (c == '.' && ++points == 1) continue;
        else return false;
    }
    return digits > 0;
}

std::optional<int64_t> TextToInt64(std::string_view text) {
    if (!IsNumber(text)) return std::nullopt;
    std::string t = Trim(std::string(text));
    size_t i = 0;
    bool neg = false;
    if (t[i] == '+' || t[i] == '-') { neg = t[i] == '-'; ++i; }
    UInt128 acc = 0;
    const UInt128 cap = static_cast<UInt128>(1) << 64;
    for (; i < t.size() && t[i] != '.'; ++i) {
        acc = acc * 10 + static_cast<unsigned>(t[i] - '0');
        if (acc > cap) return std::nullopt;
    }
    if (i < t.size()) {  // the fraction only decides the rounding
        int first = -1;
        bool rest = false;
        for (++i; i < t.size(); ++i) {
            if (first < 0) first = t[i] - '0';
            else if (t[i] != '0') rest = true;
        }
        if (first > 5 || (first == 5 && (rest || (acc & 1)))) acc += 1;
    }
    const UInt128 maxPos = static_cast<UInt128>(std::numeric_limits<int64_t>::max());
    if (neg) {
        if (acc > maxPos + 1) return std::nullopt;
        return acc == maxPos + 1 ? std::numeric_limits<int64_t>::min() : -static_cast<int64_t>(acc);
    }
    if (acc > maxPos) return std::nullopt;
    return static_cast<int64_t>(acc);
}

std::optional<int32_t> TextToInt32(std::string_view text) {
    auto v = TextToInt64(text);
    if (!v || *v < std::numeric_limits<int32_t>::min() || *v > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(*v);
}

std::optional<double> TextToDouble(std::string_view text) {
    if (!IsNumber(text)) return std::nullopt;
    std::string t = Trim(std::string(text));
    return std::strtod(t.c_str(), nullptr);
}

std::optional<bool> TextToBoolean(std::string_view text) {
    if (IsNumber(text)) {
        auto d = TextToDouble(text);
        return *d != 0.0;
    }
    std::string t = Trim(std::string(text));
    if (TextEqualsIgnoreCase(t, "True")) return true;
    if (TextEqualsIgnoreCase(t, "False")) return false;
    return std::nullopt;
}

double RoundHalfEven(double v) {
    // The default floating-point environment rounds to nearest, ties to even.
    return std::nearbyint(v);
}

std::optional<int32_t> DoubleToInt32(double v) {
    if (std::isnan(v)) return std::nullopt;
    double r = RoundHalfEven(v);
    if (r < -2147483648.0 || r > 2147483647.0) return std::nullopt;
    return static_cast<int32_t>(r);
}

double RoundHalfEven4(double v) {
    auto c = Currency::FromDouble(v);
    return c ? c->ToDouble() : v;
}

namespace {

// A decimal as its digits (no leading zeros needed) and the count of digits before the point.
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    int pointPos = 0;
};

struct Pattern {
    int decimals = 0;
    int minInt = 0;
    bool grouping = false;
};

Pattern ParsePattern(std::string_view p) {
    Pattern r;
    size_t dot = p.find('.');
    std::string_view ip = p.substr(0, dot);
    for (char c : ip) {
        if (c == '0') ++r.minInt;
        if (c == ',') r.grouping = true;
    }
    if (dot != std::string_view::npos)
        for (char c : p.substr(dot + 1))
            if (c == '0' || c == '#') ++r.decimals;
    return r;
}

std::string Render(DecimalDigits d, const Pattern& p) {
    // Half away from zero at the pattern's last decimal.
    int keep = d.pointPos + p.decimals;
    if (keep < 0) {
        d.digits.clear();
    } else if (keep < static_cast<int>(d.digits.size())) {
        bool up = d.digits[keep] >= '5';
        d.digits.resize(keep);
        if (up) {
            int i = keep - 1;
            while (i >= 0 && d.digits[i] == '9') d.digits[i--] = '0';
            if (i >= 0) ++d.digits[i];
            else { d.digits.insert(d.digits.begin(), '1'); ++d.pointPos; }
        }
    }
    std::string intPart, fracPart;
    for (int i = 0; i < d.pointPos; ++i) intPart += i < static_cast<int>(d.digits.size()) ? d.digits[i] : '0';
    for (int i = 0; i < p.decimals; ++i) {
        int idx = d.pointPos + i;
        fracPart += (idx >= 0 && idx < static_cast<int>(d.digits.size())) ? d.digits[idx] : '0';
    }
    size_t nz = intPart.find_first_not_of('0');
    intPart = nz == std::string::npos ? "" : intPart.substr(nz);
    bool zero = intPart.empty() && fracPart.find_first_not_of('0') == std::string::npos;
    if (static_cast<int>(intPart.size()) < p.minInt) intPart.insert(0, p.minInt - intPart.size(), '0');
    if (p.grouping && intPart.size() > 3) {
        std::string g;
        int n = static_cast<int>(intPart.size());
        for (int i = 0; i < n; ++i) {
            g += intPart[i];
            if ((n - i - 1) % 3 == 0 && i != n - 1) g += ',';
        }
        intPart = g;
    }
    std::string out = (d.negative && !zero) ? "-" : "";
    out += intPart;
    if (p.decimals > 0) out += "." + fracPart;
    return out;
}

}  // namespace

std::string FormatNumber(double v, std::string_view pattern) {
    if (std::isnan(v) || std::isinf(v)) return "0";
    DecimalDigits d;
    d.negative = v < 0;
    if (v != 0) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.14e", std::fabs(v));  // 15 significant digits
        std::string s(buf);
        size_t e = s.find('e');
        for (size_t i = 0; i < e; ++i)
            if (s[i] != '.') d.digits += s[i];
        d.pointPos = std::atoi(s.c_str() + e + 1) + 1;
    }
    return Render(d, ParsePattern(pattern));
}

std::string FormatNumber(Currency v, std::string_view pattern) {
    DecimalDigits d;
    d.negative = v.Raw < 0;
    unsigned long long a = v.Raw < 0 ? 0ULL - static_cast<unsigned long long>(v.Raw) : static_cast<unsigned long long>(v.Raw);
    d.digits = std::to_string(a);
    d.pointPos = static_cast<int>(d.digits.size()) - 4;
    return Render(d, ParsePattern(pattern));
}

std::string FormatNumber(int64_t v, std::string_view pattern) {
    DecimalDigits d;
    d.negative = v < 0;
    unsigned long long a = v < 0 ? 0ULL - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
    d.digits = std::to_string(a);
    d.pointPos = static_cast<int>(d.digits.size());
    return Render(d, ParsePattern(pattern));
}

std::string NormalizeDigitEntry(std::string_view text, int64_t min, int64_t max) {
    if (text.empty()) return {};
    int64_t v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::to_string(min);
        v = v * 10 + (c - '0');
        if (v > max) v = max + 1;  // keeps the value bounded for any length
    }
    return std::to_string(std::clamp(v, min, max));
}

}  // namespace kujimate
