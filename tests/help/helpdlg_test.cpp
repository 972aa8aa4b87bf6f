#include "database.h"
#include "dialogunits.h"
#include "helpdlg.h"
#include "helpdlgmodel.h"
#include "homepage.h"
#include "hyperlink.h"
#include "linkopenresult.h"
#include "messages.h"
#include "qtmessages.h"
#include "recordingmessages.h"
#include "stublinkopener.h"

#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

HelpText ThreeLines() {
    HelpText help;
    std::strcpy(help.szHelp[0], "First: line");
    std::strcpy(help.szHelp[1], "Second \"line\" 100%");
    std::strcpy(help.szHelp[2], "Third");
    help.nHelpLines = 3;
    return help;
}

struct ShownDialog {
    explicit ShownDialog(const HelpText& help) : dlg(help, messages, opener) {
        dlg.show();
        QApplication::setActiveWindow(&dlg);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    }
    QPlainTextEdit* Text() { return dlg.findChild<QPlainTextEdit*>(QStringLiteral("id1023")); }
    QPushButton* Button(int id) {
        return dlg.findChild<QPushButton*>(QStringLiteral("id%1").arg(id));
    }

    RecordingMessages messages;
    StubLinkOpener opener{33};
    CHelpDlg dlg;
};

} // namespace

TEST(HelpDlg, TemplateInDialogUnitsOfItsFont) {
    ShownDialog s{HelpText{}};
    EXPECT_EQ(s.dlg.windowTitle(), QStringLiteral("Help Info"));
    const QFontMetrics metrics(s.dlg.font());
    const DialogUnits du(DialogUnits::AverageCharWidth(metrics.horizontalAdvance(QStringLiteral(
                             "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"))),
                         metrics.height());
    EXPECT_EQ(s.dlg.size(), QSize(du.X(310), du.Y(299)));
    EXPECT_EQ(s.Text()->geometry(), QRect(du.X(6), du.Y(6), du.X(300), du.Y(270)));
    EXPECT_EQ(s.Button(1025)->geometry(), QRect(du.X(198), du.Y(282), du.X(50), du.Y(14)));
    EXPECT_EQ(s.Button(1)->geometry(), QRect(du.X(252), du.Y(282), du.X(50), du.Y(14)));
    EXPECT_EQ(s.Button(1025)->text(), QStringLiteral("Disclaimer"));
    EXPECT_EQ(s.Button(1)->text(), QStringLiteral("OK"));
    EXPECT_TRUE(s.Button(1)->isDefault());
    auto* link = s.dlg.findChild<CLinkStatic*>(QStringLiteral("id1022"));
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->text(), QStringLiteral("Visit Kestrin on the Web"));
    EXPECT_EQ(link->geometry().topLeft(), QPoint(du.X(6), du.Y(288))) << "fitted at its place";

    EXPECT_TRUE(s.Text()->isReadOnly());
    EXPECT_EQ(s.Text()->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_TRUE(s.Text()->verticalScrollBar()->isVisible());
    EXPECT_FALSE(s.Text()->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(s.Text()->hasFocus()) << "the first control has the focus";
}

TEST(HelpDlg, BuiltInTextShownWithItsMarksAndWithoutTheColons) {
    ShownDialog s{HelpText{}};
    const QString shown = s.Text()->toPlainText();
    const QStringList lines = shown.split(u'\n');
    ASSERT_EQ(lines.size(), 28);
    EXPECT_EQ(lines[0], QStringLiteral("Velnor\u2122"));
    EXPECT_EQ(lines[5], QStringLiteral("Introduction"));
    EXPECT_EQ(lines[19], QStringLiteral("System requirements"));
    EXPECT_EQ(lines[21], QStringLiteral("Min. 200 MHz Pentium\u00AE or compatible"));
    for (const QChar c : QStringLiteral("%'*\"+?><:\\"))
        EXPECT_FALSE(shown.contains(c)) << int{c.unicode()};
    EXPECT_EQ(
        s.dlg.HelpField().GetText(),
        CCharFilterRule::Filter(HelpDlgModel::BuiltInText(), 0, HelpDlgModel::kHelpExcludedChars));
}

TEST(HelpDlg, DatabaseLinesReplaceTheBuiltInText) {
    ShownDialog s{ThreeLines()};
    EXPECT_EQ(s.Text()->toPlainText(), QStringLiteral("First line\nSecond line 100\nThird\n"));
}

TEST(HelpDlg, ReadOnlyTextScrollsSidewaysWithTheCaret) {
    HelpText help;
    std::memset(help.szHelp[0], 'w', kHelpRowLength);
    help.nHelpLines = 1;
    ShownDialog s{help};
    QPlainTextEdit* text = s.Text();
    EXPECT_EQ(text->horizontalScrollBar()->value(), 0);
    QTest::keyClick(text, Qt::Key_End);
    EXPECT_EQ(text->textCursor().position(), kHelpRowLength) << "the caret moves on its line";
    EXPECT_GT(text->horizontalScrollBar()->value(), 0) << "no wrap: the field scrolls";
    EXPECT_EQ(text->document()->blockCount(), 2);

    QTest::keyClicks(text, "abc");
    QTest::keyClick(text, Qt::Key_Backspace);
    QTest::keyClick(text, Qt::Key_Delete);
    EXPECT_EQ(s.dlg.HelpField().GetText(), std::string(kHelpRowLength, 'w') + "\r\n")
        << "nothing can be typed";
}

TEST(HelpDlg, DisclaimerShownInAMessageBoxEveryTime) {
    ShownDialog s{HelpText{}};
    QTest::mouseClick(s.Button(1025), Qt::LeftButton);
    QTest::mouseClick(s.Button(1025), Qt::LeftButton);
    ASSERT_EQ(s.messages.shown.size(), 2u);
    for (const auto& shown : s.messages.shown) {
        EXPECT_EQ(shown.text, HelpDlgModel::DisclaimerText());
        EXPECT_EQ(shown.icon, Messages::Icon::Information);
    }
    EXPECT_TRUE(s.dlg.isVisible()) << "the help dialog stays open";
    EXPECT_EQ(s.messages.nBeeps, 0);
}

TEST(HelpDlg, LinkOpensTheHomePage) {
    ShownDialog s{HelpText{}};
    auto* link = s.dlg.findChild<CLinkStatic*>(QStringLiteral("id1022"));
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->LinkAddress(), kHomePageAddress);
    EXPECT_EQ(link->toolTip(), QString::fromLatin1(kHomePageAddress));
    EXPECT_EQ(link->NormalColour(), 0x00EE0000u) << "default colours, RGB(0, 0, 238)";
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(2, link->height() / 2));
    EXPECT_EQ(s.opener.addresses, (std::vector<std::string>{kHomePageAddress}));

    s.opener.nCode = 2;
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(2, link->height() / 2));
    ASSERT_EQ(s.messages.shown.size(), 1u) << "a failure is reported through the messages";
    EXPECT_TRUE(s.dlg.isVisible());
}

