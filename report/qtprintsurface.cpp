#include "qtprintsurface.h"

#include "bitmaps.h"
#include "qcolour.h"
#include "qcp1252.h"

#include <QFontMetrics>
#include <QImage>
#include <QPrinter>

QtPrintSurface::QtPrintSurface(QPrinter& target) : m_printer(target) {}

QtPrintSurface::~QtPrintSurface() {
    if (m_painter.isActive())
        m_painter.end();
}

void QtPrintSurface::StartDocument(const std::string& documentName) {
    m_printer.setDocName(FromCp1252(documentName));
    m_pageStarted = false;
    if (m_painter.begin(&m_printer))
        m_defaultFont = m_painter.font();
}

void QtPrintSurface::EndDocument() {
    if (m_painter.isActive())
        m_painter.end();
    m_saved.clear();
}

void QtPrintSurface::StartPage() {
    if (!m_painter.isActive())
        return;
    if (m_pageStarted)
        m_printer.newPage();
    m_pageStarted = true;
}

void QtPrintSurface::EndPage() {
    // A QPrinter page ends when the next one starts or the painter ends.
}

int QtPrintSurface::PrintableWidth() const {
    return m_printer.width();
}

int QtPrintSurface::PrintableHeight() const {
    return m_printer.height();
}

int QtPrintSurface::PixelsPerInchX() const {
    return m_printer.logicalDpiX();
}

int QtPrintSurface::PixelsPerInchY() const {
    return m_printer.logicalDpiY();
}

void QtPrintSurface::SelectDefaultFont() {
    if (m_painter.isActive())
        m_painter.setFont(m_defaultFont);
}

QFont QtPrintSurface::CurrentFont() const {
    // Before the painter starts, the font it will start with on this printer.
    return m_painter.isActive() ? m_painter.font() : QFont(QFont(), &m_printer);
}

PrintFontMetrics QtPrintSurface::FontMetrics() const {
    const QFontMetrics metrics(CurrentFont(), &m_printer);
    PrintFontMetrics result;
    result.nHeight = metrics.ascent() + metrics.descent();
    result.nExternalLeading = metrics.leading() > 0 ? metrics.leading() : 0;
    return result;
}

void QtPrintSurface::TextOut(int x, int y, const std::string& text) {
    if (!m_painter.isActive())
        return;
    m_painter.setPen(QPen(m_textColor));
    // y is the top of the text cell; QPainter places text on its baseline.
    m_painter.drawText(QPoint(x, y + m_painter.fontMetrics().ascent()), FromCp1252(text));
    m_painter.setPen(m_pen);
}

int QtPrintSurface::TextWidth(const std::string& text) const {
    return QFontMetrics(CurrentFont(), &m_printer).horizontalAdvance(FromCp1252(text));
}

void QtPrintSurface::SetTextColor(COLORREF color) {
    m_textColor = ToQColor(color);
}

void QtPrintSurface::SelectSolidPen(int width, COLORREF color) {
    m_pen = QPen(ToQColor(color), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    if (m_painter.isActive())
        m_painter.setPen(m_pen);
}

void QtPrintSurface::Line(int x0, int y0, int x1, int y1) {
    if (!m_painter.isActive())
        return;
    m_painter.setPen(m_pen);
    m_painter.drawLine(x0, y0, x1, y1);
}

PrintBitmapSize QtPrintSurface::BitmapSize(int id) const {
    const QImage image = m_bitmaps.Load(id);
    return {image.width(), image.height()};
}

void QtPrintSurface::StretchBitmap(int id, int x, int y, int width, int height) {
    if (!m_painter.isActive())
        return;
    const QImage image = m_bitmaps.Load(id);
    if (image.isNull())
        return;
    m_painter.save();
    // Without the hint the PDF engine may store the picture as JPEG.
    m_painter.setRenderHint(QPainter::LosslessImageRendering, true);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    m_painter.drawImage(QRect(x, y, width, height), image);
    m_painter.restore();
}

void QtPrintSurface::SaveState() {
    m_saved.push_back({m_textColor, m_pen, m_painter.isActive()});
    if (m_painter.isActive())
        m_painter.save();
}

void QtPrintSurface::RestoreState() {
    if (m_saved.empty())
        return;
    const State state = m_saved.back();
    m_saved.pop_back();
    m_textColor = state.textColor;
    m_pen = state.pen;
    if (m_painter.isActive()) {
        if (state.painterSaved)
            m_painter.restore();
        m_painter.setPen(m_pen);
    }
}
