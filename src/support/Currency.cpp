#include "support/Currency.h"

#include <cmath>
#include <limits>

#include "support/NumberText.h"
#include "support/Int128.h"
#include "support/Text.h"

namespace kujimate {

std::optional<Currency> Currency::FromDouble(double v) {
    if (std::isnan(v)) return std::nullopt;
    double scaled = std::nearbyint(v * static_cast<double>(Scale));
    if (!(scaled > -9.2233720368547e18 && scaled < 9.2233720368547e18)) return std::nullopt;
    return Currency{static_cast<int64_t>(scaled)};
}

std::optional<Currency> Currency::FromText(std::string_view text) {
    if (!IsNumber(text)) return std::nullopt;
    std::string t = Trim(std::string(text));
    bool neg = false;
    size_t i = 0;
    if (t[i] == '+' || t[i] == '-') { neg = t[i] == '-'; ++i; }
    // Whole part, then up to four decimals; the fifth and later decide the rounding.
    UInt128 acc = 0;
    const UInt128 limit = static_cast<UInt128>(std::numeric_limits<int64_t>::max()) + 1;
    for (; i < t.size() && t[i] != '.'; ++i) {
        acc = acc * 10 + static_cast<unsigned>(t[i] - '0');
        if (acc * Scale > limit) return std::nullopt;
    }
    acc *= Scale;
    int decimals = 0;
    int firstDropped = -1;
    bool restNonZero = false;
    if (i < t.size() && t[i] == '.') {
        for (++i; i < t.size(); ++i) {
            int d = t[i] - '0';
            if (decimals < 4) {
                UInt128 place = 1;
                for (int k = 0; k < 3 - decimals; ++k) place *= 10;
                acc += place * static_cast<unsigned>(d);
                ++decimals;
            } else if (firstDropped < 0) {
                firstDropped = d;
            } else if (d != 0) {
                restNonZero = true;
            }
        }
    }
    if (firstDropped > 5 || (firstDropped == 5 && (restNonZero || (acc & 1)))) acc += 1;
    if (acc > limit || (!neg && acc == limit)) return std::nullopt;
    int64_t raw = acc == limit ? std::numeric_limits<int64_t>::min() : static_cast<int64_t>(acc);
    return Currency{neg ? -raw : raw};
}

std::string Currency::ToText() const {
    unsigned long long a = Raw < 0 ? 0ULL - static_cast<unsigned long long>(Raw) : static_cast<unsigned long long>(Raw);
    std::string whole = std::to_string(a / Scale);
    unsigned long long frac = a % Scale;
    std::string out = Raw < 0 ? "-" + whole : whole;
    if (frac) {
        std::string f = std::to_string(frac);
        f.insert(0, 4 - f.size(), '0');
        while (!f.empty() && f.back() == '0') f.pop_back();
        out += "." + f;
    }
    return out;
}

}  // namespace kujimate
