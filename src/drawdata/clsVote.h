#pragma once
// The vote status of a draw: from its stored file or, when allowed, from the toto vote page.
#include <memory>

#include "drawdata/clsDrawSource.h"
#include "drawdata/clsXmlVote.h"

namespace kujimate {

class clsVote : public clsDrawSource {
public:
    clsVote();
    ~clsVote();

    VoteRecord Vote() const;
    bool GetVote(int32_t No, const std::string& Kumi, long DType, bool blnDQuestion);
    bool CheckVoteFile(int32_t No, const std::string& Kumi) const;

    void SetParser(std::unique_ptr<VotePageParser> p) { parser_ = std::move(p); }

private:
    VoteRecord record_;
    std::unique_ptr<VotePageParser> parser_;
    clsXmlVote xml_;
};

}  // namespace kujimate
