#pragma once
// The line-oriented tag walker the three draw files share: a line break goes before every
// "<" and after every ">", each line is trimmed, tag lines form a stack, and a value is
// keyed by the tags above it below the record element.
#include <functional>
#include <string>
#include <string_view>

#include "support/Date.h"

namespace kujimate {

// A failure while taking a value: the description and number the error box shows.
struct XmlValueError {
    std::string description;
    long number = 0;
};

// onValue(key, value) is called for every value under <BIG1000><recordElement>; it returns
// false after filling error when the value cannot be taken. WalkXml reports failures under
// className / "XmlLoad" and returns false; it returns true when the walk ended cleanly,
// with every element closed.
using XmlValueHandler = std::function<bool(const std::string& key, const std::string& value, XmlValueError& error)>;
bool WalkXml(std::string_view text, const std::string& recordElement, const std::string& className,
             const XmlValueHandler& onValue);

// Value texts of the draw files.
std::string XmlDateText(const Date& d);
std::string XmlElement(const std::string& name, const std::string& value);

// Conversions of value texts; false with the error filled when the text does not convert.
bool XmlToLong(const std::string& v, int32_t& out, XmlValueError& error);
bool XmlToByte(const std::string& v, uint8_t& out, XmlValueError& error);
bool XmlToDate(const std::string& v, Date& out, XmlValueError& error);
struct Currency;
bool XmlToCurrency(const std::string& v, Currency& out, XmlValueError& error);
// A game number 1..11 for indexing; the error otherwise.
bool XmlGameIndex(int32_t n, XmlValueError& error);

// "000" form of the draw number and the optional group: "_123", "_1234_B".
std::string DrawFilePart(int32_t kaisai, const std::string& kumi);

}  // namespace kujimate
