#pragma once
// Day count since 1899-12-30 with the time of day as the fraction; zero means "not set".
#include <string>

namespace kujimate {

struct Date {
    double Value = 0.0;

    Date() = default;
    explicit Date(double v) : Value(v) {}

    // Returns the zero Date for an impossible calendar date or time.
    static Date FromYmd(int year, int month, int day);
    static Date FromYmdHns(int year, int month, int day, int hour, int minute, int second);
    static Date FromTime(int hour, int minute, int second);
    static bool IsValidYmd(int year, int month, int day);
    static bool IsValidTime(int hour, int minute, int second);

    bool IsZero() const { return Value == 0.0; }
    // Whole day count (toward zero) and the time of day in seconds, rounded to the second.
    long DayNumber() const;
    int SecondsOfDay() const;
    Date DatePart() const;

    int Year() const;
    int Month() const;
    int Day() const;
    int Hour() const { return SecondsOfDay() / 3600; }
    int Minute() const { return SecondsOfDay() / 60 % 60; }
    int Second() const { return SecondsOfDay() % 60; }
    int Weekday() const;  // Sunday = 1

    // Tokens yyyy mm dd hh nn ss h n; "mm" right after an "hh"/"h" token means minutes.
    std::string Format(const std::string& pattern) const;

    friend bool operator==(const Date& a, const Date& b) { return a.Value == b.Value; }
    friend auto operator<=>(const Date& a, const Date& b) { return a.Value <=> b.Value; }
};

struct CivilDate {
    int year, month, day;
};
CivilDate ToCivil(long dayNumber);
long FromCivil(int year, int month, int day);

}  // namespace kujimate
