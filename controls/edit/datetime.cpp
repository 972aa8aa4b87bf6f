#include "datetime.h"

#include <ctime>

bool IsLeapYear(int year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int year, int month) {
    switch (month) {
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    case 2:
        return IsLeapYear(year) ? 29 : 28;
    default:
        return month >= 1 && month <= 12 ? 31 : 0;
    }
}

bool IsValidDate(const DateTime& value) {
    return value.day >= 1 && value.day <= DaysInMonth(value.year, value.month);
}

bool IsValidTime(const DateTime& value) {
    return value.hour >= 0 && value.hour <= 23 && value.minute >= 0 && value.minute <= 59 &&
           value.second >= 0 && value.second <= 59;
}

DateTime DatePart(const DateTime& value) {
    return {value.year, value.month, value.day, 0, 0, 0};
}

DateTime TimePart(const DateTime& value) {
    return {0, 0, 0, value.hour, value.minute, value.second};
}

DateTime Now() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}
