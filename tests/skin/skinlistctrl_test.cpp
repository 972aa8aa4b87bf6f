// The results list as the main window uses it, drawn offscreen and read back pixel by pixel.
#include "headerbitmaps.h"
#include "panelfont.h"
#include "qcolour.h"
#include "resourceids.h"
#include "skinheaderctrl.h"
#include "skinlistctrl.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr unsigned kSel = CSkinListCtrl::kStateSelected;
const QRgb kGreen = qRgb(44, 190, 77);
const QRgb kPale = qRgb(242, 246, 251);
constexpr int kRowHeight = 20;
constexpr int kTop = 20; // rows start under the header

// Set up as the main window does: Init(false), the Arial font of cell height 20, two half-width
// columns, grid lines and full-row select; 308 x 201.
std::unique_ptr<CSkinListCtrl> MainWindowList() {
    auto list = std::make_unique<CSkinListCtrl>();
    list->resize(308, 201);
    list->Init(false);
    list->SetFont(CreatePanelFont(QStringLiteral("Arial"), 0, 20, 400, 1));
    const int nHalf = list->GetClientRect().width() / 2;
    list->InsertColumn(0, QStringLiteral("Length"), nHalf);
    list->InsertColumn(1, QStringLiteral("Inner Diameter"), nHalf);
    list->SetExtendedStyle(CSkinListCtrl::kStyleGridLines | CSkinListCtrl::kStyleFullRowSelect);
    return list;
}

// A refill as after a valid calculation: nine rows, the optimal one selected.
void FillNineRows(CSkinListCtrl& list, int nOptimal) {
    list.SetRedraw(false);
    list.DeleteAllItems();
    for (int i = 0; i < 9; ++i) {
        const QString length = QStringLiteral("%1 m").arg(3.45 - 0.3 * i, 0, 'f', 2);
        const QString diameter = QStringLiteral("%1 mm").arg(0.6 + 0.1 * i, 0, 'f', 2);
        const int nRow = list.InsertItem(i, length);
        list.SetItemText(nRow, 0, length);
        list.SetItemText(nRow, 1, diameter);
    }
    list.SetItemState(nOptimal, kSel, kSel);
    list.SetRedraw(true);
}

QImage Grab(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int RowMiddle(int nRow) {
    return kTop + nRow * kRowHeight + kRowHeight / 2;
}

bool IsDark(QRgb pixel) {
    return qRed(pixel) < 80 && qGreen(pixel) < 80 && qBlue(pixel) < 80;
}

int CountIn(const QImage& image, const QRect& area, bool (*test)(QRgb)) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            n += test(image.pixel(x, y)) ? 1 : 0;
    }
    return n;
}

// Text on the header: the strip's red never rises above 0x75, white text's does.
bool IsHeaderText(QRgb pixel) {
    return qRed(pixel) > 200 && qGreen(pixel) > 200 && qBlue(pixel) > 200;
}

QRgb Rgb(COLORREF colour) {
    return ToQColor(colour).rgb();
}

// x positions in the blank margins of the two cells, clear of text and grid lines.
constexpr int kMarginXs[] = {0, 2, 4, 149, 151, 155, 159, 303, 305};

