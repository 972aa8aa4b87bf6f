#include "hyperlink.h"
#include "recordingmessages.h"
#include "stublinkopener.h"

#include <QAccessible>
#include <QCursor>
#include <QImage>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

const QColor kBlue(0, 0, 238);
const QColor kPurple(85, 26, 139);
const QColor kRed(255, 0, 0);
const QColor kWhite(255, 255, 255);
const std::string kAddress = "https://kestrin.example.com/";

// A shown parent with a link at (20, 20), the way the main window has it: white background,
// the address set after the control is placed.
struct LinkWindow {
    explicit LinkWindow(int code, const QString& text = QStringLiteral("Homepage: ") +
                                                        QString::fromStdString(kAddress))
        : opener(code) {
        window.resize(400, 120);
        link = new CLinkStatic(text, &window, &opener, &messages);
        link->move(20, 20);
        link->SetLinkAddress(kAddress);
        link->SetLinkColours(0x00FFFFFF, link->NormalColour(), link->VisitedColour(),
                             link->HoverColour());
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QImage Image() const { return link->grab().toImage(); }
    bool Shows(const QColor& colour) const {
        const QImage image = Image();
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y) == colour)
                    return true;
            }
        }
        return false;
    }
    // The pointer moves onto the link and, for the timer, stays there.
    void Enter() {
        QCursor::setPos(link->mapToGlobal(QPoint(3, 3)));
        QTest::mouseMove(link, QPoint(3, 3));
    }
    // The pointer moves off the link; the hover timer's next tick sees it outside.
    void Leave() {
        QCursor::setPos(window.mapToGlobal(QPoint(300, 100)));
        QTest::mouseMove(&window, QPoint(300, 100));
        link->HoverTick(link->mapFromGlobal(QCursor::pos()));
    }
    void Click() { QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(3, 3)); }

    StubLinkOpener opener;
    RecordingMessages messages;
    QWidget window;
    CLinkStatic* link = nullptr;
};

TEST(CLinkStatic, ShowsBlueOnItsBackgroundWithAHandAndTheAddressAsToolTip) {
    LinkWindow w(42);
    EXPECT_EQ(w.Image().pixelColor(0, 0), kWhite);
    EXPECT_TRUE(w.Shows(kBlue));
    EXPECT_FALSE(w.link->CurrentFont().underline());
    EXPECT_EQ(w.link->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(w.link->toolTip(), QString::fromStdString(kAddress));
    w.link->SetLinkAddress("https://other.example/");
    EXPECT_EQ(w.link->toolTip(), QStringLiteral("https://other.example/"));
}

TEST(CLinkStatic, FitsItselfToItsTextAtItsPlace) {
    LinkWindow w(42);
    const QFontMetrics metrics(w.link->CurrentFont());
    EXPECT_EQ(w.link->pos(), QPoint(20, 20));
    EXPECT_EQ(w.link->width(), metrics.horizontalAdvance(w.link->text()));
    EXPECT_EQ(w.link->height(), metrics.height());
}

TEST(CLinkStatic, AnEmptyTextShowsTheAddressAndTheTextIsTheFirstAddress) {
    CLinkStatic empty;
    EXPECT_TRUE(empty.text().isEmpty());
    empty.SetLinkAddress(kAddress);
    EXPECT_TRUE(empty.text().isEmpty()) << "only binding adopts the address";

    CLinkStatic visit(QStringLiteral("Visit Kestrin on the Web"));
    EXPECT_EQ(visit.LinkAddress(), "Visit Kestrin on the Web");
    EXPECT_EQ(visit.toolTip(), QStringLiteral("Visit Kestrin on the Web"));
}

TEST(CLinkStatic, HoverIsRedAndUnderlinedAtOnceAndEndsAtTheNextTickOutside) {
    LinkWindow w(42);
    w.Enter();
    EXPECT_TRUE(w.link->Model().IsHovering());
    EXPECT_TRUE(w.link->CurrentFont().underline());
    EXPECT_TRUE(w.Shows(kRed));
    EXPECT_FALSE(w.Shows(kBlue));
    EXPECT_TRUE(w.link->HoverTimerActive());

    w.link->HoverTick(QPoint(3, 3));
    EXPECT_TRUE(w.Shows(kRed)) << "a tick with the pointer inside changes nothing";

    w.link->HoverTick(QPoint(-1, 3));
    EXPECT_FALSE(w.link->HoverTimerActive());
    EXPECT_FALSE(w.link->CurrentFont().underline());
    EXPECT_TRUE(w.Shows(kBlue));
    EXPECT_FALSE(w.Shows(kRed));
}

TEST(CLinkStatic, TheHoverTimerNoticesThePointerLeaving) {
    LinkWindow w(42);
    w.Enter();
    ASSERT_TRUE(w.link->Model().IsHovering());
    QTest::qWait(150);
    EXPECT_TRUE(w.link->Model().IsHovering()) << "the pointer is still on the link";
    // The link does not watch for the pointer leaving: its timer finds out.
    QCursor::setPos(w.window.mapToGlobal(QPoint(300, 100)));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.link->Model().IsHovering(); }, 2000));
    EXPECT_FALSE(w.link->HoverTimerActive());
    EXPECT_TRUE(w.Shows(kBlue));
}

