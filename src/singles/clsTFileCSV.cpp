#include "singles/clsTFileCSV.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>

#include "singles/FailureText.h"
#include "support/FileAccess.h"
#include "support/clsAtomicFileWriter.h"
#include "singles/clsTNumber.h"
#include "support/NumberText.h"
#include "support/Report.h"
#include "support/Text.h"
#include "support/clsFileStream.h"
#include "support/clsFileSystemObject.h"

namespace kujimate {
namespace {
constexpr const char* ClassName = "clsTFileCSV";
constexpr size_t ChunkSize = 1 << 20;
constexpr int EventsEvery = 1001;  // lines between two progress updates

void FileFailure(const char* operation, int err, const std::string& path) {
    ClassFailure(ClassName, operation, FileErrorDescription(err) + "\r\n" + path, err);
}

// Cuts a byte stream into lines at CR LF, and at a lone CR or LF too, handing each piece
// of a line on as it arrives, so a line of any length is never held. A line above
// MaxLineBytes is malformed: the splitter stops there, so an endless line ends the read.
class LineSplitter {
public:
    static constexpr size_t MaxLineBytes = size_t{1} << 20;

    // Takes bytes up to and including the first line end, or all of them; returns how many.
    // part(ptr, len, whole): whole when the piece is the complete line.
    template <typename Part, typename End>
    size_t FeedLine(const char* p, size_t n, Part part, End end) {
        if (tooLong_ || n == 0) return n;
        if (afterCr_) {
            afterCr_ = false;
            if (p[0] == '\n') return 1;
        }
        size_t j = 0;
        while (j < n && p[j] != '\r' && p[j] != '\n') ++j;
        if (j > 0) {
            lineBytes_ += j;
            if (lineBytes_ > MaxLineBytes) {
                tooLong_ = true;
                return n;
            }
            part(p, j, j < n && !inLine_);
            inLine_ = true;
        }
        if (j == n) return n;
        end();
        inLine_ = false;
        lineBytes_ = 0;
        if (p[j] == '\r') {
            if (j + 1 < n) {
                if (p[j + 1] == '\n') ++j;
            } else {
                afterCr_ = true;
            }
        }
        return j + 1;
    }
    template <typename End>
    void Finish(End end) {
        if (inLine_ && !tooLong_) end();
        inLine_ = false;
    }
    bool TooLong() const { return tooLong_; }
    // Nothing of a line is pending: the next byte starts a line.
    bool AtLineStart() const { return !inLine_ && !afterCr_ && !tooLong_; }

private:
    bool afterCr_ = false;
    bool inLine_ = false;
    bool tooLong_ = false;
    size_t lineBytes_ = 0;
};

// The fixed-width line "d,d,d,d,d,d,d,d,d,d,d" CR LF, checked and packed eight bytes at a
// time. Words 0 and 1 are bytes 0-7 and 8-15 (digit, comma, ...), word 2 is bytes 15-22
// (comma, digit, ..., CR, LF). XOR with the expected bytes leaves 0, 1 or 2 in a digit's
// byte and 0 everywhere else.
namespace plain {
constexpr size_t Bytes = 23;
constexpr bool Usable = std::endian::native == std::endian::little;
constexpr uint64_t PatternA = 0x2C302C302C302C30;  // '0' ',' '0' ',' '0' ',' '0' ','
constexpr uint64_t PatternB = 0x0A0D302C302C302C;  // ',' '0' ',' '0' ',' '0' CR LF
constexpr uint64_t HighA = 0xFFFCFFFCFFFCFFFC;     // bits that must be clear
constexpr uint64_t HighB = 0xFFFFFCFFFCFFFCFF;
constexpr uint64_t LowA = 0x0001000100010001;      // the low bit of each digit's byte
constexpr uint64_t LowB = 0x0000010001000100;
// Digits in 16-bit lanes times these weights leave d0 + 3 d1 + 9 d2 + 27 d3 in the top lane.
constexpr uint64_t Weights4 = 27 + (uint64_t{9} << 16) + (uint64_t{3} << 32) + (uint64_t{1} << 48);
constexpr uint64_t Weights3 = 9 + (uint64_t{3} << 16) + (uint64_t{1} << 32);

inline uint64_t Word(const char* p) {
    uint64_t w;
    std::memcpy(&w, p, sizeof w);
    return w;
}
// A digit's byte of 3 has both low bits set.
inline uint64_t Faults(uint64_t y, uint64_t high, uint64_t low) { return (y & high) | (y & (y >> 1) & low); }

inline bool Faulty(const char* p, uint64_t& a, uint64_t& b, uint64_t& c) {
    a = Word(p) ^ PatternA;
    b = Word(p + 8) ^ PatternA;
    c = Word(p + 15) ^ PatternB;
    return (Faults(a, HighA, LowA) | Faults(b, HighA, LowA) | Faults(c, HighB, LowB)) != 0;
}
inline int32_t Pack(uint64_t a, uint64_t b, uint64_t c) {
    const auto lo = static_cast<int32_t>((a * Weights4) >> 48);
    const auto mid = static_cast<int32_t>((b * Weights4) >> 48);
    const auto hi = static_cast<int32_t>((((c >> 8) * Weights3) >> 32) & 0xFFFF);
    return lo + 81 * mid + 6561 * hi;
}

// Sixteen lines are 46 whole words: a block is checked with one pattern per word, in a loop
// the compiler turns into vector instructions.
constexpr size_t BlockLines = 16;
constexpr size_t BlockWords = BlockLines * Bytes / 8;
struct BlockPatterns {
    uint64_t expect[BlockWords], high[BlockWords], low[BlockWords];
};
constexpr BlockPatterns MakeBlockPatterns() {
    BlockPatterns t{};
    for (size_t at = 0; at < BlockLines * Bytes; ++at) {
        const size_t col = at % Bytes;
        const bool digit = col < 21 && col % 2 == 0;
        const uint64_t e = digit ? '0' : col < 21 ? ',' : col == 21 ? '\r' : '\n';
        const int shift = static_cast<int>(at % 8) * 8;
        t.expect[at / 8] |= e << shift;
        t.high[at / 8] |= uint64_t{digit ? 0xFCu : 0xFFu} << shift;
        t.low[at / 8] |= uint64_t{digit ? 1u : 0u} << shift;
    }
    return t;
}
inline constexpr BlockPatterns Block = MakeBlockPatterns();
inline bool BlockIsPlain(const char* p) {
    uint64_t faults = 0;
    for (size_t k = 0; k < BlockWords; ++k) {
        const uint64_t y = Word(p + 8 * k) ^ Block.expect[k];
        faults |= (y & Block.high[k]) | (y & (y >> 1) & Block.low[k]);
    }
    return faults == 0;
}

// How many of the first `most` whole lines of p[0, n) are plain, counted from the start.
inline size_t CountLines(const char* p, size_t n, size_t most) {
    const size_t whole = std::min(n / Bytes, most);
    size_t k = 0;
    while (k + BlockLines <= whole && BlockIsPlain(p + k * Bytes)) k += BlockLines;
    uint64_t a, b, c;
    while (k < whole && !Faulty(p + k * Bytes, a, b, c)) ++k;
    return k;
}
// The same, packing each plain line's single into out.
inline size_t DecodeLines(const char* p, size_t n, size_t most, int32_t* out) {
    const size_t whole = std::min(n / Bytes, most);
    size_t k = 0;
    uint64_t a, b, c;
    while (k + BlockLines <= whole && BlockIsPlain(p + k * Bytes)) {
        for (size_t e = k + BlockLines; k < e; ++k) {
            const char* q = p + k * Bytes;
            out[k] = Pack(Word(q) ^ PatternA, Word(q + 8) ^ PatternA, Word(q + 15) ^ PatternB);
        }
    }
    while (k < whole && !Faulty(p + k * Bytes, a, b, c)) {
        out[k] = Pack(a, b, c);
        ++k;
    }
    return k;
}

// The text of four matches ("d,d,d,d,") for 0..80 and of the last three with the line end
// (",d,d,d" CR LF) for 0..26.
struct Texts {
    char four[81][8];
    char three[27][8];
};
constexpr Texts MakeTexts() {
    Texts t{};
    for (int v = 0; v < 81; ++v)
        for (int g = 0, r = v; g < 4; ++g, r /= 3) {
            t.four[v][2 * g] = static_cast<char>('0' + r % 3);
            t.four[v][2 * g + 1] = ',';
        }
    for (int v = 0; v < 27; ++v) {
        for (int g = 0, r = v; g < 3; ++g, r /= 3) {
            t.three[v][2 * g] = ',';
            t.three[v][2 * g + 1] = static_cast<char>('0' + r % 3);
        }
        t.three[v][6] = '\r';
        t.three[v][7] = '\n';
    }
    return t;
}
inline constexpr Texts Text = MakeTexts();

// Writes the line of a single number 0..SingleMax: Bytes bytes at p.
inline void Encode(int32_t single, char* p) {
    const int32_t q = single / 81;
    std::memcpy(p, Text.four[single - q * 81], 8);
    const int32_t hi = q / 81;
    std::memcpy(p + 8, Text.four[q - hi * 81], 8);
    std::memcpy(p + 15, Text.three[hi], 8);  // its comma overwrites the one already there
}
}  // namespace plain

// One field of a line, classified as it streams by: not a number, a number equal to 0, 1 or
// 2, or another number. "Number" is the program's rule: spaces around, a sign, digits with
// at most one ".".
class FieldReader {
public:
    enum class Kind { NotNumber, Digit, Other };

