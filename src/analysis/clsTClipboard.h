#pragma once
// The buy-list as clipboard text: one single per line or one per column.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kujimate {

class clsTClipboard {
public:
    static constexpr int RowLayout = 3;     // 買い目（１口が行）
    static constexpr int ColumnLayout = 4;  // 買い目（１口が列）
    static constexpr int32_t Limit = 10000;
    static constexpr const char* LimitMessage = "1万口以上は出力出来ません";
    static constexpr const char* DoneMessage = "クリップボードへコピーしました";

    // The text of a layout; nullopt when the list is over the limit. Empty for no singles.
    static std::optional<std::string> GetText(int index, const std::vector<int32_t>& lngSingle);

    // The menu command: builds the text, puts it on the clipboard through setText and tells
    // the user. Refuses more than 10,000 singles; with none it does nothing.
    void Run(int index, const std::vector<int32_t>& lngSingle,
             const std::function<void(const std::string&)>& setText) const;
};

}  // namespace kujimate
