#pragma once

#include <string>

// Energy, temperature and pressure conversions. The constants are the decimal literals as
// written; they are deliberately not derived from one another (0.0002930667 is not
// 0.29307107 / 1000), so a value converted there and back does not come back exactly.

// Text converters: parse a decimal text (leading blanks, sign, digits, ".", exponent; no number
// reads as 0), apply the formula and return the result in the stated format, whole however
// long it is (a huge input's result is not cut to the classic 11 characters).
std::string BtuhToKwText(const char* text);     // x * 0.0002930667, "%.2f"
std::string KwToBtuhText(const char* text);     // x * 3412.19, "%.0f"
std::string FDiffToKDiffText(const char* text); // x / 1.8, "%.1f"
std::string KDiffToFDiffText(const char* text); // x * 1.8, "%.1f"
std::string FToKText(const char* text);         // (x - 32) / 1.8 + 273.15, "%.1f"
std::string KToFText(const char* text);         // (x - 273.15) * 1.8 + 32, "%.1f"
std::string PsigToBarAbsText(const char* text); // x / 14.5034824 + 1.0133, "%.2f"
std::string BarAbsToPsigText(const char* text); // (x - 1.0133) * 14.5034824, "%.1f"

// Number converters, evaluated exactly in the order written.
double BtuhToKw(double x);
double BtuhToW(double x);
double WToBtuh(double x);
double KwToBtuh(double x);
double KwToTons(double x);
double BtuhToTons(double x);
double TonsToKw(double x);
double TonsToBtuh(double x);
double FDiffToKDiff(double x);
double KDiffToFDiff(double x);
double FToK(double x);
double FToC(double x);
double KToF(double x);
double KToC(double x);
double CToK(double x);
double CToF(double x);
double PsiToBar(double x);
double BarToPsi(double x);
