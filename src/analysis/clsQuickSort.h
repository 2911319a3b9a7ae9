#pragma once
// The two quicksort schemes of the program. Neither is stable: equal keys end in the order
// the exact steps leave them in, and callers rely on that order.
#include <cstdint>
#include <span>
#include <string>

#include "support/Currency.h"

namespace kujimate {

class clsQuickSort {
public:
    // Scheme A (Hoare partition, middle pivot). Sorted: true for ascending.
    void LongSort(std::span<int32_t> myArray, bool Sorted) const;
    void StringSort(std::span<std::string> myArray, bool Sorted) const;  // UTF-16 code unit order
    // Scheme A; the index array is permuted alongside, starting from the order it comes in.
    void LongIndexSort(std::span<int32_t> myArray, std::span<int32_t> index, bool Sorted) const;
    // Scheme B (pivot set aside, one forward scan); the index array is first reset to 0, 1, 2 ...
    void CurrencyIndexSort(std::span<Currency> curArray, std::span<int32_t> index, bool Sorted) const;
    // Scheme B on raw fixed-point keys (value × 10,000), for callers that hold them that way.
    void CurrencyIndexSort(std::span<int64_t> curRaw, std::span<int32_t> index, bool Sorted) const;
};

}  // namespace kujimate
