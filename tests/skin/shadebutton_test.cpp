// The shaded button offscreen as a user meets it: the pressed face and text, dragging off and
// back, the edges and the dotted focus frame on the screen, clicks and double clicks, focus
// loss, the tool tip's width and what a screen reader is told.
#include "graingenerator.h"
#include "mainwindowshade.h"
#include "qcolour.h"
#include "shadebutton.h"
#include "shadedface.h"

#include <QAccessible>
#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

const QPoint kInside(40, 12);
const QPoint kOutside(120, 12);

// A button set up as the main window sets up its three, shown in a window of its own.
class ShadeButton : public ::testing::Test {
protected:
    void SetUp() override {
        button.resize(80, 25);
        button.SetToolTipText("Specify unit options", "");
        button.SetTextFont("Arial", 16, 400, 0, 0);
        button.SetTextColor(RGB(255, 255, 255));
        const ShadeParams p = MainWindowShade();
        button.SetShade(p.effect, p.granularity, p.highlight, p.coloring, p.color, p.lightColor,
                        p.midColor, p.darkColor);
        button.show();
    }
    QImage Grab() { return button.grab().toImage().convertToFormat(QImage::Format_RGB32); }
    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButtons held) {
        const Qt::MouseButton changed = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, button.mapToGlobal(at), changed, held, Qt::NoModifier);
        QApplication::sendEvent(&button, &event);
    }
    void Press(QPoint at) { Mouse(QEvent::MouseButtonPress, at, Qt::LeftButton); }
    void Drag(QPoint to) { Mouse(QEvent::MouseMove, to, Qt::LeftButton); }
    void Release(QPoint at) { Mouse(QEvent::MouseButtonRelease, at, Qt::NoButton); }
    const CShadeDib& Image(ShadeImage which) const { return button.Model().Image(which); }
    QRgb Role(QPalette::ColorRole role) const { return button.palette().color(role).rgb(); }

    GrainGenerator grain;
    CShadeButton button{QStringLiteral("Settings"), grain};
};

