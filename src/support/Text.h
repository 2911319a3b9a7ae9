#pragma once
// Text helpers on UTF-8 text; lengths and positions count code points.
#include <string>
#include <string_view>
#include <vector>

namespace kujimate {

inline constexpr const char* CrLf = "\r\n";

// Removes spaces (U+0020 only) at either end.
std::string Trim(std::string_view s);
std::string LTrim(std::string_view s);
std::string RTrim(std::string_view s);

size_t CharLength(std::string_view s);
// First n code points.
std::string Left(std::string_view s, size_t n);
std::string Right(std::string_view s, size_t n);
// From the 1-based code point position start, at most n code points (all when n is npos).
std::string Mid(std::string_view s, size_t start, size_t n = std::string::npos);
// Code points as UTF-32 and back.
std::u32string ToU32(std::string_view s);
std::string FromU32(std::u32string_view s);

// Unicode simple case folding of both sides, then an exact compare.
bool TextEqualsIgnoreCase(std::string_view a, std::string_view b);
std::string ToLowerText(std::string_view s);
// Full-width forms to half-width (ASCII forms, ideographic space, katakana with
// separate voiced marks).
std::string Narrow(std::string_view s);

// Splits at every CR LF pair; a lone CR or LF stays inside its line. "" gives one empty line.
std::vector<std::string> SplitCrLf(std::string_view s);
std::string JoinCrLf(const std::vector<std::string>& lines);  // each line followed by CR LF
bool StartsWith(std::string_view s, std::string_view prefix);
bool EndsWith(std::string_view s, std::string_view suffix);
std::string ReplaceAll(std::string s, std::string_view from, std::string_view to);

// Binary order of UTF-16 code units, as the platform's name sort.
bool Utf16Less(std::string_view a, std::string_view b);

}  // namespace kujimate
