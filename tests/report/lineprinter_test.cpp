#include "lineprinter.h"
#include "metricunits.h"
#include "recordingsurface.h"
#include "testdatabase.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string kTitle = "Kestrin Capillary Tube Selector v1.0 ";

// The default recorder: 600 dpi, 4800 × 6600, lines 58 apart, top margin 400, left 300.
constexpr int kTop = 400;
constexpr int kLeft = 300;
constexpr int kPitch = 58;

bool Is(const PrintCall& call, const std::string& op, const std::vector<int>& args,
        const std::string& text = {}) {
    return call.op == op && call.args == args && call.text == text;
}

} // namespace

TEST(LinePrinterDocument, BeginSelectsTheFontStartsTheDocumentAndMeasures) {
    struct Row {
        const char* name;
        int ppiX, ppiY;
        PrintFontMetrics font;
        int top, left, pitch;
    };
    const Row rows[] = {
        {"600 dpi", 600, 600, {50, 8}, 400, 300, 58},
        {"odd resolutions round down", 203, 301, {41, 0}, 250, 101, 41},
        {"screen resolution", 96, 96, {16, 3}, 148, 48, 19},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        RecordingSurface surface;
        surface.nPpiX = row.ppiX;
        surface.nPpiY = row.ppiY;
        surface.font = row.font;
        CLinePrinter printer(surface, kTitle, "velnor");
        EXPECT_EQ(printer.BeginDocument(), 1);
        ASSERT_EQ(surface.calls.size(), 2u); // no page before the first line
        EXPECT_TRUE(Is(surface.calls[0], "SelectDefaultFont", {}));
        EXPECT_TRUE(Is(surface.calls[1], "StartDocument", {}, "velnor"));
        EXPECT_EQ(printer.TopMargin(), row.top);
        EXPECT_EQ(printer.LeftMargin(), row.left);
        EXPECT_EQ(printer.LineHeight(), row.pitch);
        EXPECT_EQ(printer.CurrentY(), row.top);
        EXPECT_EQ(printer.PageWidth(), 4800);
        EXPECT_EQ(printer.PageHeight(), 6600);
        EXPECT_TRUE(printer.DocumentOpen());
        EXPECT_FALSE(printer.PageOpen());
        EXPECT_EQ(printer.PageCount(), 0);
    }
}

TEST(LinePrinterHeader, FirstLineOpensThePageAndDrawsTheHeaderAboveTheTopMargin) {
    RecordingSurface surface;
    CLinePrinter printer(surface, kTitle, "velnor");
    printer.BeginDocument();
    surface.calls.clear();
    printer.PrintLine("Input Data: ", 0);

    const int titleWidth = static_cast<int>(kTitle.size()) * surface.nCharWidth;
    ASSERT_EQ(surface.calls.size(), 9u);
    // Logo one eighth of 4800 wide at (left margin, 1.5 line heights).
    EXPECT_TRUE(Is(surface.calls[0], "StartPage", {}));
    EXPECT_TRUE(Is(surface.calls[1], "StretchBitmap", {132, kLeft, 87, 600, 235}));
    EXPECT_TRUE(Is(surface.calls[2], "SaveState", {}));
    EXPECT_TRUE(Is(surface.calls[3], "SetTextColor", {0}));
    EXPECT_TRUE(Is(surface.calls[4], "SelectSolidPen", {6, 0})); // 600 / 100
    // The title ends at the right margin, one and a half lines above the first line.
    EXPECT_TRUE(Is(surface.calls[5], "TextOut", {4800 - kLeft - titleWidth, kTop - 87}, kTitle));
    EXPECT_TRUE(Is(surface.calls[6], "Line", {kLeft, kTop - 29, 4800 - kLeft, kTop - 29}));
    EXPECT_TRUE(Is(surface.calls[7], "RestoreState", {}));
    EXPECT_TRUE(Is(surface.calls[8], "TextOut", {kLeft, kTop}, "Input Data: "));
    EXPECT_EQ(printer.PageCount(), 1);
    EXPECT_EQ(printer.CurrentY(), kTop + kPitch);
}

TEST(LinePrinterHeader, PenWidthIsAHundredthOfAnInchRoundedDown) {
    for (const auto& [ppi, width] : {std::pair{600, 6}, {150, 1}, {96, 0}, {1200, 12}}) {
        RecordingSurface surface;
        surface.nPpiX = ppi;
        CLinePrinter printer(surface, kTitle, "velnor");
        printer.BeginDocument();
        printer.PrintLine(" ", 0);
        const auto pens = surface.Only("SelectSolidPen");
        ASSERT_EQ(pens.size(), 1u);
        EXPECT_EQ(pens[0].args[0], width) << ppi << " dpi";
    }
}

TEST(LinePrinterHeader, TitleIsCutTo255Characters) {
    RecordingSurface surface;
    CLinePrinter printer(surface, std::string(300, 'x'), "velnor");
    printer.BeginDocument();
    printer.PrintLine(" ", 0);
    EXPECT_EQ(surface.Only("TextOut").at(0).text, std::string(255, 'x'));
}

