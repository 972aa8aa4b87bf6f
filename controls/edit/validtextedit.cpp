#include "validtextedit.h"

#include "qcp1252.h"
#include "qfieldsupport.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace {

// A line break of the document's raw text: the block separator, and the line separator that
// Qt's own editing could bring in.
bool IsBreak(QChar c) {
    return c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == u'\n';
}

bool IsPairAt(const QString& raw, qsizetype i) {
    return raw[i].isHighSurrogate() && i + 1 < raw.size() && raw[i + 1].isLowSurrogate();
}

// The field's text of the document's raw text: CR LF for each break, '?' for a character the
// code page lacks.
std::string ToFieldText(const QString& raw) {
    std::string out;
    out.reserve(static_cast<std::size_t>(raw.size()));
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (IsBreak(raw[i])) {
            out += "\r\n";
            continue;
        }
        char32_t ch = raw[i].unicode();
        if (IsPairAt(raw, i)) {
            ch = QChar::surrogateToUcs4(raw[i], raw[i + 1]);
            ++i;
        }
        char byte = '?';
        ToCp1252Byte(ch, byte);
        out.push_back(byte);
    }
    return out;
}

// The document's form of a field text: each CR LF, lone CR and lone LF is one break.
QString ToDocText(std::string_view text) {
    QString out;
    out.reserve(static_cast<qsizetype>(text.size()));
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            out.append(u'\n');
        } else {
            out.append(FromCp1252(text.substr(i, 1)));
        }
    }
    return out;
}

// The field position of document position `at`.
int FieldIndex(const QString& raw, int at) {
    const qsizetype end = std::clamp<qsizetype>(at, 0, raw.size());
    int index = 0;
    for (qsizetype i = 0; i < end; ++i) {
        if (IsBreak(raw[i]))
            index += 2;
        else {
            if (IsPairAt(raw, i))
                ++i;
            ++index;
        }
    }
    return index;
}

// The document position of field position `at`; a position between the CR and the LF of a
// break stands before the break.
int DocIndex(const QString& raw, int at) {
    qsizetype i = 0;
    int index = 0;
    while (i < raw.size() && index < at) {
        if (IsBreak(raw[i])) {
            if (index + 2 > at)
                break;
            index += 2;
            ++i;
        } else {
            i += IsPairAt(raw, i) ? 2 : 1;
            ++index;
        }
    }
    return static_cast<int>(i);
}

// The virtual-key number of a Qt key, for the keys that have one the rules could know; 0 for
// the rest. (Qt's own codes must not reach the rules: Qt::Key_Period is 46, the Delete key's
// virtual-key number.)
int VirtualKey(int key) {
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z))
        return key; // the same ASCII numbers
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return 112 + (key - Qt::Key_F1);
    static constexpr std::pair<int, int> kKeys[] = {
        {Qt::Key_Tab, 9},       {Qt::Key_Escape, 27}, {Qt::Key_PageUp, 33},
        {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},    {Qt::Key_Home, 36},
        {Qt::Key_Left, 37},     {Qt::Key_Up, 38},     {Qt::Key_Right, 39},
        {Qt::Key_Down, 40},     {Qt::Key_Insert, 45}, {Qt::Key_Delete, kKeyDelete}};
    for (const auto& [qt, virtualKey] : kKeys) {
        if (qt == key)
            return virtualKey;
    }
    return 0;
}

} // namespace

ValidTextEdit::ValidTextEdit(QWidget* parent) : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabChangesFocus(true);
    // A drop, or a move of text by dragging it, would edit past the validating field.
    setAcceptDrops(false);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        // Qt reports a new text that equals the old one too; the field's owner hears only of
        // changes.
        QString raw = document()->toRawText();
        if (raw == m_shown)
            return;
        m_shown = std::move(raw);
        if (m_onChange)
            m_onChange();
    });
}

void ValidTextEdit::Bind(CValidEdit* edit) {
    if (m_edit)
        m_edit->Detach();
    m_edit = edit;
    if (m_edit) {
        m_edit->Attach(*this);
        ApplyPaintColors();
    }
}

