#pragma once

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

private:
    int m_nBaseX;
    int m_nBaseY;
};
