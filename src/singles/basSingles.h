#pragma once
// Duplicate removal on a list of single numbers, and the number dialog's rules.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kujimate {

// The list without duplicates, the first occurrence of each single kept in place;
// nullopt for a number that is no single.
std::optional<std::vector<int32_t>> RemoveDuplicateSingles(const std::vector<int32_t>& lngSingle);

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
