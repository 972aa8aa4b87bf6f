#include "validlineedit.h"

#include "qcp1252.h"
#include "qfieldsupport.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace {

// The virtual-key number of a Qt key, for the keys that have one the rules could know; 0 for
// the rest. (Qt's own codes must not reach the rules: Qt::Key_Period is 46, the Delete key's
// virtual-key number.)
int VirtualKey(int key) {
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z))
        return key; // the same ASCII numbers
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return 112 + (key - Qt::Key_F1);
    static constexpr std::pair<int, int> kKeys[] = {
        {Qt::Key_Backspace, 8},      {Qt::Key_Tab, 9},       {Qt::Key_Return, 13},
        {Qt::Key_Enter, 13},         {Qt::Key_Escape, 27},   {Qt::Key_Space, 32},
        {Qt::Key_PageUp, 33},        {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},
        {Qt::Key_Home, 36},          {Qt::Key_Left, 37},     {Qt::Key_Up, 38},
        {Qt::Key_Right, 39},         {Qt::Key_Down, 40},     {Qt::Key_Insert, 45},
        {Qt::Key_Delete, kKeyDelete}};
    for (const auto& [qt, virtualKey] : kKeys) {
        if (qt == key)
            return virtualKey;
    }
    return 0;
}

} // namespace

ValidLineEdit::ValidLineEdit(QWidget* parent) : QLineEdit(parent) {
    // A drop would insert its text past the validating field.
    setAcceptDrops(false);
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (m_onChange)
            m_onChange();
    });
}

void ValidLineEdit::Bind(CValidEdit* edit) {
    if (m_edit)
        m_edit->Detach();
    m_edit = edit;
    if (m_edit)
        m_edit->Attach(*this);
}

QMenu* ValidLineEdit::CreateContextMenu() {
    // Qt's own menu, item for item, but built here: its Cut, Paste and Delete would edit past
    // the validating field, and its Unicode control characters would be inserted unfiltered.
    if (!m_edit)
        return createStandardContextMenu();
    auto* menu = new QMenu(this);
    const bool editable = !isReadOnly();
    const bool selected = hasSelectedText();
    const bool showKeys = !QCoreApplication::testAttribute(Qt::AA_DontShowShortcutsInContextMenus);
    const auto add = [this, menu, showKeys](const char* name, const QString& label,
                                            QKeySequence::StandardKey key, bool enabled,
                                            auto handler) {
        const QString keys = QKeySequence(key).toString(QKeySequence::NativeText);
        QAction* action =
            menu->addAction(showKeys && !keys.isEmpty() ? label + u'\t' + keys : label);
        action->setObjectName(QLatin1String(name));
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this, handler);
    };
    // The validating field's handling of an item, outside any key press. The closure holds a
    // plain command rather than a member-function pointer: the sanitizers flag calls through
    // such a captured pointer when Qt invokes the slot.
    const auto field = [this](FieldCommand command) {
        return [this, command] { RunFieldCommand(command); };
    };
    add("edit-undo", QLineEdit::tr("&Undo"), QKeySequence::Undo, editable && isUndoAvailable(),
        [this] { undo(); });
    add("edit-redo", QLineEdit::tr("&Redo"), QKeySequence::Redo, editable && isRedoAvailable(),
        [this] { redo(); });
    menu->addSeparator();
    add("edit-cut", QLineEdit::tr("Cu&t"), QKeySequence::Cut, editable && selected,
        field(FieldCommand::Cut));
    add("edit-copy", QLineEdit::tr("&Copy"), QKeySequence::Copy, selected, [this] { copy(); });
    add("edit-paste", QLineEdit::tr("&Paste"), QKeySequence::Paste,
        editable && !QApplication::clipboard()->text().isEmpty(), field(FieldCommand::Paste));
    add("edit-delete", QLineEdit::tr("Delete"), QKeySequence::UnknownKey, editable && selected,
        field(FieldCommand::Clear));
    menu->addSeparator();
    add("select-all", QLineEdit::tr("Select All"), QKeySequence::SelectAll,
        !text().isEmpty() && selectedText() != text(), [this] { selectAll(); });
    return menu;
}

