#pragma once

#include "colour.h"

#include <string>

// The metrics of the font selected into a print surface, in device pixels.
struct PrintFontMetrics {
    int nHeight = 0;          // cell height: ascent plus descent
    int nExternalLeading = 0; // space the font asks for between lines
};

// The pixel size of a bitmap resource; 0 × 0 when there is no such bitmap.
struct PrintBitmapSize {
    int nWidth = 0;
    int nHeight = 0;
};

// The device a printed document is drawn on. Coordinates are device pixels with the origin at
// the top-left corner of the printable area; texts are Windows-1252.
// Outcomes of the printing operations are not reported: printing errors are not shown.
class PrintSurface {
public:
    virtual ~PrintSurface() = default;

    virtual void StartDocument(const std::string& documentName) = 0;
    virtual void EndDocument() = 0;
    virtual void StartPage() = 0;
    virtual void EndPage() = 0;

    virtual int PrintableWidth() const = 0;
    virtual int PrintableHeight() const = 0;
    virtual int PixelsPerInchX() const = 0;
    virtual int PixelsPerInchY() const = 0;

    // Selects the device's own default font; every text after it is drawn in that font.
    virtual void SelectDefaultFont() = 0;
    virtual PrintFontMetrics FontMetrics() const = 0;

    // Draws `text` with the top-left corner of its cell at (x, y), in the text colour.
    virtual void TextOut(int x, int y, const std::string& text) = 0;
    virtual int TextWidth(const std::string& text) const = 0;
    virtual void SetTextColor(COLORREF color) = 0;

    // Selects a solid pen for lines; width 0 is the device's thinnest line.
    virtual void SelectSolidPen(int width, COLORREF color) = 0;
    virtual void Line(int x0, int y0, int x1, int y1) = 0;

    virtual PrintBitmapSize BitmapSize(int id) const = 0;
    // Stretches the whole bitmap onto the rectangle, pixels copied unchanged.
    virtual void StretchBitmap(int id, int x, int y, int width, int height) = 0;

    // Text colour and pen; restores pair with saves, last saved first.
    virtual void SaveState() = 0;
    virtual void RestoreState() = 0;
};
