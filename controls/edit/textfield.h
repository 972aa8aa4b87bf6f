#pragma once

#include "colour.h"

#include <functional>
#include <string>
#include <string_view>

class Messages;

// Key codes as the edit rules see them (the platform's virtual-key numbers); the Qt side maps its
// keys onto them.
constexpr int kKeyDelete = 46;

// The character classification of the fields' code page, Windows-1252: blanks, letters, digits
// and punctuation are printable, control characters (Backspace is 8) are not. Above 127 every
// byte the code page assigns a character to counts as printable, the no-break space included;
// the five unassigned bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D do not.
bool IsPrintableChar(char ch);

// The selection of a text field: character positions, 0 <= start <= end <= text length;
// start == end is a plain caret.
struct TextSelection {
    int start = 0;
    int end = 0;
    friend bool operator==(const TextSelection&, const TextSelection&) = default;
};

// The platform text field under a validating field: what the edit rules read, what they ask the
// platform to do in its own way, and where their feedback goes. Texts are single-byte
// Windows-1252. QtTextField is the platform's; the tests stand an in-memory field in for it.
class TextField {
public:
    virtual ~TextField() = default;

    virtual std::string GetText() const = 0;
    virtual TextSelection GetSel() const = 0;
    virtual bool IsReadOnly() const = 0;
    virtual bool IsEnabled() const = 0;

    // Positions beyond the text are clamped to its end, negative ones to 0, and a start after
    // the end is swapped with it. `scroll` brings the caret into view.
    virtual void SetSel(int start, int end, bool scroll = true) = 0;
    // Replaces the selection, read-only or not, and leaves the caret after the new text.
    virtual void ReplaceSel(std::string_view text, bool undoable) = 0;
    // Stores a whole new text with the caret at its start; not undoable. Returns the platform's
    // result of the store.
    virtual bool SetWindowText(std::string_view text) = 0;

    // The platform's own handling of the input event at hand. None of them edits a read-only
    // or disabled field.
    virtual void DefaultChar(char ch) = 0;
    virtual void DefaultKeyDown(int key) = 0;
    virtual void DefaultPaste() = 0;
    // The text a paste would insert now (the clipboard's, or that of a paste the platform
    // started), in the field's characters.
    virtual std::string PasteText() const = 0;
    virtual void DefaultFocusLost() = 0;
    // Copies the selected text to the clipboard (no change to the text).
    virtual void CopySelection() = 0;

    // Where the field's beeps and message boxes go: those of the window it sits in.
    virtual Messages& GetMessages() = 0;
    // Gives the input focus back to the field.
    virtual void SetFocus() = 0;
    virtual void Repaint() = 0;

    // The colours the field's drawing context holds before the validating field changes them,
    // for the field's current state (editable, read-only or disabled).
    virtual COLORREF DrawingTextColor() const = 0;
    virtual COLORREF DrawingBackColor() const = 0;

    // `handler` runs after every change of the text, whatever made it (typing, paste, a
    // replacement, a new text). An empty function removes it.
    virtual void SetChangeHandler(std::function<void()> handler) = 0;
};
