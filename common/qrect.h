#pragma once

#include "rect.h"

#include <QRect>

// The one conversion between the program's rectangles (right and bottom exclusive) and Qt's.
inline QRect ToQRect(const Rect& rect) {
    return QRect(rect.left, rect.top, rect.Width(), rect.Height());
}

inline Rect FromQRect(const QRect& rect) {
    return Rect::FromSize(rect.x(), rect.y(), rect.width(), rect.height());
}
