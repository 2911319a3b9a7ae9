#pragma once
// Main-window commands on the authoritative singles list, and the number dialog's rules.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "analysis/clsTSingleFrame.h"

namespace kujimate {

// The list without duplicates, the first occurrence of each single kept in place;
// nullopt for a number that is no single.
std::optional<std::vector<int32_t>> RemoveDuplicateSingles(const std::vector<int32_t>& lngSingle);

// 重複シングル削除: replaces the list and its composition and tells the user. Returns false
// when there are no singles (nothing happens); otherwise the Check tab is to be shown next.
bool JSingleDel(std::vector<int32_t>& lngSingle, SingleFrame& lngSingleFrame);

// The clipboard import's result taking the list's place: only when it holds singles, and
// then the previous list is gone, the composition recomputed and the user told. Returns
// whether it did (the Check tab is to be shown next).
// beforeMessage runs once the list is taken and before the user is told (the window shows
// the Check tab there).
bool TakeImportedSingles(const std::vector<int32_t>& imported, std::vector<int32_t>& lngSingle,
                         SingleFrame& lngSingleFrame, const std::function<void()>& beforeMessage = {});

// The number dialog (" 数値入力").
namespace NumbersDialog {
inline constexpr const char* Title = " 数値入力";
inline constexpr int MaxLength = 11;
// Only 0, 1, 2 and Backspace reach the text box.
bool KeyAccepted(char32_t key);
bool OkEnabled(const std::string& text);
// OK pressed: true when the text is eleven digits 0..2; otherwise the warning is shown and
// the dialog stays open.
bool Accept(const std::string& text);
}  // namespace NumbersDialog

}  // namespace kujimate
