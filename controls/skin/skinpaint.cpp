#include "skinpaint.h"

#include <QFontMetrics>

QImage SkinBitmapImage(const SkinBitmap& bitmap) {
    if (!bitmap.IsValid())
        return {};
    QImage image(bitmap.nWidth, bitmap.nHeight, QImage::Format_RGB32);
    for (int y = 0; y < bitmap.nHeight; ++y) {
        for (int x = 0; x < bitmap.nWidth; ++x)
            image.setPixel(x, y, 0xFF000000u | bitmap.Pixel(x, y));
    }
    return image;
}

const QImage& HeaderBitmapImage(int nId) {
    static const QImage strip = SkinBitmapImage(HeaderBitmap(IDB_HEADER_STRIP));
    static const QImage left = SkinBitmapImage(HeaderBitmap(IDB_HEADER_LEFT));
    static const QImage right = SkinBitmapImage(HeaderBitmap(IDB_HEADER_RIGHT));
    static const QImage none;
    switch (nId) {
    case IDB_HEADER_STRIP:
        return strip;
    case IDB_HEADER_LEFT:
        return left;
    case IDB_HEADER_RIGHT:
        return right;
    default:
        return none;
    }
}

QColor SkinQColor(SkinColor color) {
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}
