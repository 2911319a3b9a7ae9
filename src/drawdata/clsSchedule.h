#pragma once
// The schedule of a draw: from its stored file or, when allowed, from the official page.
#include <memory>
#include <vector>

#include "drawdata/clsDrawSource.h"
#include "drawdata/clsXmlSchedule.h"

namespace kujimate {

class clsSchedule : public clsDrawSource {
public:
    clsSchedule();
    ~clsSchedule();

    ScheduleRecord Schedule() const;
    bool NoGame() const { return Checked("NoGame") && noGame_; }
    // The completeness of the record held afterwards.
    bool GetSchedule(int32_t No, const std::string& Kumi, long DType, bool blnDQuestion);

    bool CheckScheduleFile(int32_t No, const std::string& Kumi) const;
    // Draw numbers of every schedule file, ascending; the count.
    long GetScheduleNo(std::vector<int32_t>& lngListNo) const;
    bool XmlSave_NoGame(int32_t No, const std::string& Kumi);
    bool XmlDelete_NoGame(int32_t No, const std::string& Kumi);

    void SetParser(std::unique_ptr<SchedulePageParser> p) { parser_ = std::move(p); }

private:
    ScheduleRecord record_;
    bool noGame_ = false;
    std::unique_ptr<SchedulePageParser> parser_;
    clsXmlSchedule xml_;
};

}  // namespace kujimate