TEST(HelpDlg, OkEnterEscAndTheCloseBoxCloseIt) {
    {
        ShownDialog s{HelpText{}};
        QTest::mouseClick(s.Button(1), Qt::LeftButton);
        EXPECT_FALSE(s.dlg.isVisible());
        EXPECT_EQ(s.dlg.result(), QDialog::Accepted);
    }
    {
        ShownDialog s{HelpText{}};
        ASSERT_TRUE(s.Text()->hasFocus());
        QTest::keyClick(s.Text(), Qt::Key_Return);
        EXPECT_FALSE(s.dlg.isVisible()) << "Enter in the help text is the dialog's";
        EXPECT_EQ(s.dlg.result(), QDialog::Accepted);
        EXPECT_EQ(s.dlg.HelpField().GetText().substr(0, 7), "Velnor\x99");
    }
    {
        ShownDialog s{HelpText{}};
        QTest::keyClick(s.Text(), Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_FALSE(s.dlg.isVisible());
    }
    {
        ShownDialog s{HelpText{}};
        QTest::keyClick(s.Text(), Qt::Key_Escape);
        EXPECT_FALSE(s.dlg.isVisible());
        EXPECT_EQ(s.dlg.result(), QDialog::Rejected);
    }
    {
        ShownDialog s{HelpText{}};
        EXPECT_TRUE(s.dlg.close());
        EXPECT_FALSE(s.dlg.isVisible());
    }
}

TEST(HelpDlg, PaleBackgroundAndPicture) {
    ShownDialog s{ThreeLines()};
    QWidget* viewport = s.Text()->viewport();
    const QImage image = viewport->grab().toImage();
    // Below the three lines the field is its background.
    EXPECT_EQ(image.pixelColor(image.width() / 2, image.height() - 4), QColor(242, 246, 251));

    ShownDialog builtIn{HelpText{}};
    const QImage shot = builtIn.dlg.grab().toImage();
    EXPECT_FALSE(shot.isNull());
    EXPECT_TRUE(shot.save(QStringLiteral("helpdlg.png")));
}
