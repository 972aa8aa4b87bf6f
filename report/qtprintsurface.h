#pragma once

#include "bitmaps.h"
#include "printsurface.h"

#include <QColor>
#include <QPainter>
#include <QPen>

#include <vector>

class QPrinter;

// A print surface on a QPrinter, drawn with a QPainter that lives from the document's start to
// its end. The default font is the one a QPainter on the printer starts with. Bitmaps are
// stored losslessly in PDF output and drawn without smoothing.
class QtPrintSurface : public PrintSurface {
public:
    explicit QtPrintSurface(QPrinter& m_printer);
    // Ends the document when it is still open.
    ~QtPrintSurface() override;
    QtPrintSurface(const QtPrintSurface&) = delete;
    QtPrintSurface& operator=(const QtPrintSurface&) = delete;

    void StartDocument(const std::string& documentName) override;
    void EndDocument() override;
    void StartPage() override;
    void EndPage() override;

    int PrintableWidth() const override;
    int PrintableHeight() const override;
    int PixelsPerInchX() const override;
    int PixelsPerInchY() const override;

    void SelectDefaultFont() override;
    PrintFontMetrics FontMetrics() const override;

    void TextOut(int x, int y, const std::string& text) override;
    int TextWidth(const std::string& text) const override;
    void SetTextColor(COLORREF color) override;

    void SelectSolidPen(int width, COLORREF color) override;
    void Line(int x0, int y0, int x1, int y1) override;

    PrintBitmapSize BitmapSize(int id) const override;
    void StretchBitmap(int id, int x, int y, int width, int height) override;

    void SaveState() override;
    void RestoreState() override;

private:
    struct State {
        QColor textColor;
        QPen pen;
        bool painterSaved; // the painter's own state was saved with it
    };

    QFont CurrentFont() const;

    QPrinter& m_printer;
    QPainter m_painter;
    mutable BitmapCache m_bitmaps; // the header's logo, rendered once per document
    QFont m_defaultFont;           // as the painter started on the printer
    bool m_pageStarted = false;    // QPainter::begin opens the first page; later pages are new
    QColor m_textColor = Qt::black;
    QPen m_pen;
    std::vector<State> m_saved;
};
