#pragma once
// The result of a draw: from its stored file or, when allowed, from the official result page.
#include <memory>

#include "drawdata/clsDrawSource.h"
#include "drawdata/clsXmlResult.h"

namespace kujimate {

class clsResult : public clsDrawSource {
public:
    clsResult();
    ~clsResult();

    ResultRecord Result() const;
    bool GetResult(int32_t No, const std::string& Kumi, long DType, bool blnDQuestion);
    bool CheckResultFile(int32_t No, const std::string& Kumi) const;

    void SetParser(std::unique_ptr<ResultPageParser> p) { parser_ = std::move(p); }

private:
    ResultRecord record_;
    std::unique_ptr<ResultPageParser> parser_;
    clsXmlResult xml_;
};

}  // namespace kujimate
