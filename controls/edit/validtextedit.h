#pragma once

#include "amsedit.h"
#include "textfield.h"

#include <QPalette>
#include <QPlainTextEdit>
#include <QString>

#include <functional>
#include <optional>

class QMenu;

// A multi-line text edit whose editing runs through a validating field, as an edit control of
// a dialog: no word wrap (the text scrolls sideways with the caret), Tab moves the focus, and
// Enter belongs to the dialog unless SetWantReturn is on. Every typed character, key, paste,
// cut, clear and focus loss goes to the bound CValidEdit, which asks this widget (as its
// TextField) to do the platform's part. Undo, the caret keys, copy and select-all stay Qt's.
//
// The field's texts are Windows-1252 with CR LF line breaks, and positions count a line break
// as two characters, as the platform's multi-line edit does. A lone CR or LF in a text that is
// set or inserted is a line break too, so it reads back as CR LF. Without a bound field it is
// a plain QPlainTextEdit.
class ValidTextEdit : public QPlainTextEdit, public TextField {
    Q_OBJECT
public:
    explicit ValidTextEdit(QWidget* parent = nullptr);

    // Attaches `edit` to this widget (null: none). The owner binds it once it exists and
    // unbinds it (Bind(nullptr)) before it goes.
    void Bind(CValidEdit* edit);

    // Read-only as the platform's edit is read-only: the caret still shows and moves with the
    // keys, and the text can be selected and copied.
    void SetReadOnly(bool readOnly);
    // Enter types a line break instead of going to the dialog.
    void SetWantReturn(bool want) { m_bWantReturn = want; }

    // The context menu the field shows: Qt's own, with Cut and Delete going to the validating
    // field and without the insertion of control characters. The caller owns it.
    QMenu* CreateContextMenu(const QPoint& position);

    // TextField.
    std::string GetText() const override;
    TextSelection GetSel() const override;
    bool IsReadOnly() const override;
    bool IsEnabled() const override;
    void SetSel(int start, int end, bool scroll = true) override;
    void ReplaceSel(std::string_view text, bool undoable) override;
    bool SetWindowText(std::string_view text) override;
    void DefaultChar(char ch) override;
    void DefaultKeyDown(int key) override;
    void DefaultPaste() override;
    void DefaultFocusLost() override;
    void CopySelection() override;
    void Beep() override;
    void SetFocus() override;
    void MessageBox(const std::string& text) override;
    void Repaint() override;
    Color DrawingTextColor() const override;
    Color DrawingBackColor() const override;
    void SetChangeHandler(std::function<void()> handler) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // Every paste Qt makes itself (the context menu's, the middle button's) comes here.
    void insertFromMimeData(const QMimeData* source) override;

private:
    // The key press being handled, for the platform's own handling of it.
    struct KeyAtHand {
        QKeyEvent* event = nullptr; // null when Qt's handling cannot stand for the character
        char ch = 0;                // the character it brings, or 0
        int key = 0;                // its virtual-key number, or 0
    };

    bool Editable() const;
    // Replaces the selection with `text` (already in the document's form) in one edit step and
    // keeps the caret after it, in view.
    void InsertDocText(const QString& text);
    void ApplyPaintColors();
    QPalette::ColorGroup CurrentGroup() const;
    const QPalette& PlatformPalette() const;

    CValidEdit* m_edit = nullptr;
    std::function<void()> m_onChange;
    QString m_shown; // the text the change handler last heard of
    bool m_bWantReturn = false;
    const KeyAtHand* m_key = nullptr;
    QFocusEvent* m_focusOut = nullptr;
    // The text of a paste Qt started, while the validating field handles it.
    std::optional<QString> m_pasteText;
    // The palette before the validating field's colours were laid on it.
    std::optional<QPalette> m_platformPalette;
};
