#include "site/clsHtmlData.h"

#include "support/Text.h"

namespace kujimate {
namespace {

// Replaces in one pass; a page may hold a million entities.
std::string ReplaceEvery(const std::string& s, std::string_view from, std::string_view to) {
    size_t p = s.find(from);
    if (p == std::string::npos) return s;
    std::string out;
    out.reserve(s.size());
    size_t start = 0;
    while (p != std::string::npos) {
        out.append(s, start, p - start);
        out += to;
        start = p + from.size();
        p = s.find(from, start);
    }
    out.append(s, start, std::string::npos);
    return out;
}

std::string RemoveSpaces(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == ' ' || s[i] == '\t') continue;
        if (s.compare(i, 3, "\u3000") == 0) {
            i += 2;
            continue;
        }
        out += s[i];
    }
    return out;
}

// The text between "<" and ">" of a tag token. A decoded "&lt;" can start a token that
// counts as a tag without ending in ">".
std::string_view Inner(std::string_view tag) {
    tag.remove_prefix(1);
    if (EndsWith(tag, ">")) tag.remove_suffix(1);
    return tag;
}

std::string_view FirstWord(std::string_view inner) { return inner.substr(0, inner.find(' ')); }

}  // namespace

std::string HtmlRecordList::Name(size_t i) const {
    const uint8_t f = entries_[i].flags;
    const std::string_view t = Text(i);
    std::string name;
    if (f & OpenCommentPart) return {};
    if (f & CommentFlag) {
        // "<!--" … "-->"; a comment left open has no name.
        if (EndsWith(t, "-->")) name = t.size() >= 7 ? Trim(t.substr(4, t.size() - 7)) : std::string();
    } else if (f & TagFlag) {
        std::string_view w = FirstWord(Inner(t));
        if (f & EndFlag) w.remove_prefix(1);
        name = std::string(w);
    } else {
        name = std::string(t);
    }
    return noSpaces_ ? RemoveSpaces(name) : name;
}

HtmlRecord HtmlRecordList::Item(long n) const {
    HtmlRecord r;
    if (n < 1 || static_cast<size_t>(n) > entries_.size()) return r;
    const size_t i = static_cast<size_t>(n - 1);
    r.Text = std::string(Text(i));
    r.IsComment = IsComment(i);
    if (entries_[i].flags & OpenCommentPart) return r;
    r.IsTag = IsTag(i);
    r.IsEnd = IsEnd(i);
    r.InBody = InBody(i);
    r.Name = Name(i);
    if (r.IsTag && !r.IsComment) {
        std::string_view inner = Inner(Text(i));
        size_t start = 0;
        for (;;) {
            size_t sp = inner.find(' ', start);
            r.Parts.emplace_back(inner.substr(start, sp == std::string_view::npos ? std::string_view::npos : sp - start));
            if (sp == std::string_view::npos) break;
            start = sp + 1;
        }
        r.PartCount = static_cast<long>(r.Parts.size()) - 1;
    }
    return r;
}

void HtmlRecordList::Add(std::string_view text, uint8_t flags) {
    entries_.push_back(Entry{arena_.size(), static_cast<uint32_t>(text.size()), flags});
    arena_.append(text);
}

void HtmlRecordList::Clear() {
    arena_.clear();
    entries_.clear();
    noSpaces_ = false;
}

std::string clsHtmlData::Normalize(std::string_view raw) {
    std::string s;
    s.reserve(raw.size());
    bool lastSpace = false;
    for (char ch : raw) {
        char c = static_cast<unsigned char>(ch) < 32 ? ' ' : ch;
        if (c == ' ' && lastSpace) continue;
        lastSpace = c == ' ';
        s += c;
    }
    if (s.find('&') != std::string::npos) {
        s = ReplaceEvery(s, "&lt;", "<");
        s = ReplaceEvery(s, "&gt;", ">");
        s = ReplaceEvery(s, "&quot;", "\"");
        s = ReplaceEvery(s, "&amp;", "&");
        s = ReplaceEvery(s, "&#169;", "(c)");
        s = ReplaceEvery(s, "&#174;", "(r)");
    }
    return Trim(s);
}

void clsHtmlData::Cut(std::string_view raw) {
    const std::string text = Normalize(raw);
    if (text.empty()) return;
    using L = HtmlRecordList;
    if (commentOpen_) {
        records_.Add(text, L::CommentFlag | L::OpenCommentPart);
        if (text.find("-->") != std::string::npos) commentOpen_ = false;
        return;
    }
    if (text[0] != '<') {
        records_.Add(text, inBody_ ? L::BodyFlag : 0);
        return;
    }
    if (StartsWith(text, "<!--")) {
        if (!EndsWith(text, "-->")) commentOpen_ = true;
        records_.Add(text, L::TagFlag | L::CommentFlag | (inBody_ ? L::BodyFlag : 0));
        return;
    }
    std::string_view word = FirstWord(Inner(text));
    const bool isEnd = StartsWith(word, "/");
    if (isEnd) word.remove_prefix(1);
    uint8_t flags = L::TagFlag | (isEnd ? L::EndFlag : 0);
    if (TextEqualsIgnoreCase(word, "body")) {
        // The body tags themselves are outside the body.
        records_.Add(text, flags);
        inBody_ = !isEnd;
        return;
    }
    records_.Add(text, flags | (inBody_ ? L::BodyFlag : 0));
}

long clsHtmlData::GetHtmlData(std::string_view strHtml) {
    records_.Clear();
    commentOpen_ = false;
    inBody_ = false;
    bool inTag = false, inText = false;
    size_t start = 0;
    // "<" and ">" are single bytes in UTF-8 and never part of another character.
    for (size_t i = 0; i < strHtml.size(); ++i) {
        const char c = strHtml[i];
        if (inTag) {
            if (c == '>') {
                Cut(strHtml.substr(start, i - start + 1));
                inTag = false;
            }
        } else if (c == '<') {
            if (inText) {
                Cut(strHtml.substr(start, i - start));
                inText = false;
            }
            inTag = true;
            start = i;
        } else if (!inText) {
            inText = true;
            start = i;
        }
    }
    return static_cast<long>(records_.Size());
}

}  // namespace kujimate
