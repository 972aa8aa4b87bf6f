#pragma once

#include <string>

// A value for a maintainer to read: up to `decimals` decimals, no trailing zeros, no "-0"
// (2, 0.5, -10, 0.7874). Locale-independent.
std::string ShortNumber(double v, int decimals = 6);