TEST(CLinkStatic, ASuccessfulOpenTurnsTheLinkPurpleAlsoAfterLeaving) {
    LinkWindow w(42);
    w.Enter();
    w.Click();
    EXPECT_EQ(w.opener.addresses, std::vector<std::string>{kAddress});
    EXPECT_TRUE(w.link->Model().IsVisited());
    EXPECT_TRUE(w.messages.shown.empty());
    EXPECT_EQ(w.messages.nBeeps, 0);
    EXPECT_TRUE(w.Shows(kPurple));
    w.Leave();
    EXPECT_TRUE(w.Shows(kPurple));
    EXPECT_FALSE(w.Shows(kBlue));
}

TEST(CLinkStatic, AFailedOpenBeepsAndExplainsTheCode) {
    const struct {
        int code;
        const char* message;
    } rows[] = {
        {31, "Unable to open hyperlink:\n\nThere is no application associated\nwith the given "
             "filename extension."},
        {26, "Unable to open hyperlink:\n\nA sharing violation occurred. "},
        {4, "Unable to open hyperlink:\n\nUnknown Error (4) occurred."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.code);
        LinkWindow w(row.code);
        w.Enter();
        w.Click();
        EXPECT_EQ(w.messages.nBeeps, 1);
        ASSERT_EQ(w.messages.shown.size(), 1u);
        EXPECT_EQ(w.messages.shown[0].text, row.message);
        EXPECT_EQ(w.messages.shown[0].icon, Messages::Icon::Exclamation);
        EXPECT_FALSE(w.link->Model().IsVisited());
        w.Leave();
        EXPECT_TRUE(w.Shows(kBlue)) << "unvisited";
    }
}

TEST(CLinkStatic, TheRightButtonOpensNothing) {
    LinkWindow w(42);
    QTest::mouseClick(w.link, Qt::RightButton, {}, QPoint(3, 3));
    EXPECT_TRUE(w.opener.addresses.empty());
}

TEST(CLinkStatic, TabReachesItAndEnterOpensIt) {
    LinkWindow w(42);
    EXPECT_EQ(w.link->focusPolicy(), Qt::TabFocus) << "a click opens, it does not focus";
    w.link->setFocus();
    QTest::keyClick(w.link, Qt::Key_Space);
    EXPECT_TRUE(w.opener.addresses.empty());
    QTest::keyClick(w.link, Qt::Key_Return);
    EXPECT_EQ(w.opener.addresses, std::vector<std::string>{kAddress});
}

TEST(CLinkStatic, AScreenReaderFindsALinkToItsAddressAndPressesIt) {
    LinkWindow w(42);
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(w.link);
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->role(), QAccessible::Link);
    EXPECT_EQ(reader->text(QAccessible::Name), w.link->text());
    EXPECT_EQ(reader->text(QAccessible::Value), QString::fromStdString(kAddress));
    reader->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(w.opener.addresses, std::vector<std::string>{kAddress});
}

TEST(CLinkStatic, SaveAPicture) {
    LinkWindow w(42);
    w.window.grab().save(QCoreApplication::applicationDirPath() + QStringLiteral("/link.png"));
    w.Enter();
    w.window.grab().save(QCoreApplication::applicationDirPath() +
                         QStringLiteral("/link-hover.png"));
}

} // namespace
