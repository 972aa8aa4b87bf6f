#pragma once

#include "dialogunits.h"

#include <QRect>

class QWidget;

// The dialog units of a widget's own font, which stands for a dialog template's font.
DialogUnits DialogUnitsOf(const QWidget& widget);

// A dialog template's rectangle (dialog units) as a widget geometry in pixels.
QRect DialogRectToPixels(const DialogUnits& units, const Rect& dialogRect);

// Places `control` at the item's rectangle and, when the item has an id, names it "id<id>", the
// name the tests find it by.
void PlaceControl(QWidget& control, const DialogUnits& units, const DialogItem& item);
