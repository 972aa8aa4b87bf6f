#pragma once

#include "colour.h"

#include <QColor>

// The one conversion between the program's 0x00BBGGRR colours and Qt's.
QColor ToQColor(COLORREF colour);
COLORREF FromQColor(const QColor& colour);

// The same colour as an opaque QRgb, for images filled pixel by pixel.
inline QRgb ToQRgb(COLORREF colour) {
    return qRgb(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}
