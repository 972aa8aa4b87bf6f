// The single-line field adapter under a numeric field in the main window's shape: keys through
// QTest, the clipboard, the context menu, the input method, focus loss and the colours.
#include "mainwindowtyping.h"
#include "numberedit.h"
#include "qcp1252.h"
#include "qnumberlocale.h"
#include "qttextfield.h"
#include "recordingmessages.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QImage>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

// A line field with a numeric field of 9 whole digits and 3 decimals, negatives allowed, typing
// with the number characters of QLocale() as it stands when the field is made.
class NumberLineField : public QtLineField {
public:
    explicit NumberLineField(QWidget* parent = nullptr) : QtLineField(parent) {
        auto edit = std::make_unique<CNumberEdit>(9, 3, NumberLocaleOf(QLocale()));
        m_edit = edit.get();
        Adopt(std::move(edit));
    }
    CNumberEdit& Edit() { return *m_edit; }

private:
    CNumberEdit* m_edit;
};

// Types `keys` into the field as TypingCase writes them.
void Type(QWidget& field, const std::string& keys) {
    for (const char c : keys) {
        if (c == '\b')
            QTest::keyClick(&field, Qt::Key_Backspace);
        else if (c == '\x7f')
            QTest::keyClick(&field, Qt::Key_Delete);
        else if (static_cast<unsigned char>(c) > 0x7F) // QTest types ASCII only
            QTest::sendKeyEvent(QTest::Click, &field, Qt::Key_unknown,
                                FromCp1252(std::string_view(&c, 1)), Qt::NoModifier);
        else
            QTest::keyClick(&field, c);
    }
}

QAction* MenuAction(QMenu& menu, const char* name) {
    for (QAction* action : menu.actions()) {
        if (action->objectName() == QLatin1String(name))
            return action;
    }
    return nullptr;
}

// Records the keys that reach it, as the window around a field.
class KeyRecorder : public QWidget {
public:
    std::vector<int> keys;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        keys.push_back(event->key());
        event->accept();
    }
};

class NumberLineFieldTest : public ::testing::Test {
protected:
    RecordingMessages messages; // outlives the field that may be given it
    NumberLineField field;
};

TEST_F(NumberLineFieldTest, TypingGoesThroughTheRule) {
    for (const TypingCase& row : kMainWindowTyping) {
        SCOPED_TRACE(row.name);
        PutState(field, row.before);
        Type(field, row.keys);
        EXPECT_EQ(StateOf(field), row.after);
    }
}

TEST_F(NumberLineFieldTest, GroupingLaysSeparatorsAsTheCaretMoves) {
    field.Edit().Rule().SetGroupSize(3);
    Type(field, "1234567");
    EXPECT_EQ(StateOf(field), "1,234,567|");
    PutState(field, "1|,234,567");
    Type(field, "\x7f"); // steps over the separator, deletes the 2, lays the groups again
    EXPECT_EQ(StateOf(field), "1|34,567");
}

TEST_F(NumberLineFieldTest, OtherKeysAreQtsOwn) {
    field.Edit().SetValue(12, true);
    QTest::keyClick(&field, Qt::Key_Home);
    Type(field, "9"); // at the start, where Home put the caret
    EXPECT_EQ(StateOf(field), "9|12");
    QTest::keyClick(&field, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(StateOf(field), "[912]");
    QTest::keyClick(&field, Qt::Key_End);
    EXPECT_EQ(StateOf(field), "912|");
    // Qt::Key_Period is 46, the Delete key's virtual-key number: the rule must not take it for
    // Delete (which would collapse a selection that reaches the end).
    field.selectAll();
    QTest::keyClick(&field, Qt::Key_Period, Qt::ControlModifier);
    EXPECT_EQ(StateOf(field), "[912]");
}

TEST_F(NumberLineFieldTest, UndoOfATypedDigit) {
    field.Edit().SetValue(12, true);
    QTest::keyClick(&field, Qt::Key_End);
    Type(field, "3");
    ASSERT_EQ(field.GetText(), "123");
    QTest::keyClick(&field, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field.GetText(), "12");
}

TEST_F(NumberLineFieldTest, APasteIsReadAsANumberAndUndoneInOneStep) {
    field.SetMessages(messages);
    field.Edit().SetValue(12, true);
    QSignalSpy changed(&field, &QLineEdit::textChanged);
    // A minus sign as web pages and documents write it, more decimals than the field keeps.
    QApplication::clipboard()->setText(QStringLiteral("\u22124.56789"));
    field.selectAll();
    QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field.GetText(), "-4.567");
    ASSERT_EQ(changed.count(), 1) << "the owner hears of the paste once, corrected";
    QTest::keyClick(&field, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field.GetText(), "12");

    // In the locale's form, grouping included; what does not read so is refused.
    QApplication::clipboard()->setText(QStringLiteral(" 1,234.5\n"));
    field.selectAll();
    QTest::keyClick(&field, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(field.GetText(), "1234.5");
    QApplication::clipboard()->setText(QStringLiteral("14,5"));
    field.selectAll();
    QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field.GetText(), "1234.5");
    EXPECT_EQ(messages.nBeeps, 1);
}

