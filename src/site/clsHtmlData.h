#pragma once
// Cuts a page into a flat list of tokens (tags, comments, text runs); no document tree.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kujimate {

struct HtmlRecord {
    std::string Text;  // the whole token after normalisation
    bool IsTag = false;
    bool IsEnd = false;
    bool IsComment = false;
    bool InBody = false;
    std::string Name;
    std::vector<std::string> Parts;  // tag words, the name first
    long PartCount = 0;              // upper index of Parts
};

// The records of one page. Only the token text and its flags are stored; names and words
// are worked out when asked for, so a page of a million tiny tags stays small.
class HtmlRecordList {
public:
    size_t Size() const { return entries_.size(); }
    // 1 ≤ n ≤ Size(); any other n gives an empty record.
    HtmlRecord Item(long n) const;

    // 0-based access for the walks over every record.
    std::string_view Text(size_t i) const { return std::string_view(arena_).substr(entries_[i].offset, entries_[i].length); }
    bool IsTag(size_t i) const { return entries_[i].flags & TagFlag; }
    bool IsEnd(size_t i) const { return entries_[i].flags & EndFlag; }
    bool IsComment(size_t i) const { return entries_[i].flags & CommentFlag; }
    bool InBody(size_t i) const { return entries_[i].flags & BodyFlag; }
    std::string Name(size_t i) const;

    // Names lose every space, full-width space and tab from now on.
    void RemoveSpacesFromNames() { noSpaces_ = true; }
    void Clear();

private:
    friend class clsHtmlData;
    static constexpr uint8_t TagFlag = 1, EndFlag = 2, CommentFlag = 4, BodyFlag = 8, OpenCommentPart = 16;
    struct Entry {
        size_t offset;
        uint32_t length;
        uint8_t flags;
    };
    void Add(std::string_view text, uint8_t flags);

    std::string arena_;
    std::vector<Entry> entries_;
    bool noSpaces_ = false;
};

class clsHtmlData {
public:
    // Tokenises the text and keeps the records; returns their number.
    long GetHtmlData(std::string_view strHtml);
    HtmlRecordList TakeRecords() { return std::move(records_); }

    // The normalisation of one token: control characters to spaces, spaces collapsed,
    // the few entities decoded, the ends trimmed.
    static std::string Normalize(std::string_view raw);

private:
    void Cut(std::string_view raw);

    HtmlRecordList records_;
    bool commentOpen_ = false;
    bool inBody_ = false;
};

}  // namespace kujimate
