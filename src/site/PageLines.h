#pragma once
// Small helpers the three page parsers share while they walk the text lines of a page.
#include <string>
#include <vector>

#include "site/clsHtmlToto.h"

namespace kujimate {

// Line i; a page that stops where a value should be makes the parse fail.
inline const std::string& LineAt(const std::vector<std::string>& lines, size_t i) {
    if (i >= lines.size()) throw HtmlParseError(OutOfRangeText, OutOfRangeNumber);
    return lines[i];
}

// The number of a row label that is exactly one of "1" to "last", else 0.
inline int RowNumber(const std::string& line, int last) {
    if (line.empty() || line.size() > 2 || line[0] < '1' || line[0] > '9') return 0;
    int n = line[0] - '0';
    if (line.size() == 2) {
        if (line[1] < '0' || line[1] > '9') return 0;
        n = n * 10 + (line[1] - '0');
    }
    return n <= last ? n : 0;
}

}  // namespace kujimate
