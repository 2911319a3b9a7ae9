#pragma once
// The three records of one draw as far as the program knows it. Plain values: copying a
// record copies everything; a fresh record is all zero, empty and false.
#include <array>
#include <cstdint>
#include <string>

#include "support/Currency.h"
#include "support/Date.h"

namespace kujimate {

inline constexpr int GameCount = 11;
inline constexpr int GradeCount = 4;

// Arrays indexed from 1 as the draw's matches and grades are numbered; slot 0 is unused.
template <typename T, int N>
struct OneBased {
    std::array<T, N + 1> items{};
    T& operator[](int i) { return items[static_cast<size_t>(i)]; }
    const T& operator[](int i) const { return items[static_cast<size_t>(i)]; }
    friend bool operator==(const OneBased&, const OneBased&) = default;
};

struct ScheduleGame {
    std::string Home;
    std::string Away;
    Date GameDate;
    Date KickOff;
    std::string Stadium;
    std::string Status;  // "VS" or "中止"
    friend bool operator==(const ScheduleGame&, const ScheduleGame&) = default;
};

struct ScheduleRecord {
    int32_t DrawNo = 0;
    std::string Group;
    OneBased<ScheduleGame, GameCount> Games;
    Date SaleStart;
    Date SaleEnd;
    Date ResultDate;
    Date RefundStart;
    Date RefundEnd;
    int32_t HoldState = 0;  // 0 held, 1 not held (user), 2 cancelled by the operator
    friend bool operator==(const ScheduleRecord&, const ScheduleRecord&) = default;
};

struct SaleTotals {
    Currency Total;
    Currency Multi;
    Currency Single;
    friend bool operator==(const SaleTotals&, const SaleTotals&) = default;
};

struct VoteCount {
    Currency Votes;
    Currency Rate;  // percent
    friend bool operator==(const VoteCount&, const VoteCount&) = default;
};

struct VoteGame {
    std::string Home;
    std::string Away;
    Date GameDate;
    Date KickOff;
    std::array<VoteCount, 3> Counts{};  // by outcome code 0, 1, 2
    friend bool operator==(const VoteGame&, const VoteGame&) = default;
};

struct VoteRecord {
    int32_t DrawNo = 0;
    std::string Group;
    Date AsOf;
    OneBased<VoteGame, GameCount> Games;
    SaleTotals SalesAmount;
    SaleTotals VoteUnits;
    SaleTotals VoteTickets;
    Date SaleStart;
    Date SaleEnd;
    Date ResultDate;
    Date RefundStart;
    Date RefundEnd;
    friend bool operator==(const VoteRecord&, const VoteRecord&) = default;
};

struct ResultGame {
    Date GameDate;
    uint8_t Outcome = 0;  // 1 home win, 0 other, 2 home loss, 3 called off
    std::string Stadium;
    std::string Home;
    std::string Away;
    uint8_t HomeScore = 0;
    uint8_t AwayScore = 0;
    friend bool operator==(const ResultGame&, const ResultGame&) = default;
};

struct ResultRecord {
    int32_t DrawNo = 0;
    std::string Group;
    OneBased<ResultGame, GameCount> Games;
    OneBased<Currency, GradeCount> Prize;
    OneBased<Currency, GradeCount> Winners;
    OneBased<Currency, GradeCount> CarryOver;
    Date SaleStart;
    Date SaleEnd;
    Date ResultDate;
    Date RefundStart;
    Date RefundEnd;
    Currency SalesAmount;
    Currency VoteUnits;
    Currency VoteTickets;
    bool Cancelled = false;
    friend bool operator==(const ResultRecord&, const ResultRecord&) = default;
};

bool IsScheduleComplete(const ScheduleRecord& r);
bool IsVoteComplete(const VoteRecord& r);
bool IsResultComplete(const ResultRecord& r);

}  // namespace kujimate
