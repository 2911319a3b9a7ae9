#include "singles/clsTNumber.h"

#include "singles/FailureText.h"
#include "support/Report.h"

namespace kujimate {
namespace {
constexpr const char* ClassName = "clsTNumber";

void Fail(const char* operation, FailureText e) { ClassFailure(ClassName, operation, e.Description, e.Number); }
}  // namespace

clsTNumber::clsTNumber() {
    int32_t p = 1;
    for (auto& v : pow_) {
        v = p;
        p *= 3;
    }
}

bool clsTNumber::NoToArray(int32_t lngNo, ByteKousei& d) const {
    if (IsSingleNumber(lngNo)) {
        UnpackSingle(lngNo, d.data());
        return true;
    }
    int32_t r = lngNo;
    for (int g = 10; g >= 0; --g) {
        const int32_t q = r / pow_[g];
        if (q < 0 || q > 255) {
            Fail("NoToArray", ErrOverflow);
            return false;
        }
        d[g] = static_cast<uint8_t>(q);
        r %= pow_[g];
    }
    return true;
}

bool clsTNumber::NoToArray_Long(int32_t lngNo, LongKousei& d) const {
    int32_t r = lngNo;
    for (int g = 10; g >= 0; --g) {
        const int32_t q = r / pow_[g];
        if (q < 0) {
            Fail("NoToArray_Long", ErrOverflow);
            return false;
        }
        d[g] = q;
        r %= pow_[g];
    }
    return true;
}

bool clsTNumber::ArrayToNo(const ByteKousei& d, int32_t& lngNo) const {
    lngNo = PackSingle(d.data());  // at most 255 · 88,573: no overflow
    return true;
}

bool clsTNumber::ArrayToNo_Long(const LongKousei& d, int32_t& lngNo) const {
    int64_t n = 0;
    for (int g = 0; g < SingleGames; ++g) {
        n += static_cast<int64_t>(d[g]) * pow_[g];
        if (n > INT32_MAX || n < INT32_MIN) {
            Fail("ArrayToNo_Long", ErrOverflow);
            return false;
        }
    }
    lngNo = static_cast<int32_t>(n);
    return true;
}

void clsTNumber::NoToByte(int32_t lngNo, ByteKousei& bytKousei) const { NoToArray(lngNo, bytKousei); }
void clsTNumber::NoToLong(int32_t lngNo, LongKousei& lngKousei) const { NoToArray_Long(lngNo, lngKousei); }
void clsTNumber::ByteToNo(const ByteKousei& bytKousei, int32_t& lngNo) const { ArrayToNo(bytKousei, lngNo); }
void clsTNumber::LongToNo(const LongKousei& lngKousei, int32_t& lngNo) const { ArrayToNo_Long(lngKousei, lngNo); }

bool clsTNumber::Get2List_Sub(int32_t lngValue, std::span<int32_t> lngList, size_t start) const {
    if (!IsSingleNumber(lngValue)) {
        Fail("Get2List_Sub", ErrOverflow);
        return false;
    }
    ByteKousei d{};
    UnpackSingle(lngValue, d.data());
    size_t p = start;
    for (int g = 0; g < SingleGames; ++g) {
        for (int c = 0; c < 3; ++c) {
            if (c == d[g]) continue;
            if (p >= lngList.size()) {
                Fail("Get2List_Sub", ErrSubscript);
                return false;
            }
            lngList[p++] = lngValue + (c - d[g]) * pow_[g];
        }
    }
    return true;
}

bool clsTNumber::Get3List_Sub(int32_t lngValue, std::span<int32_t> lngList, size_t start) const {
    if (!IsSingleNumber(lngValue)) {
        Fail("Get3List_Sub", ErrOverflow);
        return false;
    }
    ByteKousei d{};
    UnpackSingle(lngValue, d.data());
    size_t p = start;
    for (int g1 = 0; g1 < SingleGames - 1; ++g1) {
        for (int g2 = g1 + 1; g2 < SingleGames; ++g2) {
            for (int a = 0; a < 3; ++a) {
                if (a == d[g1]) continue;
                for (int b = 0; b < 3; ++b) {
                    if (b == d[g2]) continue;
                    if (p >= lngList.size()) {
                        Fail("Get3List_Sub", ErrSubscript);
                        return false;
                    }
                    lngList[p++] = lngValue + (a - d[g1]) * pow_[g1] + (b - d[g2]) * pow_[g2];
                }
            }
        }
    }
    return true;
}

void clsTNumber::Get2List(int32_t lngValue, std::span<int32_t> lngList) const { Get2List_Sub(lngValue, lngList, 0); }
void clsTNumber::Get3List(int32_t lngValue, std::span<int32_t> lngList) const { Get3List_Sub(lngValue, lngList, 0); }

void clsTNumber::Get12List(int32_t lngValue, std::span<int32_t> lngList) const {
    if (lngList.empty()) {
        Fail("Get2List_Sub", ErrSubscript);
        return;
    }
    lngList[0] = lngValue;
    Get2List_Sub(lngValue, lngList, 1);
}

void clsTNumber::Get123List(int32_t lngValue, std::span<int32_t> lngList) const {
    if (lngList.empty()) {
        Fail("Get2List_Sub", ErrSubscript);
        return;
    }
    lngList[0] = lngValue;
    if (Get2List_Sub(lngValue, lngList, 1)) Get3List_Sub(lngValue, lngList, 23);
}

}  // namespace kujimate
