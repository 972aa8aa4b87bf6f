#pragma once

#include <functional>
#include <string>

// The user locale's number characters, as Windows-1252 texts. The numeric fields take the first
// character of each; an empty text leaves the field's default ('-', '.', ',').
struct NumberLocale {
    std::string negativeSign = "-";
    std::string decimalSeparator = ".";
    std::string thousandsSeparator = ",";
};

// Where the numeric fields read the user locale when they are constructed. The Qt side installs
// one that asks the system locale; without one (or after an empty function) the defaults apply.
void SetNumberLocaleSource(std::function<NumberLocale()> source);

// The locale as the installed source gives it now.
NumberLocale UserNumberLocale();
