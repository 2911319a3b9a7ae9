#pragma once
#include <string>

namespace kujimate {

// The Boolean text form of the settings files.
class clsStringConvert {
public:
    std::string BooleanToString(bool v) const { return v ? "1" : "0"; }
    bool StringToBoolean(const std::string& s) const { return s == "1"; }
};

}  // namespace kujimate
