#pragma once
// "Now" for everything that counts down or fills in a missing year; tests replace it.
#include "support/Date.h"

namespace kujimate {

class Clock {
public:
    virtual ~Clock() = default;
    virtual Date Now() const = 0;
};

class SystemClock : public Clock {
public:
    Date Now() const override;  // local time
};

class FixedClock : public Clock {
public:
    explicit FixedClock(Date d) : now(d) {}
    Date Now() const override { return now; }
    Date now;
};

const Clock& GetClock();
void SetClock(const Clock* c);  // nullptr restores the system clock
inline Date Now() { return GetClock().Now(); }
inline int CurrentYear() { return GetClock().Now().Year(); }

}  // namespace kujimate
