#pragma once
// Signed fixed-point money: value × 10,000 held exactly.
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kujimate {

struct Currency {
    int64_t Raw = 0;  // value × 10,000

    static constexpr int64_t Scale = 10000;
    static constexpr Currency FromRaw(int64_t r) { return Currency{r}; }
    static constexpr Currency FromInt(int64_t v) { return Currency{v * Scale}; }
    // Half to even at the fourth decimal; nullopt outside the range or for NaN.
    static std::optional<Currency> FromDouble(double v);
    // A text that is a number (see IsNumber), read exactly, half to even at the fourth decimal.
    static std::optional<Currency> FromText(std::string_view text);

    double ToDouble() const { return static_cast<double>(Raw) / Scale; }
    // Plain decimal: "123456", "45.67", "-0.5", "0".
    std::string ToText() const;
    bool IsZero() const { return Raw == 0; }

    friend constexpr bool operator==(Currency a, Currency b) = default;
    friend constexpr auto operator<=>(Currency a, Currency b) = default;
    friend constexpr Currency operator+(Currency a, Currency b) { return Currency{a.Raw + b.Raw}; }
    friend constexpr Currency operator-(Currency a, Currency b) { return Currency{a.Raw - b.Raw}; }
    friend constexpr Currency operator*(Currency a, int64_t n) { return Currency{a.Raw * n}; }
    Currency& operator+=(Currency b) { Raw += b.Raw; return *this; }
    Currency& operator-=(Currency b) { Raw -= b.Raw; return *this; }
};

}  // namespace kujimate
