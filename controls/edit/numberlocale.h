#pragma once

#include <string>

// The user locale's number characters, as Windows-1252 texts. The numeric fields take the first
// character of each when they are made; an empty text leaves the field's default ('-', '.',
// ','). The Qt side reads them from QLocale (qnumberlocale.h); the owner of a field hands them
// in.
struct NumberLocale {
    std::string negativeSign = "-";
    std::string decimalSeparator = ".";
    std::string thousandsSeparator = ",";
};
