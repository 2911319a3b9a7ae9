#include "singles/clsTClipImport.h"

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
    int32_t n = 0;
    for (int g = SingleGames - 1; g >= 0; --g) n = n * 3 + (digits[static_cast<size_t>(g)] - '0');
    return n;
}

std::optional<int32_t> clsTClipImport::LineToSingle(std::string_view line) {
    // Counted as it goes: a line of any length costs no copy.
    size_t colon = line.find(':');
    if (colon != std::string_view::npos) line.remove_prefix(colon + 1);
    char digits[SingleGames];
    size_t n = 0;
    for (char c : line) {
        if (c == ' ') continue;
        if (n == static_cast<size_t>(SingleGames) || c < '0' || c > '2') return std::nullopt;
        digits[n++] = c;
    }
    if (n != static_cast<size_t>(SingleGames)) return std::nullopt;
    return DigitsToSingle(std::string_view(digits, n));
}

std::vector<int32_t> clsTClipImport::ClipImport(int index, std::string_view text) const {
    std::vector<int32_t> list;
    if (index != RowLayout) return list;
    BusyPointer busy;
    size_t start = 0;
    for (;;) {
        size_t end = text.find("\r\n", start);
        std::string_view line = text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (auto s = LineToSingle(line)) list.push_back(*s);
        if (end == std::string_view::npos) break;
        start = end + 2;
    }
    return list;
}

std::string clsTClipImport::DoneMessage(int64_t count) { return std::to_string(count) + "口取り込みしました"; }

}  // namespace kujimate
