#pragma once
// Singles from clipboard text: one per line of eleven digits 0, 1, 2.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kujimate {

class clsTClipImport {
public:
    static constexpr int RowLayout = 0;  // 買い目（１口が行）

    // The menu entry: acts only for the row layout; the singles the text holds, in order.
    std::vector<int32_t> ClipImport(int index, std::string_view text) const;

    // One line: ASCII spaces removed, anything up to the first colon dropped, then exactly
    // eleven characters 0, 1 or 2.
    static std::optional<int32_t> LineToSingle(std::string_view line);

    // "25口取り込みしました"
    static std::string DoneMessage(int64_t count);
};

// The digit text of the number dialog and of AddEx: exactly eleven characters 0, 1 or 2.
bool IsSingleDigits(std::string_view text);
int32_t DigitsToSingle(std::string_view digits);  // for a text IsSingleDigits accepts

}  // namespace kujimate
