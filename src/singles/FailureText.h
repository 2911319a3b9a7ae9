#pragma once
// Descriptions and numbers of the unexpected failures the singles and analysis classes report.

namespace kujimate {

struct FailureText {
    long Number;
    const char* Description;
};

inline constexpr FailureText ErrOverflow{6, "オーバーフローしました。"};
inline constexpr FailureText ErrSubscript{9, "インデックスが有効範囲にありません。"};
inline constexpr FailureText ErrTypeMismatch{13, "型が一致しません。"};

}  // namespace kujimate
