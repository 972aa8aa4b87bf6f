#include "dialogunits.h"

#include <algorithm>

namespace {

// n * numerator / denominator rounded to the nearest integer, halves away from zero.
int ScaleRounded(int n, int numerator, int denominator) {
    const long long product = static_cast<long long>(n) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : -((-product + half) / denominator));
}

} // namespace

DialogUnits::DialogUnits(int averageCharWidth, int fontHeight)
    : m_baseX(std::max(averageCharWidth, 1)), m_baseY(std::max(fontHeight, 1)) {}

int DialogUnits::AverageCharWidth(int widthOfAlphabet) {
    return ScaleRounded(widthOfAlphabet, 1, 52);
}

int DialogUnits::X(int dialogUnits) const {
    return ScaleRounded(dialogUnits, m_baseX, 4);
}

int DialogUnits::Y(int dialogUnits) const {
    return ScaleRounded(dialogUnits, m_baseY, 8);
}

Rect DialogUnits::ToPixels(const Rect& dialogRect) const {
    return Rect::FromSize(X(dialogRect.left), Y(dialogRect.top), X(dialogRect.Width()),
                          Y(dialogRect.Height()));
}