    void Reset() { *this = FieldReader(); }

    void Byte(char c) {
        switch (state_) {
            case State::Lead:
                if (c == ' ') return;
                if (c == '+' || c == '-') {
                    negative_ = c == '-';
                    state_ = State::Sign;
                    return;
                }
                [[fallthrough]];
            case State::Sign:
                if (c == '.') { state_ = State::Frac; return; }
                if (IsDigit(c)) { state_ = State::Int; IntDigit(c); return; }
                state_ = State::Bad;
                return;
            case State::Int:
                if (IsDigit(c)) { IntDigit(c); return; }
                if (c == '.') { state_ = State::Frac; return; }
                state_ = c == ' ' ? State::Trail : State::Bad;
                return;
            case State::Frac:
                if (IsDigit(c)) {
                    digits_ = true;
                    if (c != '0') fracNonZero_ = true;
                    return;
                }
                state_ = c == ' ' ? State::Trail : State::Bad;
                return;
            case State::Trail:
                if (c != ' ') state_ = State::Bad;
                return;
            case State::Bad: return;
        }
    }

    Kind Result() const {
        if (!digits_ || state_ == State::Bad || state_ == State::Lead || state_ == State::Sign) return Kind::NotNumber;
        if (fracNonZero_ || significant_ > 1 || value_ > 2 || (negative_ && value_ != 0)) return Kind::Other;
        return Kind::Digit;
    }
    uint8_t Value() const { return static_cast<uint8_t>(value_); }

private:
    enum class State : uint8_t { Lead, Sign, Int, Frac, Trail, Bad };
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
    void IntDigit(char c) {
        digits_ = true;
        if (c == '0' && significant_ == 0) return;
        if (significant_ < 2) ++significant_;
        value_ = c - '0';
    }

