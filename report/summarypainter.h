#pragma once

#include "panelfont.h"
#include "summarylayout.h"

#include <QFont>
#include <QRect>
#include <QString>

#include <array>
#include <string_view>

class QPainter;
class QPaintDevice;

// The main window's own text: header, summary panel, flow line and markers, drawn with a
// QPainter on whatever surface it is handed. Texts are Windows-1252. The painter's pen colour
// is the text colour; in Qt::OpaqueMode its background brush fills each text's cell, as an
// opaque text background does.

// The colours the main window sets before DrawSummary: text (4, 4, 105) on opaque white.
void SetSummaryTextColours(QPainter& painter);

// Draws `text` in Arial of cell height `height` with its cell's top-left corner at (x, y), in
// the painter's text colour and background; returns the text's width in pixels. The painter's
// font is left as it was.
int DrawPanelText(QPainter& painter, std::string_view text, int x, int y, int height);

// A marker disc of diameter d centred on (cx, cy): orange (255, 138, 21), outlined with the
// painter's pen, its letter ("A" + index) in the pen's colour on orange. Leaves the background
// colour orange, as the text background it set for the letter.
void DrawMarker(QPainter& painter, int cx, int cy, int diameter, int index);
// The same for a marker already shaped.
void DrawMarker(QPainter& painter, const MarkerShape& shape);

// One line of marked-up text (see richtext.h) in a 16-pixel Arial, placed in `box` with
// `alignment` (RichTextAlign) and clipped to it. Leaves the painter's state as it found it.
void DrawRichText(QPainter& painter, std::string_view text, const QRect& box, int alignment);
// The same for a line already laid out: its runs, clipped to its box.
void DrawRichText(QPainter& painter, const RichTextLayout& layout);

// The header and the whole summary panel, after the frames, logo and diagram and with the text
// colours set: measured and placed once (PlanSummaryDrawing), then drawn. Leaves the pen black.
void DrawSummary(QPainter& painter, const SummaryState& state);

// A text of the header or panel as a screen reader is given it (see ReadSummary): the text
// without markup, and the rectangle it is painted in when DrawSummary draws on `device`.
struct PanelReading {
    QString text;
    QRect rect;
    int inputRow = -1; // the input row whose control this text labels, or -1
};
std::array<PanelReading, kSummaryReadingCount> ReadPanel(const SummaryState& state,
                                                         const QPaintDevice* device);
