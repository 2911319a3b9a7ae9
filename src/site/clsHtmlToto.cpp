#include "site/clsHtmlToto.h"

#include <exception>

#include "support/Clock.h"
#include "support/NumberText.h"
#include "support/Report.h"
#include "support/Text.h"

namespace kujimate {
namespace {
constexpr const char* ClassName = "clsHtmlToto";
constexpr const char* Tilde = "\uFF5E";  // full-width tilde of the ranges

// A cursor over narrowed, trimmed text.
struct Reader {
    std::u32string s;
    size_t pos = 0;

    bool AtEnd() const { return pos >= s.size(); }
    bool Take(char32_t c) {
        if (pos < s.size() && s[pos] == c) {
            ++pos;
            return true;
        }
        return false;
    }
    // 1 to maxDigits decimal digits.
    bool Number(int maxDigits, int& value) {
        size_t start = pos;
        value = 0;
        while (pos < s.size() && s[pos] >= U'0' && s[pos] <= U'9') {
            if (static_cast<int>(pos - start) == maxDigits) return false;
            value = value * 10 + static_cast<int>(s[pos] - U'0');
            ++pos;
        }
        return pos > start;
    }
    void SkipSpaces() {
        while (pos < s.size() && s[pos] == U' ') ++pos;
    }
    // H:M or H:M:S up to the end of the text.
    bool Time(int& h, int& n, int& sec) {
        sec = 0;
        if (!Number(2, h) || !Take(U':') || !Number(2, n)) return false;
        if (Take(U':') && !Number(2, sec)) return false;
        return AtEnd() && Date::IsValidTime(h, n, sec);
    }
};

// year 年 month 月 day 日, month 月 day 日, year/month/day or month/day; the year
// defaults to the current one.
bool ReadCalendarDate(Reader& r, int& y, int& m, int& d) {
    int a = 0, b = 0, c = 0;
    if (!r.Number(4, a)) return false;
    if (r.Take(U'年')) {
        y = a;
        return r.Number(2, m) && r.Take(U'月') && r.Number(2, d) && r.Take(U'日');
    }
    if (r.Take(U'月')) {
        y = CurrentYear();
        m = a;
        return r.Number(2, d) && r.Take(U'日');
    }
    if (!r.Take(U'/') || !r.Number(4, b)) return false;
    if (r.Take(U'/')) {
        if (!r.Number(2, c)) return false;
        y = a, m = b, d = c;
        return true;
    }
    y = CurrentYear(), m = a, d = b;
    return true;
}

// A time of day and its digits read as one number (13:50 gives 1350).
bool ReadTimeWindow(const std::u32string& w, long& digits) {
    Reader r{w};
    int h = 0, n = 0, s = 0;
    if (!r.Time(h, n, s)) return false;
    digits = 0;
    for (char32_t c : w)
        if (c >= U'0' && c <= U'9') digits = digits * 10 + static_cast<long>(c - U'0');
    return true;
}

// The latest time of day written anywhere in the text ("13:50" or "9:05"), or empty.
std::string LatestTime(const std::string& text) {
    const std::u32string u = ToU32(Narrow(text));
    std::u32string best;
    long bestDigits = 0;
    for (size_t i = 0; i < u.size(); ++i) {
        if (u[i] != U':') continue;
        std::u32string found;
        long digits = 0;
        if (i >= 2 && ReadTimeWindow(u.substr(i - 2, 5), digits)) found = u.substr(i - 2, 5);
        else if (i >= 1 && ReadTimeWindow(u.substr(i - 1, 4), digits)) found = u.substr(i - 1, 4);
        if (!found.empty() && digits > bestDigits) {
            best = found;
            bestDigits = digits;
        }
    }
    return FromU32(best);
}

std::string RemoveChars(const std::string& s, std::u32string_view chars) {
    std::u32string u = ToU32(s), out;
    for (char32_t c : u)
        if (chars.find(c) == std::u32string_view::npos) out += c;
    return FromU32(out);
}
}  // namespace

bool clsHtmlToto::ReadDate(const std::string& text, Date& out) {
    Reader r{ToU32(Trim(Narrow(text)))};
    if (r.s.empty()) return false;
    int h = 0, n = 0, s = 0;
    {
        Reader t = r;
        if (t.Time(h, n, s)) {
            out = Date::FromTime(h, n, s);
            return true;
        }
    }
    int y = 0, m = 0, d = 0;
    if (!ReadCalendarDate(r, y, m, d) || !Date::IsValidYmd(y, m, d)) return false;
    r.SkipSpaces();
    if (r.AtEnd()) {
        out = Date::FromYmd(y, m, d);
        return true;
    }
    if (!r.Time(h, n, s)) return false;
    out = Date::FromYmdHns(y, m, d, h, n, s);
    return true;
}

bool clsHtmlToto::Kaisaikai(const std::string& Value, long& Kaisai) {
    if (!StartsWith(Value, "第")) return false;
    const size_t kai = Value.find("回");
    if (kai == std::string::npos) return false;
    const size_t from = std::string_view("第").size();
    auto number = TextToInt32(Narrow(Value.substr(from, kai - from)));
    if (!number) throw HtmlParseError(TypeMismatchText, TypeMismatchNumber);
    Kaisai = *number;
    return true;
}

bool clsHtmlToto::GetKaisaikai(const std::string& Value, long& Kaisai, const std::string& strCheck) {
    if (Value.find(strCheck) == std::string::npos) return false;
    return Kaisaikai(Value, Kaisai);
}

bool clsHtmlToto::GetValue2(const std::string& Value, Currency& Value1, Currency& Value2) {
    const std::string t = ReplaceAll(Narrow(Trim(Value)), ",", "");
    const size_t open = t.find('(');
    if (t.find(')') == std::string::npos || open == std::string::npos) return false;
    Value1 = StringToCurrency(t.substr(0, open));
    Value2 = StringToCurrency(RemoveChars(t.substr(open), U"()%"));
    return true;
}

Currency clsHtmlToto::StringToCurrency(const std::string& Value) {
    try {
        std::string digits;
        for (char c : Value)
            if ((c >= '0' && c <= '9') || c == '.') digits += c;
        if (!IsNumber(digits)) return Currency{};
        auto v = Currency::FromText(digits);
        if (!v) throw HtmlParseError("オーバーフローしました。", 6);
        return *v;
    } catch (const HtmlParseError& e) {
        ClassFailure(ClassName, "StringToCurrency", e.what(), e.Number());
    } catch (const std::exception& e) {
        ClassFailure(ClassName, "StringToCurrency", e.what(), 0);
    }
    return Currency{};
}

Date clsHtmlToto::StringToDate(const std::string& Value) {
    try {
        Date d;
        return ReadDate(Value, d) ? d : Date{};
    } catch (const std::exception& e) {
        ClassFailure(ClassName, "StringToDate", e.what(), 0);
        return Date{};
    }
}

Date clsHtmlToto::StringToDateEx(std::string& Value) {
    try {
        Value = Narrow(Value);
        const std::u32string u = ToU32(Value);
        const size_t open = u.find(U'(');
        const size_t close = u.size() > 1 ? u.find(U')', 1) : std::u32string::npos;
        if (open == std::u32string::npos || close == std::u32string::npos) return StringToDate(Value);
        // Taken as the platform took it, even when ")" comes first.
        std::u32string w = u.substr(0, open) + u.substr(close + 1);
        const size_t colon = w.find(U':');
        if (colon != std::u32string::npos) w = w.substr(0, colon + 3);
        return StringToDate(FromU32(w));
    } catch (const std::exception& e) {
        ClassFailure(ClassName, "StringToDateEx", e.what(), 0);
        return Date{};
    }
}

Date clsHtmlToto::StringToDateEx2(const std::string& Value) {
    try {
        const size_t day = Value.find("日");
        if (day == std::string::npos) return Date{};
        const std::string datePart = Value.substr(0, day + std::string_view("日").size());
        return StringToDate(datePart + " " + LatestTime(Value));
    } catch (const std::exception& e) {
        ClassFailure(ClassName, "StringToDateEx2", e.what(), 0);
        return Date{};
    }
}

void clsHtmlToto::DateString2(const std::string& Value, Date& date1, Date& date2) {
    try {
        const std::string v = ReplaceAll(Value, "まで", "");
        const size_t p = v.find(Tilde);
        if (p == std::string::npos) return;
        std::string before = v.substr(0, p);
        // The end of the range starts right after "～".
        std::string after = LTrim(v.substr(p + std::string_view(Tilde).size()));
        date1 = StringToDateEx(before);
        date2 = StringToDateEx(after);
    } catch (const std::exception& e) {
        ClassFailure(ClassName, "DateString2", e.what(), 0);
    }
}

void clsHtmlToto::GetStringToDate2(const std::string& Value, Date& date1, Date& date2) {
    try {
        const std::string v = ReplaceAll(ReplaceAll(Value, "月", "/"), "日", " ");
        const size_t p = v.find(Tilde);
        if (p == std::string::npos) return;
        const std::string year = std::to_string(CurrentYear()) + "/";
        date1 = StringToDate(year + v.substr(0, p));
        date2 = StringToDate(year + LTrim(v.substr(p + std::string_view(Tilde).size())));
    } catch (const std::exception& e) {
        ClassFailure(ClassName, "GetStringToDate2", e.what(), 0);
    }
}

bool clsHtmlToto::GetStringToDateNow(const std::string& Value, Date& date1, bool& blnFinal) {
    try {
        if (!StartsWith(Value, "(")) return false;
        blnFinal = true;
        size_t p = Value.find("販売終了時点)");
        if (p == std::string::npos) {
            blnFinal = false;
            p = Value.find("時点)");
            if (p == std::string::npos) return false;
        }
        std::string stamp = Value.substr(1, p - 1);
        date1 = StringToDateEx(stamp);
        return true;
    } catch (const std::exception& e) {
        ClassFailure(ClassName, "GetStringToDateNow", e.what(), 0);
        return false;
    }
}

std::string clsHtmlToto::GetGameType(const std::vector<std::string>& strList, long& lngPos) {
    if (lngPos < 0 || static_cast<size_t>(lngPos) >= strList.size()) return {};
    const long no = gameType_.GetNo(strList[static_cast<size_t>(lngPos)]);
    if (no <= 0) return {};
    ++lngPos;
    return gameType_.Text(no);
}

}  // namespace kujimate
