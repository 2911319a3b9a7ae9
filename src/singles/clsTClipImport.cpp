#include "singles/clsTClipImport.h"

#include "singles/FailureText.h"
#include "singles/clsTNumber.h"
#include "support/Report.h"

namespace kujimate {

bool IsSingleDigits(std::string_view t) {
    if (t.size() != static_cast<size_t>(SingleGames)) return false;
    for (char c : t)
        if (c < '0' || c > '2') return false;
    return true;
}

int32_t DigitsToSingle(std::string_view digits) {
    uint8_t d[SingleGames];
    for (int g = 0; g < SingleGames; ++g) d[g] = static_cast<uint8_t>(digits[static_cast<size_t>(g)] - '0');
    return PackSingle(d);
}

void clsTClipImport::Reader::Char(char c) {
    if (++lineBytes_ > MaxLineBytes) failed_ = true;
    if (c == ' ') return;
    if (c == ':' && !colon_) {
        colon_ = true;
        valid_ = true;
        count_ = 0;
        return;
    }
    if (c >= '0' && c <= '2' && count_ < SingleGames) digits_[count_++] = c;
    else valid_ = false;
}

void clsTClipImport::Reader::EndLine() {
    if (valid_ && count_ == SingleGames) Singles.push_back(DigitsToSingle(std::string_view(digits_, 11)));
    colon_ = false;
    valid_ = true;
    count_ = 0;
    lineBytes_ = 0;
}

void clsTClipImport::Reader::Feed(std::string_view piece) {
    for (char c : piece) {
        if (failed_) return;
        if (pendingCr_) {
            pendingCr_ = false;
            if (c == '\n') {
                EndLine();
                continue;
            }
            Char('\r');
        }
        if (c == '\r') pendingCr_ = true;
        else Char(c);
    }
}

void clsTClipImport::Reader::Finish() {
    if (failed_) return;
    if (pendingCr_) Char('\r');
    pendingCr_ = false;
    if (!failed_) EndLine();
}

std::vector<int32_t> clsTClipImport::ClipImport(int index, std::string_view text) const {
    if (index != RowLayout) return {};
    BusyPointer busy;
    Reader r;
    r.Feed(text);
    r.Finish();
    if (r.Failed()) {
        ClassFailure("clsTClipImport", "ClipImport", ErrTypeMismatch.Description, ErrTypeMismatch.Number);
        return {};
    }
    return std::move(r.Singles);
}

std::string clsTClipImport::DoneMessage(int64_t count) { return std::to_string(count) + "口取り込みしました"; }

}  // namespace kujimate
