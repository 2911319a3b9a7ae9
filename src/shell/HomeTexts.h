#pragma once
// Texts of the Home tab's draw panel and of the status bar.
#include <string>

#include "drawdata/DrawRecords.h"

namespace kujimate {

std::string WeekdayText(const Date& d);
// "2010年03月13日(土) 13:50:00"; a date without time ends in the space after ")".
std::string DateText(const Date& d);
// "2日 5時間7分", "0時間40分".
std::string RemainText(const Date& from, const Date& to);
// The status line of the draw panel at the moment now.
std::string KaisaiStatusText(const Date& now, const ScheduleRecord& s);

// " 第 812 回 ", " 第   回 " for no draw, and the group part when there is one.
std::string StatusDrawText(int32_t drawNo, const std::string& group);
// The vote part of the status bar.
std::string StatusVoteText(const VoteRecord& v);

// "Version 1.00  [Final Version]".
std::string VersionLabelText();

}  // namespace kujimate
