// The multi-line field adapter under a character-filter field: line breaks and positions in the
// field's terms, keys through QTest, the clipboard, the context menu, Enter, read-only and the
// colours. The single-line adapter is driven under a numeric field in qtlinefield_test.cpp.
#include "charfilteredit.h"
#include "fieldstate.h"
#include "qttextfield.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// An editable character-filter field on the widget, with the texts its owner was told about.
struct TextEditField {
    explicit TextEditField(int maxLength = 0, std::string excluded = ":")
        : edit(maxLength, std::move(excluded)) {
        widget.Bind(&edit);
        edit.SetChangeCallback([this] { notified.push_back(edit.GetText()); });
        widget.show();
        QApplication::setActiveWindow(&widget);
        widget.setFocus();
    }
    ~TextEditField() { widget.Bind(nullptr); }
    void Put(const std::string& text, int start, int end) {
        widget.SetWindowText(text);
        widget.SetSel(start, end);
        notified.clear();
    }
    std::string State() const { return StateOf(widget); }

    QtMultiLineField widget;
    CCharFilterEdit edit;
    std::vector<std::string> notified;
};

} // namespace

TEST(QtMultiLineField, LineBreaksAreCrLfAndCountTwo) {
    QtMultiLineField widget;
    EXPECT_TRUE(widget.SetWindowText("ab\r\ncd\r\n"));
    EXPECT_EQ(widget.toPlainText(), QStringLiteral("ab\ncd\n"));
    EXPECT_EQ(widget.GetText(), "ab\r\ncd\r\n");
    EXPECT_EQ(StateOf(widget), "|ab\r\ncd\r\n") << "a new text puts the caret at its start";

    widget.SetSel(4, 5);
    EXPECT_EQ(widget.textCursor().selectedText(), QStringLiteral("c"));
    EXPECT_EQ(StateOf(widget), "ab\r\n[c]d\r\n");
    widget.SetSel(99, -3);
    EXPECT_EQ(StateOf(widget), "[ab\r\ncd\r\n]") << "clamped and ordered";

    widget.SetWindowText("Velnor\x99 \xAE\xA0x");
    EXPECT_EQ(widget.document()->toRawText(), QStringLiteral("Velnor\u2122 \u00AE\u00A0x"));
    EXPECT_EQ(widget.GetText(), "Velnor\x99 \xAE\xA0x") << "the no-break space stays";
}

TEST(QtMultiLineField, ReplaceSelectionUndoableOrNot) {
    QtMultiLineField widget;
    widget.SetWindowText("one\r\nthree");
    widget.SetSel(5, 5);
    widget.ReplaceSel("two\r\n", true);
    EXPECT_EQ(StateOf(widget), "one\r\ntwo\r\n|three");
    EXPECT_TRUE(widget.document()->isUndoAvailable());
    widget.undo();
    EXPECT_EQ(widget.GetText(), "one\r\nthree") << "one undo step";

    widget.SetReadOnly(true);
    widget.SetSel(0, 3);
    widget.ReplaceSel("1", false);
    EXPECT_EQ(StateOf(widget), "1|\r\nthree") << "replaced in a read-only field too";
    EXPECT_FALSE(widget.document()->isUndoAvailable());
}

TEST(QtMultiLineField, TypingGoesThroughTheRule) {
    TextEditField f;
    QTest::keyClicks(&f.widget, "a:b");
    EXPECT_EQ(f.State(), "ab|") << "the excluded colon is refused";
    QTest::keyClick(&f.widget, Qt::Key_Backspace);
    QTest::keyClick(&f.widget, Qt::Key_Left);
    QTest::keyClick(&f.widget, Qt::Key_Delete);
    EXPECT_EQ(f.State(), "|");
    QTest::keyClick(&f.widget, Qt::Key_X);
    QKeyEvent eAcute(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QStringLiteral("\u00E9"));
    QApplication::sendEvent(&f.widget, &eAcute);
    EXPECT_EQ(f.State(), "x\xE9|");
}

TEST(QtMultiLineField, FullFieldIsTypedOver) {
    TextEditField f(5, "");
    f.Put("12345", 2, 2);
    QTest::keyClick(&f.widget, Qt::Key_X);
    EXPECT_EQ(f.State(), "12x|45");
    QTest::keyClick(&f.widget, Qt::Key_End);
    QTest::keyClick(&f.widget, Qt::Key_Y);
    EXPECT_EQ(f.State(), "12x45|");
}

