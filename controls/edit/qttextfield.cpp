#include "qttextfield.h"

#include "qcolour.h"
#include "qcp1252.h"
#include "scopedvalue.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>
#include <type_traits>
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

// A key that types characters rather than a shortcut: printable text without Ctrl (Ctrl with
// Alt is AltGr on some platforms), as Qt's own editors decide.
bool TypesText(const QKeyEvent& event) {
    const QString text = event.text();
    if (text.isEmpty() || !text.front().isPrint())
        return false;
    const Qt::KeyboardModifiers mods = event.modifiers() & ~Qt::KeypadModifier;
    return mods != Qt::ControlModifier && mods != (Qt::ControlModifier | Qt::ShiftModifier);
}

// The platform's palette with a validating field's colours laid over it, for every state
// (editable, read-only, disabled).
QPalette FieldPalette(const QPalette& platform, const EditPaintColors& colors) {
    QPalette laid = platform;
    if (!colors.useDefault) {
        if (colors.hasBrush)
            laid.setColor(QPalette::Base, ToQColor(colors.brushColor));
        if (colors.applyTextColor)
            laid.setColor(QPalette::Text, ToQColor(colors.textColor));
    }
    return laid;
}

// The calls in which Qt's line edit and text edit differ, for each of the two.

void Prepare(QLineEdit& /*edit*/) {}

void Prepare(QPlainTextEdit& edit) {
    edit.setLineWrapMode(QPlainTextEdit::NoWrap);
    edit.setTabChangesFocus(true);
}

QString ShownText(const QLineEdit& edit) {
    return edit.text();
}

// The document's text with its line breaks as '\n': it separates blocks with U+2029, and Qt's
// own editing could bring in the line separator U+2028.
QString ShownText(const QPlainTextEdit& edit) {
    QString raw = edit.document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, u'\n');
    raw.replace(QChar::LineSeparator, u'\n');
    return raw;
}

// The selection in UTF-16 positions, the start first.
std::pair<int, int> Selection(const QLineEdit& edit) {
    if (!edit.hasSelectedText())
        return {edit.cursorPosition(), edit.cursorPosition()};
    return {edit.selectionStart(), edit.selectionEnd()};
}

std::pair<int, int> Selection(const QPlainTextEdit& edit) {
    const QTextCursor cursor = edit.textCursor();
    return {cursor.selectionStart(), cursor.selectionEnd()};
}

// Selects [from, to) with the caret at `to`; `scroll` brings the caret into view. Qt's line edit
// keeps the caret in view whatever is asked.
void Select(QLineEdit& edit, int from, int to, bool /*scroll*/) {
    if (from == to) {
        edit.deselect();
        edit.setCursorPosition(from);
    } else {
        edit.setSelection(from, to - from);
    }
}

void Select(QPlainTextEdit& edit, int from, int to, bool scroll) {
    QTextCursor cursor(edit.document());
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    const int h = edit.horizontalScrollBar()->value();
    const int v = edit.verticalScrollBar()->value();
    edit.setTextCursor(cursor);
    if (scroll) {
        edit.ensureCursorVisible();
    } else {
        edit.horizontalScrollBar()->setValue(h);
        edit.verticalScrollBar()->setValue(v);
    }
}

// Replaces the selection with `text` (in the widget's form) in one undoable step, read-only or
// not, and leaves the caret after it.
void Insert(QLineEdit& edit, const QString& text) {
    edit.insert(text);
}

void Insert(QPlainTextEdit& edit, const QString& text) {
    QTextCursor cursor = edit.textCursor();
    cursor.beginEditBlock();
    cursor.insertText(text);
    cursor.endEditBlock();
    edit.setTextCursor(cursor);
    edit.ensureCursorVisible();
}

// The same, forgetting the undo history.
void InsertForgettingUndo(QLineEdit& edit, const QString& text) {
    const QString shown = edit.text();
    const auto [start, end] = Selection(edit);
    edit.setText(shown.left(start) + text + shown.mid(end));
    edit.setCursorPosition(start + static_cast<int>(text.size()));
}

void InsertForgettingUndo(QPlainTextEdit& edit, const QString& text) {
    Insert(edit, text);
    edit.document()->clearUndoRedoStacks();
}

// Stores a whole new text with the caret at its start, forgetting the undo history.
void Store(QLineEdit& edit, const QString& text) {
    edit.setText(text);
    edit.setCursorPosition(0);
}

