#pragma once

#include <string>

// The user locale's date, time and currency settings, as Windows-1252 texts in the forms the
// platform gives them. The date, time and money fields derive their defaults from these when
// they are made; an empty text leaves the field's own default. The Qt side reads them from
// QLocale (qfieldlocale.h); the owner of a field hands them in.
struct FieldLocale {
    std::string dateSeparator = "/";
    std::string shortDateFormat = "M/d/yyyy"; // DayFirst when its first 'd' or 'm' is a 'd'
    std::string timeSeparator = ":";
    std::string amSymbol = "AM";
    std::string pmSymbol = "PM";
    bool twentyFourHour = false;
    std::string currencySymbol = "$";
    std::string monetaryGrouping = "3;0"; // the group size is the number it starts with
    int currencyDigits = 2;
    // 0: symbol before the number, 1: after it, 2: before it with a blank, 3: after it with one.
    int positiveCurrencyFormat = 0;
    std::string monetaryDecimal = ".";
    std::string monetaryThousands = ",";
};
