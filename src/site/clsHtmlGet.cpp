#include "site/clsHtmlGet.h"

#include <exception>

#include "support/Encoding.h"
#include "support/Report.h"
#include "support/Text.h"

namespace kujimate {
namespace {
constexpr const char* ClassName = "clsHtmlGet";

std::vector<std::string> SplitAt(const std::string& s, char sep) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        size_t p = s.find(sep, start);
        parts.push_back(s.substr(start, p == std::string::npos ? std::string::npos : p - start));
        if (p == std::string::npos) return parts;
        start = p + 1;
    }
}

// "http://" or "https://" at the start, or empty.
std::string SchemeOf(const std::string& address) {
    for (const char* s : {"http://", "https://"})
        if (StartsWith(address, s)) return s;
    return {};
}
}  // namespace

long clsHtmlGet::Tokenise(std::string html) {
    html_ = std::move(html);
    htmlData_.GetHtmlData(html_);
    records_ = htmlData_.TakeRecords();
    records_.RemoveSpacesFromNames();
    return Count();
}

long clsHtmlGet::GetHttp(const std::string& strUrl, const std::string& strProxy, OwnerWindow objOwnerForm,
                         int bytCode) {
    url_.clear();
    html_.clear();
    records_.Clear();
    if (!winInet_.Connection()) return 0;
    std::string page = winInet_.GetHttpDataString(strUrl, strProxy, objOwnerForm, bytCode);
    if (page.empty()) return 0;
    url_ = strUrl;
    return Tokenise(std::move(page));
}

long clsHtmlGet::GetFile(const std::string& strFileName, int bytCode) {
    url_.clear();
    html_.clear();
    records_.Clear();
    std::string page;
    if (bytCode == 8) {
        if (!fileStream_.LoadFromBinaryFile(strFileName, page)) return 0;
        page = SanitizeUtf8(page);
    } else if (!fileStream_.LoadFromFile(strFileName, page)) {
        return 0;
    }
    if (page.empty()) return 0;
    url_ = strFileName;
    return Tokenise(std::move(page));
}

std::vector<std::string> BodyTextLines(const HtmlRecordList& records) {
    std::vector<std::string> lines;
    bool joining = false;
    for (size_t i = 0; i < records.Size(); ++i) {
        if (!records.InBody(i)) continue;
        if (records.IsTag(i)) {
            joining = TextEqualsIgnoreCase(records.Name(i), "BR");
        } else if (joining && !lines.empty()) {
            lines.back() += records.Name(i);
        } else {
            lines.push_back(records.Name(i));
        }
    }
    return lines;
}

std::vector<std::string> PageTextLines(std::string_view html) {
    clsHtmlData data;
    data.GetHtmlData(html);
    HtmlRecordList records = data.TakeRecords();
    records.RemoveSpacesFromNames();
    return BodyTextLines(records);
}

long clsHtmlGet::GetTextData(std::vector<std::string>& strList) const {
    strList = BodyTextLines(records_);
    return static_cast<long>(strList.size());
}

std::string clsHtmlGet::GetHtmlTitle() const {
    std::string title;
    bool inTitle = false;
    for (size_t i = 0; i < records_.Size(); ++i) {
        if (records_.InBody(i)) continue;
        const bool titleTag = records_.IsTag(i) && !records_.IsComment(i) &&
                              TextEqualsIgnoreCase(records_.Name(i), "title");
        if (titleTag) {
            inTitle = !records_.IsEnd(i);
        } else if (inTitle) {
            title += records_.Text(i);
        }
    }
    return title;
}

bool clsHtmlGet::SaveToFile(const std::string& strFileName) { return fileStream_.SaveToFile(strFileName, html_); }

bool clsHtmlGet::SaveToImage(const std::string& strFileName, const std::string& strUrl, const std::string& strProxy,
                             OwnerWindow objOwnerForm) {
    try {
        std::string bytes;
        // A failed fetch leaves no empty picture behind.
        if (winInet_.GetHttpData(strUrl, bytes, strProxy, objOwnerForm) <= 0) return false;
        return fileStream_.SaveToBinaryFile(strFileName, bytes);
    } catch (const std::exception& e) {
        ClassFailure(ClassName, "SaveToImage", e.what(), 0);
        return false;
    }
}

std::string clsHtmlGet::GetPlusAddrees(const std::string& Addrees1, const std::string& Addrees2) {
    // A link that is already absolute needs no base.
    if (!SchemeOf(Addrees2).empty()) return Addrees2;
    std::string scheme = SchemeOf(Addrees1);
    const std::vector<std::string> base = SplitAt(Addrees1.substr(scheme.size()), '/');
    if (scheme.empty()) scheme = "http://";
    if (StartsWith(Addrees2, "/")) return scheme + base[0] + Addrees2;

    long depth = static_cast<long>(base.size()) - 1;
    std::string joined;
    bool started = false;
    for (const std::string& segment : SplitAt(Addrees2, '/')) {
        if (segment == "..") {
            --depth;
            continue;
        }
        if (!started) {
            started = true;
            if (depth <= 0) {
                joined += base[0] + "/";
            } else {
                for (long k = 0; k < depth && k < static_cast<long>(base.size()); ++k) joined += base[static_cast<size_t>(k)] + "/";
            }
        }
        joined += segment + "/";
    }
    if (!joined.empty()) joined.pop_back();
    return scheme + joined;
}

}  // namespace kujimate