void Store(QPlainTextEdit& edit, const QString& text) {
    edit.setPlainText(text);
    edit.moveCursor(QTextCursor::Start);
    edit.horizontalScrollBar()->setValue(0);
}

// When the field is left: a line field shows the start of its text with the caret there, so that
// a number wider than the field is not read by its end (1535.463 as ".535.463"). A multi-line
// field keeps its place, the reader's in a long text.
void ShowStart(QLineEdit& edit) {
    edit.setCursorPosition(0);
}

void ShowStart(QPlainTextEdit& /*edit*/) {}

// Backspace (`before`) or Delete without a key press: the selection, or the character before
// (after) the caret.
void DeleteAtCaret(QLineEdit& edit, bool before) {
    if (before)
        edit.backspace();
    else
        edit.del();
}

void DeleteAtCaret(QPlainTextEdit& edit, bool before) {
    QTextCursor cursor = edit.textCursor();
    if (before)
        cursor.deletePreviousChar();
    else
        cursor.deleteChar();
    edit.setTextCursor(cursor);
    // After a Backspace the caret stays in view, as after typing.
    if (before)
        edit.ensureCursorVisible();
}

// The widget that shows the text, for repainting.
QWidget& Surface(QLineEdit& edit) {
    return edit;
}

QWidget& Surface(QPlainTextEdit& edit) {
    return *edit.viewport();
}

// The context menu before a field takes its Cut, Paste and Delete items. Qt's own line edit
// menu hides the editing items of a read-only field and names none of its items; a field's
// shows them all, disabled where they do not apply, named as the text edit's are, and leaves
// those three unconnected.
QMenu* MenuOf(QLineEdit& edit, const QPoint& /*position*/, bool forField) {
    if (!forField)
        return edit.createStandardContextMenu();
    auto* menu = new QMenu(&edit);
    QLineEdit* const w = &edit;
    const bool editable = !edit.isReadOnly();
    const bool selected = edit.hasSelectedText();
    const bool showKeys = !QCoreApplication::testAttribute(Qt::AA_DontShowShortcutsInContextMenus);
    const auto add = [menu, showKeys](const char* name, const QString& label,
                                      QKeySequence::StandardKey key, bool enabled) {
        const QString keys = QKeySequence(key).toString(QKeySequence::NativeText);
        QAction* action =
            menu->addAction(showKeys && !keys.isEmpty() ? label + u'\t' + keys : label);
        action->setObjectName(QLatin1String(name));
        action->setEnabled(enabled);
        return action;
    };
    QObject::connect(add("edit-undo", QLineEdit::tr("&Undo"), QKeySequence::Undo,
                         editable && edit.isUndoAvailable()),
                     &QAction::triggered, w, [w] { w->undo(); });
    QObject::connect(add("edit-redo", QLineEdit::tr("&Redo"), QKeySequence::Redo,
                         editable && edit.isRedoAvailable()),
                     &QAction::triggered, w, [w] { w->redo(); });
    menu->addSeparator();
    add("edit-cut", QLineEdit::tr("Cu&t"), QKeySequence::Cut, editable && selected);
    QObject::connect(add("edit-copy", QLineEdit::tr("&Copy"), QKeySequence::Copy, selected),
                     &QAction::triggered, w, [w] { w->copy(); });
    add("edit-paste", QLineEdit::tr("&Paste"), QKeySequence::Paste,
        editable && !QApplication::clipboard()->text().isEmpty());
    add("edit-delete", QLineEdit::tr("Delete"), QKeySequence::UnknownKey, editable && selected);
    menu->addSeparator();
    QObject::connect(add("select-all", QLineEdit::tr("Select All"), QKeySequence::SelectAll,
                         !edit.text().isEmpty() && edit.selectedText() != edit.text()),
                     &QAction::triggered, w, [w] { w->selectAll(); });
    return menu;
}

QMenu* MenuOf(QPlainTextEdit& edit, const QPoint& position, bool /*forField*/) {
    return edit.createStandardContextMenu(position);
}

void MakeReadOnly(QLineEdit& edit, bool readOnly) {
    edit.setReadOnly(readOnly);
}

// Qt's read-only text edit would hide the caret and ignore the caret keys.
void MakeReadOnly(QPlainTextEdit& edit, bool readOnly) {
    edit.setReadOnly(readOnly);
    if (readOnly)
        edit.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

} // namespace

