// The report on Qt's printer: a real PDF read back with the document tools, the surface's
// metrics and font, and the print dialog.
#include "bitmaps.h"
#include "cp1252.h"
#include "lineprinter.h"
#include "printreport.h"
#include "qcp1252.h"
#include "qtprintsurface.h"
#include "report.h"
#include "testdatabase.h"

#include <QAbstractPrintDialog>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QImage>
#include <QLineEdit>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace {

const std::string kTitle = "Kestrin Capillary Tube Selector v1.0 ";

std::unique_ptr<QPrinter> PdfPrinter(const QString& file) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(file);
    printer->setPageSize(QPageSize(QPageSize::A4));
    return printer;
}

// Runs a document tool; its standard output, or an empty text when it failed.
QByteArray RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

bool HaveTools() {
    for (const char* tool : {"pdftotext", "pdftoppm", "pdfinfo", "pdfimages"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            return false;
    return true;
}

std::vector<ReportLine> ValidReportLines() {
    const RefrigerantDatabase db = SimpleDatabase();
    UnitSettings u; // Btu/hr, ºF, psi, inches, inches, CFM
    SizingResult r;
    ComputeSizing(db, 0, u, 1706, -13, 113, 89.6, r);
    return ComposeReportLines({"R-test", "1706", "-13", "113", "89.6"}, r, db, u, TextLocale{});
}

// The valid report printed to a PDF file on the printer Printer() makes.
class PrintedPdf : public ::testing::Test {
protected:
    virtual std::unique_ptr<QPrinter> Printer(const QString& file) const {
        return PdfPrinter(file);
    }

    void SetUp() override {
        if (!HaveTools())
            GTEST_SKIP() << "the PDF tools are not installed";
        ASSERT_TRUE(dir.isValid());
        pdf = dir.filePath(QStringLiteral("report.pdf"));
        lines = ValidReportLines();
        auto printer = Printer(pdf);
        PrintReportOn(*printer, lines, title);
        ASSERT_TRUE(QFileInfo::exists(pdf));
    }

    std::string title = kTitle;
    QTemporaryDir dir;
    QString pdf;
    std::vector<ReportLine> lines;
};

} // namespace

TEST_F(PrintedPdf, OnePageWithTheHeaderAndEveryLineInOrder) {
    const QString info = QString::fromUtf8(RunTool(QStringLiteral("pdfinfo"), {pdf}));
    EXPECT_TRUE(info.contains(
        QRegularExpression(QStringLiteral("^Pages: +1$"), QRegularExpression::MultilineOption)))
        << info.toStdString();
    // The document is named after the application.
    EXPECT_TRUE(info.contains(QRegularExpression(
        QStringLiteral("^Title: +") + QCoreApplication::applicationName() + QStringLiteral("$"),
        QRegularExpression::MultilineOption)))
        << info.toStdString();

    const std::string text =
        RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")})
            .toStdString();
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.find('\f'), text.size() - 1) << "one page";
    std::vector<std::string> rows; // the printed lines of text
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        rows.push_back(text.substr(start, end - start));

    // The title comes first, right of the logo; then every text in order, each column-1 text
    // on the row of its label.
    std::size_t row = 0;
    while (row < rows.size() &&
           rows[row].find("Kestrin Capillary Tube Selector v1.0") == std::string::npos)
        ++row;
    ASSERT_LT(row, rows.size()) << text;
    std::size_t labelColumn = std::string::npos;
    for (const ReportLine& line : lines) {
        if (line.text == " ")
            continue;
        // The text tool drops trailing blanks and reads two blanks ("19  in.") as one.
        std::string want = Cp1252ToUtf8(line.text);
        want.erase(want.find_last_not_of(' ') + 1);
        for (std::size_t at; (at = want.find("  ")) != std::string::npos;)
            want.erase(at, 1);
        SCOPED_TRACE(want);
        if (line.column == 1) {
            const std::size_t at = rows[row].find(want, labelColumn + 1);
            EXPECT_NE(at, std::string::npos) << "beside its label: " << rows[row];
            continue;
        }
        std::size_t found = row + 1;
        while (found < rows.size() && rows[found].find(want) == std::string::npos)
            ++found;
        ASSERT_LT(found, rows.size()) << "after row " << row << ":\n" << text;
        row = found;
        labelColumn = rows[row].find(want);
    }
    EXPECT_NE(text.find("Return gas temperature"), std::string::npos);
    EXPECT_NE(text.find("89.6 \xC2\xBA"
                        "F"),
              std::string::npos);

    // The document and a picture of its page for people to look at, beside the test programs.
    QFile::remove(QStringLiteral("report-print.pdf"));
    QFile::copy(pdf, QStringLiteral("report-print.pdf"));
    const QString png = QStringLiteral("report-print");
    RunTool(QStringLiteral("pdftoppm"),
            {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("60"),
             QStringLiteral("-singlefile"), pdf, png});
    EXPECT_TRUE(QFileInfo::exists(png + QStringLiteral(".png")));
}