    State state_ = State::Lead;
    bool negative_ = false;
    bool digits_ = false;
    bool fracNonZero_ = false;
    int significant_ = 0;  // significant whole digits, counted up to 2
    int value_ = 0;        // the last significant whole digit
};

// A line: eleven fields that are all 0, 1 or 2 make a single; any other field count is
// skipped; eleven fields of which one is not a number fail the load, of which one is
// another number describe no single and are skipped.
class LineReader {
public:
    enum class Outcome { Single, Skip, Fail };

    void Part(const char* p, size_t n) {
        for (size_t k = 0; k < n; ++k) {
            if (fields_ > SingleGames) return;
            const char c = p[k];
            if (c == ',') {
                EndField();
                ++fields_;
                field_.Reset();
            } else {
                field_.Byte(c);
            }
        }
    }

    Outcome End(int32_t& single) {
        Outcome o = Outcome::Skip;
        if (fields_ == SingleGames) {
            EndField();
            if (notNumber_) o = Outcome::Fail;
            else if (!other_) {
                single = PackSingle(digits_);
                o = Outcome::Single;
            }
        }
        fields_ = 1;
        notNumber_ = other_ = false;
        field_.Reset();
        return o;
    }

    // The usual line, "d,d,d,d,d,d,d,d,d,d,d" in one piece.
    static bool Plain(const char* p, size_t n, int32_t& single) {
        if (n != 21) return false;
        uint8_t digits[SingleGames];
        for (int g = 0; g < SingleGames; ++g) {
            const unsigned d = static_cast<unsigned char>(p[2 * g]) - '0';
            if (d > 2 || (g < SingleGames - 1 && p[2 * g + 1] != ',')) return false;
            digits[g] = static_cast<uint8_t>(d);
        }
        single = PackSingle(digits);
        return true;
    }

private:
    void EndField() {
        if (fields_ > SingleGames) return;
        switch (field_.Result()) {
            case FieldReader::Kind::NotNumber: notNumber_ = true; break;
            case FieldReader::Kind::Other: other_ = true; break;
            case FieldReader::Kind::Digit: digits_[fields_ - 1] = field_.Value(); break;
        }
    }