template <class Widget>
QtTextField<Widget>::QtTextField(QWidget* parent)
    : QtFieldWidget<Widget>(parent),
      m_mapping(std::is_base_of_v<QPlainTextEdit, Widget> ? TextMapping::Lines::Multi
                                                          : TextMapping::Lines::Single),
      m_ownMessages(this) {
    Prepare(*this);
    // A drop, or a move of text by dragging it, would edit past the validating field.
    this->setAcceptDrops(false);
    QObject::connect(this, &Widget::textChanged, this, [this] {
        // Qt's text edit reports a new text that equals the old one too; the field's owner
        // hears only of changes.
        QString shown = ShownText(*this);
        if (shown == m_shown)
            return;
        m_shown = std::move(shown);
        if (m_onChange)
            m_onChange();
    });
}

template <class Widget> QtTextField<Widget>::~QtTextField() {
    // An adopted field goes while the widget it detaches from is whole.
    if (m_adopted)
        Bind(nullptr);
}

template <class Widget> void QtTextField<Widget>::Bind(CValidEdit* edit) {
    if (m_edit)
        m_edit->Detach();
    m_edit = edit;
    if (m_adopted.get() != edit)
        m_adopted.reset();
    if (m_edit) {
        m_edit->Attach(*this);
        ApplyPaintColors();
    }
}

template <class Widget> void QtTextField<Widget>::Adopt(std::unique_ptr<CValidEdit> edit) {
    Bind(edit.get());
    m_adopted = std::move(edit);
}

template <class Widget> void QtTextField<Widget>::SetReadOnly(bool readOnly) {
    MakeReadOnly(*this, readOnly);
}

template <class Widget> QMenu* QtTextField<Widget>::CreateContextMenu(const QPoint& position) {
    QMenu* menu = MenuOf(*this, position, m_edit != nullptr);
    if (!m_edit)
        return menu;
    for (QAction* action : menu->actions()) {
        // The submenu that inserts Unicode control characters would insert them unfiltered.
        if (action->menu()) {
            menu->removeAction(action);
            continue;
        }
        const std::optional<FieldCommand> command = CommandOf(*action);
        if (!command)
            continue;
        QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
        // A plain command rather than a member-function pointer in the closure: the sanitizers
        // flag calls through such a captured pointer when Qt invokes the slot.
        QObject::connect(action, &QAction::triggered, this,
                         [this, run = *command] { RunFieldCommand(run); });
    }
    return menu;
}

// --- TextField ---

template <class Widget> std::string QtTextField<Widget>::GetText() const {
    return m_mapping.FieldText(ToCp1252(ShownText(*this)));
}

template <class Widget> TextSelection QtTextField<Widget>::GetSel() const {
    const QString shown = ShownText(*this);
    const std::string bytes = ToCp1252(shown);
    const auto [start, end] = Selection(*this);
    return {m_mapping.FieldIndex(bytes, CodePointIndex(shown, start)),
            m_mapping.FieldIndex(bytes, CodePointIndex(shown, end))};
}

template <class Widget> bool QtTextField<Widget>::IsReadOnly() const {
    return this->isReadOnly();
}

template <class Widget> bool QtTextField<Widget>::IsEnabled() const {
    return this->isEnabled();
}

template <class Widget> void QtTextField<Widget>::SetSel(int start, int end, bool scroll) {
    const QString shown = ShownText(*this);
    const std::string bytes = ToCp1252(shown);
    const int length = m_mapping.FieldIndex(bytes, static_cast<int>(bytes.size()));
    start = std::clamp(start, 0, length);
    end = std::clamp(end, 0, length);
    if (start > end)
        std::swap(start, end);
    Select(*this, Utf16Index(shown, m_mapping.ShownIndex(bytes, start)),
           Utf16Index(shown, m_mapping.ShownIndex(bytes, end)), scroll);
}

template <class Widget> void QtTextField<Widget>::ReplaceSel(std::string_view text, bool undoable) {
    const QString inserted = FromCp1252(m_mapping.ShownText(text));
    if (undoable)
        Insert(*this, inserted);
    else
        InsertForgettingUndo(*this, inserted);
}

template <class Widget> bool QtTextField<Widget>::SetWindowText(std::string_view text) {
    Store(*this, FromCp1252(m_mapping.ShownText(text)));
    return true;
}

