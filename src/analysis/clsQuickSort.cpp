#include "analysis/clsQuickSort.h"

#include <utility>
#include <vector>

#include "singles/FailureText.h"
#include "support/Report.h"
#include "support/Text.h"

namespace kujimate {
namespace {
constexpr const char* ClassName = "clsQuickSort";

struct Range {
    int64_t lo, hi;
};

// Scheme A. The ranges are kept on an explicit stack, smaller one first, so a skewed split
// never runs out of call stack; disjoint ranges sort the same in any order.
template <typename T, typename Less, typename OnSwap>
void SchemeA(std::span<T> a, bool ascending, Less less, OnSwap onSwap) {
    if (a.size() < 2) return;
    std::vector<Range> stack;
    stack.push_back({0, static_cast<int64_t>(a.size()) - 1});
    while (!stack.empty()) {
        auto [lo, hi] = stack.back();
        stack.pop_back();
        if (lo >= hi) continue;
        const T pivot = a[static_cast<size_t>((lo + hi) / 2)];
        int64_t i = lo, j = hi;
        for (;;) {
            if (ascending) {
                while (less(a[static_cast<size_t>(i)], pivot)) ++i;
                while (less(pivot, a[static_cast<size_t>(j)])) --j;
            } else {
                while (less(pivot, a[static_cast<size_t>(i)])) ++i;
                while (less(a[static_cast<size_t>(j)], pivot)) --j;
            }
            if (i >= j) break;
            std::swap(a[static_cast<size_t>(i)], a[static_cast<size_t>(j)]);
            onSwap(i, j);
            ++i;
            --j;
        }
        Range left{lo, i - 1}, right{j + 1, hi};
        if (left.hi - left.lo > right.hi - right.lo) std::swap(left, right);
        stack.push_back(right);
        stack.push_back(left);
    }
}

// Scheme B. Runs of equal keys would make the plain steps quadratic (and, recursing, deep):
// whenever the pivot is the range's extreme key nothing moves in front of it, so that step
// is done as the one swap it amounts to. The extreme of each side is gathered during the
// scan that splits it. The permutation is exactly the one the plain steps produce.
struct BRange {
    int64_t lo, hi;
    int64_t ext;   // no key of the range comes before it
    int64_t count; // how many keys of the range equal it
};

void SchemeB(std::span<int64_t> a, std::span<int32_t> idx, bool ascending) {
    const int64_t n = static_cast<int64_t>(a.size());
    for (int64_t k = 0; k < n; ++k) idx[static_cast<size_t>(k)] = static_cast<int32_t>(k);
    if (n < 2) return;
    int64_t* A = a.data();
    int32_t* I = idx.data();
    auto before = [ascending](int64_t x, int64_t y) { return ascending ? x < y : x > y; };
    auto extremeOf = [&](int64_t lo, int64_t hi) {
        BRange r{lo, hi, A[lo], 0};
        for (int64_t k = lo; k <= hi; ++k) {
            if (before(A[k], r.ext)) {
                r.ext = A[k];
                r.count = 1;
            } else if (A[k] == r.ext) {
                ++r.count;
            }
        }
        return r;
    };
    std::vector<BRange> stack;
    stack.push_back(extremeOf(0, n - 1));
    while (!stack.empty()) {
        BRange r = stack.back();
        stack.pop_back();
        int64_t lo = r.lo;
        const int64_t hi = r.hi;
        while (lo < hi) {
            const int64_t m = (lo + hi) / 2;
            const int64_t pivot = A[m];
            const int32_t pivotIndex = I[m];
            A[m] = A[lo];
            I[m] = I[lo];
            if (pivot == r.ext) {
                // Nothing comes before the pivot: it lands at lo and the rest stays put.
                A[lo] = pivot;
                I[lo] = pivotIndex;
                ++lo;
                if (--r.count == 0 && lo < hi) r = extremeOf(lo, hi);
                continue;
            }
            int64_t i = lo;
            bool leftSeen = false, rightSeen = false;
            int64_t leftExt = 0, leftCount = 0, rightExt = 0, rightCount = 0;
            for (int64_t j = lo + 1; j <= hi; ++j) {
                const int64_t v = A[j];
                if (before(v, pivot)) {
                    ++i;
                    std::swap(A[i], A[j]);
                    std::swap(I[i], I[j]);
                    if (!leftSeen || before(v, leftExt)) {
                        leftSeen = true;
                        leftExt = v;
                        leftCount = 1;
                    } else if (v == leftExt) {
                        ++leftCount;
                    }
                } else {
                    if (!rightSeen || before(v, rightExt)) {
                        rightSeen = true;
                        rightExt = v;
                        rightCount = 1;
                    } else if (v == rightExt) {
                        ++rightCount;
                    }
                }
            }
            // The key moved from lo to m was scanned at j = m unless m is lo itself, in which
            // case it is the pivot; either way every key but the pivot was counted once.
            A[lo] = A[i];
            A[i] = pivot;
            I[lo] = I[i];
            I[i] = pivotIndex;
            BRange left{lo, i - 1, leftExt, leftCount}, right{i + 1, hi, rightExt, rightCount};
            if (left.hi - left.lo > right.hi - right.lo) std::swap(left, right);
            if (right.lo < right.hi) stack.push_back(right);
            if (left.lo < left.hi) stack.push_back(left);
            break;
        }
    }
}

bool SameSize(size_t keys, size_t index, const char* operation) {
    if (keys == index) return true;
    ClassFailure(ClassName, operation, ErrSubscript.Description, ErrSubscript.Number);
    return false;
}

}  // namespace

void clsQuickSort::LongSort(std::span<int32_t> myArray, bool Sorted) const {
    SchemeA(myArray, Sorted, [](int32_t x, int32_t y) { return x < y; }, [](int64_t, int64_t) {});
}

void clsQuickSort::StringSort(std::span<std::string> myArray, bool Sorted) const {
    SchemeA(myArray, Sorted, [](const std::string& x, const std::string& y) { return Utf16Less(x, y); },
            [](int64_t, int64_t) {});
}

void clsQuickSort::LongIndexSort(std::span<int32_t> myArray, std::span<int32_t> index, bool Sorted) const {
    if (!SameSize(myArray.size(), index.size(), "LongIndexSort")) return;
    SchemeA(myArray, Sorted, [](int32_t x, int32_t y) { return x < y; },
            [&](int64_t i, int64_t j) { std::swap(index[static_cast<size_t>(i)], index[static_cast<size_t>(j)]); });
}

void clsQuickSort::CurrencyIndexSort(std::span<int64_t> curRaw, std::span<int32_t> index, bool Sorted) const {
    if (!SameSize(curRaw.size(), index.size(), "CurrencyIndexSort")) return;
    SchemeB(curRaw, index, Sorted);
}

void clsQuickSort::CurrencyIndexSort(std::span<Currency> curArray, std::span<int32_t> index, bool Sorted) const {
    if (!SameSize(curArray.size(), index.size(), "CurrencyIndexSort")) return;
    std::vector<int64_t> raw(curArray.size());
    for (size_t k = 0; k < raw.size(); ++k) raw[k] = curArray[k].Raw;
    SchemeB(raw, index, Sorted);
    for (size_t k = 0; k < raw.size(); ++k) curArray[k] = Currency::FromRaw(raw[k]);
}

}  // namespace kujimate
