#pragma once
// Pages written for one test: every given line as a block of the page body.
#include <string>
#include <vector>

namespace kujimate::test {

inline std::string PageOfLines(const std::vector<std::string>& lines) {
    std::string h = "<!DOCTYPE html>\n<html><head><title>test</title></head>\n<body>\n";
    for (const std::string& l : lines) h += "<div>" + l + "</div>\n";
    return h + "</body>\n</html>\n";
}

inline void Append(std::vector<std::string>& to, const std::vector<std::string>& more) {
    to.insert(to.end(), more.begin(), more.end());
}

}  // namespace kujimate::test
