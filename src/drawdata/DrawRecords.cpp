#include "drawdata/DrawRecords.h"

namespace kujimate {

bool IsScheduleComplete(const ScheduleRecord& r) {
    if (r.DrawNo <= 0) return false;
    for (int i = 1; i <= GameCount; ++i) {
        const auto& g = r.Games[i];
        if (g.Home.empty() || g.Away.empty() || g.GameDate.IsZero() || g.Stadium.empty()) return false;
    }
    if (r.HoldState == 0 && (r.SaleStart.IsZero() || r.SaleEnd.IsZero() || r.ResultDate.IsZero())) return false;
    return true;
}

bool IsVoteComplete(const VoteRecord& r) {
    if (r.DrawNo <= 0 || r.AsOf.Value <= 0) return false;
    for (int i = 1; i <= GameCount; ++i) {
        const auto& g = r.Games[i];
        if (g.GameDate.IsZero() || g.Home.empty() || g.Away.empty()) return false;
    }
    return true;
}

bool IsResultComplete(const ResultRecord& r) {
    if (r.DrawNo <= 0) return false;
    for (int i = 1; i <= GameCount; ++i) {
        const auto& g = r.Games[i];
        if (g.Home.empty() || g.Away.empty() || g.HomeScore > 30 || g.AwayScore > 30 || g.Outcome > 3) return false;
    }
    if (!r.Cancelled) {
        for (int k = 1; k <= GradeCount; ++k)
            if (r.Prize[k].Raw < 0 || r.Winners[k].Raw < 0 || r.CarryOver[k].Raw < 0) return false;
        if (r.RefundStart.IsZero() || r.RefundEnd.IsZero()) return false;
        if (r.SalesAmount.IsZero() || r.VoteUnits.IsZero() || r.VoteTickets.IsZero()) return false;
    }
    return true;
}

}  // namespace kujimate
