#pragma once

#include "colour.h"

#include <QColor>

// The one conversion between the program's 0x00BBGGRR colours and Qt's.
QColor ToQColor(COLORREF colour);
COLORREF FromQColor(const QColor& colour);