TEST_F(PrintedPdf, LogoIsStoredLosslessly) {
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_FALSE(bytes.contains("/DCTDecode")) << "the logo went in as JPEG";

    const QByteArray list = RunTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
    const QList<QByteArray> images = list.split('\n');
    ASSERT_GE(images.size(), 3) << list.constData(); // two heading rows, then the images
    const QList<QByteArray> logo = images[2].simplified().split(' ');
    ASSERT_GE(logo.size(), 9);
    EXPECT_EQ(logo[3], "125");
    EXPECT_EQ(logo[4], "49");
    EXPECT_EQ(logo[8], "image"); // neither "jpeg" nor any other lossy encoding

    // The stored pixels are the bitmap's own.
    const QString stem = dir.filePath(QStringLiteral("logo"));
    RunTool(QStringLiteral("pdfimages"), {QStringLiteral("-png"), pdf, stem});
    const QImage stored(stem + QStringLiteral("-000.png"));
    ASSERT_FALSE(stored.isNull());
    EXPECT_EQ(stored.convertToFormat(QImage::Format_RGB32),
              LoadBitmapResource(ResourceId::kLogo).convertToFormat(QImage::Format_RGB32));
}

namespace {

// A6 landscape, a page too short for the report, with a page range of 2 to 2 left on the printer
// (the report has no pages to choose: it prints them all).
class PrintedOnSmallPaper : public PrintedPdf {
protected:
    struct Word {
        std::string text;
        int page;
        double left, top, right, bottom; // points from the page's top-left corner
    };

    PrintedOnSmallPaper() { title = "Header v1.0"; } // no word of it in the body

    static std::unique_ptr<QPrinter> SmallPrinter(const QString& file) {
        auto printer = PdfPrinter(file);
        printer->setPageSize(QPageSize(QPageSize::A6));
        printer->setPageOrientation(QPageLayout::Landscape);
        printer->setResolution(kReportResolution);
        return printer;
    }

    std::unique_ptr<QPrinter> Printer(const QString& file) const override {
        auto printer = SmallPrinter(file);
        printer->setPrintRange(QPrinter::PageRange);
        printer->setFromTo(2, 2);
        return printer;
    }

