#include "analysis/clsTClipboard.h"

#include "singles/FailureText.h"
#include "singles/clsTNumber.h"
#include "support/NumberText.h"
#include "support/Report.h"

namespace kujimate {
namespace {

std::string RowText(const std::vector<int32_t>& list) {
    const std::string width(std::to_string(list.size()).size(), '0');
    std::string out;
    out.reserve(list.size() * (width.size() + 14));
    uint8_t d[SingleGames];
    for (size_t k = 0; k < list.size(); ++k) {
        out += FormatNumber(static_cast<int64_t>(k + 1), width);
        out += ':';
        UnpackSingle(list[k], d);
        for (int g = 0; g < SingleGames; ++g) out += static_cast<char>('0' + d[g]);
        out += "\r\n";
    }
    return out;
}

std::string ColumnText(const std::vector<int32_t>& list) {
    std::vector<std::string> lines(SingleGames);
    for (int g = 0; g < SingleGames; ++g) lines[g] = FormatNumber(static_cast<int64_t>(g + 1), "00") + " ";
    uint8_t d[SingleGames];
    for (size_t k = 0; k < list.size(); ++k) {
        UnpackSingle(list[k], d);
        for (int g = 0; g < SingleGames; ++g) lines[g] += static_cast<char>('0' + d[g]);
        if ((k + 1) % 10 == 0)
            for (auto& l : lines) l += ' ';
    }
    std::string out;
    for (const auto& l : lines) out += l + "\r\n";
    return out;
}

}  // namespace

std::optional<std::string> clsTClipboard::GetText(int index, const std::vector<int32_t>& list) {
    if (index != RowLayout && index != ColumnLayout) return std::string();
    if (list.size() > static_cast<size_t>(Limit)) return std::nullopt;
    for (int32_t s : list) {
        if (!IsSingleNumber(s)) {
            ClassFailure("clsTClipboard", "GetText", ErrOverflow.Description, ErrOverflow.Number);
            return std::string();
        }
    }
    // No singles copy nothing, the column layout's bare match numbers included.
    if (list.empty()) return std::string();
    return index == RowLayout ? RowText(list) : ColumnText(list);
}

void clsTClipboard::Run(int index, const std::vector<int32_t>& list,
                        const std::function<void(const std::string&)>& setText) const {
    BusyPointer busy;
    auto text = GetText(index, list);
    if (!text) {
        AppMessage(LimitMessage, MsgIcon::Warning);
        return;
    }
    if (text->empty()) return;
    setText(*text);
    AppMessage(DoneMessage, MsgIcon::Information);
}

}  // namespace kujimate
