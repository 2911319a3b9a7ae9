#include "support/Clock.h"

#include <ctime>

namespace kujimate {
namespace {
SystemClock g_system;
const Clock* g_clock = &g_system;
}  // namespace

Date SystemClock::Now() const {
    std::time_t t = std::time(nullptr);
    std::tm tm{};
#ifdef _WIN32
    localtime_s(&tm, &t);
#else
    localtime_r(&t, &tm);
#endif
    return Date::FromYmdHns(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min,
                            tm.tm_sec > 59 ? 59 : tm.tm_sec);
}

const Clock& GetClock() { return *g_clock; }
void SetClock(const Clock* c) { g_clock = c ? c : &g_system; }

}  // namespace kujimate
