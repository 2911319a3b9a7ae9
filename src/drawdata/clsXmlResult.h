#pragma once
// The result file of one draw: prizes per grade, or the refund of a cancelled draw.
#include <string>

#include "drawdata/DrawRecords.h"
#include "support/clsFileStream.h"

namespace kujimate {

class clsXmlResult {
public:
    std::string GetFileName(int32_t Kaisai, const std::string& Kumi) const;
    bool XmlSave(const std::string& strFileName);
    bool XmlLoad(const std::string& strFileName);
    ResultRecord GetRecord() const { return record_; }
    void SetRecord(const ResultRecord& r) { record_ = r; }
    std::string GetXmlString() const;

    // "一等" … "六等"; empty for any other grade.
    static std::string GradeName(int grade);

private:
    clsFileStream stream_;
    ResultRecord record_;
    int32_t game_ = 0;
};

}  // namespace kujimate
