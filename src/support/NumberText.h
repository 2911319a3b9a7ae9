#pragma once
// Number texts and conversions with the program's rounding rules, kept in one place.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "support/Currency.h"

namespace kujimate {

// After trimming spaces: an optional sign, digits with at most one ".", nothing else.
bool IsNumber(std::string_view text);

// Half to even; nullopt when the text is not a number or lies outside the 32-bit range.
std::optional<int32_t> TextToInt32(std::string_view text);
std::optional<int64_t> TextToInt64(std::string_view text);
// The text read as a double (nullopt when it is not a number).
std::optional<double> TextToDouble(std::string_view text);
// Settings Booleans: a number (zero is false) or True/False in any letter case.
std::optional<bool> TextToBoolean(std::string_view text);

// Half to even, as every conversion to a whole number does.
double RoundHalfEven(double v);
std::optional<int32_t> DoubleToInt32(double v);
// Half to even at the fourth decimal.
double RoundHalfEven4(double v);

// A digits-only entry's text normalised: leading zeros dropped, the value held to min..max,
// any other character making it min; empty stays empty.
std::string NormalizeDigitEntry(std::string_view text, int64_t min, int64_t max);

// Digit patterns "0", "00", "000", "0000", "##0", "#,##0", "0.00", "#,##0.00" ...:
// half away from zero at the last digit; a double is first taken to 15 significant digits.
std::string FormatNumber(double v, std::string_view pattern);
std::string FormatNumber(Currency v, std::string_view pattern);
std::string FormatNumber(int64_t v, std::string_view pattern);

}  // namespace kujimate
