// The bitmap picker as the main window sets it up, drawn offscreen and read back: the face in
// both focus colours, the open list, and the mouse wheel. It leaves bitcombobox-*.png in bin/.
#include "bitcombobox.h"
#include "bitmaps.h"
#include "qcolour.h"
#include "resourceids.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QSignalSpy>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr COLORREF kHighlightBack = RGB(49, 106, 197);
constexpr COLORREF kNormalBack = RGB(242, 246, 251);
constexpr int kWidth = 80; // the main window's picker is 80 x 21
constexpr int kHeight = 21;

QRgb Rgb(COLORREF colour) {
    return ToQColor(colour).rgb();
}

bool IsDark(QRgb p) {
    return qRed(p) < 100 && qGreen(p) < 100 && qBlue(p) < 100;
}

bool IsWhite(QRgb p) {
    return qRed(p) > 200 && qGreen(p) > 200 && qBlue(p) > 200;
}

// The widget's picture; kept in bin/ under the name `picture` when one is given.
QImage Grab(QWidget& widget, const char* picture = nullptr) {
    const QImage image = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (picture) {
        image.save(
            QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(picture)));
    }
    return image;
}

// The pixels of `image` in `area` that pass `test`.
int Count(const QImage& image, const QRect& area, const std::function<bool(QRgb)>& test) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            n += test(image.pixel(x, y)) ? 1 : 0;
    }
    return n;
}

// A picker set up as the main window does it, beside a field that can take the focus.
class BitComboBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(200, 200);
        picker = new CBitComboBox(&window);
        for (const char* name : {"R-134a", "R-404A", "R-407C", "R-410A", "R-507"})
            picker->addItem(QString::fromLatin1(name));
        picker->setCurrentIndex(1);
        picker->SetBitmaps(ResourceId::kComboLeft, ResourceId::kComboButton,
                           ResourceId::kComboButtonDropped, ResourceId::kComboMiddle);
        picker->SetHighlightColors(kHighlightBack, RGB(255, 255, 255));
        picker->SetNormalColors(kNormalBack, RGB(0, 0, 0));
        picker->setGeometry(10, 10, kWidth, kHeight);
        field = new QLineEdit(&window);
        field->setGeometry(10, 150, 80, 21);
        window.show();
        QApplication::setActiveWindow(&window);
        field->setFocus();
    }

    // Everything of the face but the text: the bitmaps where they are drawn, and the fill in
    // `fill` over rectangle F. Returns F.
    QRect ExpectFaceBitmaps(const QImage& face, int button, COLORREF fill) const {
        const QImage cap = LoadBitmapResource(ResourceId::kComboLeft);
        const QImage middle = LoadBitmapResource(ResourceId::kComboMiddle);
        const QImage right = LoadBitmapResource(button);
        const int buttonLeft = kWidth - right.width();
        const QRect f(QPoint(cap.width() + 1, 3), QPoint(buttonLeft - 1, kHeight - 6));
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                QRgb expected = fill;
                if (x < cap.width())
                    expected = cap.pixel(x, y);
                else if (x >= buttonLeft)
                    expected = right.pixel(x - buttonLeft, y);
                else if (!f.contains(x, y))
                    expected = middle.pixel(0, y); // every column of the middle is alike
                else
                    continue;
                EXPECT_EQ(face.pixel(x, y), expected) << "(" << x << ", " << y << ")";
            }
        }
        return f;
    }

    QWidget window;
    CBitComboBox* picker = nullptr;
    QLineEdit* field = nullptr;
};

// The first column of F, from the left, that holds a pixel of text; -1 for none.
int FirstTextColumn(const QImage& face, const QRect& f, QRgb fill) {
    for (int x = f.left(); x <= f.right(); ++x) {
        for (int y = f.top(); y <= f.bottom(); ++y) {
            if (face.pixel(x, y) != fill)
                return x;
        }
    }
    return -1;
}

TEST_F(BitComboBoxTest, FaceInTheNormalAndTheFocusColours) {
    ASSERT_FALSE(picker->hasFocus());
    const QImage normal = Grab(*picker, "bitcombobox-normal.png");
    const QRect f = ExpectFaceBitmaps(normal, ResourceId::kComboButton, Rgb(kNormalBack));
    // The selected name in black, from 7 pixels in (a glyph's bearing may add a pixel).
    const int first = FirstTextColumn(normal, f, Rgb(kNormalBack));
    EXPECT_GE(first, 7);
    EXPECT_LE(first, 8);
    EXPECT_GT(Count(normal, f, IsDark), 20);
    EXPECT_GT(Count(normal, f, [](QRgb p) { return p == Rgb(kNormalBack); }),
              f.width() * f.height() / 2);

    picker->setFocus();
    ASSERT_TRUE(picker->hasFocus());
    const QImage focused = Grab(*picker, "bitcombobox-focused.png");
    ExpectFaceBitmaps(focused, ResourceId::kComboButton, Rgb(kHighlightBack));
    EXPECT_EQ(FirstTextColumn(focused, f, Rgb(kHighlightBack)), first);
    EXPECT_GT(Count(focused, f, IsWhite), 20);
    EXPECT_EQ(Count(focused, f, IsDark), 0);

    // With no selection the face shows no text.
    picker->setCurrentIndex(-1);
    EXPECT_EQ(FirstTextColumn(Grab(*picker), f, Rgb(kHighlightBack)), -1);
}

