#pragma once

namespace quillet {

// Date-time values count days since 1899-12-30; the fraction is the time of day.
struct CivilDate {
    int year = 1899;
    int month = 12;
    int day = 30;
};

struct ClockTime {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

bool isLeapYear(int year);
int daysInMonth(int year, int month);
double encodeDate(int year, int month, int day);
double encodeTime(int hour, int minute, int second, int millisecond);
CivilDate decodeDate(double dateTime);
// The time of day to the millisecond; never rounds up into the next day.
ClockTime decodeTime(double dateTime);

}  // namespace quillet
