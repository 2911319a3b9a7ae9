#include "refdata/clsTGameType.h"

#include "support/Text.h"

namespace kujimate {

const std::string& clsTGameType::Text(long index) const {
    static const std::string empty;
    return index >= 1 && index <= 4 ? texts_[index - 1] : empty;
}

long clsTGameType::GetNo(const std::string& text) const {
    for (long i = 0; i < 4; ++i)
        if (TextEqualsIgnoreCase(texts_[i], text)) return i + 1;
    return 0;
}

}  // namespace kujimate
