#include "panelfont.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>

namespace {

int CellHeight(const QFontMetrics& metrics) {
    return metrics.ascent() + metrics.descent();
}

int CellHeightAt(QFont font, int pixelSize) {
    font.setPixelSize(pixelSize);
    return CellHeight(QFontMetrics(font));
}

// QFont::setPixelSize sets the em height, and a face's cell is taller than its em (about 1.15
// em for Arial). The first guess scales the requested height by the face's cell-to-em ratio;
// then the largest pixel size whose cell still fits the requested height is taken, so that the
// cell is the height asked for wherever the face's rounded metrics allow it.
int PixelSizeForCell(const QFont& font, int cellHeight) {
    const int measured = CellHeightAt(font, cellHeight);
    int size = cellHeight;
    if (measured > 0) {
        size = std::max(1, static_cast<int>(std::lround(static_cast<double>(cellHeight) *
                                                        cellHeight / measured)));
    }
    while (size > 1 && CellHeightAt(font, size) > cellHeight) {
        --size;
    }
    const int limit = 4 * cellHeight + 4;
    while (size < limit && CellHeightAt(font, size + 1) <= cellHeight) {
        ++size;
    }
    return size;
}

QFont::StyleHint StyleHintFor(int pitchAndFamily) {
    switch (pitchAndFamily & 0xF0) {
    case 0x10:
        return QFont::Serif;
    case 0x20:
        return QFont::SansSerif;
    case 0x30:
        return QFont::TypeWriter;
    case 0x40:
        return QFont::Cursive;
    case 0x50:
        return QFont::Fantasy;
    default:
        return QFont::AnyStyle;
    }
}

} // namespace

QFont CreatePanelFont(const QString& face, int width, int height, int weight, int pitchAndFamily) {
    QFont font(face);
    font.setStyleHint(StyleHintFor(pitchAndFamily));
    // Weight 0 asks for no particular weight: normal.
    font.setWeight(static_cast<QFont::Weight>(std::clamp(weight == 0 ? 400 : weight, 1, 1000)));
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    font.setPixelSize(PixelSizeForCell(font, std::max(1, height)));
    if (width > 0) {
        const int natural = QFontMetrics(font).averageCharWidth();
        if (natural > 0) {
            font.setStretch(
                std::clamp(static_cast<int>(std::lround(100.0 * width / natural)), 1, 4000));
        }
    }
    return font;
}
