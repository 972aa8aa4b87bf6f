#pragma once

#include "printsurface.h"

#include <QColor>
#include <QPainter>
#include <QPen>

#include <vector>

class QPrinter;

// A print surface on a QPrinter, drawn with a QPainter that lives from the document's start to
// its end. The default font is the one a QPainter on the printer starts with. Bitmaps are
// stored losslessly in PDF output and drawn without smoothing.
class QPrintSurface : public PrintSurface {
public:
    explicit QPrintSurface(QPrinter& printer);
    // Ends the document when it is still open.
    ~QPrintSurface() override;
    QPrintSurface(const QPrintSurface&) = delete;
    QPrintSurface& operator=(const QPrintSurface&) = delete;

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
    void SetTextColor(std::uint32_t color) override;

    void SelectSolidPen(int width, std::uint32_t color) override;
    void Line(int x0, int y0, int x1, int y1) override;

    PrintBitmapSize BitmapSize(int id) const override;
    void StretchBitmap(int id, int x, int y, int width, int height) override;

    void SaveState() override;
    void RestoreState() override;

private:
    struct State {
        QColor textColor;
        QPen pen;
        bool bPainterSaved; // the painter's own state was saved with it
    };

    QFont CurrentFont() const;

    QPrinter& printer;
    QPainter painter;
    QFont defaultFont;         // as the painter started on the printer
    bool bPageStarted = false; // QPainter::begin opens the first page; later pages are new
    QColor textColor = Qt::black;
    QPen pen;
    std::vector<State> saved;
};
