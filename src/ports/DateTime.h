#pragma once

namespace quillet {

// Date-time values count days since 1899-12-30; the fraction is the time of day.
struct CivilDate {
    int year = 1899;
    int month = 12;
    int day = 30;
};

bool isLeapYear(int year);
int daysInMonth(int year, int month);
double encodeDate(int year, int month, int day);
double encodeTime(int hour, int minute, int second, int millisecond);
CivilDate decodeDate(double dateTime);

}  // namespace quillet