void ValidLineEdit::RunFieldCommand(FieldCommand command) {
    const PointerScope<const KeyAtHand> noKey(m_key, nullptr);
    if (!m_edit)
        return;
    switch (command) {
    case FieldCommand::Cut:
        m_edit->OnCut();
        break;
    case FieldCommand::Paste:
        m_edit->OnPaste();
        break;
    case FieldCommand::Clear:
        m_edit->OnClear();
        break;
    }
}

// --- TextField ---

std::string ValidLineEdit::GetText() const {
    return ToCp1252(text());
}

TextSelection ValidLineEdit::GetSel() const {
    const QString shown = text();
    int start = cursorPosition();
    int end = start;
    if (hasSelectedText()) {
        start = selectionStart();
        end = selectionEnd();
    }
    return {CodePointIndex(shown, start), CodePointIndex(shown, end)};
}

bool ValidLineEdit::IsReadOnly() const {
    return isReadOnly();
}

bool ValidLineEdit::IsEnabled() const {
    return isEnabled();
}

void ValidLineEdit::SetSel(int start, int end, bool /*scroll*/) {
    // Qt keeps the caret in view whatever is asked.
    const QString shown = text();
    const int length = CodePointIndex(shown, static_cast<int>(shown.size()));
    start = std::clamp(start, 0, length);
    end = std::clamp(end, 0, length);
    if (start > end)
        std::swap(start, end);
    const int from = Utf16Index(shown, start);
    const int to = Utf16Index(shown, end);
    if (from == to) {
        deselect();
        setCursorPosition(from);
    } else {
        setSelection(from, to - from);
    }
}

void ValidLineEdit::ReplaceSel(std::string_view text, bool undoable) {
    const QString inserted = FromCp1252(text);
    if (undoable) {
        insert(inserted); // edits a read-only field too
        return;
    }
    // The store that forgets the undo history.
    const QString shown = this->text();
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    const int end = hasSelectedText() ? selectionEnd() : start;
    setText(shown.left(start) + inserted + shown.mid(end));
    setCursorPosition(start + static_cast<int>(inserted.size()));
}

bool ValidLineEdit::SetWindowText(std::string_view text) {
    setText(FromCp1252(text));
    setCursorPosition(0);
    return true;
}

void ValidLineEdit::DefaultChar(char ch) {
    if (!Editable())
        return;
    if (m_key && m_key->event && m_key->ch == ch) {
        QLineEdit::keyPressEvent(m_key->event);
        return;
    }
    // A character without a key of its own (an input-method commit, or one of several).
    if (ch == '\b')
        backspace();
    else if (IsPrintableChar(ch))
        insert(FromCp1252(std::string_view(&ch, 1)));
}

void ValidLineEdit::DefaultKeyDown(int key) {
    if (m_key && m_key->event && m_key->key == key) {
        QLineEdit::keyPressEvent(m_key->event);
        return;
    }
    // A clear from the context menu runs as a Delete without a key press.
    if (key == kKeyDelete && Editable())
        del();
}

void ValidLineEdit::DefaultPaste() {
    if (Editable())
        insert(QApplication::clipboard()->text(m_pasteFrom));
}

void ValidLineEdit::DefaultFocusLost() {
    if (m_focusOut)
        QLineEdit::focusOutEvent(m_focusOut);
}

void ValidLineEdit::CopySelection() {
    copy();
}

void ValidLineEdit::Beep() {
    QApplication::beep();
}

void ValidLineEdit::SetFocus() {
    // Asked while the focus is leaving: take it back once that is done.
    QTimer::singleShot(0, this, [this] { setFocus(Qt::OtherFocusReason); });
}

void ValidLineEdit::MessageBox(const std::string& text) {
    QMessageBox box(QMessageBox::Warning, QApplication::applicationName(), FromCp1252(text),
                    QMessageBox::Ok, this);
    box.exec();
}

void ValidLineEdit::Repaint() {
    ApplyPaintColors();
    update();
}

Color ValidLineEdit::DrawingTextColor() const {
    return ToColor(PlatformPalette().color(CurrentGroup(), QPalette::Text));
}

