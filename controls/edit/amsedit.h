#pragma once

#include "textfield.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

class CValidEdit;

// What a validating field's owner hands the platform when the field is painted.
struct EditPaintColors {
    bool useDefault = true;      // the platform's own colours; the rest is unused
    bool applyTextColor = false; // false keeps the platform's text colour (black is never applied)
    COLORREF textColor = 0;
    COLORREF textBackColor = 0; // background behind the characters
    bool hasBrush = false;      // fill the field's background with brushColor
    COLORREF brushColor = 0;
};

// The rule of a validating field: decides what each typed character, key and focus loss does to
// the text, and what the valid form of a text is. One rule per field, created and destroyed with
// it.
class CEditRule {
public:
    explicit CEditRule(CValidEdit& edit) : m_edit(edit) {}
    virtual ~CEditRule() = default;
    CEditRule(const CEditRule&) = delete;
    CEditRule& operator=(const CEditRule&) = delete;

    // The valid form of the field's current text.
    virtual std::string FilteredText() const = 0;
    virtual void HandleChar(char ch) = 0;
    // The platform's own handling unless a rule overrides them.
    virtual void HandleKeyDown(int key);
    virtual void HandleFocusLost();
    // The paste of the field's PasteText; by default the platform's (CValidEdit::PasteAsPlatform).
    virtual void HandlePaste();
    // These forward to the field.
    virtual void PassToDefault();
    virtual void Reapply();
    virtual bool MayEnter(char ch);

    unsigned GetFlags() const { return m_flags; }

protected:
    CValidEdit& Edit() const { return m_edit; }
    // The platform field, or null before the field is attached.
    TextField* Field() const;

    unsigned m_flags = 0; // option bits; their meaning is the rule's

private:
    CValidEdit& m_edit;
};

// A text field that keeps its text valid: the platform field does the editing, a rule (in a
// derived field) decides each character-level event, and this base re-filters pasted and set
// texts and keeps the optional text and background colours. The owner learns of every change of
// the text through the change callback.
class CValidEdit {
public:
    CValidEdit() = default;
    virtual ~CValidEdit();
    CValidEdit(const CValidEdit&) = delete;
    CValidEdit& operator=(const CValidEdit&) = delete;

    // From now on the field's events run through this object; the text is not touched. The
    // field must outlive the attachment (Detach, or the destruction of this object).
    void Attach(TextField& field);
    void Detach();
    TextField* GetField() const { return m_field; }

    // Runs after every change of the text: typing, paste, cut, corrections made by the field
    // itself and every SetText.
    void SetChangeCallback(std::function<void()> callback) { m_onChange = std::move(callback); }

    // The platform field's events. The adapter calls these instead of its own handling.
    void OnChar(char ch);
    void OnKeyDown(int key);
    void OnKillFocus();
    // A paste, with the corrections the field makes to it, is one undoable edit of the
    // platform field, and the owner hears of it once. A read-only or disabled field ignores it.
    void OnPaste();
    void OnCut();
    void OnClear();

    // Replaces the whole text, then stores the filtered form if it differs. Every replacement of
    // the whole text goes through here. Returns the platform's result of the first store (false
    // when no platform field is attached).
    bool SetText(std::string_view text);
    std::string GetText() const;

    // Lets the platform field handle the event at hand (the typed character, the pressed key or
    // the focus loss) in its own way; nothing outside an event.
    void PassToDefault();
    // The platform's paste, then the filtered text stored when it differs, with the selection of
    // before the paste put back. The paste of every rule that has none of its own.
    void PasteAsPlatform();

    // Stores the filtered form of the text when it differs.
    virtual void Reapply();
    // The valid form of the current text; the base keeps the text as it is.
    virtual std::string FilteredText() const;
    // Lets a derived field veto a character before a rule enters it.
    virtual bool MayEnter(char ch);

    void SetBackColor(COLORREF color);
    // The background brush's colour; without one, the drawing context's background colour,
    // which from then on is the field's background brush.
    COLORREF GetBackColor();
    void SetForeColor(COLORREF color);
    // The text colour; when none was set, the drawing context's, which is then kept as set.
    COLORREF GetForeColor();
    // Asked by the adapter whenever it paints the field (editable, read-only or disabled).
    EditPaintColors GetPaintColors();

protected:
    virtual void HandleChar(char ch);
    virtual void HandleKeyDown(int key);
    virtual void HandleFocusLost();
    // What a paste keeps of the characters `pasted` it put in place of the selection (the base:
    // all of them, and the text is then filtered); none refuses the paste: a beep, and the text
    // is as it was.
    virtual std::optional<std::string> TakePaste(std::string_view pasted) const;
    virtual void HandlePaste();

private:
    enum class EventKind { None, Char, KeyDown, FocusLost };
    // The event being handled, so that PassToDefault knows what the platform is to handle.
    struct Event {
        EventKind kind = EventKind::None;
        int code = 0;
    };
    template <typename Handle> void HandleEvent(EventKind kind, int code, Handle handle);
    // After a paste or a cut made by the platform: stores the filtered text when it differs,
    // then puts `selection` back.
    void Refilter(TextSelection selection);

    TextField* m_field = nullptr;
    std::function<void()> m_onChange;
    Event m_event;
    std::optional<COLORREF> m_backBrush; // none: the platform's colours
    COLORREF m_foreColor = 0;
    bool m_foreColorSet = false;
};