    void SetUp() override {
        PrintedPdf::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;

        // The writer's top margin on this paper, in points below the page's top edge.
        auto probe = SmallPrinter(dir.filePath(QStringLiteral("probe.pdf")));
        QtPrintSurface surface(*probe);
        CLinePrinter writer(surface, title, "probe");
        writer.BeginDocument();
        const QRectF paint = probe->pageLayout().paintRect(QPageLayout::Point);
        topMargin = paint.top() + writer.TopMargin() * 72.0 / kReportResolution;
        pageSize = probe->pageLayout().fullRect(QPageLayout::Point).size();

        // pdftotext -bbox: <page ...> opens a page, <word xMin= yMin= xMax= yMax=>text</word>.
        const QString html = QString::fromUtf8(RunTool(
            QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")}));
        const QRegularExpression word(QStringLiteral(
            R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
        int page = 0;
        for (const QString& line : html.split(QLatin1Char('\n'))) {
            if (line.contains(QStringLiteral("<page ")))
                ++page;
            const QRegularExpressionMatch m = word.match(line);
            if (m.hasMatch())
                words.push_back({m.captured(5).toStdString(), page, m.captured(1).toDouble(),
                                 m.captured(2).toDouble(), m.captured(3).toDouble(),
                                 m.captured(4).toDouble()});
        }
        ASSERT_FALSE(words.empty()) << html.toStdString();
    }

    bool InTitle(const Word& w) const {
        return QString::fromStdString(title)
            .split(QLatin1Char(' '))
            .contains(QString::fromStdString(w.text));
    }

    std::vector<Word> words;
    double topMargin = 0;
    QSizeF pageSize;
};

} // namespace

TEST_F(PrintedOnSmallPaper, EveryPageIsPrintedWhateverRangeThePrinterHolds) {
    // The body's words line by line, each line from left to right.
    std::vector<Word> sorted = words;
    std::stable_sort(sorted.begin(), sorted.end(), [](const Word& a, const Word& b) {
        return std::tie(a.page, a.top, a.left) < std::tie(b.page, b.top, b.left);
    });
    std::string printed;
    for (const Word& w : sorted)
        if (!InTitle(w))
            printed += w.text + " ";
    std::string expected;
    for (const ReportLine& line : lines)
        for (const QString& w : FromCp1252(line.text).split(QLatin1Char(' '), Qt::SkipEmptyParts))
            expected += w.toStdString() + " ";
    EXPECT_EQ(printed, expected);
    EXPECT_GE(words.back().page, 2);
    EXPECT_EQ(words.front().page, 1);

    // Pictures of the pages for people to look at, beside the test programs.
    QFile::remove(QStringLiteral("report-a6-landscape.pdf"));
    QFile::copy(pdf, QStringLiteral("report-a6-landscape.pdf"));
    RunTool(QStringLiteral("pdftoppm"),
            {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("100"), pdf,
             QStringLiteral("report-a6-landscape")});
}

TEST_F(PrintedOnSmallPaper, NoTextAboveTheTopMarginOrOffThePage) {
    for (const Word& w : words) {
        SCOPED_TRACE(w.text + " on page " + std::to_string(w.page));
        EXPECT_GE(w.top, InTitle(w) ? 0.0 : topMargin - 0.5);
        EXPECT_LE(w.bottom, pageSize.height());
        EXPECT_LE(w.right, pageSize.width());
    }
}

TEST(QtPrintSurface, MeasuresThePrinterInDevicePixels) {
    QTemporaryDir dir;
    auto printer = PdfPrinter(dir.filePath(QStringLiteral("m.pdf")));
    QtPrintSurface surface(*printer);
    EXPECT_EQ(surface.PixelsPerInchX(), 1200);
    EXPECT_EQ(surface.PixelsPerInchY(), 1200);
    EXPECT_EQ(surface.PrintableWidth(), printer->width());
    EXPECT_EQ(surface.PrintableHeight(), printer->height());
    EXPECT_GT(surface.PrintableWidth(), 7 * 1200); // A4 less its margins
    EXPECT_EQ(surface.BitmapSize(ResourceId::kLogo).nWidth, 125);
    EXPECT_EQ(surface.BitmapSize(ResourceId::kLogo).nHeight, 49);
    EXPECT_EQ(surface.BitmapSize(999).nWidth, 0);
    EXPECT_EQ(LoadBitmapResource(ResourceId::kLogo).depth(), 8);
}

TEST(QtPrintSurface, DefaultFontIsTheOneAPainterStartsWithOnThePrinter) {
    QTemporaryDir dir;
    auto reference = PdfPrinter(dir.filePath(QStringLiteral("r.pdf")));
    QPainter painter(reference.get());
    const QFontMetrics expected = painter.fontMetrics();
    const int expectedWidth = expected.horizontalAdvance(QStringLiteral("Flow Rate"));
    painter.end();

    auto printer = PdfPrinter(dir.filePath(QStringLiteral("f.pdf")));
    QtPrintSurface surface(*printer);
    // Measured the same before the document starts and after.
    const auto expectDefaultFont = [&](const char* when) {
        SCOPED_TRACE(when);
        surface.SelectDefaultFont();
        const PrintFontMetrics metrics = surface.FontMetrics();
        EXPECT_EQ(metrics.nHeight, expected.ascent() + expected.descent());
        EXPECT_EQ(metrics.nExternalLeading, std::max(0, expected.leading()));
        EXPECT_EQ(surface.TextWidth("Flow Rate"), expectedWidth);
    };
    expectDefaultFont("before");
    surface.StartDocument("velnor");
    expectDefaultFont("after");
    surface.EndDocument();
}

namespace {

// The Qt surface, noting where the header's logo and rule go.
class HeaderSpy : public QtPrintSurface {
public:
    using QtPrintSurface::QtPrintSurface;
    void StretchBitmap(int id, int x, int y, int width, int height) override {
        logoBottom = y + height;
        QtPrintSurface::StretchBitmap(id, x, y, width, height);
    }
    void Line(int x0, int y0, int x1, int y1) override {
        ruleY = y0;
        QtPrintSurface::Line(x0, y0, x1, y1);
    }
    int logoBottom = -1;
    int ruleY = -1;
};

} // namespace

// On the ordinary paper sizes; wider pages have a larger logo.
TEST(QtPrintSurface, AtTheReportResolutionTheLogoStaysAboveTheRule) {
    for (QPageSize::PageSizeId size :
         {QPageSize::A4, QPageSize::Letter, QPageSize::Legal, QPageSize::A5}) {
        SCOPED_TRACE(QPageSize::name(size).toStdString());
        QTemporaryDir dir;
        auto printer = PdfPrinter(dir.filePath(QStringLiteral("h.pdf")));
        printer->setPageSize(QPageSize(size));
        printer->setResolution(kReportResolution);
        HeaderSpy surface(*printer);
        PrintReportLines(surface, kTitle, "velnor", {{"Input Data: ", 0}});
        ASSERT_GT(surface.ruleY, 0);
        EXPECT_LT(surface.logoBottom, surface.ruleY);
    }
}

TEST(ReportPrintDialog, OffersFileAndSelectionButNoPageRange) {
    QPrinter printer;
    QPrintDialog dialog(&printer);
    SetUpReportPrintDialog(dialog);
    EXPECT_FALSE(dialog.testOption(QAbstractPrintDialog::PrintPageRange));
    EXPECT_FALSE(dialog.testOption(QAbstractPrintDialog::PrintCurrentPage));
    EXPECT_TRUE(dialog.testOption(QAbstractPrintDialog::PrintToFile));
    EXPECT_TRUE(dialog.testOption(QAbstractPrintDialog::PrintSelection));
    EXPECT_EQ(dialog.printRange(), QAbstractPrintDialog::Selection);

    // As the user sees it: every choice of pages (a radio button naming pages and the fields
    // of its group) is disabled, also when the dialog enables it again, as it does on showing
    // and when a print server's printer is chosen.
    dialog.show();
    QApplication::processEvents();
    std::vector<QWidget*> pageChoices;
    for (QRadioButton* radio : dialog.findChildren<QRadioButton*>()) {
        if (radio->text() == QStringLiteral("Selection")) {
            EXPECT_TRUE(radio->isEnabled() && radio->isChecked());
        }
        if (!radio->text().startsWith(QStringLiteral("Pages")))
            continue;
        pageChoices.push_back(radio);
        for (QWidget* field :
             radio->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (qobject_cast<QSpinBox*>(field) || qobject_cast<QLineEdit*>(field))
                pageChoices.push_back(field);
    }
    ASSERT_GE(pageChoices.size(), 3u); // "Pages from", its two fields
    for (QWidget* choice : pageChoices) {
        SCOPED_TRACE(choice->objectName().toStdString());
        EXPECT_FALSE(choice->isEnabled());
        choice->setEnabled(true);
        EXPECT_FALSE(choice->isEnabled());
    }
    dialog.hide();
}

namespace {

// Answers the print dialog once it is shown: accepts or cancels it. Gives up after a few
// seconds, so that a dialog that never comes fails the test instead of hanging it.
void AnswerDialog(bool accept, int triesLeft = 100) {
    QTimer::singleShot(30, [accept, triesLeft] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            if (triesLeft > 0)
                AnswerDialog(accept, triesLeft - 1);
            return;
        }
        if (accept)
            dialog->accept();
        else
            dialog->reject();
    });
}

} // namespace

TEST(ReportPrintDialog, CancelPrintsNothingAndOkPrints) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("dialog.pdf"));
    auto printer = PdfPrinter(file);

    AnswerDialog(false);
    EXPECT_FALSE(PrintReport(nullptr, *printer, ValidReportLines(), kTitle));
    EXPECT_FALSE(QFileInfo::exists(file));

    AnswerDialog(true);
    EXPECT_TRUE(PrintReport(nullptr, *printer, ValidReportLines(), kTitle));
    EXPECT_TRUE(QFileInfo::exists(file));
    EXPECT_GT(QFileInfo(file).size(), 1000);
}
