#pragma once

#include "amsedit.h"
#include "qtmessages.h"
#include "textfield.h"
#include "textmapping.h"

#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QMenu;
class QMimeData;

// The Qt widget under a field's adapter. Qt's text edit routes every paste it makes itself (the
// middle button's, a call of paste()) through insertFromMimeData, which hands it to the adapter;
// Qt's line edit has no such hook, so its adapter catches the middle button itself.
template <class Widget> class QtFieldWidget : public Widget {
public:
    using Widget::Widget;

protected:
    // A paste Qt makes of `source`; false leaves it to Qt.
    virtual bool TakeQtPaste(const QMimeData* source) = 0;
};

template <> class QtFieldWidget<QPlainTextEdit> : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    virtual bool TakeQtPaste(const QMimeData* source) = 0;
    void insertFromMimeData(const QMimeData* source) override {
        if (!TakeQtPaste(source))
            QPlainTextEdit::insertFromMimeData(source);
    }
};

// The one Qt adapter of the validating fields: a Qt text widget whose typed characters, keys,
// input-method commits, paste, cut, clear, context menu, focus loss and colours go to the
// CValidEdit bound to it, and which serves that field as its TextField, so that the field asks
// it for the platform's part. Undo, the caret keys, copy and select-all stay Qt's. Without a
// bound field it is the plain Qt widget.
//
// On a QLineEdit it is a single-line field. On a QPlainTextEdit it is a multi-line field, as an
// edit control of a dialog: no word wrap (the text scrolls sideways with the caret), Tab moves
// the focus, and Enter belongs to the dialog unless SetWantReturn is on. Texts and positions are
// the field's, as TextMapping maps them: one character per character of the widget, and in a
// multi-line field CR LF for a line break.
template <class Widget> class QtTextField : public QtFieldWidget<Widget>, public TextField {
public:
    explicit QtTextField(QWidget* parent = nullptr);
    ~QtTextField() override;

    // Attaches `edit` to this widget (null: none). The owner binds it once it exists and
    // unbinds it (Bind(nullptr)) before it goes.
    void Bind(CValidEdit* edit);
    // Binds `edit` and keeps it until another is bound or the widget goes.
    void Adopt(std::unique_ptr<CValidEdit> edit);
    // Where the field's beeps and message boxes go; by default message boxes over this widget.
    // `messages` must stay valid while a field is bound.
    void SetMessages(Messages& messages) { m_messages = &messages; }

    // Read-only as the platform's edit is read-only: the caret still shows and moves with the
    // keys, and the text can be selected and copied.
    void SetReadOnly(bool readOnly);
    // Enter types a line break into a multi-line field instead of going to the dialog.
    void SetWantReturn(bool want) { m_wantReturn = want; }

    // The context menu the field shows at `position`: Cut, Paste and Delete go to the validating
    // field, and there is no item that would insert characters past it. The caller owns it.
    QMenu* CreateContextMenu(const QPoint& position = QPoint());

    // TextField: the text and its selection, in the field's characters.
    std::string GetText() const override;
    TextSelection GetSel() const override;
    bool IsReadOnly() const override;
    bool IsEnabled() const override;
    void SetSel(int start, int end, bool scroll = true) override;
    void ReplaceSel(std::string_view text, bool undoable) override;
    bool SetWindowText(std::string_view text) override;
    void SetChangeHandler(std::function<void()> handler) override;
    // TextField: Qt's own handling of the event at hand.
    void DefaultChar(char ch) override;
    void DefaultKeyDown(int key) override;
    void DefaultPaste() override;
    std::string PasteText() const override;
    void DefaultFocusLost() override;
    void CopySelection() override;
    // TextField: feedback and colours.
    Messages& GetMessages() override { return *m_messages; }
    void SetFocus() override;
    void Repaint() override;
    COLORREF DrawingTextColor() const override;
    COLORREF DrawingBackColor() const override;

protected:
    // Typing.
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // The pastes Qt makes itself.
    bool TakeQtPaste(const QMimeData* source) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The context menu items the validating field handles.
    enum class FieldCommand { Cut, Paste, Clear };
    // The key press being handled, for the platform's own handling of it.
    struct KeyAtHand {
        QKeyEvent* event = nullptr; // null when Qt's handling cannot stand for the character
        char ch = 0;                // the character it brings, or 0
        int key = 0;                // its virtual-key number, or 0
    };

    static std::optional<FieldCommand> CommandOf(const QAction& action);
    void RunFieldCommand(FieldCommand command);
    // Pastes `text` through the field, as if it were the clipboard's.
    void PasteThroughField(const QString& text);
    bool Editable() const;
    void ApplyPaintColors();
    QPalette::ColorGroup CurrentGroup() const;
    const QPalette& PlatformPalette() const;

    const TextMapping m_mapping;
    CValidEdit* m_edit = nullptr;
    std::unique_ptr<CValidEdit> m_adopted;
    QtMessages m_ownMessages;
    Messages* m_messages = &m_ownMessages;
    std::function<void()> m_onChange;
    QString m_shown; // the widget's text as the change handler last heard of it
    bool m_wantReturn = false;
    const KeyAtHand* m_key = nullptr;
    QFocusEvent* m_focusOut = nullptr;
    // The text of a paste Qt or the middle button started, while the validating field handles it.
    std::optional<QString> m_pasteText;
    // The palette before the validating field's colours were laid on it.
    std::optional<QPalette> m_platformPalette;
};

using QtLineField = QtTextField<QLineEdit>;
using QtMultiLineField = QtTextField<QPlainTextEdit>;

extern template class QtTextField<QLineEdit>;
extern template class QtTextField<QPlainTextEdit>;
