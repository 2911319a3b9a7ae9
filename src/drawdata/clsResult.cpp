#include "drawdata/clsResult.h"


namespace kujimate {
namespace {
bool Usable(const ResultRecord& r) { return IsResultComplete(r); }
}  // namespace

clsResult::clsResult() : clsDrawSource("clsResult", "くじ結果"), parser_(GetPageParserFactory().result ? GetPageParserFactory().result() : nullptr) {}
clsResult::~clsResult() = default;

ResultRecord clsResult::Result() const { return Checked("Result") ? record_ : ResultRecord{}; }

bool clsResult::GetResult(int32_t No, const std::string& Kumi, long DType, bool blnDQuestion) {
    if (!Checked("GetResult")) return false;
    record_ = Obtain<clsXmlResult, ResultRecord>(
        No, Kumi, DType, blnDQuestion, parser_.get(),
        [&](ResultRecord& r) {
            if (!parser_->GetResult(No, Kumi, owner_)) return;
            r = parser_->GetRecord();
            SaveDownloaded(xml_, r, IsResultComplete(r), Usable);
        },
        Usable);
    return IsResultComplete(record_);
}

bool clsResult::CheckResultFile(int32_t No, const std::string& Kumi) const {
    return StoredUsable<clsXmlResult>(xml_.GetFileName(No, Kumi), Usable);
}

}  // namespace kujimate