TEST(SkinListCtrl, NineRowsWithTheOptimalRowGreen) {
    auto list = MainWindowList();
    FillNineRows(*list, 4);
    const QImage image = Grab(*list);
    ASSERT_EQ(image.size(), QSize(308, 201));
    const QString path =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("skinlistctrl.png"));
    EXPECT_TRUE(image.save(path));

    for (int nRow = 0; nRow < 9; ++nRow) {
        const QRgb expected = nRow == 4 ? kGreen : kPale;
        for (int x : kMarginXs) {
            EXPECT_EQ(image.pixel(x, RowMiddle(nRow)), expected) << "row " << nRow << " x " << x;
            EXPECT_EQ(image.pixel(x, kTop + nRow * kRowHeight + 1), expected)
                << "row " << nRow << " top, x " << x;
        }
        // Black text in both columns of every row.
        const int nTop = kTop + nRow * kRowHeight;
        EXPECT_GT(CountIn(image, QRect(6, nTop, 140, kRowHeight), IsDark), 15) << "row " << nRow;
        EXPECT_GT(CountIn(image, QRect(160, nTop, 140, kRowHeight), IsDark), 15) << "row " << nRow;
    }
    // The green fills the optimal row except for its text and grid lines.
    const int nGreen = CountIn(image, QRect(0, kTop + 4 * kRowHeight, 308, kRowHeight),
                               [](QRgb p) { return p == qRgb(44, 190, 77); });
    EXPECT_GT(nGreen, 308 * kRowHeight * 6 / 10);
    // Green nowhere else.
    EXPECT_EQ(CountIn(image, QRect(0, 0, 308, 100), [](QRgb p) { return p == qRgb(44, 190, 77); }),
              0);
    EXPECT_EQ(CountIn(image, QRect(0, 120, 308, 81), [](QRgb p) { return p == qRgb(44, 190, 77); }),
              0);
    // The one pixel row left under the ninth row is the empty area.
    for (int x = 0; x < 308; ++x)
        ASSERT_EQ(image.pixel(x, 200), kPale) << x;
    // Painting leaves the selection as it was.
    EXPECT_EQ(list->GetSelectedRow(), 4);
    EXPECT_EQ(list->GetItemState(4, kSel), kSel);
}

TEST(SkinListCtrl, HeaderDrawnFromTheStripsWithWhiteText) {
    auto list = MainWindowList();
    FillNineRows(*list, 4);
    const QImage image = Grab(*list);
    const BitmapPixels strip = HeaderBitmap(ResourceId::kHeaderStrip);
    const BitmapPixels left = HeaderBitmap(ResourceId::kHeaderLeft);
    const BitmapPixels right = HeaderBitmap(ResourceId::kHeaderRight);
    for (int y = 0; y < kHeaderStripHeight; ++y) {
        // Away from the texts the strip shows, down the whole header.
        for (int x : {10, 40, 150, 154, 155, 165, 290, 305})
            EXPECT_EQ(image.pixel(x, y), Rgb(strip.At(0, y))) << "x " << x << " y " << y;
        // The first column's light left edge, and each column's dark right edge.
        EXPECT_EQ(image.pixel(0, y), Rgb(left.At(0, y))) << y;
        EXPECT_EQ(image.pixel(1, y), Rgb(left.At(1, y))) << y;
        for (int x0 : {152, 306}) {
            EXPECT_EQ(image.pixel(x0, y), Rgb(right.At(0, y))) << x0 << " " << y;
            EXPECT_EQ(image.pixel(x0 + 1, y), Rgb(right.At(1, y))) << x0 << " " << y;
        }
    }
    // White text at the top of each item, centred: "Length" around x = 77, "Inner Diameter"
    // around x = 231, nothing white at the items' sides.
    auto white = IsHeaderText;
    EXPECT_GT(CountIn(image, QRect(50, 2, 54, 16), white), 30);
    EXPECT_GT(CountIn(image, QRect(180, 2, 102, 16), white), 60);
    EXPECT_EQ(CountIn(image, QRect(0, 0, 40, 20), white), 0);
    EXPECT_EQ(CountIn(image, QRect(154, 0, 20, 20), white), 0);
    EXPECT_EQ(CountIn(image, QRect(0, 0, 308, 2), white), 0) << "text starts 2 pixels down";
}

TEST(SkinListCtrl, RowsStayBlackAlthoughTheTextColourIsWhite) {
    auto list = MainWindowList();
    FillNineRows(*list, 4);
    const QImage image = Grab(*list);
    auto bright = [](QRgb p) { return qRed(p) > 250 && qGreen(p) > 250 && qBlue(p) > 250; };
    EXPECT_EQ(CountIn(image, QRect(0, kTop, 308, 181), bright), 0);
}

