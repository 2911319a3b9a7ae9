#pragma once
// A single is one integer: match 1 is the least significant base-3 digit.
#include <array>
#include <cstdint>
#include <cstring>
#include <span>

namespace kujimate {

inline constexpr int SingleGames = 11;
inline constexpr int32_t SingleSpace = 177147;  // 3^11 possible singles
inline constexpr int32_t SingleMax = SingleSpace - 1;

using ByteKousei = std::array<uint8_t, SingleGames>;
using LongKousei = std::array<int32_t, SingleGames>;

namespace detail {
// Digits of the low five matches (number mod 243) and the high six (number div 243).
struct DigitTables {
    uint8_t lo[243][5];
    uint8_t hi[729][6];
};
constexpr DigitTables MakeDigitTables() {
    DigitTables t{};
    for (int n = 0; n < 243; ++n)
        for (int g = 0, r = n; g < 5; ++g, r /= 3) t.lo[n][g] = static_cast<uint8_t>(r % 3);
    for (int n = 0; n < 729; ++n)
        for (int g = 0, r = n; g < 6; ++g, r /= 3) t.hi[n][g] = static_cast<uint8_t>(r % 3);
    return t;
}
inline constexpr DigitTables Digits = MakeDigitTables();
}  // namespace detail

// Unpacks a number known to lie in 0..SingleMax; hot loops use it instead of a checked call.
inline void UnpackSingle(int32_t n, uint8_t* d) {
    const int32_t q = n / 243;
    std::memcpy(d, detail::Digits.lo[n - q * 243], 5);
    std::memcpy(d + 5, detail::Digits.hi[q], 6);
}
inline bool IsSingleNumber(int32_t n) { return n >= 0 && n <= SingleMax; }
// The number of eleven digits, match 1 first; digits above 2 are summed as they stand.
inline int32_t PackSingle(const uint8_t* d) {
    int32_t n = 0;
    for (int g = SingleGames - 1; g >= 0; --g) n = n * 3 + d[g];
    return n;
}

class clsTNumber {
public:
    clsTNumber();

    void NoToByte(int32_t lngNo, ByteKousei& bytKousei) const;
    void NoToLong(int32_t lngNo, LongKousei& lngKousei) const;
    void ByteToNo(const ByteKousei& bytKousei, int32_t& lngNo) const;
    void LongToNo(const LongKousei& lngKousei, int32_t& lngNo) const;

    // Neighbours at distance one (22) and two (220), written from position 0 of a
    // caller-sized list; the list is never grown.
    void Get2List(int32_t lngValue, std::span<int32_t> lngList) const;
    void Get3List(int32_t lngValue, std::span<int32_t> lngList) const;
    void Get12List(int32_t lngValue, std::span<int32_t> lngList) const;
    void Get123List(int32_t lngValue, std::span<int32_t> lngList) const;

    int32_t Power(int g) const { return pow_[static_cast<size_t>(g)]; }

private:
    bool NoToArray(int32_t lngNo, ByteKousei& d) const;
    bool NoToArray_Long(int32_t lngNo, LongKousei& d) const;
    bool ArrayToNo(const ByteKousei& d, int32_t& lngNo) const;
    bool ArrayToNo_Long(const LongKousei& d, int32_t& lngNo) const;
    bool Get2List_Sub(int32_t lngValue, std::span<int32_t> lngList, size_t start) const;
    bool Get3List_Sub(int32_t lngValue, std::span<int32_t> lngList, size_t start) const;

    std::array<int32_t, 12> pow_{};
};

}  // namespace kujimate
