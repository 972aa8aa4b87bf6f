#include "qprintsurface.h"

#include "bitmaps.h"
#include "qtmessages.h"

#include <QFontMetrics>
#include <QImage>
#include <QPrinter>

namespace {

QColor FromColorRef(std::uint32_t color) {
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

} // namespace

QPrintSurface::QPrintSurface(QPrinter& target) : printer(target) {}

QPrintSurface::~QPrintSurface() {
    if (painter.isActive())
        painter.end();
}

void QPrintSurface::StartDocument(const std::string& documentName) {
    printer.setDocName(ToQString(documentName));
    bPageStarted = false;
    if (painter.begin(&printer))
        defaultFont = painter.font();
}

void QPrintSurface::EndDocument() {
    if (painter.isActive())
        painter.end();
    saved.clear();
}

void QPrintSurface::StartPage() {
    if (!painter.isActive())
        return;
    if (bPageStarted)
        printer.newPage();
    bPageStarted = true;
}

void QPrintSurface::EndPage() {
    // A QPrinter page ends when the next one starts or the painter ends.
}

int QPrintSurface::PrintableWidth() const {
    return printer.width();
}

int QPrintSurface::PrintableHeight() const {
    return printer.height();
}

int QPrintSurface::PixelsPerInchX() const {
    return printer.logicalDpiX();
}

int QPrintSurface::PixelsPerInchY() const {
    return printer.logicalDpiY();
}

void QPrintSurface::SelectDefaultFont() {
    if (painter.isActive())
        painter.setFont(defaultFont);
}

QFont QPrintSurface::CurrentFont() const {
    // Before the painter starts, the font it will start with on this printer.
    return painter.isActive() ? painter.font() : QFont(QFont(), &printer);
}

PrintFontMetrics QPrintSurface::FontMetrics() const {
    const QFontMetrics metrics(CurrentFont(), &printer);
    PrintFontMetrics result;
    result.nHeight = metrics.ascent() + metrics.descent();
    result.nExternalLeading = metrics.leading() > 0 ? metrics.leading() : 0;
    return result;
}

void QPrintSurface::TextOut(int x, int y, const std::string& text) {
    if (!painter.isActive())
        return;
    painter.setPen(QPen(textColor));
    // y is the top of the text cell; QPainter places text on its baseline.
    painter.drawText(QPoint(x, y + painter.fontMetrics().ascent()), ToQString(text));
    painter.setPen(pen);
}

int QPrintSurface::TextWidth(const std::string& text) const {
    return QFontMetrics(CurrentFont(), &printer).horizontalAdvance(ToQString(text));
}

void QPrintSurface::SetTextColor(std::uint32_t color) {
    textColor = FromColorRef(color);
}

void QPrintSurface::SelectSolidPen(int width, std::uint32_t color) {
    pen = QPen(FromColorRef(color), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    if (painter.isActive())
        painter.setPen(pen);
}

void QPrintSurface::Line(int x0, int y0, int x1, int y1) {
    if (!painter.isActive())
        return;
    painter.setPen(pen);
    painter.drawLine(x0, y0, x1, y1);
}

PrintBitmapSize QPrintSurface::BitmapSize(int id) const {
    const QImage image = LoadBitmapResource(id);
    return {image.width(), image.height()};
}

void QPrintSurface::StretchBitmap(int id, int x, int y, int width, int height) {
    if (!painter.isActive())
        return;
    const QImage image = LoadBitmapResource(id);
    if (image.isNull())
        return;
    painter.save();
    // Without the hint the PDF engine may store the picture as JPEG.
    painter.setRenderHint(QPainter::LosslessImageRendering, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(x, y, width, height), image);
    painter.restore();
}

void QPrintSurface::SaveState() {
    saved.push_back({textColor, pen, painter.isActive()});
    if (painter.isActive())
        painter.save();
}

void QPrintSurface::RestoreState() {
    if (saved.empty())
        return;
    const State state = saved.back();
    saved.pop_back();
    textColor = state.textColor;
    pen = state.pen;
    if (painter.isActive()) {
        if (state.bPainterSaved)
            painter.restore();
        painter.setPen(pen);
    }
}