TEST(QtMultiLineField, EnterBelongsToTheDialogUnlessWanted) {
    TextEditField f;
    f.Put("ab", 1, 1);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(&f.widget, &enter);
    EXPECT_FALSE(enter.isAccepted()) << "left for the dialog's default button";
    EXPECT_EQ(f.State(), "a|b");

    f.widget.SetWantReturn(true);
    QTest::keyClick(&f.widget, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(f.State(), "a\r\n|b");
    EXPECT_EQ(f.widget.document()->blockCount(), 2) << "a paragraph break, not a line separator";
}

TEST(QtMultiLineField, PasteIsFilteredWhateverStartsIt) {
    TextEditField f;
    QApplication::clipboard()->setText(QStringLiteral("x:y\r\nz\u4E00"));
    f.Put("ab", 1, 1);
    QTest::keyClick(&f.widget, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(f.State(), "a|xy\r\nzb") << "filtered, the selection put back";
    EXPECT_EQ(f.notified, (std::vector<std::string>{"axy\r\nzb"}))
        << "only the code page's characters are pasted, and the owner hears once";

    f.Put("ab", 2, 2);
    f.widget.paste(); // as the context menu and the middle button paste
    EXPECT_EQ(f.widget.GetText(), "abxy\r\nz");

    f.widget.SetReadOnly(true);
    f.Put("ab", 2, 2);
    f.widget.paste();
    QTest::keyClick(&f.widget, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(f.widget.GetText(), "ab");
}

TEST(QtMultiLineField, CutAndTheContextMenu) {
    TextEditField f;
    f.Put("ab\r\ncd", 1, 5);
    QTest::keyClick(&f.widget, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("b\nc"));
    EXPECT_EQ(f.State(), "a|d");

    f.Put("abc", 1, 2);
    QMenu* menu = f.widget.CreateContextMenu(QPoint(1, 1));
    std::vector<QString> names;
    for (QAction* action : menu->actions()) {
        EXPECT_EQ(action->menu(), nullptr) << "no control-character submenu";
        names.push_back(action->objectName());
        if (action->objectName() == QLatin1String("edit-delete"))
            action->trigger();
    }
    EXPECT_NE(std::find(names.begin(), names.end(), QStringLiteral("edit-cut")), names.end());
    EXPECT_EQ(f.State(), "a|c") << "Delete goes to the field";
    delete menu;
}

TEST(QtMultiLineField, ReadOnlyKeepsACaretThatMoves) {
    TextEditField f;
    f.widget.SetReadOnly(true);
    f.Put("ab\r\ncd", 0, 0);
    QTest::keyClicks(&f.widget, "xy");
    QTest::keyClick(&f.widget, Qt::Key_Delete);
    EXPECT_EQ(f.State(), "|ab\r\ncd");
    QTest::keyClick(&f.widget, Qt::Key_Down);
    QTest::keyClick(&f.widget, Qt::Key_Right);
    EXPECT_EQ(f.State(), "ab\r\nc|d");
    QTest::keyClick(&f.widget, Qt::Key_Home, Qt::ShiftModifier);
    EXPECT_EQ(f.State(), "ab\r\n[c]d") << "selected backwards; positions are ordered";
}

TEST(QtMultiLineField, OwnerHearsOfChangesOnly) {
    TextEditField f;
    f.edit.SetText("a:b");
    EXPECT_EQ(f.notified, (std::vector<std::string>{"a:b", "ab"}));
    f.notified.clear();
    f.edit.SetText("ab");
    EXPECT_TRUE(f.notified.empty());
}

TEST(QtMultiLineField, BackgroundColour) {
    TextEditField f;
    const COLORREF platform = f.edit.GetBackColor();
    EXPECT_EQ(platform, f.widget.DrawingBackColor());
    f.edit.SetBackColor(RGB(242, 246, 251));
    EXPECT_EQ(f.widget.palette().color(QPalette::Base), QColor(242, 246, 251));
    EXPECT_EQ(f.widget.DrawingBackColor(), platform) << "the platform's colour is kept apart";
    const QImage image = f.widget.viewport()->grab().toImage();
    EXPECT_EQ(image.pixelColor(image.width() - 3, image.height() - 3), QColor(242, 246, 251));
}