// The box around the near-white pixels inside the edges: the text.
QRect WhiteBox(const QImage& shot) {
    QRect box;
    for (int y = 2; y < shot.height() - 2; ++y)
        for (int x = 2; x < shot.width() - 2; ++x)
            if (qRed(shot.pixel(x, y)) > 240 && qBlue(shot.pixel(x, y)) > 240)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

TEST_F(ShadeButton, PressedFaceSunkenAndTextMovedOnePixel) {
    const QImage normal = Grab();
    EXPECT_EQ(FaceMismatch(normal, button.rect(), button, Image(ShadeImage::Normal)), "");
    // The raised edge: light and highlight at the top left, dark shadow and shadow at the
    // bottom right.
    EXPECT_EQ(normal.pixel(0, 0), Role(QPalette::Midlight));
    EXPECT_EQ(normal.pixel(1, 1), Role(QPalette::Light));
    EXPECT_EQ(normal.pixel(79, 24), Role(QPalette::Shadow));
    EXPECT_EQ(normal.pixel(78, 23), Role(QPalette::Dark));

    Press(kInside);
    ASSERT_TRUE(button.isDown());
    const QImage pressed = Grab();
    EXPECT_EQ(FaceMismatch(pressed, button.rect(), button, Image(ShadeImage::Pressed), 1), "");
    EXPECT_EQ(pressed.pixel(0, 0), Role(QPalette::Dark));
    EXPECT_EQ(pressed.pixel(1, 1), Role(QPalette::Shadow));
    EXPECT_EQ(pressed.pixel(79, 24), Role(QPalette::Light));
    const QRect text = WhiteBox(normal);
    ASSERT_FALSE(text.isEmpty()) << "white text on the face";
    EXPECT_EQ(WhiteBox(pressed), text.translated(1, 1));
}

TEST_F(ShadeButton, DraggingOffShowsTheNormalLookAndBackThePressedOne) {
    QSignalSpy clicked(&button, &QPushButton::clicked);
    Mouse(QEvent::MouseMove, kInside, Qt::NoButton);
    EXPECT_EQ(FaceMismatch(Grab(), button.rect(), button, Image(ShadeImage::Hover)), "");
    Press(kInside);
    const QImage pressed = Grab();
    Drag(kOutside);
    EXPECT_FALSE(button.isDown());
    const QImage off = Grab();
    EXPECT_EQ(FaceMismatch(off, button.rect(), button, Image(ShadeImage::Normal)), "")
        << "the normal face, not the hover face";
    EXPECT_EQ(off.pixel(0, 0), Role(QPalette::Midlight)) << "raised";
    Drag(kInside);
    EXPECT_TRUE(button.isDown());
    EXPECT_EQ(Grab(), pressed);
    Release(kInside);
    EXPECT_EQ(clicked.count(), 1);
    // Released off the button: no click.
    Press(kInside);
    Drag(kOutside);
    Release(kOutside);
    EXPECT_EQ(clicked.count(), 1);
}

TEST_F(ShadeButton, DoubleClickIsTwoClicksAndFocusLossCancelsAPress) {
    QSignalSpy clicked(&button, &QPushButton::clicked);
    Press(kInside);
    Release(kInside);
    Mouse(QEvent::MouseButtonDblClick, kInside, Qt::LeftButton);
    Release(kInside);
    EXPECT_EQ(clicked.count(), 2);

    QApplication::setActiveWindow(&button);
    button.setFocus();
    ASSERT_TRUE(button.hasFocus());
    Press(kInside);
    button.clearFocus();
    EXPECT_FALSE(button.isDown());
    Drag(kOutside);
    Drag(kInside);
    EXPECT_FALSE(button.isDown()) << "the mouse was let go";
    Release(kInside);
    EXPECT_EQ(clicked.count(), 2);
}

// The focus frame of an 80 x 25 button: 71-pixel rows at y = 4 and 21 from x = 5, 17-pixel
// columns at x = 4 and 76 from y = 5, dotted in the untinted palette's entries 0 and 255.
TEST_F(ShadeButton, FocusFrameDotsInTheUntintedDarkAndLightColours) {
    QApplication::setActiveWindow(&button);
    button.setFocus();
    ASSERT_TRUE(button.hasFocus());
    const QImage shot = Grab();
    const QRgb dark = ToQColor(MainWindowShade().darkColor).rgb();
    const QRgb light = ToQColor(MainWindowShade().lightColor).rgb();
    for (int y : {4, 21}) {
        for (int x = 5; x <= 75; ++x)
            EXPECT_EQ(shot.pixel(x, y), (x - 5) % 2 == 0 ? dark : light) << x << "," << y;
    }
    for (int x : {4, 76}) {
        for (int y = 5; y <= 21; ++y)
            EXPECT_EQ(shot.pixel(x, y), (21 - y) % 2 == 0 ? dark : light) << x << "," << y;
    }
    // Past the ends the face shows.
    for (auto [x, y] : {std::pair{76, 4}, {4, 22}, {76, 22}, {4, 4}})
        EXPECT_EQ(shot.pixel(x, y), ToQColor(Image(ShadeImage::Normal).PixelColour(x, y)).rgb())
            << x << "," << y;
}

TEST_F(ShadeButton, ToolTipAtMost300PixelsWideAndAButtonForScreenReaders) {
    QLabel* tip = button.ToolTipWindow();
    ASSERT_NE(tip, nullptr);
    QHelpEvent rest(QEvent::ToolTip, kInside, button.mapToGlobal(kInside));
    QApplication::sendEvent(&button, &rest);
    ASSERT_TRUE(tip->isVisible());
    EXPECT_EQ(tip->text(), QStringLiteral("Specify unit options"));
    const int oneLine = tip->height();
    Press(kInside);
    EXPECT_FALSE(tip->isVisible()) << "a press hides the tip";
    Release(kInside);

    button.SetToolTipText("a long tip that says a great deal more than fits on one line of three "
                          "hundred pixels, so that it has to wrap",
                          "");
    EXPECT_EQ(button.ToolTipWindow(), tip) << "one tip window";
    QApplication::sendEvent(&button, &rest);
    EXPECT_LE(tip->width(), 300);
    EXPECT_GT(tip->height(), oneLine) << "wrapped";

    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(&button);
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->role(), QAccessible::Button);
    EXPECT_EQ(reader->text(QAccessible::Name), QStringLiteral("Settings"));
    EXPECT_TRUE(reader->text(QAccessible::Description).startsWith(QStringLiteral("a long tip")));
}
