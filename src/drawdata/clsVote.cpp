#include "drawdata/clsVote.h"


namespace kujimate {
namespace {
bool Usable(const VoteRecord& r) { return IsVoteComplete(r); }
}  // namespace

clsVote::clsVote() : clsDrawSource("clsVote", "投票状況"), parser_(GetPageParserFactory().vote ? GetPageParserFactory().vote() : nullptr) {}
clsVote::~clsVote() = default;

VoteRecord clsVote::Vote() const { return Checked("Vote") ? record_ : VoteRecord{}; }

bool clsVote::GetVote(int32_t No, const std::string& Kumi, long DType, bool blnDQuestion) {
    if (!Checked("GetVote")) return false;
    record_ = Obtain<clsXmlVote, VoteRecord>(
        No, Kumi, DType, blnDQuestion, parser_.get(),
        [&](VoteRecord& r) {
            bool final = false;
            if (!parser_->GetVote(No, Kumi, owner_, final)) return;
            r = parser_->GetRecord();
            // Figures taken during the sale are used but never stored.
            if (final) SaveDownloaded(xml_, r, IsVoteComplete(r), Usable);
        },
        Usable);
    return IsVoteComplete(record_);
}

bool clsVote::CheckVoteFile(int32_t No, const std::string& Kumi) const {
    return StoredUsable<clsXmlVote>(xml_.GetFileName(No, Kumi), Usable);
}

}  // namespace kujimate
