#pragma once
// The schedule file of one draw, and the not-held mark the user can set instead of it.
#include <string>

#include "drawdata/DrawRecords.h"
#include "support/clsFileStream.h"

namespace kujimate {

class clsXmlSchedule {
public:
    std::string GetFileName(int32_t Kaisai, const std::string& Kumi) const;
    bool XmlSave(const std::string& strFileName);
    bool XmlLoad(const std::string& strFileName);
    bool XmlSave_NoGame(int32_t Kaisai, const std::string& Kumi);
    bool XmlDelete_NoGame(int32_t Kaisai, const std::string& Kumi);
    ScheduleRecord GetRecord() const { return record_; }
    void SetRecord(const ScheduleRecord& r) { record_ = r; }
    // The text XmlSave writes for the held record.
    std::string GetXmlString() const;

private:
    clsFileStream stream_;
    ScheduleRecord record_;
    int32_t game_ = 0;
};

}  // namespace kujimate
