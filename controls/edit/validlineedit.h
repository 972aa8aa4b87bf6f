#pragma once

#include "amsedit.h"
#include "textfield.h"

#include <QClipboard>
#include <QLineEdit>
#include <QPalette>

#include <functional>
#include <optional>

class QMenu;

// A line edit whose editing runs through a validating field: every typed character, key, paste,
// cut, clear and focus loss goes to the bound CValidEdit, which asks this widget (as its
// TextField) to do the platform's part. Undo, the caret keys, copy and select-all stay Qt's.
// Without a bound field it is a plain QLineEdit.
class ValidLineEdit : public QLineEdit, public TextField {
    Q_OBJECT
public:
    explicit ValidLineEdit(QWidget* parent = nullptr);

    // The context menu the field shows: the items of Qt's own, with Cut, Paste and Delete going
    // to the validating field. The caller owns it.
    QMenu* CreateContextMenu();

    // TextField. Positions are characters (code points) of the shown text, one per byte.
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
    // Attaches `edit` to this widget (null: none). The owner binds it once it exists and
    // unbinds it (Bind(nullptr)) before it goes.
    void Bind(CValidEdit* edit);

    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The context menu items the validating field handles.
    enum class FieldCommand { Cut, Paste, Clear };
    void RunFieldCommand(FieldCommand command);
    // The key press being handled, for the platform's own handling of it.
    struct KeyAtHand {
        QKeyEvent* event = nullptr; // null when Qt's handling cannot stand for the character
        char ch = 0;                // the character it brings, or 0
        int key = 0;                // its virtual-key number, or 0
    };

    bool Editable() const;
    void ApplyPaintColors();
    QPalette::ColorGroup CurrentGroup() const;
    const QPalette& PlatformPalette() const;

    CValidEdit* m_edit = nullptr;
    std::function<void()> m_onChange;
    const KeyAtHand* m_key = nullptr;
    QFocusEvent* m_focusOut = nullptr;
    QClipboard::Mode m_pasteFrom = QClipboard::Clipboard;
    // The palette before the validating field's colours were laid on it.
    std::optional<QPalette> m_platformPalette;
};