TEST(SkinListCtrl, MessageRowWithNothingSelected) {
    auto list = MainWindowList();
    FillNineRows(*list, 4);
    list->SetRedraw(false);
    list->DeleteAllItems();
    list->InsertItem(0, QStringLiteral("Heat load invalid"));
    list->SetItemText(0, 0, QStringLiteral("Heat load invalid"));
    list->SetItemText(0, 1, QStringLiteral("1 to 10000W"));
    list->SetRedraw(true);
    const QImage image = Grab(*list);
    EXPECT_EQ(list->GetSelectedRow(), -1);
    auto green = [](QRgb p) { return p == qRgb(44, 190, 77); };
    EXPECT_EQ(CountIn(image, image.rect(), green), 0);
    EXPECT_GT(CountIn(image, QRect(6, kTop, 140, kRowHeight), IsDark), 30);
    EXPECT_GT(CountIn(image, QRect(160, kTop, 140, kRowHeight), IsDark), 30);
    // Under the message the list is empty.
    auto pale = [](QRgb p) { return p == qRgb(242, 246, 251); };
    EXPECT_EQ(CountIn(image, QRect(0, 40, 308, 161), pale), 308 * 161);
}

TEST(SkinListCtrl, EmptyAndUninitialisedListsShowOnlyTheBackground) {
    auto pale = [](QRgb p) { return p == qRgb(242, 246, 251); };
    auto list = MainWindowList();
    QImage image = Grab(*list);
    EXPECT_EQ(CountIn(image, QRect(0, 20, 308, 181), pale), 308 * 181);
    EXPECT_EQ(image.pixel(10, 5), Rgb(HeaderBitmap(ResourceId::kHeaderStrip).At(0, 5)));

    CSkinListCtrl early;
    early.resize(308, 201);
    early.InsertColumn(0, QStringLiteral("Length"), 154);
    early.InsertItem(0, QStringLiteral("1.00 m"));
    early.SelectRow(0);
    image = Grab(early);
    EXPECT_EQ(CountIn(image, QRect(0, 20, 308, 181), pale), 308 * 181) << "before Init";
    early.Init(false);
    image = Grab(early);
    EXPECT_EQ(image.pixel(2, RowMiddle(0)), kGreen) << "after Init";
}

TEST(SkinListCtrl, ClickMovesTheSelectionAndSignals) {
    auto list = MainWindowList();
    FillNineRows(*list, 4);
    QSignalSpy spy(list.get(), &CSkinListCtrl::clicked);

    QTest::mouseClick(list.get(), Qt::LeftButton, {}, QPoint(250, RowMiddle(1)));
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(list->GetSelectedRow(), 1);
    EXPECT_EQ(list->GetItemState(4, kSel), 0u);
    QImage image = Grab(*list);
    EXPECT_EQ(image.pixel(2, RowMiddle(1)), kGreen);
    EXPECT_EQ(image.pixel(305, RowMiddle(1)), kGreen);
    EXPECT_EQ(image.pixel(2, RowMiddle(4)), kPale);

    // The header takes its own clicks: no signal, the selection stays.
    QTest::mouseClick(list->GetHeaderCtrl(), Qt::LeftButton, {}, QPoint(50, 10));
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(list->GetSelectedRow(), 1);

    // Other buttons neither select nor signal.
    QTest::mouseClick(list.get(), Qt::RightButton, {}, QPoint(50, RowMiddle(6)));
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(list->GetSelectedRow(), 1);

    // The refill after the click puts the selection back on the optimal row.
    FillNineRows(*list, 4);
    image = Grab(*list);
    EXPECT_EQ(image.pixel(2, RowMiddle(1)), kPale);
    EXPECT_EQ(image.pixel(2, RowMiddle(4)), kGreen);
}