void ValidTextEdit::SetReadOnly(bool readOnly) {
    setReadOnly(readOnly);
    if (readOnly)
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

QMenu* ValidTextEdit::CreateContextMenu(const QPoint& position) {
    QMenu* menu = createStandardContextMenu(position);
    if (!m_edit)
        return menu;
    for (QAction* action : menu->actions()) {
        // The submenu that inserts Unicode control characters would insert them unfiltered.
        if (action->menu()) {
            menu->removeAction(action);
            continue;
        }
        const bool cut = action->objectName() == QLatin1String("edit-cut");
        if (!cut && action->objectName() != QLatin1String("edit-delete"))
            continue;
        disconnect(action, &QAction::triggered, nullptr, nullptr);
        // A plain flag rather than a member-function pointer in the closure: the sanitizers
        // flag calls through such a captured pointer when Qt invokes the slot.
        connect(action, &QAction::triggered, this, [this, cut] {
            const PointerScope<const KeyAtHand> noKey(m_key, nullptr);
            if (!m_edit)
                return;
            if (cut)
                m_edit->OnCut();
            else
                m_edit->OnClear();
        });
    }
    // Paste goes through insertFromMimeData and so to the validating field.
    return menu;
}

// --- TextField ---

std::string ValidTextEdit::GetText() const {
    return ToFieldText(document()->toRawText());
}

TextSelection ValidTextEdit::GetSel() const {
    const QString raw = document()->toRawText();
    const QTextCursor cursor = textCursor();
    return {FieldIndex(raw, cursor.selectionStart()), FieldIndex(raw, cursor.selectionEnd())};
}

bool ValidTextEdit::IsReadOnly() const {
    return isReadOnly();
}

bool ValidTextEdit::IsEnabled() const {
    return isEnabled();
}

void ValidTextEdit::SetSel(int start, int end, bool scroll) {
    const QString raw = document()->toRawText();
    const int length = FieldIndex(raw, static_cast<int>(raw.size()));
    start = std::clamp(start, 0, length);
    end = std::clamp(end, 0, length);
    if (start > end)
        std::swap(start, end);
    // The caret stands at the end of the selection.
    QTextCursor cursor(document());
    cursor.setPosition(DocIndex(raw, start));
    cursor.setPosition(DocIndex(raw, end), QTextCursor::KeepAnchor);
    const int h = horizontalScrollBar()->value();
    const int v = verticalScrollBar()->value();
    setTextCursor(cursor);
    if (scroll) {
        ensureCursorVisible();
    } else {
        horizontalScrollBar()->setValue(h);
        verticalScrollBar()->setValue(v);
    }
}

void ValidTextEdit::ReplaceSel(std::string_view text, bool undoable) {
    // The cursor edits the document whether the widget is read-only or not.
    InsertDocText(ToDocText(text));
    if (!undoable)
        document()->clearUndoRedoStacks();
}

bool ValidTextEdit::SetWindowText(std::string_view text) {
    setPlainText(ToDocText(text)); // forgets the undo history
    moveCursor(QTextCursor::Start);
    horizontalScrollBar()->setValue(0);
    return true;
}

void ValidTextEdit::DefaultChar(char ch) {
    if (!Editable())
        return;
    if (m_key && m_key->event && m_key->ch == ch) {
        QPlainTextEdit::keyPressEvent(m_key->event);
        return;
    }
    // A character without a key of its own (Enter, an input-method commit, or one of several).
    if (ch == '\b') {
        QTextCursor cursor = textCursor();
        cursor.deletePreviousChar();
        setTextCursor(cursor);
        ensureCursorVisible();
    } else if (ch == '\r') {
        InsertDocText(QStringLiteral("\n"));
    } else if (IsPrintableChar(ch)) {
        InsertDocText(FromCp1252(std::string_view(&ch, 1)));
    }
}

void ValidTextEdit::DefaultKeyDown(int key) {
    if (m_key && m_key->event && m_key->key == key) {
        QPlainTextEdit::keyPressEvent(m_key->event);
        return;
    }
    // A clear from the context menu runs as a Delete without a key press.
    if (key == kKeyDelete && Editable()) {
        QTextCursor cursor = textCursor();
        cursor.deleteChar();
        setTextCursor(cursor);
    }
}

void ValidTextEdit::DefaultPaste() {
    if (!Editable())
        return;
    const QString text = m_pasteText ? *m_pasteText : QApplication::clipboard()->text();
    // Only what the code page has; line breaks in any form become the document's.
    InsertDocText(ToDocText(Cp1252Chars(text)));
}

void ValidTextEdit::DefaultFocusLost() {
    if (m_focusOut)
        QPlainTextEdit::focusOutEvent(m_focusOut);
}

void ValidTextEdit::CopySelection() {
    copy();
}

void ValidTextEdit::Beep() {
    QApplication::beep();
}

void ValidTextEdit::SetFocus() {
    // Asked while the focus is leaving: take it back once that is done.
    QTimer::singleShot(0, this, [this] { setFocus(Qt::OtherFocusReason); });
}

void ValidTextEdit::MessageBox(const std::string& text) {
    QMessageBox box(QMessageBox::Warning, QApplication::applicationName(), FromCp1252(text),
                    QMessageBox::Ok, this);
    box.exec();
}

void ValidTextEdit::Repaint() {
    ApplyPaintColors();
    viewport()->update();
}

Color ValidTextEdit::DrawingTextColor() const {
    return ToColor(PlatformPalette().color(CurrentGroup(), QPalette::Text));
}

Color ValidTextEdit::DrawingBackColor() const {
    return ToColor(PlatformPalette().color(CurrentGroup(), QPalette::Base));
}

void ValidTextEdit::SetChangeHandler(std::function<void()> handler) {
    m_shown = document()->toRawText();
    m_onChange = std::move(handler);
}

// --- events ---

void ValidTextEdit::keyPressEvent(QKeyEvent* event) {
    if (!m_edit) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (!m_bWantReturn) {
            // Enter belongs to the dialog: its default button.
            event->ignore();
            return;
        }
        // Qt's handling would bring a line separator with Shift; the platform's is CR LF.
        const KeyAtHand enter{nullptr, '\r', 13};
        const PointerScope<const KeyAtHand> scope(m_key, &enter);
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
        const KeyAtHand backspace{event, '\b', 8};
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
    const PointerScope<const KeyAtHand> scope(m_key, &pressed);
    m_edit->OnKeyDown(pressed.key);
}

void ValidTextEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (!m_edit || (event->commitString().isEmpty() && event->replacementLength() == 0)) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    // Qt shows the composition; the committed characters are typed one by one. A replacement
    // of text around the caret that the input method asks for is not made: it would edit past
    // the validating field.
    QInputMethodEvent composing(event->preeditString(), event->attributes());
    QPlainTextEdit::inputMethodEvent(&composing);
    const PointerScope<const KeyAtHand> noKey(m_key, nullptr);
    for (const char ch : Cp1252Chars(event->commitString()))
        m_edit->OnChar(ch);
    event->accept();
}