TEST_F(NumberLineFieldTest, CutTakesTheSelectionUnfiltered) {
    PutState(field, "-[12].5");
    QTest::keyClick(&field, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(StateOf(field), "-|.5");
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("12"));
    EXPECT_DOUBLE_EQ(field.Edit().GetValue(), -0.5);
}

TEST_F(NumberLineFieldTest, ContextMenuCutPasteAndDeleteGoThroughTheField) {
    PutState(field, "12[34]");
    std::unique_ptr<QMenu> menu(field.CreateContextMenu());
    QAction* cut = MenuAction(*menu, "edit-cut");
    ASSERT_NE(cut, nullptr);
    cut->trigger();
    EXPECT_EQ(field.GetText(), "12");
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("34"));

    // Delete runs as the Delete key: the surplus whole digit the point held back is dropped.
    PutState(field, "123456789[.]5");
    menu.reset(field.CreateContextMenu());
    QAction* clear = MenuAction(*menu, "edit-delete");
    ASSERT_NE(clear, nullptr);
    clear->trigger();
    EXPECT_EQ(field.GetText(), "123456789");

    field.clear();
    QApplication::clipboard()->setText(QStringLiteral("-1,234"));
    menu.reset(field.CreateContextMenu());
    QAction* paste = MenuAction(*menu, "edit-paste");
    ASSERT_NE(paste, nullptr);
    paste->trigger();
    EXPECT_EQ(field.GetText(), "-1234");
}

TEST_F(NumberLineFieldTest, InputMethodCommitsAreTyped) {
    PutState(field, "1|");
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("2x.\u20AC5-"));
    QApplication::sendEvent(&field, &commit);
    EXPECT_EQ(StateOf(field), "-12.5|");
}

TEST_F(NumberLineFieldTest, ReadOnlyFieldKeepsItsText) {
    field.Edit().SetValue(12.5, true);
    field.setReadOnly(true);
    QApplication::clipboard()->setText(QStringLiteral("99"));
    QTest::keyClick(&field, Qt::Key_End);
    Type(field, "3\b-");
    QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field.GetText(), "12.5");
    field.selectAll();
    QTest::keyClick(&field, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(field.GetText(), "12.5");
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("12.5"));
}

struct ValueRow {
    double value;
    const char* shown;
    double read;
};

TEST_F(NumberLineFieldTest, ValuesShownAndReadBack) {
    const ValueRow rows[] = {
        {110, "110", 110},       {-25, "-25", -25},
        {55.5, "55.5", 55.5},    {12.34567, "12.345", 12.345},
        {0.0004, "0.000", 0},    {0, "0", 0},
        {1e9, "100000000", 1e8},
    };
    for (const ValueRow& row : rows) {
        SCOPED_TRACE(row.shown);
        field.Edit().SetValue(row.value, true);
        EXPECT_EQ(field.GetText(), row.shown);
        EXPECT_EQ(field.text(), QString::fromLatin1(row.shown));
        EXPECT_DOUBLE_EQ(field.Edit().GetValue(), row.read);
    }
}

TEST_F(NumberLineFieldTest, TextChangedOnEveryChangeOfTheText) {
    QSignalSpy changed(&field, &QLineEdit::textChanged);
    field.Edit().SetValue(110, true);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.last().at(0).toString(), QStringLiteral("110"));
    field.Edit().SetValue(110, true); // the same text is no change
    EXPECT_EQ(changed.count(), 1);
    Type(field, "x"); // refused: no change
    EXPECT_EQ(changed.count(), 1);
    QTest::keyClick(&field, Qt::Key_End);
    Type(field, "\b");
    EXPECT_EQ(changed.count(), 2);
}

