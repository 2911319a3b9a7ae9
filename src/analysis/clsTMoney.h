#pragma once
// Estimated payouts of one single, as if the draw were a toto draw whose tickets were spread
// over the outcomes like the toto votes of the same matches.
#include <array>
#include <cstdint>

#include "drawdata/DrawRecords.h"
#include "singles/clsTNumber.h"
#include "support/Currency.h"

namespace kujimate {

class clsTMoney {
public:
    static constexpr int64_t MoneyCap = 99999999999;  // whole yen

    clsTMoney();
    void SetVote(const VoteRecord& vote);

    // Whole yen as a fixed-point amount; 0 means no estimate.
    Currency GetMoney1(const LongKousei& lngKousei) const { return Estimate(1, lngKousei, "GetMoney1"); }
    Currency GetMoney2(const LongKousei& lngKousei) const { return Estimate(2, lngKousei, "GetMoney2"); }
    Currency GetMoney3(const LongKousei& lngKousei) const { return Estimate(3, lngKousei, "GetMoney3"); }

    // Grade 1..3 estimate in whole yen for valid digits (0..2), without the checks.
    int64_t Money(int grade, const uint8_t* digits) const;
    // All three at once, sharing the running products.
    std::array<int64_t, 3> Money123(const uint8_t* digits) const;

    double Share(int g, int c) const { return s_[g][c]; }

private:
    Currency Estimate(int grade, const LongKousei& k, const char* operation) const;
    double P1(const uint8_t* d, double* prefix) const;
    double P2(const uint8_t* d, const double* prefix) const;
    double P3(const uint8_t* d, const double* prefix) const;
    int64_t ToYen(int grade, double p) const;

    std::array<double, 4> pool_{};
    double s_[SingleGames][3]{};
    double m_[SingleGames][3]{};
};

}  // namespace kujimate
