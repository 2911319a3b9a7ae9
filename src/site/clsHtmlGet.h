#pragma once
// Fetches a page and turns it into the visible text lines of its body, the form in which
// the page parsers look for their markers.
#include <string>
#include <string_view>
#include <vector>

#include "site/clsHtmlData.h"
#include "site/clsWinInet.h"
#include "support/clsFileStream.h"

namespace kujimate {

// The lines of a page's body in page order, the text runs a <br> joins being one line.
std::vector<std::string> BodyTextLines(const HtmlRecordList& records);
// The same for a page held in memory (UTF-8), cut as a fetched page is.
std::vector<std::string> PageTextLines(std::string_view html);

class clsHtmlGet {
public:
    // Forgets the previous page, fetches strUrl and tokenises it; the number of records,
    // 0 when there is no connection or no page.
    long GetHttp(const std::string& strUrl, const std::string& strProxy, OwnerWindow objOwnerForm, int bytCode);
    // The same for a page saved in a file: bytCode 0 Shift_JIS, 8 UTF-8.
    long GetFile(const std::string& strFileName, int bytCode = 0);
    // Lines of the body in page order (strList is replaced); returns their number.
    long GetTextData(std::vector<std::string>& strList) const;
    std::string GetHtmlTitle() const;
    bool SaveToFile(const std::string& strFileName);
    bool SaveToImage(const std::string& strFileName, const std::string& strUrl, const std::string& strProxy,
                     OwnerWindow objOwnerForm);
    // A link found on page Addrees1 made absolute.
    static std::string GetPlusAddrees(const std::string& Addrees1, const std::string& Addrees2);

    long Count() const { return static_cast<long>(records_.Size()); }
    const std::string& Url() const { return url_; }
    HtmlRecord Item(long n) const { return records_.Item(n); }

    bool ProgressOpen() const { return winInet_.ProgressOpen(); }
    void ProgressOpen(bool v) { winInet_.ProgressOpen(v); }
    bool ProgressClose() const { return winInet_.ProgressClose(); }
    void ProgressClose(bool v) { winInet_.ProgressClose(v); }
    const std::string& ProgressDialogMessage() const { return winInet_.ProgressDialogMessage(); }
    void ProgressDialogMessage(const std::string& v) { winInet_.ProgressDialogMessage(v); }

    clsWinInet& WinInet() { return winInet_; }

private:
    long Tokenise(std::string html);

    clsWinInet winInet_;
    clsHtmlData htmlData_;
    clsFileStream fileStream_;
    std::string url_;
    std::string html_;
    HtmlRecordList records_;
};

}  // namespace kujimate
