#pragma once

#include <compare>

// A calendar date and time of day as the date and time fields hold them. Ordered by date, then
// time.
struct DateTime {
    int year = 0;
    int month = 0; // 1..12
    int day = 0;   // 1..DaysInMonth
    int hour = 0;  // 0..23
    int minute = 0;
    int second = 0;
    friend auto operator<=>(const DateTime&, const DateTime&) = default;
};

// Divisible by 4, and not by 100 unless by 400.
bool IsLeapYear(int year);
// 31, 30 in April, June, September and November, 28 in February (29 in a leap year); 0 for a
// month outside 1..12.
int DaysInMonth(int year, int month);
bool IsValidDate(const DateTime& value);
bool IsValidTime(const DateTime& value);
// The date part alone (time 00:00:00) and the time part alone (date 0000-00-00), for comparing
// one part only.
DateTime DatePart(const DateTime& value);
DateTime TimePart(const DateTime& value);
// The local date and time now.
DateTime Now();