Color ValidLineEdit::DrawingBackColor() const {
    return ToColor(PlatformPalette().color(CurrentGroup(), QPalette::Base));
}

void ValidLineEdit::SetChangeHandler(std::function<void()> handler) {
    m_onChange = std::move(handler);
}

// --- events ---

void ValidLineEdit::keyPressEvent(QKeyEvent* event) {
    if (!m_edit) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        m_edit->OnPaste();
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Cut)) {
        m_edit->OnCut();
        event->accept();
        return;
    }
    const int key = event->key();
    if (key == Qt::Key_Backspace) {
        const KeyAtHand backspace{event, '\b', VirtualKey(key)};
        const PointerScope<const KeyAtHand> scope(m_key, &backspace);
        m_edit->OnChar('\b');
        return;
    }
    if (key != Qt::Key_Delete && TypesText(*event)) {
        const std::string chars = Cp1252Chars(event->text());
        // Qt's handling of the key stands for the platform's only when it types one character.
        QKeyEvent* single = event->text().size() == 1 ? event : nullptr;
        for (const char ch : chars) {
            const KeyAtHand typed{single, ch, 0};
            const PointerScope<const KeyAtHand> scope(m_key, &typed);
            m_edit->OnChar(ch);
        }
        event->accept();
        return;
    }
    const KeyAtHand pressed{event, 0, VirtualKey(key)};
    {
        const PointerScope<const KeyAtHand> scope(m_key, &pressed);
        m_edit->OnKeyDown(pressed.key);
    }
    // Enter belongs to the window the field sits in.
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        event->ignore();
}

void ValidLineEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (!m_edit || (event->commitString().isEmpty() && event->replacementLength() == 0)) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    // Qt shows the composition; the committed characters are typed one by one. A replacement
    // of text around the caret that the input method asks for is not made: it would edit past
    // the validating field.
    QInputMethodEvent composing(event->preeditString(), event->attributes());
    QLineEdit::inputMethodEvent(&composing);
    const PointerScope<const KeyAtHand> noKey(m_key, nullptr);
    for (const char ch : Cp1252Chars(event->commitString()))
        m_edit->OnChar(ch);
    event->accept();
}

void ValidLineEdit::focusOutEvent(QFocusEvent* event) {
    // A popup (this field's context menu among them) only borrows the focus.
    if (!m_edit || event->reason() == Qt::PopupFocusReason) {
        QLineEdit::focusOutEvent(event);
        return;
    }
    const PointerScope<QFocusEvent> scope(m_focusOut, event);
    m_edit->OnKillFocus();
}

void ValidLineEdit::mouseReleaseEvent(QMouseEvent* event) {
    // The middle button pastes the selection clipboard where there is one.
    if (m_edit && event->button() == Qt::MiddleButton &&
        QApplication::clipboard()->supportsSelection()) {
        if (Editable()) {
            deselect();
            m_pasteFrom = QClipboard::Selection;
            m_edit->OnPaste();
            m_pasteFrom = QClipboard::Clipboard;
        }
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void ValidLineEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = CreateContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void ValidLineEdit::paintEvent(QPaintEvent* event) {
    ApplyPaintColors();
    QLineEdit::paintEvent(event);
}

// --- helpers ---

bool ValidLineEdit::Editable() const {
    return !isReadOnly() && isEnabled();
}

void ValidLineEdit::ApplyPaintColors() {
    if (!m_edit)
        return;
    const EditPaintColors colors = m_edit->GetPaintColors();
    if (colors.useDefault && !m_platformPalette)
        return;
    if (!m_platformPalette)
        m_platformPalette = palette();
    const QPalette laid = FieldPalette(*m_platformPalette, colors);
    if (laid != palette())
        setPalette(laid);
}

QPalette::ColorGroup ValidLineEdit::CurrentGroup() const {
    if (!isEnabled())
        return QPalette::Disabled;
    return isActiveWindow() ? QPalette::Active : QPalette::Inactive;
}

const QPalette& ValidLineEdit::PlatformPalette() const {
    return m_platformPalette ? *m_platformPalette : palette();
}
