#include "singles/basSingles.h"

#include "singles/FailureText.h"
#include "singles/clsTNumber.h"
#include "singles/clsTClipImport.h"
#include "support/NumberText.h"
#include "support/Report.h"
#include "support/Text.h"

namespace kujimate {

std::optional<std::vector<int32_t>> RemoveDuplicateSingles(const std::vector<int32_t>& list) {
    std::vector<bool> seen(SingleSpace, false);
    std::vector<int32_t> out;
    out.reserve(list.size());
    for (int32_t s : list) {
        if (!IsSingleNumber(s)) return std::nullopt;
        if (seen[static_cast<size_t>(s)]) continue;
        seen[static_cast<size_t>(s)] = true;
        out.push_back(s);
    }
    return out;
}

namespace NumbersDialog {

bool KeyAccepted(char32_t key) { return key == U'0' || key == U'1' || key == U'2' || key == U'\b'; }

bool OkEnabled(const std::string& text) { return CharLength(text) == static_cast<size_t>(MaxLength); }

bool Accept(const std::string& text) {
    if (IsSingleDigits(text)) return true;
    AppMessage("入力データが異常です。", MsgIcon::Warning);
    return false;
}

}  // namespace NumbersDialog
}  // namespace kujimate