TEST(SkinListCtrl, AClickGivesItTheFocusAndTheKeysMoveTheSelection) {
    auto list = MainWindowList();
    FillNineRows(*list, 4);
    list->show();
    list->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(list.get()));
    QSignalSpy moved(list.get(), &CSkinListCtrl::selectionMovedByKey);
    QTest::mouseClick(list.get(), Qt::LeftButton, {}, QPoint(250, RowMiddle(1)));
    EXPECT_TRUE(list->hasFocus());
    QTest::keyClick(list.get(), Qt::Key_Down);
    EXPECT_EQ(list->GetSelectedRow(), 2);
    QTest::keyClick(list.get(), Qt::Key_End);
    EXPECT_EQ(list->GetSelectedRow(), 8);
    EXPECT_EQ(moved.count(), 2);
    // The focus shows as a dotted frame inside the selected row.
    const QImage image = Grab(*list);
    const int frameTop = kTop + 8 * kRowHeight + 1;
    EXPECT_GT(CountIn(image, QRect(0, frameTop, 308, 1), IsDark), 100);
    EXPECT_EQ(image.pixel(2, RowMiddle(8)), kGreen);
}

TEST(SkinListCtrl, ClickBelowTheRowsClearsTheSelection) {
    auto list = MainWindowList();
    list->InsertItem(0, QStringLiteral("Heat load invalid"));
    list->SelectRow(0);
    QSignalSpy spy(list.get(), &CSkinListCtrl::clicked);
    QTest::mouseClick(list.get(), Qt::LeftButton, {}, QPoint(100, 150));
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(list->GetSelectedRow(), -1);
}

TEST(SkinListCtrl, NothingIsPaintedWhileRedrawIsOff) {
    auto list = MainWindowList();
    list->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list.get()));
    struct PaintCounter : QObject {
        int n = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            n += event->type() == QEvent::Paint ? 1 : 0;
            return false;
        }
    } counter;
    list->installEventFilter(&counter);
    QCoreApplication::processEvents();
    const int nBefore = counter.n;
    list->SetRedraw(false);
    list->InsertItem(0, QStringLiteral("1.00 m"));
    list->SelectRow(0);
    QTest::qWait(50);
    EXPECT_EQ(counter.n, nBefore);
    list->SetRedraw(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return counter.n > nBefore; }, 2000));
}