TEST_F(BitComboBoxTest, OpenListShowsTheDroppedButtonAndItsItemBands) {
    picker->setFocus();
    picker->showPopup();
    QAbstractItemView* list = picker->view();
    ASSERT_TRUE(list->isVisible());
    EXPECT_EQ(picker->List().Window(), list);
    // Below the face, not over it.
    EXPECT_GE(list->mapToGlobal(QPoint(0, 0)).y(), picker->mapToGlobal(QPoint(0, kHeight)).y());
    ExpectFaceBitmaps(Grab(*picker, "bitcombobox-open.png"), ResourceId::kComboButtonDropped,
                      Rgb(kHighlightBack));

    const QImage items = Grab(*list->viewport(), "bitcombobox-list.png");
    const int w = items.width();
    const int h = items.height();
    for (int x = 0; x < w; ++x) {
        EXPECT_EQ(items.pixel(x, 0), Rgb(kHighlightBack)) << "top frame, x " << x;
        EXPECT_EQ(items.pixel(x, h - 1), Rgb(kHighlightBack)) << "bottom frame, x " << x;
    }
    for (int y = 0; y < h; ++y) {
        EXPECT_EQ(items.pixel(0, y), Rgb(kHighlightBack)) << "left frame, y " << y;
        EXPECT_EQ(items.pixel(w - 1, y), Rgb(kHighlightBack)) << "right frame, y " << y;
    }
    ASSERT_EQ(list->currentIndex().row(), 1); // the list opens on the selected item
    for (int row = 0; row < picker->count(); ++row) {
        const QRect item = list->visualRect(list->model()->index(row, 0));
        const QRgb band = Rgb(row == 1 ? kHighlightBack : kNormalBack);
        const QRect inside(QPoint(1, item.top() + (row == 0 ? 1 : 0)),
                           QPoint(5, item.bottom() - 2)); // clear of the frame and the text
        EXPECT_EQ(Count(items, inside, [band](QRgb p) { return p != band; }), 0) << "row " << row;
        // The band ends two pixels above the next item: the list's background shows there.
        EXPECT_EQ(items.pixel(3, item.bottom() - 1), Rgb(kNormalBack)) << "row " << row;
        const QRect text(QPoint(7, item.top()), QPoint(w - 2, item.bottom() - 2));
        if (row == 1)
            EXPECT_GT(Count(items, text, IsWhite), 20);
        else
            EXPECT_GT(Count(items, text, IsDark), 20) << "row " << row;
    }

    picker->hidePopup();
    ASSERT_FALSE(list->isVisible());
    ExpectFaceBitmaps(Grab(*picker), ResourceId::kComboButton, Rgb(kHighlightBack));
}

TEST_F(BitComboBoxTest, ALongNameStopsBeforeTheButtonAndTheListFitsIt) {
    const QString name = QStringLiteral("R1234ze(E) long");
    picker->addItem(name);
    picker->setCurrentIndex(picker->count() - 1);
    // The button's pixels are the bitmap's alone; the name shows whole as the tool tip.
    ExpectFaceBitmaps(Grab(*picker), ResourceId::kComboButton, Rgb(kNormalBack));
    EXPECT_EQ(picker->toolTip(), name);
    picker->setCurrentIndex(0);
    EXPECT_TRUE(picker->toolTip().isEmpty()) << "a name that fits needs none";

    picker->showPopup();
    const QFontMetrics metrics(picker->font());
    const int indent = picker->TextIndent();
    EXPECT_GE(picker->view()->viewport()->width(), indent + metrics.horizontalAdvance(name));
    picker->hidePopup();
}

TEST_F(BitComboBoxTest, WheelChangesTheSelectionOnlyWhileThePickerHasTheFocus) {
    QSignalSpy activated(picker, &QComboBox::activated);
    const auto Wheel = [this] {
        QWheelEvent event(QPointF(40, 10), picker->mapToGlobal(QPointF(40, 10)), QPoint(),
                          QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(picker, &event);
        return event.isAccepted();
    };
    // Unfocused: left unaccepted, which hands it on to the parent, and the wheel does not make
    // the picker the focused control.
    EXPECT_FALSE(Wheel());
    EXPECT_EQ(picker->currentIndex(), 1);
    EXPECT_EQ(activated.count(), 0);
    EXPECT_NE(picker->focusPolicy() & Qt::WheelFocus, Qt::WheelFocus);

    picker->setFocus();
    EXPECT_TRUE(Wheel());
    EXPECT_EQ(picker->currentIndex(), 2);
    ASSERT_EQ(activated.count(), 1);
    EXPECT_EQ(activated.at(0).at(0).toInt(), 2);
}

} // namespace

TEST_F(BitComboBoxTest, AScreenReaderReadsTheChoiceAsTheTextAndTheListsSelectedItem) {
    picker->setAccessibleName(QStringLiteral("Refrigerant"));
    picker->setCurrentIndex(3);
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(picker);
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->text(QAccessible::Name), QStringLiteral("Refrigerant"));
    QAccessibleTextInterface* text = reader->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(0, text->characterCount()), QStringLiteral("R-410A"));
    QAccessibleTableInterface* list = reader->child(0)->tableInterface();
    ASSERT_NE(list, nullptr);
    const QList<QAccessibleInterface*> selected = list->selectedCells();
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(selected[0]->text(QAccessible::Name), QStringLiteral("R-410A"));
}
