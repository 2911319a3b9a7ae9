#include "analysis/clsTMoney.h"

#include "singles/FailureText.h"
#include "support/Report.h"

namespace kujimate {
namespace {

// Exactly 10^22 = 100^11, which cancels the percent scale of the eleven shares.
constexpr double Percent11 = 1e22;

__extension__ typedef __int128 Wide;

// Whole number + fixed point, back to a whole number half to even, as the total is kept.
// Wide, so a vote file's absurd figures cannot overflow it.
int64_t AddHalfEven(int64_t total, Currency c) {
    const Wide raw = static_cast<Wide>(total) * Currency::Scale + c.Raw;
    int64_t q = static_cast<int64_t>(raw / Currency::Scale);
    int64_t r = static_cast<int64_t>(raw % Currency::Scale);
    if (r < 0) {
        r += Currency::Scale;
        --q;
    }
    if (r * 2 > Currency::Scale || (r * 2 == Currency::Scale && (q & 1))) ++q;
    return q;
}

}  // namespace

clsTMoney::clsTMoney() {
    // 100 × 0.5 × the grade's factor in fixed point, then scaled as doubles.
    const Currency grade1 = Currency::FromRaw(300000);  // 30
    const Currency grade23 = Currency::FromRaw(75000);  // 7.5
    pool_[1] = grade1.ToDouble() * Percent11;
    pool_[2] = grade23.ToDouble() * Percent11;
    pool_[3] = grade23.ToDouble() * Percent11;
}

void clsTMoney::SetVote(const VoteRecord& vote) {
    for (int g = 0; g < SingleGames; ++g) {
        const auto& counts = vote.Games[g + 1].Counts;
        int64_t total = 0;
        for (int c = 0; c < 3; ++c) total = AddHalfEven(total, counts[c].Votes);
        for (int c = 0; c < 3; ++c) {
            double s;
            if (total != 0) s = counts[c].Votes.ToDouble() / static_cast<double>(total) * 100.0;
            else if (vote.DrawNo != 0) s = 1.0 / 3.0 * 100.0;
            else s = 0.0;
            s_[g][c] = s;
            m_[g][c] = 100.0 - s;
        }
    }
}

// Every product runs in match order from 1; a running product is reused only where the
// next factor would be multiplied onto exactly that value anyway.
double clsTMoney::P1(const uint8_t* d, double* prefix) const {
    double p = 1.0;
    for (int g = 0; g < SingleGames; ++g) {
        prefix[g] = p;
        p *= s_[g][d[g]];
    }
    prefix[SingleGames] = p;
    return p;
}

double clsTMoney::P2(const uint8_t* d, const double* prefix) const {
    double sum = 0.0;
    for (int i = 0; i < SingleGames; ++i) {
        double t = prefix[i] * m_[i][d[i]];
        for (int g = i + 1; g < SingleGames; ++g) t *= s_[g][d[g]];
        sum += t;
    }
    return sum;
}

double clsTMoney::P3(const uint8_t* d, const double* prefix) const {
    double sum = 0.0;
    for (int i = 0; i < SingleGames - 1; ++i) {
        double head = prefix[i] * m_[i][d[i]];
        for (int j = i + 1; j < SingleGames; ++j) {
            double t = head * m_[j][d[j]];
            for (int g = j + 1; g < SingleGames; ++g) t *= s_[g][d[g]];
            sum += t;
            head *= s_[j][d[j]];
        }
    }
    return sum;
}

int64_t clsTMoney::ToYen(int grade, double p) const {
    const double f = p > 0 ? pool_[grade] / p : 0.0;
    if (f > static_cast<double>(MoneyCap)) return MoneyCap;
    auto c = Currency::FromDouble(f);
    return c ? c->Raw / Currency::Scale : 0;
}

int64_t clsTMoney::Money(int grade, const uint8_t* d) const {
    double prefix[SingleGames + 1];
    const double p1 = P1(d, prefix);
    switch (grade) {
        case 1: return ToYen(1, p1);
        case 2: return ToYen(2, P2(d, prefix));
        default: return ToYen(3, P3(d, prefix));
    }
}

std::array<int64_t, 3> clsTMoney::Money123(const uint8_t* d) const {
    double prefix[SingleGames + 1];
    const double p1 = P1(d, prefix);
    return {ToYen(1, p1), ToYen(2, P2(d, prefix)), ToYen(3, P3(d, prefix))};
}

Currency clsTMoney::Estimate(int grade, const LongKousei& k, const char* operation) const {
    uint8_t d[SingleGames];
    for (int g = 0; g < SingleGames; ++g) {
        if (k[g] < 0 || k[g] > 2) {
            ClassFailure("clsTMoney", operation, ErrSubscript.Description, ErrSubscript.Number);
            return Currency{};
        }
        d[g] = static_cast<uint8_t>(k[g]);
    }
    return Currency::FromInt(Money(grade, d));
}

}  // namespace kujimate
