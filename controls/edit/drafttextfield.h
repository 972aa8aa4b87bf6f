#pragma once

#include "textfield.h"

#include <optional>
#include <string>

// A single-line text field held in memory, with the default behaviour of the platform's edit: a
// printable character replaces the selection or is inserted at the caret, Backspace deletes the
// selection or the character before the caret, Delete the selection or the character after it,
// paste replaces the selection with the clipboard. One level of undo, as the platform's edit
// has. A paste is worked out on one of these before the platform's field takes the outcome as
// one undoable step; where its feedback goes (messages, focus, repaint, colours) is left to the
// class that derives from it.
class DraftTextField : public TextField {
public:
    std::string GetText() const override { return m_text; }
    TextSelection GetSel() const override { return m_sel; }
    bool IsReadOnly() const override { return m_readOnly; }
    bool IsEnabled() const override { return m_enabled; }

    void SetSel(int start, int end, bool scroll = true) override;
    void ReplaceSel(std::string_view text, bool undoable) override;
    bool SetWindowText(std::string_view text) override;

    void DefaultChar(char ch) override;
    void DefaultKeyDown(int key) override;
    void DefaultPaste() override;
    std::string PasteText() const override { return m_clipboard; }
    void CopySelection() override;

    void SetChangeHandler(std::function<void()> handler) override {
        m_onChange = std::move(handler);
    }

    void SetReadOnly(bool readOnly) { m_readOnly = readOnly; }
    void SetEnabled(bool enabled) { m_enabled = enabled; }
    void SetClipboardText(std::string text) { m_clipboard = std::move(text); }
    const std::string& ClipboardText() const { return m_clipboard; }
    bool CanUndo() const { return m_undo.has_value(); }
    // Swaps the text and selection with those before the last undoable edit.
    void Undo();

protected:
    // Runs after every change of the text, before the change handler.
    virtual void OnTextChanged() {}

private:
    struct Snapshot {
        std::string text;
        TextSelection sel;
    };

    bool Editable() const { return m_enabled && !m_readOnly; }
    // Replaces [start, end) and puts the caret after the new text.
    void Edit(int start, int end, std::string_view text, bool undoable);
    void Store(std::string text, TextSelection sel);

    std::string m_text;
    TextSelection m_sel;
    bool m_readOnly = false;
    bool m_enabled = true;
    std::string m_clipboard;
    std::optional<Snapshot> m_undo;
    std::function<void()> m_onChange;
};
