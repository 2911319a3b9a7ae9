#include "drawdata/clsSchedule.h"

#include <algorithm>

#include "support/Report.h"
#include "support/Text.h"
#include "support/clsFileSystemObject.h"

namespace kujimate {
namespace {
// A not-held mark is the user's own file, usable though it holds no schedule.
bool Usable(const ScheduleRecord& r) { return r.HoldState == 1 || IsScheduleComplete(r); }
}  // namespace

clsSchedule::clsSchedule() : clsDrawSource("clsSchedule", "開催情報"), parser_(GetPageParserFactory().schedule ? GetPageParserFactory().schedule() : nullptr) {}
clsSchedule::~clsSchedule() = default;

ScheduleRecord clsSchedule::Schedule() const { return Checked("Schedule") ? record_ : ScheduleRecord{}; }

bool clsSchedule::GetSchedule(int32_t No, const std::string& Kumi, long DType, bool blnDQuestion) {
    if (!Checked("GetSchedule")) return false;
    noGame_ = false;
    record_ = Obtain<clsXmlSchedule, ScheduleRecord>(
        No, Kumi, DType, blnDQuestion, parser_.get(),
        [&](ScheduleRecord& r) {
            if (!parser_->GetSchedule(No, Kumi, owner_)) return;
            r = parser_->GetRecord();
            SaveDownloaded(xml_, r, IsScheduleComplete(r), Usable);
        },
        [&](const ScheduleRecord& r) {
            noGame_ = r.HoldState == 1;
            return Usable(r);
        });
    return IsScheduleComplete(record_);
}

bool clsSchedule::CheckScheduleFile(int32_t No, const std::string& Kumi) const {
    return StoredUsable<clsXmlSchedule>(xml_.GetFileName(No, Kumi), Usable);
}

long clsSchedule::GetScheduleNo(std::vector<int32_t>& lngListNo) const {
    lngListNo.clear();
    clsFileSystemObject fso;
    std::vector<std::string> names;
    fso.GetFileList("SysData\\BIG1000_Schedule\\BIG1000_schedule_*.xml", names, true);
    const size_t prefix = std::string("BIG1000_schedule_").size();
    for (const std::string& n : names) {
        size_t i = prefix;
        int64_t v = 0;
        while (i < n.size() && n[i] >= '0' && n[i] <= '9' && v <= INT32_MAX) v = v * 10 + (n[i++] - '0');
        // A name without a draw number (or with an absurd one) is no schedule file of ours.
        if (i == prefix || v > INT32_MAX) continue;
        lngListNo.push_back(static_cast<int32_t>(v));
    }
    std::sort(lngListNo.begin(), lngListNo.end());
    return static_cast<long>(lngListNo.size());
}

bool clsSchedule::XmlSave_NoGame(int32_t No, const std::string& Kumi) {
    if (CheckScheduleFile(No, Kumi)) return false;  // a damaged file may be marked over
    if (!AppQuestion("第 " + std::to_string(No) + " 回を未開催に設定しますか？")) return false;
    return xml_.XmlSave_NoGame(No, Kumi);
}

bool clsSchedule::XmlDelete_NoGame(int32_t No, const std::string& Kumi) {
    if (!CheckScheduleFile(No, Kumi)) return false;
    if (!AppQuestion("第 " + std::to_string(No) + " 回の未開催を解除しますか？")) return false;
    return xml_.XmlDelete_NoGame(No, Kumi);
}

}  // namespace kujimate
