#pragma once
// Code page 932 (Shift_JIS as Windows defines it) and UTF-8, with UTF-8 in memory.
#include <string>
#include <string_view>

namespace kujimate {

// Bytes in code page 932 to UTF-8; an invalid byte becomes U+FFFD.
std::string Cp932ToUtf8(std::string_view bytes);
// UTF-8 to code page 932; a character it cannot hold is written as "?".
std::string Utf8ToCp932(std::string_view text);
// Valid UTF-8 stays as it is; every invalid byte becomes U+FFFD.
std::string SanitizeUtf8(std::string_view bytes);
bool IsValidUtf8(std::string_view bytes);

// Decodes one code point at i (advancing i); invalid input gives U+FFFD and advances one byte.
char32_t DecodeUtf8(std::string_view s, size_t& i);
void AppendUtf8(std::string& out, char32_t cp);

}  // namespace kujimate
