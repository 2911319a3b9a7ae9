#pragma once
// Competition names the operator's pages may print in front of a match.
#include <array>
#include <string>

namespace kujimate {

class clsTGameType {
public:
    const std::string& Text(long index) const;  // 1..4
    long Count() const { return 4; }
    long GetNo(const std::string& text) const;  // 0 when unknown
    bool Exists(const std::string& text) const { return GetNo(text) > 0; }

private:
    std::array<std::string, 4> texts_{"J1", "J2", "ナビスコカップ", "天皇杯"};
};

// Lottery constants, one instance shared by the program.
class clsToto {
public:
    long GetMaxGrade(long lngKaisaikai) const { return 4; }
};

}  // namespace kujimate
