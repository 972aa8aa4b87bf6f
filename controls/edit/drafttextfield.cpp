#include "drafttextfield.h"

#include <algorithm>
#include <utility>

void DraftTextField::SetSel(int start, int end, bool /*scroll*/) {
    const int length = static_cast<int>(m_text.size());
    start = std::clamp(start, 0, length);
    end = std::clamp(end, 0, length);
    if (start > end)
        std::swap(start, end);
    m_sel = {start, end};
}

void DraftTextField::ReplaceSel(std::string_view text, bool undoable) {
    Edit(m_sel.start, m_sel.end, text, undoable);
}

bool DraftTextField::SetWindowText(std::string_view text) {
    m_undo.reset();
    Store(std::string(text), {0, 0});
    return true;
}

void DraftTextField::DefaultChar(char ch) {
    if (!Editable())
        return;
    if (ch == '\b') {
        if (m_sel.start < m_sel.end)
            Edit(m_sel.start, m_sel.end, {}, true);
        else if (m_sel.start > 0)
            Edit(m_sel.start - 1, m_sel.start, {}, true);
    } else if (IsPrintableChar(ch)) {
        Edit(m_sel.start, m_sel.end, std::string_view(&ch, 1), true);
    }
}

void DraftTextField::DefaultKeyDown(int key) {
    if (!Editable() || key != kKeyDelete)
        return;
    if (m_sel.start < m_sel.end)
        Edit(m_sel.start, m_sel.end, {}, true);
    else if (m_sel.start < static_cast<int>(m_text.size()))
        Edit(m_sel.start, m_sel.start + 1, {}, true);
}

void DraftTextField::DefaultPaste() {
    if (Editable())
        Edit(m_sel.start, m_sel.end, m_clipboard, true);
}

void DraftTextField::CopySelection() {
    if (m_sel.start < m_sel.end)
        m_clipboard = m_text.substr(static_cast<std::size_t>(m_sel.start),
                                    static_cast<std::size_t>(m_sel.end - m_sel.start));
}

void DraftTextField::Undo() {
    if (!m_undo)
        return;
    Snapshot previous = std::move(*m_undo);
    m_undo = Snapshot{m_text, m_sel};
    Store(std::move(previous.text), previous.sel);
}

void DraftTextField::Edit(int start, int end, std::string_view text, bool undoable) {
    if (undoable)
        m_undo = Snapshot{m_text, m_sel};
    else
        m_undo.reset();
    std::string next = m_text;
    next.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start), text);
    const int caret = start + static_cast<int>(text.size());
    Store(std::move(next), {caret, caret});
}

void DraftTextField::Store(std::string text, TextSelection sel) {
    const bool changed = text != m_text;
    m_text = std::move(text);
    m_sel = sel;
    if (changed) {
        OnTextChanged();
        if (m_onChange)
            m_onChange();
    }
}