    int fields_ = 1;
    bool notNumber_ = false;
    bool other_ = false;
    FieldReader field_;
    uint8_t digits_[SingleGames]{};
};

// Reads a whole file in chunks; feed(ptr, len) per chunk. Returns 0 or an errno value.
template <typename Feed>
int ReadChunks(const std::string& path, std::vector<char>& buffer, Feed feed) {
    InputFile file;
    if (int err = file.Open(path)) return err;
    for (;;) {
        size_t n = 0;
        if (int err = file.Read(buffer.data(), buffer.size(), n)) return err;
        if (n == 0) break;
        if (!feed(buffer.data(), n)) break;
    }
    return 0;
}

int64_t FileSize(const std::string& path) {
    InputFile file;
    if (file.Open(path) != 0) return 0;
    const int64_t size = file.Size();
    return size < 0 ? 0 : size;
}

}  // namespace

bool clsTFileCSV::CsvSave(const std::string& strFileName, int32_t lngSCount,
                          const std::vector<int32_t>& lngSingle) const {
    return CsvSave_Sub(strFileName, lngSCount, lngSingle);
}

bool clsTFileCSV::CsvLoad(const std::string& strFileName, int32_t& lngSCount, std::vector<int32_t>& lngSingle) const {
    return CsvLoad_Sub(strFileName, lngSCount, lngSingle);
}

bool clsTFileCSV::CsvSave_Sub(const std::string& path, int32_t count, const std::vector<int32_t>& list) const {
    constexpr const char* Op = "CsvSave_Sub";
    BusyPointer busy;
    ProgressScope progress;
    const int32_t n = std::max<int32_t>(count, 0);
    const int64_t max = std::max<int64_t>(n - 1, 0);
    progress.Max(max);
    progress.Message("CSVファイルに保存中");
    if (static_cast<size_t>(n) > list.size()) {
        ClassFailure(ClassName, Op, ErrSubscript.Description, ErrSubscript.Number);
        return false;
    }
    clsFileSystemObject fso;
    const std::string full = fso.GetFullPath(path);
    if (!fso.FolderCheck(fso.GetParentFolderName(full))) {
        FileFailure(Op, ENOENT, full);
        return false;
    }
    clsAtomicFileWriter out;
    if (int err = out.Open(full)) {
        FileFailure(Op, err, full);
        return false;
    }
    // A block of lines between two progress steps is written in one piece.
    std::vector<char> block(EventsEvery * plain::Bytes);
    for (int32_t i = 0; i < n;) {
        const int32_t end = std::min<int32_t>(n, i + EventsEvery);
        char* q = block.data();
        for (int32_t k = i; k < end; ++k, q += plain::Bytes) {
            if (!IsSingleNumber(list[k])) {
                ClassFailure(ClassName, Op, ErrOverflow.Description, ErrOverflow.Number);
                return false;
            }
            plain::Encode(list[k], q);
        }
        if (int err = out.Write(std::string_view(block.data(), static_cast<size_t>(q - block.data())))) {
            FileFailure(Op, err, full);
            return false;
        }
        if (end - i == EventsEvery) {
            progress.Value(end - 1);
            Report().DoEvents();
        }
        i = end;
    }
    progress.Value(max);
    if (int err = out.Commit()) {
        FileFailure(Op, err, full);
        return false;
    }
    return true;
}

bool clsTFileCSV::CsvLoad_Sub(const std::string& path, int32_t& count, std::vector<int32_t>& list) const {
    constexpr const char* Op = "CsvLoad_Sub";
    BusyPointer busy;
    ProgressScope progress;
    progress.Max(1);
    progress.Message("CSVデータ数の取得中");
    clsFileSystemObject fso;
    const std::string full = fso.GetFullPath(path);
    std::vector<char> buffer(ChunkSize);

    const bool bulk = reader_ == Reader::Bulk && plain::Usable;

    int64_t lines = 0;
    {
        LineSplitter split;
        auto end = [&] { ++lines; };
        auto none = [](const char*, size_t, bool) {};
        int err = ReadChunks(full, buffer, [&](const char* p, size_t n) {
            for (size_t i = 0; i < n && !split.TooLong();) {
                if (bulk && split.AtLineStart()) {
                    const size_t k = plain::CountLines(p + i, n - i, n);
                    lines += static_cast<int64_t>(k);
                    i += k * plain::Bytes;
                    if (i == n) break;
                }
                i += split.FeedLine(p + i, n - i, none, end);
            }
            return !split.TooLong();
        });
        if (err) {
            FileFailure(Op, err, full);
            return false;
        }
        if (split.TooLong()) {
            ClassFailure(ClassName, Op, ErrTypeMismatch.Description, ErrTypeMismatch.Number);
            return false;
        }
        split.Finish(end);
    }

    std::vector<int32_t> singles;
    if (lines >= 1) {
        // A single takes at least 21 bytes and a line end, so the file size bounds the list
        // however many empty lines the file holds.
        const int64_t most = static_cast<int64_t>(FileSize(full)) / 22 + 1;
        singles.reserve(static_cast<size_t>(std::min(lines, most)));
        progress.Max(lines);
        progress.Message("CSVファイルの読込中");
        LineSplitter split;
        LineReader reader;
        int64_t read = 0;
        int counter = 0;
        bool failed = false;
        auto step = [&] {
            if (++counter == EventsEvery) {
                counter = 0;
                progress.Value(read);
                Report().DoEvents();
            }
        };
        auto finishLine = [&](LineReader::Outcome o, int32_t s) {
            if (o == LineReader::Outcome::Single) singles.push_back(s);
            else if (o == LineReader::Outcome::Fail) failed = true;
            ++read;
            step();
        };
        bool plainPending = false;
        int32_t plainSingle = 0;
        auto part = [&](const char* p, size_t n, bool whole) {
            if (whole && LineReader::Plain(p, n, plainSingle)) plainPending = true;
            else reader.Part(p, n);
        };
        auto end = [&] {
            if (plainPending) {
                plainPending = false;
                finishLine(LineReader::Outcome::Single, plainSingle);
            } else {
                int32_t s = 0;
                auto o = reader.End(s);
                finishLine(o, s);
            }
        };
        // Plain lines up to the next progress step at a time, the general reader for the rest.
        int32_t decoded[EventsEvery];
        int err = ReadChunks(full, buffer, [&](const char* p, size_t n) {
            for (size_t i = 0; i < n && !failed;) {
                if (bulk && split.AtLineStart()) {
                    size_t k;
                    do {
                        k = plain::DecodeLines(p + i, n - i, static_cast<size_t>(EventsEvery - counter), decoded);
                        singles.insert(singles.end(), decoded, decoded + k);
                        i += k * plain::Bytes;
                        read += static_cast<int64_t>(k);
                        if (k > 0) {
                            counter += static_cast<int>(k) - 1;
                            step();
                        }
                    } while (k > 0 && counter == 0);
                    if (i == n) break;
                }
                i += split.FeedLine(p + i, n - i, part, end);
                failed = failed || split.TooLong();
            }
            return !failed;
        });
        if (!err && !failed) split.Finish(end);
        if (err) {
            FileFailure(Op, err, full);
            return false;
        }
        if (failed) {
            ClassFailure(ClassName, Op, ErrTypeMismatch.Description, ErrTypeMismatch.Number);
            return false;
        }
        progress.Value(lines);
    }
    count = static_cast<int32_t>(singles.size());
    list = std::move(singles);
    return true;
}

std::string clsTFileCSV::GetCsvFileName(int32_t lngKaisaikai, const std::string& strKumi) {
    return std::string(Prefix) + FormatNumber(static_cast<int64_t>(lngKaisaikai), "000") + strKumi + ".csv";
}

int32_t clsTFileCSV::GetKaisaikai_Sub(const std::u32string& name, size_t start) {
    // start is 1-based; the character there is taken as it is.
    if (start < 1 || start > name.size()) return 0;
    size_t k = start;  // 0-based index of the character after start
    while (k < name.size() && name[k] >= U'0' && name[k] <= U'9') ++k;
    if (k >= name.size()) return 0;
    const std::string text = FromU32(name.substr(start - 1, k - (start - 1)));
    if (!IsNumber(text)) return 0;
    return TextToInt32(text).value_or(0);
}

int32_t clsTFileCSV::GetKaisaikai(const std::string& strPath) {
    size_t sep = strPath.find_last_of("\\/");
    const std::u32string name = ToU32(sep == std::string::npos ? strPath : strPath.substr(sep + 1));
    int32_t n = 0;
    const std::u32string prefix = ToU32(Prefix);
    if (name.size() >= prefix.size() && TextEqualsIgnoreCase(FromU32(name.substr(0, prefix.size())), Prefix))
        n = GetKaisaikai_Sub(name, prefix.size() + 1);
    if (n == 0) n = GetKaisaikai_Sub(name, !name.empty() && (name[0] == U'X' || name[0] == U'x') ? 2 : 1);
    return n;
}

}  // namespace kujimate
