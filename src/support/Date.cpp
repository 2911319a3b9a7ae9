#include "support/Date.h"

#include <chrono>
#include <cmath>
#include <cstdio>

namespace kujimate {
namespace {
using namespace std::chrono;
constexpr sys_days Epoch = sys_days{year{1899} / December / 30};

std::string Pad(int v, int width) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*d", width, v);
    return buf;
}
}  // namespace

long FromCivil(int y, int m, int d) {
    return static_cast<long>((sys_days{year{y} / month{static_cast<unsigned>(m)} / day{static_cast<unsigned>(d)}} - Epoch).count());
}

CivilDate ToCivil(long dayNumber) {
    year_month_day ymd{Epoch + days{dayNumber}};
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

bool Date::IsValidYmd(int y, int m, int d) {
    if (y < 100 || y > 9999 || m < 1 || m > 12 || d < 1 || d > 31) return false;
    return year_month_day{year{y}, month{static_cast<unsigned>(m)}, day{static_cast<unsigned>(d)}}.ok();
}

bool Date::IsValidTime(int h, int n, int s) { return h >= 0 && h <= 23 && n >= 0 && n <= 59 && s >= 0 && s <= 59; }

Date Date::FromYmd(int y, int m, int d) {
    if (!IsValidYmd(y, m, d)) return Date{};
    return Date{static_cast<double>(FromCivil(y, m, d))};
}

Date Date::FromTime(int h, int n, int s) {
    if (!IsValidTime(h, n, s)) return Date{};
    return Date{(h * 3600 + n * 60 + s) / 86400.0};
}

Date Date::FromYmdHns(int y, int m, int d, int h, int n, int s) {
    if (!IsValidYmd(y, m, d) || !IsValidTime(h, n, s)) return Date{};
    double day = static_cast<double>(FromCivil(y, m, d));
    double t = (h * 3600 + n * 60 + s) / 86400.0;
    // Before the epoch the fraction still counts forward from midnight.
    return Date{day >= 0 ? day + t : day - t};
}

long Date::DayNumber() const {
    // A time that rounds up to midnight belongs to the next day.
    double whole = std::trunc(Value);
    double frac = std::fabs(Value - whole);
    long secs = std::lround(frac * 86400.0);
    long d = static_cast<long>(whole);
    if (secs >= 86400) d += Value >= 0 ? 1 : -1;
    return d;
}

int Date::SecondsOfDay() const {
    double frac = std::fabs(Value - std::trunc(Value));
    long secs = std::lround(frac * 86400.0);
    return static_cast<int>(secs % 86400);
}

Date Date::DatePart() const { return Date{static_cast<double>(DayNumber())}; }

int Date::Year() const { return ToCivil(DayNumber()).year; }
int Date::Month() const { return ToCivil(DayNumber()).month; }
int Date::Day() const { return ToCivil(DayNumber()).day; }

int Date::Weekday() const {
    // Day 0 (1899-12-30) was a Saturday.
    long w = (DayNumber() + 6) % 7;
    if (w < 0) w += 7;
    return static_cast<int>(w) + 1;
}

std::string Date::Format(const std::string& p) const {
    CivilDate c = ToCivil(DayNumber());
    std::string out;
    bool afterHour = false;
    size_t i = 0;
    auto at = [&](const char* tok) { return p.compare(i, std::char_traits<char>::length(tok), tok) == 0; };
    while (i < p.size()) {
        if (at("yyyy")) { out += Pad(c.year, 4); i += 4; afterHour = false; }
        else if (at("mm")) { out += afterHour ? Pad(Minute(), 2) : Pad(c.month, 2); i += 2; afterHour = false; }
        else if (at("dd")) { out += Pad(c.day, 2); i += 2; afterHour = false; }
        else if (at("hh")) { out += Pad(Hour(), 2); i += 2; afterHour = true; }
        else if (at("nn")) { out += Pad(Minute(), 2); i += 2; afterHour = false; }
        else if (at("ss")) { out += Pad(Second(), 2); i += 2; afterHour = false; }
        else if (at("h")) { out += std::to_string(Hour()); i += 1; afterHour = true; }
        else if (at("n")) { out += std::to_string(Minute()); i += 1; afterHour = false; }
        else { out += p[i]; ++i; }
    }
    return out;
}

}  // namespace kujimate
