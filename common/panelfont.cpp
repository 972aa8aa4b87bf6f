#include "panelfont.h"

#include <QFontMetrics>
#include <QRawFont>

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace {

int CellHeight(const QFontMetrics& metrics) {
    return metrics.ascent() + metrics.descent();
}

// A face as the size search sees it: everything of the font but its size.
using FaceKey = std::tuple<QString, int, int>; // family, weight, style hint

FaceKey KeyOf(const QFont& font) {
    return {font.family(), font.weight(), font.styleHint()};
}

// What the searches of this thread have learnt of each face: the cell height at every pixel size
// measured, and the pixel size found for every cell height asked for. Fonts are made on the
// user-interface thread, and a face's metrics do not change while the program runs.
struct FaceSizes {
    std::map<int, int> cellAt;  // pixel size -> cell height
    std::map<int, int> sizeFor; // cell height -> pixel size
    int loadedSize = 0;         // the size of the engine a search loaded, 0 before the first
};

FaceSizes& SizesOf(const QFont& font) {
    thread_local std::map<FaceKey, FaceSizes> faces;
    return faces[KeyOf(font)];
}

// Measures a face's cell at any pixel size. Loading a font engine asks the font configuration
// for the face's rendering settings, which costs about a million instructions; so only a face's
// first search loads one, at the size it expects to end on, and every size is measured on a copy
// of that engine made at the size (QRawFont::setPixelSize), which shares its face and settings
// and gives the metrics a loaded engine gives. Later searches take the engine from Qt's font
// cache. The text is then drawn with an engine loaded at the size found, as it would be anyway.
class CellMeter {
public:
    CellMeter(const QFont& font, FaceSizes& sizes) : m_font(font), m_sizes(sizes) {}

    int CellAt(int pixelSize) {
        const auto known = m_sizes.cellAt.find(pixelSize);
        if (known != m_sizes.cellAt.end())
            return known->second;
        if (!m_opened) {
            m_opened = true;
            if (m_sizes.loadedSize == 0)
                m_sizes.loadedSize = pixelSize;
            QFont loaded = m_font;
            loaded.setPixelSize(m_sizes.loadedSize);
            m_raw = QRawFont::fromFont(loaded);
        }
        if (m_raw.isValid())
            m_raw.setPixelSize(pixelSize);
        int cell = 0;
        if (m_raw.isValid()) {
            cell = static_cast<int>(std::lround(m_raw.ascent())) +
                   static_cast<int>(std::lround(m_raw.descent()));
        } else {
            // Without a raw font of the face, a loaded engine for each size.
            QFont font = m_font;
            font.setPixelSize(pixelSize);
            cell = CellHeight(QFontMetrics(font));
        }
        m_sizes.cellAt[pixelSize] = cell;
        return cell;
    }

private:
    const QFont& m_font;
    FaceSizes& m_sizes;
    QRawFont m_raw;
    bool m_opened = false;
};

// QFont::setPixelSize sets the em height, and a face's cell is taller than its em. The largest
// pixel size whose cell still fits the requested height is taken, so that the cell is the height
// asked for wherever the face's rounded metrics allow it; the cell grows with the pixel size, so
// the search walks from a first guess to the last size that fits. The guess divides the height
// by the face's cell-to-em ratio as an earlier search of the same face measured it, or for a
// face's first search by 1.15, the ratio of the common sans-serif faces (Arial's).
int PixelSizeForCell(const QFont& font, int cellHeight) {
    FaceSizes& sizes = SizesOf(font);
    const auto found = sizes.sizeFor.find(cellHeight);
    if (found != sizes.sizeFor.end())
        return found->second;
    double cellPerEm = 1.15;
    // The largest size measured gives the ratio with the least rounding in it.
    const auto earlier = std::find_if(sizes.cellAt.rbegin(), sizes.cellAt.rend(),
                                      [](const auto& measured) { return measured.second > 0; });
    if (earlier != sizes.cellAt.rend())
        cellPerEm = static_cast<double>(earlier->second) / earlier->first;
    int size = std::max(1, static_cast<int>(std::lround(cellHeight / cellPerEm)));
    CellMeter meter(font, sizes);
    while (size > 1 && meter.CellAt(size) > cellHeight) {
        --size;
    }
    const int limit = 4 * cellHeight + 4;
    while (size < limit && meter.CellAt(size + 1) <= cellHeight) {
        ++size;
    }
    sizes.sizeFor[cellHeight] = size;
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
