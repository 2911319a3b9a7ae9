#pragma once
// The vote status file of one draw; the XML text is also available without a file.
#include <string>

#include "drawdata/DrawRecords.h"
#include "support/clsFileStream.h"

namespace kujimate {

class clsXmlVote {
public:
    std::string GetFileName(int32_t Kaisai, const std::string& Kumi) const;
    bool XmlSave(const std::string& strFileName);
    bool XmlLoad(const std::string& strFileName);
    std::string GetXmlString(bool blnHeader) const;
    bool SetXmlString(const std::string& strXML, bool blnHeader);
    VoteRecord GetRecord() const { return record_; }
    void SetRecord(const VoteRecord& r) { record_ = r; }

private:
    clsFileStream stream_;
    VoteRecord record_;
    int32_t game_ = 0;
};

}  // namespace kujimate