template <class Widget> void QtTextField<Widget>::DefaultChar(char ch) {
    if (!Editable())
        return;
    if (m_key && m_key->event && m_key->ch == ch) {
        Widget::keyPressEvent(m_key->event);
        return;
    }
    // A character without a key of its own (Enter in a multi-line field, an input-method
    // commit, or one of several a key brought).
    if (ch == '\b')
        DeleteAtCaret(*this, true);
    else if (ch == '\r' && m_mapping.HasLineBreaks())
        Insert(*this, FromCp1252(m_mapping.ShownText("\r\n")));
    else if (IsPrintableChar(ch))
        Insert(*this, FromCp1252(std::string_view(&ch, 1)));
}

template <class Widget> void QtTextField<Widget>::DefaultKeyDown(int key) {
    if (m_key && m_key->event && m_key->key == key) {
        Widget::keyPressEvent(m_key->event);
        return;
    }
    // A clear from the context menu runs as a Delete without a key press.
    if (key == kKeyDelete && Editable())
        DeleteAtCaret(*this, false);
}

template <class Widget> void QtTextField<Widget>::DefaultPaste() {
    if (Editable())
        ReplaceSel(PasteText(), true);
}

template <class Widget> std::string QtTextField<Widget>::PasteText() const {
    // Narrowed as typed text is: the characters the code page has, a minus sign as '-'. Any
    // line break reads as the field's: CR LF in a multi-line field.
    const QString text = m_pasteText ? *m_pasteText : QApplication::clipboard()->text();
    return m_mapping.FieldText(m_mapping.ShownText(Cp1252Chars(text)));
}

template <class Widget> void QtTextField<Widget>::DefaultFocusLost() {
    if (m_focusOut)
        Widget::focusOutEvent(m_focusOut);
}

template <class Widget> void QtTextField<Widget>::CopySelection() {
    this->copy();
}

template <class Widget> void QtTextField<Widget>::SetFocus() {
    // Asked while the focus is leaving: take it back once that is done.
    QTimer::singleShot(0, this, [this] { this->setFocus(Qt::OtherFocusReason); });
}

template <class Widget> void QtTextField<Widget>::Repaint() {
    ApplyPaintColors();
    Surface(*this).update();
}

template <class Widget> COLORREF QtTextField<Widget>::DrawingTextColor() const {
    return FromQColor(PlatformPalette().color(CurrentGroup(), QPalette::Text));
}

template <class Widget> COLORREF QtTextField<Widget>::DrawingBackColor() const {
    return FromQColor(PlatformPalette().color(CurrentGroup(), QPalette::Base));
}

template <class Widget> void QtTextField<Widget>::SetChangeHandler(std::function<void()> handler) {
    m_shown = ShownText(*this);
    m_onChange = std::move(handler);
}

// --- events ---

