#pragma once
// Singles from clipboard text: one per line of eleven digits 0, 1, 2.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kujimate {

class clsTClipImport {
public:
    static constexpr int RowLayout = 0;  // 買い目（１口が行）

    // The menu entry: acts only for the row layout; the singles the text holds, in order.
    // Text with an overlong line is reported and gives none.
    std::vector<int32_t> ClipImport(int index, std::string_view text) const;

    // Text in pieces of any size, cut into lines at CR LF only. A line: ASCII spaces
    // removed, anything up to the first colon dropped, then exactly eleven characters 0, 1
    // or 2. Nothing of a line is kept beyond its first eleven digits. A line of more than
    // MaxLineBytes is malformed input: the reader fails there and takes nothing more.
    class Reader {
    public:
        static constexpr size_t MaxLineBytes = size_t{1} << 20;

        void Feed(std::string_view piece);
        void Finish();
        bool Failed() const { return failed_; }
        std::vector<int32_t> Singles;

    private:
        void Char(char c);
        void EndLine();

        bool failed_ = false;
        size_t lineBytes_ = 0;
        bool pendingCr_ = false;
        bool colon_ = false;
        bool valid_ = true;
        int count_ = 0;
        char digits_[11]{};
    };

    // "25口取り込みしました"
    static std::string DoneMessage(int64_t count);
};

// The digit text of the number dialog and of AddEx: exactly eleven characters 0, 1 or 2.
bool IsSingleDigits(std::string_view text);
int32_t DigitsToSingle(std::string_view digits);  // for a text IsSingleDigits accepts

}  // namespace kujimate