void ValidTextEdit::focusOutEvent(QFocusEvent* event) {
    // A popup (this field's context menu among them) only borrows the focus.
    if (!m_edit || event->reason() == Qt::PopupFocusReason) {
        QPlainTextEdit::focusOutEvent(event);
        return;
    }
    const PointerScope<QFocusEvent> scope(m_focusOut, event);
    m_edit->OnKillFocus();
}

void ValidTextEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = CreateContextMenu(event->pos());
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void ValidTextEdit::paintEvent(QPaintEvent* event) {
    ApplyPaintColors();
    QPlainTextEdit::paintEvent(event);
}

void ValidTextEdit::insertFromMimeData(const QMimeData* source) {
    if (!m_edit || m_pasteText) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    m_pasteText = source ? source->text() : QString();
    const PointerScope<const KeyAtHand> noKey(m_key, nullptr);
    m_edit->OnPaste();
    m_pasteText.reset();
}

// --- helpers ---

bool ValidTextEdit::Editable() const {
    return !isReadOnly() && isEnabled();
}

void ValidTextEdit::InsertDocText(const QString& text) {
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    cursor.insertText(text);
    cursor.endEditBlock();
    setTextCursor(cursor);
    ensureCursorVisible();
}

void ValidTextEdit::ApplyPaintColors() {
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

QPalette::ColorGroup ValidTextEdit::CurrentGroup() const {
    if (!isEnabled())
        return QPalette::Disabled;
    return isActiveWindow() ? QPalette::Active : QPalette::Inactive;
}

const QPalette& ValidTextEdit::PlatformPalette() const {
    return m_platformPalette ? *m_platformPalette : palette();
}
