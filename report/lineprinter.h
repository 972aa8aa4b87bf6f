#pragma once

#include "printsurface.h"
#include "report.h"
#include "resourceids.h"

#include <string>
#include <string_view>
#include <vector>

inline constexpr COLORREF kPrintBlack = RGB(0, 0, 0);

// A line-oriented page writer: prints texts in two columns, one line each, starting a page
// with its header whenever the text reaches the bottom margin. All figures are device pixels.
class CLinePrinter {
public:
    // The title is cut to 255 characters; `documentName` names the print document.
    CLinePrinter(PrintSurface& surface, std::string_view title, std::string documentName);
    // Ends the document when it is still open.
    virtual ~CLinePrinter();
    CLinePrinter(const CLinePrinter&) = delete;
    CLinePrinter& operator=(const CLinePrinter&) = delete;

    // Draws the logo, the title at the right margin and the rule, above the top margin; the
    // title only when it starts inside the page.
    virtual void PrintPageHeader();
    // Selects the device's default font, used for every text of the document.
    virtual void SelectPrintFont();

    // Selects the font, starts the document and measures the page. Always 1.
    int BeginDocument();
    // Prints `text` in column 0 on the next line, or with column 1 on the line of the text
    // printed before it, on that text's page. A new line starts a page first when none is open
    // or the line would start below the bottom margin or end below the page; a fresh page
    // always takes its first line, even when the margins leave no room. Every text lies inside
    // the page and below the top margin: where not even one line fits under the header,
    // nothing is drawn and no page is started. Ignored when no document is open.
    void PrintLine(const std::string& text, int column);
    // Ends the open page and the document.
    void EndDocument();
    // Stretches bitmap `id` to one eighth of the printable width at (x, y), the height in
    // proportion. Draws nothing when the bitmap cannot be loaded.
    void DrawLogoScaled(int id, int x, int y);

    // x offset of column 1: about 30 % of the printable width.
    static int ColumnOffset(int pageWidth) { return static_cast<int>((pageWidth / 4) * 1.2); }

    int TopMargin() const { return nTopMargin; }
    int LeftMargin() const { return nLeftMargin; }
    int PageHeight() const { return nPageHeight; }
    int PageWidth() const { return nPageWidth; }
    int CurrentY() const { return nCurrentY; }
    int LineHeight() const { return nLineHeight; }
    int PageCount() const { return nPageCount; }
    bool PageOpen() const { return bPageOpen; }
    bool DocumentOpen() const { return bDocumentOpen; }

protected:
    PrintSurface& m_surface; // not owned
    std::string m_title;
    int nTopMargin = 0;     // y of the first text line on every page
    int nLeftMargin = 0;    // x of column 0 and of the rule's left end
    int nPageHeight = 0;    // printable height
    int nPageWidth = 0;     // printable width
    int nHeaderSpace = 100; // space above the first line for the header
    int nCurrentY = 0;      // y of the next line
    int nLineHeight = 0;    // line pitch: cell height plus external leading
    int nPageCount = 0;     // pages started
    bool bPageOpen = false;
    bool bDocumentOpen = false;
    std::string m_documentName;

private:
    // Whether a line starting at `y` on the open page stays above the bottom margin and inside
    // the page.
    bool LineFits(int y) const;
    // Ends the open page, starts the next one at the top margin and draws its header.
    void StartNewPage();
};

// "%s v%s": the header title from the product title and version.
std::string ReportTitle(std::string_view title, std::string_view version);

// Prints the report's lines on `surface` as one document: a page writer with `title`, the
// text colour black, every line in order, then the end of the document.
void PrintReportLines(PrintSurface& surface, std::string_view title,
                      const std::string& documentName, const std::vector<ReportLine>& lines);
