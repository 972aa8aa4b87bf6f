#include "convert.h"

#include "textnumber.h"

#include <string>

namespace {

// Results normally fit the historical 12-byte buffer; a longer one (a huge input) is kept whole
// in a growing buffer rather than cut, so no caller ever reads a truncated number.
template <int Id> const char* Publish(double value, int decimals) {
    static std::string buffer;
    buffer = FormatFixed(value, decimals);
    return buffer.c_str();
}

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

const char* BtuhToKwText(const char* text) {
    return Publish<0>(BtuhToKw(Parse(text)), 2);
}
const char* KwToBtuhText(const char* text) {
    return Publish<1>(KwToBtuh(Parse(text)), 0);
}
const char* FDiffToKDiffText(const char* text) {
    return Publish<2>(FDiffToKDiff(Parse(text)), 1);
}
const char* KDiffToFDiffText(const char* text) {
    return Publish<3>(KDiffToFDiff(Parse(text)), 1);
}
const char* FToKText(const char* text) {
    return Publish<4>(FToK(Parse(text)), 1);
}
const char* KToFText(const char* text) {
    return Publish<5>(KToF(Parse(text)), 1);
}
const char* PsigToBarAbsText(const char* text) {
    return Publish<6>(Parse(text) / 14.5034824 + 1.0133, 2);
}
const char* BarAbsToPsigText(const char* text) {
    return Publish<7>((Parse(text) - 1.0133) * 14.5034824, 1);
}
