#include "lineprinter.h"

#include <utility>

namespace {
constexpr std::size_t kMaxTitle = 255;
}

CLinePrinter::CLinePrinter(PrintSurface& target, std::string_view text, std::string name)
    : surface(target), title(text.substr(0, kMaxTitle)), documentName(std::move(name)) {}

CLinePrinter::~CLinePrinter() {
    if (bDocumentOpen)
        EndDocument();
}

int CLinePrinter::BeginDocument() {
    SelectPrintFont();
    surface.StartDocument(documentName);
    bDocumentOpen = 1;
    const PrintFontMetrics font = surface.FontMetrics();
    nLineHeight = font.nHeight + font.nExternalLeading;
    nTopMargin = surface.PixelsPerInchY() / 2 + nHeaderSpace;
    nLeftMargin = surface.PixelsPerInchX() / 2;
    nPageHeight = surface.PrintableHeight();
    nPageWidth = surface.PrintableWidth();
    nCurrentY = nTopMargin;
    return 1;
}

void CLinePrinter::PrintLine(const std::string& text, int column) {
    if (!bDocumentOpen)
        return;
    // The bottom margin equals the top margin.
    if (!bPageOpen || nCurrentY > nPageHeight - nTopMargin) {
        if (bPageOpen)
            surface.EndPage();
        surface.StartPage();
        ++nPageCount;
        nCurrentY = nTopMargin;
        bPageOpen = 1;
        PrintPageHeader();
    }
    int x = 0;
    if (column == 1) {
        x = ColumnOffset(nPageWidth);
        nCurrentY -= nLineHeight;
    }
    surface.TextOut(nLeftMargin + x, nCurrentY, text);
    nCurrentY += nLineHeight;
}

void CLinePrinter::PrintPageHeader() {
    DrawLogoScaled(kLogoBitmap, nLeftMargin, static_cast<int>(1.5 * nLineHeight));
    surface.SaveState();
    surface.SetTextColor(kPrintBlack);
    surface.SelectSolidPen(surface.PixelsPerInchX() / 100, kPrintBlack);
    const int x = nPageWidth - nLeftMargin - surface.TextWidth(title);
    surface.TextOut(x, nTopMargin - 3 * nLineHeight / 2, title);
    const int yr = nTopMargin - nLineHeight / 2;
    surface.Line(nLeftMargin, yr, nPageWidth - nLeftMargin, yr);
    surface.RestoreState();
}

void CLinePrinter::SelectPrintFont() {
    surface.SelectDefaultFont();
}

void CLinePrinter::EndDocument() {
    if (!bDocumentOpen)
        return;
    if (bPageOpen)
        surface.EndPage();
    bPageOpen = 0;
    surface.EndDocument();
    bDocumentOpen = 0;
}

void CLinePrinter::DrawLogoScaled(int id, int x, int y) {
    const PrintBitmapSize bitmap = surface.BitmapSize(id);
    if (bitmap.nWidth <= 0 || bitmap.nHeight <= 0)
        return;
    const int printable = surface.PrintableWidth();
    const double f = printable != 0 ? static_cast<double>(bitmap.nWidth) / printable : 0.1;
    const double s = 0.125 / f;
    surface.StretchBitmap(id, x, y, static_cast<int>(bitmap.nWidth * s),
                          static_cast<int>(bitmap.nHeight * s));
}

std::string ReportTitle(std::string_view title, std::string_view version) {
    std::string text(title);
    text += " v";
    text += version;
    return text;
}

void PrintReportLines(PrintSurface& surface, std::string_view title,
                      const std::string& documentName, const std::vector<ReportLine>& lines) {
    CLinePrinter printer(surface, title, documentName);
    printer.BeginDocument();
    surface.SetTextColor(kPrintBlack);
    for (const ReportLine& line : lines)
        printer.PrintLine(line.text, line.column);
    printer.EndDocument();
}
