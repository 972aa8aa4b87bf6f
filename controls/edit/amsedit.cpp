#include "amsedit.h"

#include "messages.h"
#include "drafttextfield.h"
#include "scopedvalue.h"

namespace {

// The characters a paste put in place of `sel` of `before`, when `after` is `before` with them
// there; none when the paste changed nothing.
std::optional<std::string> PastedPart(std::string_view before, TextSelection sel,
                                      std::string_view after) {
    const auto start = static_cast<std::size_t>(sel.start);
    const std::string_view rest = before.substr(static_cast<std::size_t>(sel.end));
    if (after == before || after.size() < start + rest.size() ||
        !after.starts_with(before.substr(0, start)) || !after.ends_with(rest))
        return std::nullopt;
    return std::string(after.substr(start, after.size() - start - rest.size()));
}

// A field's text, selection, state and paste text, in memory, for a paste to be worked out on;
// its beeps and message boxes are the field's.
class PasteDraft : public DraftTextField {
public:
    explicit PasteDraft(TextField& field) : m_field(field) {
        SetWindowText(field.GetText());
        const TextSelection sel = field.GetSel();
        SetSel(sel.start, sel.end);
        SetClipboardText(field.PasteText());
    }
    void DefaultFocusLost() override {}
    Messages& GetMessages() override { return m_field.GetMessages(); }
    void SetFocus() override {}
    void Repaint() override {}
    COLORREF DrawingTextColor() const override { return m_field.DrawingTextColor(); }
    COLORREF DrawingBackColor() const override { return m_field.DrawingBackColor(); }

private:
    TextField& m_field;
};

} // namespace

// --- CEditRule ---

TextField* CEditRule::Field() const {
    return m_edit.GetField();
}

void CEditRule::HandleKeyDown(int /*key*/) {
    PassToDefault();
}

void CEditRule::HandleFocusLost() {
    PassToDefault();
}

void CEditRule::HandlePaste() {
    m_edit.PasteAsPlatform();
}

void CEditRule::PassToDefault() {
    m_edit.PassToDefault();
}

void CEditRule::Reapply() {
    m_edit.Reapply();
}

bool CEditRule::MayEnter(char ch) {
    return m_edit.MayEnter(ch);
}

// --- CValidEdit ---

CValidEdit::~CValidEdit() {
    Detach();
}

void CValidEdit::Attach(TextField& field) {
    Detach();
    m_field = &field;
    field.SetChangeHandler([this] {
        if (m_onChange)
            m_onChange();
    });
}

void CValidEdit::Detach() {
    if (m_field)
        m_field->SetChangeHandler({});
    m_field = nullptr;
}

template <typename Handle> void CValidEdit::HandleEvent(EventKind kind, int code, Handle handle) {
    if (!m_field)
        return;
    // An event handled inside another (a clear runs as a Delete key) gives the outer one back.
    const ScopedValue scope(m_event, Event{kind, code});
    handle();
}

void CValidEdit::OnChar(char ch) {
    HandleEvent(EventKind::Char, static_cast<unsigned char>(ch), [this, ch] { HandleChar(ch); });
}

void CValidEdit::OnKeyDown(int key) {
    HandleEvent(EventKind::KeyDown, key, [this, key] { HandleKeyDown(key); });
}

void CValidEdit::OnKillFocus() {
    HandleEvent(EventKind::FocusLost, 0, [this] { HandleFocusLost(); });
}

void CValidEdit::OnPaste() {
    if (!m_field || m_field->IsReadOnly() || !m_field->IsEnabled())
        return;
    TextField& field = *m_field;
    // The paste and the corrections after it are made on a draft of the field; the platform
    // field then takes the outcome as one replacement, which one undo takes back.
    PasteDraft draft(field);
    {
        const ScopedValue<TextField*> onDraft(m_field, &draft);
        HandlePaste();
    }
    const std::string text = draft.GetText();
    if (text != field.GetText()) {
        field.SetSel(0, static_cast<int>(field.GetText().size()), false);
        field.ReplaceSel(text, true);
    }
    const TextSelection sel = draft.GetSel();
    if (sel != field.GetSel())
        field.SetSel(sel.start, sel.end);
}

