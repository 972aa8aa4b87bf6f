#include "amsedit.h"

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
    m_edit.OnPaste();
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

// Marks the event being handled, so that PassToDefault knows what the platform is to handle;
// the previous mark comes back when the handling ends (a clear runs as a Delete key inside it).
class CValidEdit::EventScope {
public:
    EventScope(CValidEdit& edit, EventKind kind, int code) : m_edit(edit), m_saved(edit.m_event) {
        m_edit.m_event = {kind, code};
    }
    ~EventScope() { m_edit.m_event = m_saved; }
    EventScope(const EventScope&) = delete;
    EventScope& operator=(const EventScope&) = delete;

private:
    CValidEdit& m_edit;
    Event m_saved;
};

CValidEdit::~CValidEdit() {
    Detach();
}

void CValidEdit::Attach(TextField& field) {
    Detach();
    m_pField = &field;
    field.SetChangeHandler([this] {
        if (m_onChange)
            m_onChange();
    });
}

void CValidEdit::Detach() {
    if (m_pField)
        m_pField->SetChangeHandler({});
    m_pField = nullptr;
}

void CValidEdit::OnChar(char ch) {
    if (!m_pField)
        return;
    const EventScope scope(*this, EventKind::Char, static_cast<unsigned char>(ch));
    HandleChar(ch);
}

void CValidEdit::OnKeyDown(int key) {
    if (!m_pField)
        return;
    const EventScope scope(*this, EventKind::KeyDown, key);
    HandleKeyDown(key);
}

void CValidEdit::OnKillFocus() {
    if (!m_pField)
        return;
    const EventScope scope(*this, EventKind::FocusLost, 0);
    HandleFocusLost();
}

void CValidEdit::OnPaste() {
    if (!m_pField)
        return;
    const TextSelection before = m_pField->GetSel();
    m_pField->DefaultPaste();
    const std::string filtered = FilteredText();
    if (filtered != m_pField->GetText()) {
        SetText(filtered);
        m_pField->SetSel(before.start, before.end);
    }
}

void CValidEdit::OnCut() {
    if (!m_pField)
        return;
    const TextSelection sel = m_pField->GetSel();
    if (sel.start >= sel.end)
        return;
    m_pField->CopySelection();
    // A read-only field gives a copy of its text but keeps it.
    if (!m_pField->IsReadOnly())
        m_pField->ReplaceSel({}, false);
}

void CValidEdit::OnClear() {
    if (!m_pField)
        return;
    const TextSelection sel = m_pField->GetSel();
    if (sel.start < sel.end)
        OnKeyDown(kKeyDelete);
}

bool CValidEdit::SetText(std::string_view text) {
    if (!m_pField)
        return false;
    const bool result = m_pField->SetWindowText(text);
    // The second store is of a text that is already valid, so it ends here.
    const std::string filtered = FilteredText();
    if (filtered != m_pField->GetText())
        m_pField->SetWindowText(filtered);
    return result;
}

std::string CValidEdit::GetText() const {
    return m_pField ? m_pField->GetText() : std::string();
}

void CValidEdit::PassToDefault() {
    if (!m_pField)
        return;
    switch (m_event.kind) {
    case EventKind::Char:
        m_pField->DefaultChar(static_cast<char>(m_event.code));
        break;
    case EventKind::KeyDown:
        m_pField->DefaultKeyDown(m_event.code);
        break;
    case EventKind::FocusLost:
        m_pField->DefaultFocusLost();
        break;
    case EventKind::None:
        break;
    }
}

void CValidEdit::Reapply() {
    if (!m_pField)
        return;
    const std::string filtered = FilteredText();
    if (filtered != m_pField->GetText())
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

void CValidEdit::SetBackColor(Color color) {
    m_backBrush = color;
    if (m_pField)
        m_pField->Repaint();
}

Color CValidEdit::GetBackColor() {
    if (m_backBrush)
        return *m_backBrush;
    // Without a platform field there is no drawing context: the window colour, not kept.
    if (!m_pField)
        return 0x00FFFFFF;
    m_backBrush = m_pField->DrawingBackColor();
    return *m_backBrush;
}

void CValidEdit::SetForeColor(Color color) {
    m_foreColor = color;
    m_bForeColorSet = true;
    if (m_pField)
        m_pField->Repaint();
}

Color CValidEdit::GetForeColor() {
    if (m_bForeColorSet)
        return m_foreColor;
    if (!m_pField)
        return 0;
    m_foreColor = m_pField->DrawingTextColor();
    m_bForeColorSet = true;
    return m_foreColor;
}

EditPaintColors CValidEdit::GetPaintColors() {
    EditPaintColors colors;
    if (!m_backBrush && !m_bForeColorSet)
        return colors;
    colors.useDefault = false;
    colors.applyTextColor = m_foreColor != 0;
    colors.textColor = m_foreColor;
    colors.textBackColor = GetBackColor();
    colors.hasBrush = m_backBrush.has_value();
    colors.brushColor = m_backBrush.value_or(0);
    return colors;
}
