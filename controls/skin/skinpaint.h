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
