#include "drawdata/XmlTagWalker.h"

#include <vector>

#include "drawdata/DrawRecords.h"
#include "support/Currency.h"
#include "support/NumberText.h"
#include "support/Report.h"
#include "support/Text.h"

namespace kujimate {
namespace {

const XmlValueError TypeMismatch{"型が一致しません。", 13};
const XmlValueError Overflow{"オーバーフローしました。", 6};
const XmlValueError OutOfRange{"インデックスが有効範囲にありません。", 9};

class Walker {
public:
    Walker(const std::string& record, const std::string& cls, const XmlValueHandler& h)
        : recordTag_("<" + record + ">"), class_(cls), onValue_(h) {}

    // Returns false once the walk has failed (and was reported).
    bool Line(std::string_view raw) {
        std::string line = Trim(raw);
        if (line.empty()) return true;
        if (StartsWith(line, "</")) {
            std::string open = ReplaceAll(line, "</", "<");
            if (stack_.empty() || open != stack_.back()) {
                ClassMessage(class_, "XmlLoad", "XMLデータが異常です。");
                return false;
            }
            if (stack_.size() > 1) Pop();
            return true;
        }
        if (line[0] == '<') {
            if (!StartsWith(line, "<?")) Push(std::move(line));
            return true;
        }
        if (stack_.size() < 2) return Fail(OutOfRange);
        if (!InRecord()) return true;
        XmlValueError err;
        if (!onValue_(key_, line, err)) return Fail(err);
        return true;
    }

    // A file that stops inside an element was cut off.
    bool End() {
        if (stack_.size() <= 1) return true;
        ClassMessage(class_, "XmlLoad", "XMLデータが異常です。");
        return false;
    }

private:
    bool InRecord() const { return stack_[0] == "<BIG1000>" && stack_[1] == recordTag_; }

    // The key is kept as the concatenation of the entries from the third one up.
    void Push(std::string tag) {
        if (stack_.size() >= 2) key_ += tag;
        stack_.push_back(std::move(tag));
    }
    void Pop() {
        if (stack_.size() >= 3) key_.resize(key_.size() - stack_.back().size());
        stack_.pop_back();
    }

    bool Fail(const XmlValueError& e) {
        ClassFailure(class_, "XmlLoad", e.description, e.number);
        return false;
    }

    std::string recordTag_;
    std::string class_;
    const XmlValueHandler& onValue_;
    std::vector<std::string> stack_;
    std::string key_;
};

}  // namespace

bool WalkXml(std::string_view text, const std::string& recordElement, const std::string& className,
             const XmlValueHandler& onValue) {
    Walker w(recordElement, className, onValue);
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '<') {
            if (i > start && !w.Line(text.substr(start, i - start))) return false;
            start = i;
        } else if (c == '>') {
            if (!w.Line(text.substr(start, i + 1 - start))) return false;
            start = i + 1;
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            if (!w.Line(text.substr(start, i - start))) return false;
            start = i + 2;
            ++i;
        }
    }
    return (start >= text.size() || w.Line(text.substr(start))) && w.End();
}

std::string XmlDateText(const Date& d) {
    long day = d.DayNumber();
    int secs = d.SecondsOfDay();
    std::string time = std::to_string(secs / 3600) + ":" + FormatNumber(static_cast<int64_t>(secs / 60 % 60), "00") +
                       ":" + FormatNumber(static_cast<int64_t>(secs % 60), "00");
    if (day == 0) return time;
    std::string date = d.Format("yyyy/mm/dd");
    return secs == 0 ? date : date + " " + time;
}

std::string XmlElement(const std::string& name, const std::string& value) {
    return "<" + name + ">" + value + "</" + name + ">";
}

bool XmlToLong(const std::string& v, int32_t& out, XmlValueError& error) {
    if (!IsNumber(v)) { error = TypeMismatch; return false; }
    auto n = TextToInt32(v);
    if (!n) { error = Overflow; return false; }
    out = *n;
    return true;
}

bool XmlToByte(const std::string& v, uint8_t& out, XmlValueError& error) {
    int32_t n = 0;
    if (!XmlToLong(v, n, error)) return false;
    if (n < 0 || n > 255) { error = Overflow; return false; }
    out = static_cast<uint8_t>(n);
    return true;
}

bool XmlToCurrency(const std::string& v, Currency& out, XmlValueError& error) {
    if (!IsNumber(v)) { error = TypeMismatch; return false; }
    auto c = Currency::FromText(v);
    if (!c) { error = Overflow; return false; }
    out = *c;
    return true;
}

namespace {
// Reads up to maxDigits digits at s[i]; false when there is none.
bool Digits(const std::string& s, size_t& i, int maxDigits, int& out) {
    size_t b = i;
    out = 0;
    while (i < s.size() && i - b < static_cast<size_t>(maxDigits) && s[i] >= '0' && s[i] <= '9') out = out * 10 + (s[i++] - '0');
    return i > b;
}

bool ParseTime(const std::string& s, size_t& i, int& h, int& n, int& sec) {
    sec = 0;
    if (!Digits(s, i, 2, h) || i >= s.size() || s[i] != ':') return false;
    ++i;
    if (!Digits(s, i, 2, n)) return false;
    if (i < s.size() && s[i] == ':') {
        ++i;
        if (!Digits(s, i, 2, sec)) return false;
    }
    return Date::IsValidTime(h, n, sec);
}
}  // namespace

bool XmlToDate(const std::string& raw, Date& out, XmlValueError& error) {
    // The forms the files are written in: "2024/03/16", "19:00:00", "2024/03/16 13:50:00".
    std::string s = Trim(raw);
    size_t i = 0;
    int y = 0, m = 0, d = 0, h = 0, n = 0, sec = 0;
    bool ok = false;
    if (s.find('/') != std::string::npos) {
        ok = Digits(s, i, 4, y) && i < s.size() && s[i++] == '/' && Digits(s, i, 2, m) && i < s.size() &&
             s[i++] == '/' && Digits(s, i, 2, d) && Date::IsValidYmd(y, m, d);
        if (ok && i < s.size()) {
            ok = s[i++] == ' ' && ParseTime(s, i, h, n, sec) && i == s.size();
        }
        if (ok) out = Date::FromYmdHns(y, m, d, h, n, sec);
    } else {
        ok = ParseTime(s, i, h, n, sec) && i == s.size();
        if (ok) out = Date::FromTime(h, n, sec);
    }
    if (!ok) error = TypeMismatch;
    return ok;
}

bool XmlGameIndex(int32_t n, XmlValueError& error) {
    if (n >= 1 && n <= GameCount) return true;
    error = OutOfRange;
    return false;
}

std::string DrawFilePart(int32_t kaisai, const std::string& kumi) {
    std::string s = "_" + FormatNumber(static_cast<int64_t>(kaisai), "000");
    if (!kumi.empty()) s += "_" + kumi;
    return s;
}

}  // namespace kujimate
