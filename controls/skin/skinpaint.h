#pragma once

#include "headerbitmaps.h"
#include "skinlistmodel.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

// Qt helpers shared by the skinned controls.

// A pixel table as a 32-bit image of the same size.
QImage SkinBitmapImage(const SkinBitmap& bitmap);

// Header bitmap 138, 139 or 140 as an image, made once; a null image for any other number.
const QImage& HeaderBitmapImage(int nId);

QColor SkinQColor(SkinColor color);

// A font of the given face whose cell (ascent plus descent) is at most nCellHeight pixels,
// as large as that allows: the way the panels and controls ask for their fonts by cell height.
// nWeight is on the usual 100 to 900 scale (400 normal, 700 bold).
QFont CellHeightFont(const QString& face, int nCellHeight, int nWeight = 400);

// Makes `buffer` an off-screen surface for a client area of `size` logical pixels at the given
// device pixel ratio, reusing it when it already fits.
void PrepareOffscreen(QImage& buffer, const QSize& size, qreal ratio);
