#pragma once

#include "messages.h"
#include "textfield.h"

#include <optional>
#include <vector>

// A single-line text field held in memory, with the default behaviour of the platform's edit: a
// printable character replaces the selection or is inserted at the caret, Backspace deletes the
// selection or the character before the caret, Delete the selection or the character after it,
// paste replaces the selection with the clipboard. One level of undo, as the platform's edit
// has. The feedback (beeps, message boxes, focus requests, repaints) is recorded for inspection.
// The tests' and fuzz targets' stand-in for the platform's field.
class MemoryTextField : public TextField {
public:
    struct Calls {
        int beeps = 0;
        int focusRequests = 0;
        int repaints = 0;
        int focusLosses = 0;
        int changes = 0; // change notifications sent
        std::vector<std::string> messages;
        std::vector<Messages::Icon> messageIcons;
    };

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
    void DefaultFocusLost() override { ++m_calls.focusLosses; }
    void CopySelection() override;

    Messages& GetMessages() override { return m_messages; }
    void SetFocus() override { ++m_calls.focusRequests; }
    void Repaint() override { ++m_calls.repaints; }

    COLORREF DrawingTextColor() const override { return m_drawText; }
    COLORREF DrawingBackColor() const override { return m_drawBack; }

    void SetChangeHandler(std::function<void()> handler) override {
        m_onChange = std::move(handler);
    }

    void SetReadOnly(bool readOnly) { m_readOnly = readOnly; }
    void SetEnabled(bool enabled) { m_enabled = enabled; }
    void SetDrawingColors(COLORREF text, COLORREF back) {
        m_drawText = text;
        m_drawBack = back;
    }
    void SetClipboardText(std::string text) { m_clipboard = std::move(text); }
    const std::string& ClipboardText() const { return m_clipboard; }
    bool CanUndo() const { return m_undo.has_value(); }
    // Swaps the text and selection with those before the last undoable edit.
    void Undo();
    const Calls& GetCalls() const { return m_calls; }

private:
    // Records the beeps and message boxes in the calls.
    class Recorder : public Messages {
    public:
        explicit Recorder(Calls& calls) : m_calls(calls) {}
        void Show(const std::string& text, Icon icon) override {
            m_calls.messages.push_back(text);
            m_calls.messageIcons.push_back(icon);
        }
        void Beep() override { ++m_calls.beeps; }

    private:
        Calls& m_calls;
    };

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
    COLORREF m_drawText = RGB(0, 0, 0);
    COLORREF m_drawBack = RGB(255, 255, 255);
    std::string m_clipboard;
    std::optional<Snapshot> m_undo;
    std::function<void()> m_onChange;
    Calls m_calls;
    Recorder m_messages{m_calls};
};
