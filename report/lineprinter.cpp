#include "lineprinter.h"

#include <utility>

namespace {
constexpr std::size_t kMaxTitle = 255;
}

CLinePrinter::CLinePrinter(PrintSurface& target, std::string_view text, std::string name)
    : m_surface(target), m_title(text.substr(0, kMaxTitle)), m_documentName(std::move(name)) {}

CLinePrinter::~CLinePrinter() {
    if (bDocumentOpen)
        EndDocument();
}

int CLinePrinter::BeginDocument() {
    SelectPrintFont();
    m_surface.StartDocument(m_documentName);
    bDocumentOpen = true;
    const PrintFontMetrics font = m_surface.FontMetrics();
    nLineHeight = font.nHeight + font.nExternalLeading;
    nTopMargin = m_surface.PixelsPerInchY() / 2 + nHeaderSpace;
    nLeftMargin = m_surface.PixelsPerInchX() / 2;
    nPageHeight = m_surface.PrintableHeight();
    nPageWidth = m_surface.PrintableWidth();
    nCurrentY = nTopMargin;
    return 1;
}

void CLinePrinter::PrintLine(const std::string& text, int column) {
    if (!bDocumentOpen)
        return;
    // A column-1 text goes on the line of the text printed before it, which already has its
    // place on the open page: label and value stay together, and a value never opens a page.
    const bool besideLast = column == 1 && bPageOpen && nCurrentY > nTopMargin;
    int y = nCurrentY - nLineHeight;
    if (!besideLast) {
        // Where not even the first line fits on a page, below the header, nothing is drawn.
        if (nTopMargin + nLineHeight > nPageHeight)
            return;
        if (!bPageOpen || !LineFits(nCurrentY))
            StartNewPage();
        y = nCurrentY;
        nCurrentY += nLineHeight;
    }
    m_surface.TextOut(nLeftMargin + (column == 1 ? ColumnOffset(nPageWidth) : 0), y, text);
}

bool CLinePrinter::LineFits(int y) const {
    // The bottom margin equals the top margin; a line starts at the latest on it.
    return y <= nPageHeight - nTopMargin && y + nLineHeight <= nPageHeight;
}

void CLinePrinter::StartNewPage() {
    if (bPageOpen)
        m_surface.EndPage();
    m_surface.StartPage();
    ++nPageCount;
    nCurrentY = nTopMargin;
    bPageOpen = true;
    PrintPageHeader();
}

void CLinePrinter::PrintPageHeader() {
    // The maker's logo, 125 x 49 pixels.
    DrawLogoScaled(ResourceId::kLogo, nLeftMargin, static_cast<int>(1.5 * nLineHeight));
    m_surface.SaveState();
    m_surface.SetTextColor(kPrintBlack);
    m_surface.SelectSolidPen(m_surface.PixelsPerInchX() / 100, kPrintBlack);
    const int x = nPageWidth - nLeftMargin - m_surface.TextWidth(m_title);
    const int y = nTopMargin - 3 * nLineHeight / 2;
    // A font too large for the header space would put the title above the page.
    if (y >= 0)
        m_surface.TextOut(x, y, m_title);
    const int yr = nTopMargin - nLineHeight / 2;
    m_surface.Line(nLeftMargin, yr, nPageWidth - nLeftMargin, yr);
    m_surface.RestoreState();
}

void CLinePrinter::SelectPrintFont() {
    m_surface.SelectDefaultFont();
}

void CLinePrinter::EndDocument() {
    if (!bDocumentOpen)
        return;
    if (bPageOpen)
        m_surface.EndPage();
    bPageOpen = false;
    m_surface.EndDocument();
    bDocumentOpen = false;
}

void CLinePrinter::DrawLogoScaled(int id, int x, int y) {
    const PrintBitmapSize bitmap = m_surface.BitmapSize(id);
    if (bitmap.nWidth <= 0 || bitmap.nHeight <= 0)
        return;
    const int printable = m_surface.PrintableWidth();
    const double f = printable != 0 ? static_cast<double>(bitmap.nWidth) / printable : 0.1;
    const double s = 0.125 / f;
    m_surface.StretchBitmap(id, x, y, static_cast<int>(bitmap.nWidth * s),
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