template <class Widget> void QtTextField<Widget>::keyPressEvent(QKeyEvent* event) {
    if (!m_edit) {
        Widget::keyPressEvent(event);
        return;
    }
    const int key = event->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (enter && m_mapping.HasLineBreaks()) {
        if (!m_wantReturn) {
            // Enter belongs to the dialog: its default button.
            event->ignore();
            return;
        }
        // Qt's handling would bring a line separator with Shift; the platform's is CR LF.
        const KeyAtHand lineBreak{nullptr, '\r', VirtualKey(key)};
        const ScopedValue scope(m_key, &lineBreak);
        m_edit->OnChar('\r');
        event->accept();
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
    if (key == Qt::Key_Backspace) {
        const KeyAtHand backspace{event, '\b', VirtualKey(key)};
        const ScopedValue scope(m_key, &backspace);
        m_edit->OnChar('\b');
        return;
    }
    if (key != Qt::Key_Delete && TypesText(*event)) {
        const std::string chars = Cp1252Chars(event->text());
        // Qt's handling of the key stands for the platform's only when it types one character.
        QKeyEvent* single = event->text().size() == 1 ? event : nullptr;
        for (const char ch : chars) {
            const KeyAtHand typed{single, ch, 0};
            const ScopedValue scope(m_key, &typed);
            m_edit->OnChar(ch);
        }
        event->accept();
        return;
    }
    const KeyAtHand pressed{event, 0, VirtualKey(key)};
    {
        const ScopedValue scope(m_key, &pressed);
        m_edit->OnKeyDown(pressed.key);
    }
    // Enter of a single-line field belongs to the window the field sits in.
    if (enter)
        event->ignore();
}

template <class Widget> void QtTextField<Widget>::inputMethodEvent(QInputMethodEvent* event) {
    if (!m_edit || (event->commitString().isEmpty() && event->replacementLength() == 0)) {
        Widget::inputMethodEvent(event);
        return;
    }
    // Qt shows the composition; the committed characters are typed one by one. A replacement
    // of text around the caret that the input method asks for is not made: it would edit past
    // the validating field.
    QInputMethodEvent composing(event->preeditString(), event->attributes());
    Widget::inputMethodEvent(&composing);
    const ScopedValue<const KeyAtHand*> noKey(m_key, nullptr);
    for (const char ch : Cp1252Chars(event->commitString()))
        m_edit->OnChar(ch);
    event->accept();
}

template <class Widget> void QtTextField<Widget>::focusOutEvent(QFocusEvent* event) {
    // A popup (this field's context menu among them) only borrows the focus.
    if (!m_edit || event->reason() == Qt::PopupFocusReason) {
        Widget::focusOutEvent(event);
        return;
    }
    {
        const ScopedValue scope(m_focusOut, event);
        m_edit->OnKillFocus();
    }
    // A window going inactive takes the focus along and gives it back: the caret stays where
    // the typing goes on, as Qt keeps the selection for it.
    if (event->reason() != Qt::ActiveWindowFocusReason)
        ShowStart(*this);
}

template <class Widget> void QtTextField<Widget>::mouseReleaseEvent(QMouseEvent* event) {
    // The middle button pastes the selection clipboard where there is one: straight into the
    // text in Qt's line edit, through TakeQtPaste in its text edit.
    if constexpr (std::is_same_v<Widget, QLineEdit>) {
        QClipboard* clipboard = QApplication::clipboard();
        if (m_edit && event->button() == Qt::MiddleButton && clipboard->supportsSelection()) {
            if (Editable()) {
                this->deselect();
                PasteThroughField(clipboard->text(QClipboard::Selection));
            }
            event->accept();
            return;
        }
    }
    Widget::mouseReleaseEvent(event);
}

template <class Widget> void QtTextField<Widget>::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = CreateContextMenu(event->pos());
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

template <class Widget> void QtTextField<Widget>::paintEvent(QPaintEvent* event) {
    ApplyPaintColors();
    Widget::paintEvent(event);
}

template <class Widget> bool QtTextField<Widget>::TakeQtPaste(const QMimeData* source) {
    if (!m_edit || m_pasteText)
        return false;
    PasteThroughField(source ? source->text() : QString());
    return true;
}

// --- helpers ---

template <class Widget>
auto QtTextField<Widget>::CommandOf(const QAction& action) -> std::optional<FieldCommand> {
    const QString name = action.objectName();
    if (name == QLatin1String("edit-cut"))
        return FieldCommand::Cut;
    if (name == QLatin1String("edit-paste"))
        return FieldCommand::Paste;
    if (name == QLatin1String("edit-delete"))
        return FieldCommand::Clear;
    return std::nullopt;
}

template <class Widget> void QtTextField<Widget>::RunFieldCommand(FieldCommand command) {
    // Outside any key press.
    const ScopedValue<const KeyAtHand*> noKey(m_key, nullptr);
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

template <class Widget> void QtTextField<Widget>::PasteThroughField(const QString& text) {
    const ScopedValue<std::optional<QString>> paste(m_pasteText, text);
    const ScopedValue<const KeyAtHand*> noKey(m_key, nullptr);
    m_edit->OnPaste();
}

template <class Widget> bool QtTextField<Widget>::Editable() const {
    return !this->isReadOnly() && this->isEnabled();
}

template <class Widget> void QtTextField<Widget>::ApplyPaintColors() {
    if (!m_edit)
        return;
    const EditPaintColors colors = m_edit->GetPaintColors();
    if (colors.useDefault && !m_platformPalette)
        return;
    if (!m_platformPalette)
        m_platformPalette = this->palette();
    const QPalette laid = FieldPalette(*m_platformPalette, colors);
    if (laid != this->palette())
        this->setPalette(laid);
}

template <class Widget> QPalette::ColorGroup QtTextField<Widget>::CurrentGroup() const {
    if (!this->isEnabled())
        return QPalette::Disabled;
    return this->isActiveWindow() ? QPalette::Active : QPalette::Inactive;
}

template <class Widget> const QPalette& QtTextField<Widget>::PlatformPalette() const {
    return m_platformPalette ? *m_platformPalette : this->palette();
}

template class QtTextField<QLineEdit>;
template class QtTextField<QPlainTextEdit>;
