#include "shell/HomeTexts.h"

#include <cmath>

#include "support/basStandard.h"

namespace kujimate {

std::string WeekdayText(const Date& d) {
    static const char* names[] = {"日", "月", "火", "水", "木", "金", "土"};
    return names[d.Weekday() - 1];
}

std::string DateText(const Date& d) {
    std::string t = d.Format("yyyy年mm月dd日") + "(" + WeekdayText(d) + ") ";
    std::string time = d.Format("hh:nn:ss");
    if (time != "00:00:00") t += time;
    return t;
}

std::string RemainText(const Date& from, const Date& to) {
    Date diff(to.Value - from.Value);
    std::string t;
    long days = diff.DayNumber();
    if (days > 0) t = std::to_string(days) + "日 ";
    return t + diff.Format("h時間n分");
}

std::string KaisaiStatusText(const Date& now, const ScheduleRecord& s) {
    if (now > s.SaleEnd) return "販売終了";
    if (s.SaleStart > now) return "販売開始まで あと " + RemainText(now, s.SaleStart);
    return "販売締切まで あと " + RemainText(now, s.SaleEnd);
}

std::string StatusDrawText(int32_t drawNo, const std::string& group) {
    std::string t = " 第 " + (drawNo > 0 ? std::to_string(drawNo) : std::string(" ")) + " 回 ";
    if (!group.empty()) t += " [ " + group + "組 ] ";
    return t;
}

std::string StatusVoteText(const VoteRecord& v) {
    if (v.DrawNo <= 0) return {};
    if (!(v.AsOf.Value > 0)) return "　使用投票率：ユーザー定義";
    if (v.AsOf == v.SaleEnd) return "　使用投票率：" + v.AsOf.Format("yyyy/mm/dd (最終)");
    return "　使用投票率：" + v.AsOf.Format("yyyy/mm/dd hh:nn");
}

std::string VersionLabelText() { return "Version " + GetVersionString() + "  [Final Version]"; }

}  // namespace kujimate
