#include "convert.h"

#include "textnumber.h"

#include <string>

namespace {

double Parse(const char* text) {
    return text ? ParseLeadingNumber(text) : 0.0;
}

} // namespace

double BtuhToKw(double x) {
    return x * 0.0002930667;
}
double BtuhToW(double x) {
    return x * 0.29307107;
}
double WToBtuh(double x) {
    return x * 3.41214163;
}
double KwToBtuh(double x) {
    return x * 3412.19;
}
double KwToTons(double x) {
    return x / 3.5168001;
}
double BtuhToTons(double x) {
    return x / 12000.0;
}
double TonsToKw(double x) {
    return x * 3.5168001;
}
double TonsToBtuh(double x) {
    return x * 12000.0;
}
double FDiffToKDiff(double x) {
    return x / 1.8;
}
double KDiffToFDiff(double x) {
    return x * 1.8;
}
double FToK(double x) {
    return (x - 32.0) / 1.8 + 273.15;
}
double FToC(double x) {
    return (x - 32.0) / 1.8;
}
double KToF(double x) {
    return (x - 273.15) * 1.8 + 32.0;
}
double KToC(double x) {
    return x - 273.15;
}
double CToK(double x) {
    return x + 273.15;
}
double CToF(double x) {
    return x * 1.8 + 32.0;
}
double PsiToBar(double x) {
    return x / 14.5034824;
}
double BarToPsi(double x) {
    return x * 14.5034824;
}

std::string BtuhToKwText(const char* text) {
    return FormatFixed(BtuhToKw(Parse(text)), 2);
}
std::string KwToBtuhText(const char* text) {
    return FormatFixed(KwToBtuh(Parse(text)), 0);
}
std::string FDiffToKDiffText(const char* text) {
    return FormatFixed(FDiffToKDiff(Parse(text)), 1);
}
std::string KDiffToFDiffText(const char* text) {
    return FormatFixed(KDiffToFDiff(Parse(text)), 1);
}
std::string FToKText(const char* text) {
    return FormatFixed(FToK(Parse(text)), 1);
}
std::string KToFText(const char* text) {
    return FormatFixed(KToF(Parse(text)), 1);
}
std::string PsigToBarAbsText(const char* text) {
    return FormatFixed(Parse(text) / 14.5034824 + 1.0133, 2);
}
std::string BarAbsToPsigText(const char* text) {
    return FormatFixed((Parse(text) - 1.0133) * 14.5034824, 1);
}
