#pragma once

#include "dialogunits.h"

class QWidget;

// The dialog units of a widget's own font, which stands for a dialog template's font.
DialogUnits DialogUnitsOf(const QWidget& widget);