void CValidEdit::PasteAsPlatform() {
    if (!m_field)
        return;
    const TextSelection before = m_field->GetSel();
    const std::string old = m_field->GetText();
    m_field->DefaultPaste();
    if (const std::optional<std::string> pasted = PastedPart(old, before, m_field->GetText())) {
        const std::optional<std::string> taken = TakePaste(*pasted);
        if (!taken)
            m_field->GetMessages().Beep();
        if (taken != pasted) {
            SetText(taken ? old.substr(0, static_cast<std::size_t>(before.start)) + *taken +
                                old.substr(static_cast<std::size_t>(before.end))
                          : old);
            m_field->SetSel(before.start, before.end);
            return;
        }
    }
    Refilter(before);
}

std::optional<std::string> CValidEdit::TakePaste(std::string_view pasted) const {
    return std::string(pasted);
}

void CValidEdit::OnCut() {
    if (!m_field)
        return;
    const TextSelection sel = m_field->GetSel();
    if (sel.start >= sel.end)
        return;
    m_field->CopySelection();
    // A read-only field gives a copy of its text but keeps it.
    if (m_field->IsReadOnly())
        return;
    m_field->ReplaceSel({}, false);
    // What is left can be invalid: the point cut out of 12.34 in a field of two whole digits.
    Refilter({sel.start, sel.start});
}

void CValidEdit::Refilter(TextSelection selection) {
    const std::string filtered = FilteredText();
    if (filtered != m_field->GetText()) {
        SetText(filtered);
        m_field->SetSel(selection.start, selection.end);
    }
}

void CValidEdit::OnClear() {
    if (!m_field)
        return;
    const TextSelection sel = m_field->GetSel();
    if (sel.start < sel.end)
        OnKeyDown(kKeyDelete);
}

bool CValidEdit::SetText(std::string_view text) {
    if (!m_field)
        return false;
    const bool result = m_field->SetWindowText(text);
    // The second store is of a text that is already valid, so it ends here.
    const std::string filtered = FilteredText();
    if (filtered != m_field->GetText())
        m_field->SetWindowText(filtered);
    return result;
}

std::string CValidEdit::GetText() const {
    return m_field ? m_field->GetText() : std::string();
}

void CValidEdit::PassToDefault() {
    if (!m_field)
        return;
    switch (m_event.kind) {
    case EventKind::Char:
        m_field->DefaultChar(static_cast<char>(m_event.code));
        break;
    case EventKind::KeyDown:
        m_field->DefaultKeyDown(m_event.code);
        break;
    case EventKind::FocusLost:
        m_field->DefaultFocusLost();
        break;
    case EventKind::None:
        break;
    }
}

void CValidEdit::Reapply() {
    if (!m_field)
        return;
    const std::string filtered = FilteredText();
    if (filtered != m_field->GetText())
        SetText(filtered);
}

std::string CValidEdit::FilteredText() const {
    return GetText();
}

bool CValidEdit::MayEnter(char /*ch*/) {
    return true;
}

void CValidEdit::HandleChar(char /*ch*/) {
    PassToDefault();
}

void CValidEdit::HandleKeyDown(int /*key*/) {
    PassToDefault();
}

void CValidEdit::HandleFocusLost() {
    PassToDefault();
}

void CValidEdit::HandlePaste() {
    PasteAsPlatform();
}

void CValidEdit::SetBackColor(COLORREF color) {
    m_backBrush = color;
    if (m_field)
        m_field->Repaint();
}

COLORREF CValidEdit::GetBackColor() {
    if (m_backBrush)
        return *m_backBrush;
    // Without a platform field there is no drawing context: the window colour, not kept.
    if (!m_field)
        return RGB(255, 255, 255);
    m_backBrush = m_field->DrawingBackColor();
    return *m_backBrush;
}

void CValidEdit::SetForeColor(COLORREF color) {
    m_foreColor = color;
    m_foreColorSet = true;
    if (m_field)
        m_field->Repaint();
}

COLORREF CValidEdit::GetForeColor() {
    if (m_foreColorSet)
        return m_foreColor;
    if (!m_field)
        return 0;
    m_foreColor = m_field->DrawingTextColor();
    m_foreColorSet = true;
    return m_foreColor;
}

EditPaintColors CValidEdit::GetPaintColors() {
    EditPaintColors colors;
    if (!m_backBrush && !m_foreColorSet)
        return colors;
    colors.useDefault = false;
    colors.applyTextColor = m_foreColor != 0;
    colors.textColor = m_foreColor;
    colors.textBackColor = GetBackColor();
    colors.hasBrush = m_backBrush.has_value();
    colors.brushColor = m_backBrush.value_or(0);
    return colors;
}