TEST(LinePrinterColumns, ColumnOneSharesTheLineAtThirtyPercentOfTheWidth) {
    struct Row {
        int width;
        int offset; // floor(width / 4) * 1.2, truncated
    };
    const Row rows[] = {{4800, 1440}, {4803, 1440}, {1999, 598}, {2550, 764}, {9917, 2974}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.width);
        EXPECT_EQ(CLinePrinter::ColumnOffset(row.width), row.offset);
        RecordingSurface surface;
        surface.nWidth = row.width;
        CLinePrinter printer(surface, kTitle, "velnor");
        printer.BeginDocument();
        printer.PrintLine("Refrigerant", 0);
        printer.PrintLine("R-test", 1);
        printer.PrintLine("Heat load of the system", 0);
        const auto texts = surface.Only("TextOut");
        ASSERT_EQ(texts.size(), 4u); // title, then the three texts
        EXPECT_EQ(texts[1].args, (std::vector<int>{kLeft, kTop}));
        EXPECT_EQ(texts[2].args, (std::vector<int>{kLeft + row.offset, kTop}));
        EXPECT_EQ(texts[3].args, (std::vector<int>{kLeft, kTop + kPitch}));
    }
}

TEST(LinePrinterPages, AShortPageContinuesOnANewPageWithItsHeaderDrawnAgain) {
    RecordingSurface surface;
    surface.nHeight = 950; // lines at 400, 458, 516 fit above the bottom margin at 550
    {
        CLinePrinter printer(surface, kTitle, "velnor");
        printer.BeginDocument();
        for (int i = 0; i < 7; ++i)
            printer.PrintLine("line " + std::to_string(i), 0);
        EXPECT_EQ(printer.PageCount(), 3);
        printer.EndDocument();
    }
    std::vector<std::string> pages; // the page and document calls, in order
    for (const std::string& op : surface.Ops())
        if (op.find("Page") != std::string::npos || op.find("Document") != std::string::npos)
            pages.push_back(op);
    EXPECT_EQ(pages, (std::vector<std::string>{"StartDocument", "StartPage", "EndPage", "StartPage",
                                               "EndPage", "StartPage", "EndPage", "EndDocument"}));
    EXPECT_EQ(surface.Only("StretchBitmap").size(), 3u);
    EXPECT_EQ(surface.Only("Line").size(), 3u);
    std::vector<int> ys; // y of every body text, header titles left out
    for (const PrintCall& call : surface.Only("TextOut"))
        if (call.text != kTitle)
            ys.push_back(call.args[1]);
    EXPECT_EQ(ys, (std::vector<int>{400, 458, 516, 400, 458, 516, 400}));
}

TEST(LinePrinterPages, ColumnOneTextStaysBesideItsLabelAtTheFootOfAPage) {
    // The label is the last line of page 1: its value goes beside it there, and the next line
    // opens page 2 at the top margin.
    RecordingSurface surface;
    surface.nHeight = 950;
    CLinePrinter printer(surface, kTitle, "velnor");
    printer.BeginDocument();
    for (const char* text : {"a", "b", "Flow Rate"})
        printer.PrintLine(text, 0);
    printer.PrintLine("11.0 l/min", 1);
    EXPECT_EQ(printer.PageCount(), 1);
    EXPECT_TRUE(Is(surface.calls.back(), "TextOut", {kLeft + 1440, 516}, "11.0 l/min"));
    printer.PrintLine("Length", 0);
    EXPECT_EQ(printer.PageCount(), 2);
    EXPECT_TRUE(Is(surface.calls.back(), "TextOut", {kLeft, kTop}, "Length"));
}

