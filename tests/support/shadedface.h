#pragma once

#include "qcolour.h"
#include "shadebutton.h"

#include <QFontMetrics>
#include <QImage>

#include <string>

// Checks a shaded button's face on a picture: every pixel of the button (at `area` in `shot`)
// that the 3-D edges, the focus frame's rows and columns and the text's box leave uncovered must
// show `face` drawn `shift` pixels right and down. Returns "" when all do, else the first pixel
// that does not.
inline std::string FaceMismatch(const QImage& shot, const QRect& area, const CShadeButton& button,
                                const CShadeDib& face, int shift = 0) {
    const int w = area.width();
    const int h = area.height();
    const QRect text = QFontMetrics(button.font())
                           .boundingRect(QRect(6 + shift, shift, w - 12, h),
                                         Qt::AlignCenter | Qt::TextSingleLine, button.text())
                           .adjusted(-1, -1, 1, 1);
    int compared = 0;
    for (int y = 2; y < h - 2; ++y) {
        for (int x = 2; x < w - 2; ++x) {
            if (x == 4 || x == w - 4 || y == 4 || y == h - 4 || text.contains(x, y))
                continue;
            const QColor want = ToQColor(face.PixelColour(x - shift, y - shift));
            const QColor got = shot.pixelColor(area.x() + x, area.y() + y);
            if (got.rgb() != want.rgb()) {
                return std::to_string(x) + "," + std::to_string(y) + " shows " +
                       got.name().toStdString() + " for " + want.name().toStdString();
            }
            ++compared;
        }
    }
    return compared * 8 > w * h ? "" : "too few face pixels to compare";
}
