#include "summarypainter.h"

#include "qcolour.h"
#include "qcp1252.h"
#include "qrect.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr COLORREF kTextColour = RGB(4, 4, 105);
constexpr COLORREF kTextBackground = RGB(255, 255, 255);
constexpr COLORREF kMarkerOrange = RGB(255, 138, 21);
constexpr COLORREF kMarkerInk = RGB(0, 0, 0);
const QString kPanelFace = QStringLiteral("Arial");
constexpr int kPanelWeight = 400;
constexpr int kPanelPitchAndFamily = 1;

int CellHeight(const QFontMetrics& metrics) {
    return metrics.ascent() + metrics.descent();
}

QFont PanelFont(int height) {
    return CreatePanelFont(kPanelFace, 0, height, kPanelWeight, kPanelPitchAndFamily);
}

QFont FontFor(const PanelFontSpec& request) {
    return CreatePanelFont(FromCp1252(request.face), request.width, request.height, request.weight,
                           request.pitchAndFamily);
}

// Draws `text` with its cell's top-left corner at (x, top): the cell filled with the background
// brush when the painter is opaque, the glyphs in the pen's colour. Returns the text's width.
int DrawTextCell(QPainter& painter, const QFont& font, const QString& text, int x, int top) {
    const QFontMetrics metrics(font, painter.device());
    const int width = metrics.horizontalAdvance(text);
    if (painter.backgroundMode() == Qt::OpaqueMode && width > 0) {
        painter.fillRect(QRect(x, top, width, CellHeight(metrics)), painter.background());
    }
    painter.save();
    painter.setFont(font);
    painter.setBackgroundMode(Qt::TransparentMode); // the cell is filled already
    painter.drawText(QPoint(x, top + metrics.ascent()), text);
    painter.restore();
    return width;
}

TextMeasurer MeasurerFor(const QPaintDevice* device) {
    return [device](std::string_view text, const PanelFontSpec& request) {
        const QFontMetrics metrics(FontFor(request), device);
        return TextExtent{metrics.horizontalAdvance(FromCp1252(text)), CellHeight(metrics)};
    };
}

} // namespace

void SetSummaryTextColours(QPainter& painter) {
    painter.setPen(ToQColor(kTextColour));
    painter.setBackground(QBrush(ToQColor(kTextBackground)));
    painter.setBackgroundMode(Qt::OpaqueMode);
}

std::array<PanelReading, kSummaryReadingCount> ReadPanel(const SummaryState& state,
                                                         const QPaintDevice* device) {
    const auto measure = [device](const SummaryText& piece) {
        const QFontMetrics metrics(PanelFont(piece.height), device);
        return QRect(piece.x, piece.y, metrics.horizontalAdvance(FromCp1252(piece.text)),
                     CellHeight(metrics));
    };
    const SummaryPlan plan = PlanSummaryDrawing(state, MeasurerFor(device)).plan;
    std::array<PanelReading, kSummaryReadingCount> panel;
    const auto readings = ReadSummary(state, plan);
    for (std::size_t i = 0; i < readings.size(); ++i) {
        panel[i].text = FromCp1252(readings[i].text);
        panel[i].rect = ToQRect(readings[i].box);
        panel[i].inputRow = readings[i].nInputRow;
        for (const SummaryText& piece : readings[i].pieces)
            panel[i].rect |= measure(piece);
    }
    return panel;
}

int DrawPanelText(QPainter& painter, std::string_view text, int x, int y, int height) {
    return DrawTextCell(painter, PanelFont(height), FromCp1252(text), x, y);
}

void DrawMarker(QPainter& painter, int cx, int cy, int diameter, int index) {
    DrawMarker(painter, ShapeMarker(cx, cy, diameter, index));
}

void DrawMarker(QPainter& painter, const MarkerShape& shape) {
    if (shape.diameter >= 1) {
        painter.save();
        painter.setBrush(ToQColor(kMarkerOrange));
        // The outline runs through the centres of the outermost pixels, so that the circle
        // covers the d x d pixels from (left, top), as a one-pixel pen does on the square.
        const double d = shape.diameter;
        painter.drawEllipse(QRectF(shape.left + 0.5, shape.top + 0.5, d - 1.0, d - 1.0));
        painter.restore();
    }
    painter.setBackground(QBrush(ToQColor(kMarkerOrange)));
    if (shape.letterHeight > 0) {
        DrawPanelText(painter, shape.letter, shape.letterX, shape.letterY, shape.letterHeight);
    }
}

void DrawRichText(QPainter& painter, std::string_view text, const QRect& box, int alignment) {
    DrawRichText(painter,
                 LayoutRichText(text, FromQRect(box), alignment, MeasurerFor(painter.device())));
}

void DrawRichText(QPainter& painter, const RichTextLayout& layout) {
    const QFont base = FontFor(layout.metrics.base);
    const QFont script = FontFor(layout.metrics.script);
    const int baseCell = CellHeight(QFontMetrics(base, painter.device()));
    const int scriptCell = CellHeight(QFontMetrics(script, painter.device()));

    painter.save();
    painter.setClipRect(ToQRect(layout.clip), Qt::IntersectClip);
    for (const RichTextRun& run : layout.runs) {
        // A run's y is the bottom of its cell.
        const int top = run.y - (run.bScript ? scriptCell : baseCell);
        DrawTextCell(painter, run.bScript ? script : base, FromCp1252(run.text), run.x, top);
    }
    painter.restore();
}

void DrawSummary(QPainter& painter, const SummaryState& state) {
    const SummaryDrawing drawing = PlanSummaryDrawing(state, MeasurerFor(painter.device()));
    const SummaryPlan& plan = drawing.plan;
    const auto draw = [&painter](const SummaryText& item) {
        DrawPanelText(painter, item.text, item.x, item.y, item.height);
    };
    draw(drawing.productName);
    std::for_each(plan.header.begin(), plan.header.end(), draw);
    std::for_each(plan.titles.begin(), plan.titles.end(), draw);
    DrawRichText(painter, drawing.flowLine);
    draw(plan.hint);
    std::for_each(plan.inputs.begin(), plan.inputs.end(), draw);

    // The letters and the markers' outlines are black.
    painter.setPen(QPen(ToQColor(kMarkerInk)));
    for (const MarkerShape& marker : drawing.markers)
        DrawMarker(painter, marker);
}
