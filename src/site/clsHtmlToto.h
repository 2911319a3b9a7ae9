#pragma once
// Values out of single text lines of the operator's pages (no spaces, entities decoded):
// draw numbers, money and counts, counts with a rate, dates, ranges and time stamps.
// Forgiving: zero or false instead of a failure, so that a page parser can go on.
#include <stdexcept>
#include <string>
#include <vector>

#include "refdata/clsTGameType.h"
#include "support/Currency.h"
#include "support/Date.h"

namespace kujimate {

// A page value that makes the parse fail; the page parser reports it under its own name.
class HtmlParseError : public std::runtime_error {
public:
    HtmlParseError(const std::string& description, long number) : std::runtime_error(description), number_(number) {}
    long Number() const { return number_; }

private:
    long number_;
};

inline constexpr const char* TypeMismatchText = "型が一致しません。";
inline constexpr long TypeMismatchNumber = 13;
inline constexpr const char* OutOfRangeText = "インデックスが有効範囲にありません。";
inline constexpr long OutOfRangeNumber = 9;

class clsHtmlToto {
public:
    // "第" + number + "回"…: Kaisai is the number. Throws HtmlParseError when the text
    // between is not a number.
    bool Kaisaikai(const std::string& Value, long& Kaisai);
    // Kaisaikai, but only for a line that holds strCheck.
    bool GetKaisaikai(const std::string& Value, long& Kaisai, const std::string& strCheck);
    // "12,345(45.67%)" gives 12345 and 45.67; false (outputs untouched) without brackets.
    bool GetValue2(const std::string& Value, Currency& Value1, Currency& Value2);
    Currency StringToCurrency(const std::string& Value);
    Date StringToDate(const std::string& Value);
    // Narrows Value in place, drops a bracketed weekday and any seconds.
    Date StringToDateEx(std::string& Value);
    // The date up to the first "日" with the latest time of day found anywhere in the text.
    Date StringToDateEx2(const std::string& Value);
    // A range "…～…"; the outputs are untouched when there is no "～".
    void DateString2(const std::string& Value, Date& date1, Date& date2);
    void GetStringToDate2(const std::string& Value, Date& date1, Date& date2);
    // "(" + date + "時点)" or "(" + date + "販売終了時点)" (blnFinal true).
    bool GetStringToDateNow(const std::string& Value, Date& date1, bool& blnFinal);
    // The competition name at strList[lngPos] (advancing lngPos), or empty text.
    std::string GetGameType(const std::vector<std::string>& strList, long& lngPos);

    // The lenient date reading: false when the text is not a date or time.
    static bool ReadDate(const std::string& text, Date& out);

private:
    clsTGameType gameType_;
};

}  // namespace kujimate