TEST(SkinListCtrl, RowsThatDoNotFitScrollWithTheWheel) {
    auto list = MainWindowList();
    QFont big(QStringLiteral("Arial"));
    big.setPixelSize(20); // a cell of 22 pixels: eight rows fit whole
    list->SetFont(big);
    FillNineRows(*list, 4);
    const int nHeight = list->Model().GetRowHeight();
    ASSERT_GT(nHeight, 20);
    const QPointF at(100, 100);
    QWheelEvent down(at, list->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(list.get(), &down);
    EXPECT_EQ(list->Model().GetTopRow(), 9 - (201 - 20) / nHeight);
    // A click now hits the row shown, not the row that was there before.
    const int nTopRow = list->Model().GetTopRow();
    QTest::mouseClick(list.get(), Qt::LeftButton, {}, QPoint(10, kTop + nHeight / 2));
    EXPECT_EQ(list->GetSelectedRow(), nTopRow);
    const QImage image = Grab(*list);
    EXPECT_EQ(image.pixel(2, kTop + 2), kGreen);
}

TEST(SkinListCtrl, CutTextsShowWholeAsToolTipsAndToScreenReaders) {
    auto list = MainWindowList();
    list->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list.get()));
    const QString message = QStringLiteral("Refrigerant data invalid for these inputs");
    list->SetRedraw(false);
    list->InsertItem(0, message);
    list->SetItemText(0, 1, QStringLiteral("1 to 10000W"));
    list->SetRedraw(true);
    const auto hover = [&](int x, int y) {
        QHelpEvent help(QEvent::ToolTip, QPoint(x, y), list->mapToGlobal(QPoint(x, y)));
        QCoreApplication::sendEvent(list.get(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    EXPECT_EQ(hover(200, RowMiddle(0)), QString()) << "a text that fits has no tip";
    EXPECT_EQ(hover(50, RowMiddle(2)), QString()) << "no row";
    EXPECT_EQ(hover(50, RowMiddle(0)), message);
    hover(200, RowMiddle(0));
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }));

    // A screen reader finds a table: the two column headers, then each row's texts whole.
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(list.get());
    ASSERT_NE(reader, nullptr);
    QAccessibleTableInterface* table = reader->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(reader->role(), QAccessible::Table);
    ASSERT_EQ(reader->childCount(), 4);
    EXPECT_EQ(reader->child(1)->role(), QAccessible::ColumnHeader);
    EXPECT_EQ(reader->child(1)->text(QAccessible::Name), QStringLiteral("Inner Diameter"));
    EXPECT_EQ(table->cellAt(0, 0)->role(), QAccessible::Cell);
    EXPECT_EQ(table->cellAt(0, 0)->text(QAccessible::Name), message);
    EXPECT_EQ(reader->indexOfChild(table->cellAt(0, 1)), 3);

    // After a refill the cells read the new texts, and the selected row reads as selected.
    list->SetRedraw(false);
    list->DeleteAllItems();
    for (int row = 0; row < 2; ++row) {
        list->InsertItem(row, QStringLiteral("L%1").arg(row));
        list->SetItemText(row, 1, QStringLiteral("D%1").arg(row));
    }
    list->SelectRow(1);
    list->SetRedraw(true);
    EXPECT_EQ(table->rowCount(), 2);
    EXPECT_EQ(table->cellAt(1, 1)->text(QAccessible::Name), QStringLiteral("D1"));
    EXPECT_EQ(table->selectedRows(), QList<int>{1});
    EXPECT_TRUE(table->cellAt(1, 0)->state().selected);
    EXPECT_FALSE(table->cellAt(0, 0)->state().selected);
    const QList<QAccessibleInterface*> headers =
        table->cellAt(1, 0)->tableCellInterface()->columnHeaderCells();
    ASSERT_EQ(headers.size(), 1);
    EXPECT_EQ(headers[0]->text(QAccessible::Name), QStringLiteral("Length"));
}

TEST(SkinHeaderCtrl, TallerHeaderAndCutText) {
    SkinListModel model;
    model.InsertColumn(0, u"A text far wider than its narrow column", 60);
    model.InsertColumn(1, u"Length", 154);
    CSkinHeaderCtrl header(model, nullptr);
    header.resize(308, 26);
    const QImage image = Grab(header);
    // Below the strip the list's background.
    for (int y = 20; y < 26; ++y) {
        for (int x : {0, 30, 100, 307})
            EXPECT_EQ(image.pixel(x, y), kPale) << x << " " << y;
    }
    // The text fills its column up to the cut and stays inside 2 pixels of the edges.
    auto white = IsHeaderText;
    EXPECT_GT(CountIn(image, QRect(2, 2, 20, 16), white), 0);
    EXPECT_GT(CountIn(image, QRect(40, 2, 18, 16), white), 0);
    EXPECT_EQ(CountIn(image, QRect(58, 0, 4, 20), white), 0);
    const BitmapPixels right = HeaderBitmap(ResourceId::kHeaderRight);
    for (int y = 0; y < 20; ++y)
        EXPECT_EQ(image.pixel(58, y), Rgb(right.At(0, y))) << y;
    // The second column now starts with a plain strip column.
    const BitmapPixels strip = HeaderBitmap(ResourceId::kHeaderStrip);
    for (int y = 0; y < 20; ++y)
        EXPECT_EQ(image.pixel(61, y), Rgb(strip.At(0, y))) << y;
}

} // namespace