TEST(LinePrinterPages, EveryTextStaysInsideThePageAndBodyTextBelowTheHeader) {
    const std::vector<ReportLine> mixed = {{"a", 0}, {"b", 0},  {"b1", 1},
                                           {"c", 0}, {"c1", 1}, {"d", 0}};
    std::vector<ReportLine> report; // a valid report, 30 lines
    {
        const RefrigerantDatabase db = SimpleDatabase();
        SizingResult r;
        ComputeSizing(db, 0, MetricUnits(), 500, -25, 45, 32, r);
        report = ComposeReportLines({"R-test", "500", "-25", "45", "32"}, r, db, MetricUnits(),
                                    TextLocale{});
    }
    struct Row {
        const char* name;
        int width, height, ppi;
        PrintFontMetrics font;
        const std::vector<ReportLine>& lines;
        int pages;
    };
    const Row rows[] = {
        // As Qt's PDF printer measures A6 landscape at 300 dpi in its default font: 15 lines a
        // page, the flow's label the last of page 1.
        {"A6 landscape", 1666, 1154, 300, {44, 0}, report, 2},
        // The margins overlap: each page still takes one line, the bottom margin gives way.
        {"a page shorter than its two margins: a line a page", 4800, 700, 600, {50, 8}, mixed, 4},
        // Lines taller than the bottom margin would end below the page at its foot; the title
        // would start above the page.
        {"a font taller than the margins: two lines a page, no title",
         4800,
         1720,
         600,
         {450, 0},
         mixed,
         2},
        {"not one line fits under the header: nothing is drawn", 4800, 440, 600, {50, 8}, mixed, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        RecordingSurface surface;
        surface.nWidth = row.width;
        surface.nHeight = row.height;
        surface.nPpiX = surface.nPpiY = row.ppi;
        surface.font = row.font;
        CLinePrinter printer(surface, kTitle, "velnor");
        printer.BeginDocument();
        for (const ReportLine& line : row.lines)
            printer.PrintLine(line.text, line.column);
        EXPECT_EQ(printer.PageCount(), row.pages);
        printer.EndDocument();

        struct Placed {
            std::string text;
            int page, y;
        };
        std::vector<Placed> body;
        int page = 0;
        for (const PrintCall& call : surface.calls) {
            page += call.op == "StartPage";
            if (call.op != "TextOut")
                continue;
            SCOPED_TRACE(call.text);
            EXPECT_GE(call.args[1], call.text == kTitle ? 0 : printer.TopMargin());
            EXPECT_LE(call.args[1] + printer.LineHeight(), row.height);
            if (call.text != kTitle)
                body.push_back({call.text, page, call.args[1]});
        }
        ASSERT_EQ(body.size(), row.pages > 0 ? row.lines.size() : 0u);
        for (std::size_t i = 1; i < body.size(); ++i) {
            if (row.lines[i].column == 1) { // on its label's page and line
                EXPECT_EQ(body[i].page, body[i - 1].page) << body[i].text;
                EXPECT_EQ(body[i].y, body[i - 1].y) << body[i].text;
            }
        }
        if (!body.empty()) {
            EXPECT_EQ(body.back().page, row.pages);
        }
    }
}

TEST(LinePrinterLifecycle, DocumentEndsOnceWhetherEndedOrDestroyed) {
    const auto tail = [](const RecordingSurface& s, std::size_t n) {
        const std::vector<std::string> ops = s.Ops();
        return std::vector<std::string>(ops.end() - static_cast<long>(n), ops.end());
    };
    {
        SCOPED_TRACE("destroyed with a page open");
        RecordingSurface surface;
        {
            CLinePrinter printer(surface, kTitle, "velnor");
            printer.BeginDocument();
            printer.PrintLine("x", 0);
        }
        EXPECT_EQ(tail(surface, 3),
                  (std::vector<std::string>{"TextOut", "EndPage", "EndDocument"}));
    }
    {
        SCOPED_TRACE("destroyed before any line: no page to end");
        RecordingSurface surface;
        {
            CLinePrinter printer(surface, kTitle, "velnor");
            printer.BeginDocument();
        }
        EXPECT_EQ(surface.Ops(),
                  (std::vector<std::string>{"SelectDefaultFont", "StartDocument", "EndDocument"}));
    }
    {
        SCOPED_TRACE("ended, then ended again and destroyed");
        RecordingSurface surface;
        {
            CLinePrinter printer(surface, kTitle, "velnor");
            printer.BeginDocument();
            printer.PrintLine("x", 0);
            printer.EndDocument();
            EXPECT_FALSE(printer.DocumentOpen());
            EXPECT_FALSE(printer.PageOpen());
            printer.EndDocument();
            printer.PrintLine("after the end", 0); // no document: nothing is drawn
        }
        EXPECT_EQ(surface.Only("EndDocument").size(), 1u);
        EXPECT_EQ(surface.Only("EndPage").size(), 1u);
        EXPECT_EQ(surface.Only("StartPage").size(), 1u);
        EXPECT_EQ(surface.Only("TextOut").size(), 2u);
    }
    {
        SCOPED_TRACE("never begun");
        RecordingSurface surface;
        {
            CLinePrinter printer(surface, kTitle, "velnor");
            printer.PrintLine("x", 0);
        }
        EXPECT_TRUE(surface.calls.empty());
    }
}

TEST(LinePrinterLogo, LogoIsOneEighthOfThePrintableWidthWithItsHeightInProportion) {
    struct Row {
        int width;
        int logoWidth, logoHeight;
    };
    const Row rows[] = {
        {4800, 600, 235},  {2400, 300, 117}, {1999, 249, 97}, {1000, 125, 49},
        {9920, 1240, 486}, {0, 156, 61}, // no width to measure: the scale of a 1250-pixel page
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.width);
        RecordingSurface surface;
        surface.nWidth = row.width;
        CLinePrinter printer(surface, kTitle, "velnor");
        printer.DrawLogoScaled(132, 10, 20);
        ASSERT_EQ(surface.calls.size(), 1u);
        EXPECT_TRUE(
            Is(surface.calls[0], "StretchBitmap", {132, 10, 20, row.logoWidth, row.logoHeight}));
    }
}

TEST(LinePrinterLogo, MissingBitmapLeavesTheRestOfTheHeader) {
    RecordingSurface surface;
    surface.logo = {};
    CLinePrinter printer(surface, kTitle, "velnor");
    printer.BeginDocument();
    printer.PrintLine("x", 0);
    EXPECT_TRUE(surface.Only("StretchBitmap").empty());
    EXPECT_EQ(surface.Only("Line").size(), 1u);
    EXPECT_EQ(surface.Only("TextOut").size(), 2u);
}
