#pragma once

#include "rect.h"

// A control of a dialog template: its id and its rectangle in dialog units. A static text that
// nothing refers to has no id.
struct DialogItem {
    static constexpr int kNoId = -1;
    int nId = kNoId;
    Rect rect;
};

// Converts dialog units into pixels for a font. A horizontal dialog unit is a quarter of the
// font's average character width, a vertical one an eighth of its height; both conversions round
// to the nearest pixel.
class DialogUnits {
public:
    // averageCharWidth and fontHeight in pixels (both taken as at least 1).
    DialogUnits(int averageCharWidth, int fontHeight);

    // The average character width of a font: the width of the 52 letters A-Z a-z / 52, rounded
    // to the nearest pixel.
    static int AverageCharWidth(int widthOfAlphabet);

    int X(int dialogUnits) const;
    int Y(int dialogUnits) const;
    // A dialog template's rectangle, given in dialog units, in pixels: its corner and its size
    // are each converted (so the right edge is X(left) + X(width), not X(right)).
    Rect ToPixels(const Rect& dialogRect) const;

private:
    int m_baseX;
    int m_baseY;
};