TEST_F(NumberLineFieldTest, ReturnGoesToTheWindowAround) {
    KeyRecorder window;
    auto* child = new NumberLineField(&window);
    child->Edit().SetValue(12, true);
    QTest::keyClick(child, Qt::Key_Return);
    QTest::keyClick(child, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(window.keys, (std::vector<int>{Qt::Key_Return, Qt::Key_Enter}));
    EXPECT_EQ(child->GetText(), "12");
    // Typed characters stay in the field, refused or not.
    Type(*child, "3x");
    EXPECT_EQ(window.keys.size(), 2u);
}

TEST_F(NumberLineFieldTest, FocusLossRunsTheRule) {
    field.Edit().SetValue(12, true);
    QFocusEvent away(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(&field, &away);
    EXPECT_EQ(field.GetText(), "12"); // the main window's settings: nothing happens

    field.Edit().Rule().ChangeFlags(PadDecimalPlaces, 0);
    // The field's own context menu only borrows the focus.
    QFocusEvent toMenu(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(&field, &toMenu);
    EXPECT_EQ(field.GetText(), "12");
    QApplication::sendEvent(&field, &away);
    EXPECT_EQ(field.GetText(), "12.000");
}

// A number wider than the field is shown from its start once the field is left or set by the
// program, not by its end.
TEST(NumberLineFieldScrolling, StartShownAfterFocusLossAndSet) {
    QWidget window;
    auto* field = new NumberLineField(&window);
    auto* next = new QLineEdit(&window);
    field->setGeometry(0, 0, 50, 24);
    next->setGeometry(0, 30, 50, 24);
    window.show();
    QApplication::setActiveWindow(&window);
    field->setFocus();
    // Where the caret is drawn; painting is where the line edit scrolls.
    const auto caretX = [field] {
        field->grab();
        return field->inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
    };
    const int startX = caretX();

    Type(*field, "1535.463");
    ASSERT_GT(field->fontMetrics().horizontalAdvance(field->text()), field->width());
    ASSERT_NE(caretX(), startX) << "the caret at the end, the start scrolled out of view";
    QTest::keyClick(field, Qt::Key_Tab);
    ASSERT_TRUE(next->hasFocus());
    EXPECT_EQ(field->cursorPosition(), 0);
    EXPECT_EQ(caretX(), startX);

    field->setFocus();
    QTest::keyClick(field, Qt::Key_End);
    ASSERT_NE(caretX(), startX);
    field->Edit().SetValue(-97531.25, true);
    EXPECT_EQ(caretX(), startX);
}

TEST_F(NumberLineFieldTest, BackgroundColourIsPainted) {
    const QColor platformText = field.palette().color(QPalette::Text);
    field.Edit().SetBackColor(RGB(242, 246, 251));
    const QColor pale(242, 246, 251);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        EXPECT_EQ(field.palette().color(group, QPalette::Base), pale);
    EXPECT_EQ(field.palette().color(QPalette::Text), platformText);

    field.resize(120, 24);
    const QImage shot = field.grab().toImage();
    EXPECT_EQ(shot.pixelColor(shot.width() / 2, shot.height() / 2), pale);

    field.Edit().SetForeColor(RGB(255, 0, 0));
    EXPECT_EQ(field.palette().color(QPalette::Text), QColor(255, 0, 0));
    field.Edit().SetForeColor(0); // black is never applied: the platform's colour again
    EXPECT_EQ(field.palette().color(QPalette::Text), platformText);
    EXPECT_EQ(field.palette().color(QPalette::Base), pale);
}

TEST(NumberLineFieldLocale, CharactersComeFromTheLocaleAtConstruction) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    NumberLineField german;
    QLocale::setDefault(saved);
    NumberLineField plain;

    Type(german, "12.,5");
    EXPECT_EQ(german.GetText(), "12,5");
    EXPECT_DOUBLE_EQ(german.Edit().GetValue(), 12.5);
    german.Edit().SetValue(-3.25, true);
    EXPECT_EQ(german.GetText(), "-3,25");

    Type(plain, "12,.5");
    EXPECT_EQ(plain.GetText(), "12.5");
}

} // namespace
