#include "maskrule.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace {

const MaskSymbol* Find(const std::vector<MaskSymbol>& symbols, char ch) {
    const auto at = std::find_if(symbols.begin(), symbols.end(),
                                 [ch](const MaskSymbol& s) { return s.symbol == ch; });
    return at == symbols.end() ? nullptr : &*at;
}

bool IsLetterOrDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The mask filled with the characters of `text` in order, the literals put in: a character goes
// to the next place when its symbol accepts it; a blank or punctuation mark that it does not
// accept is passed over. None when a letter or digit fits no place or a place is left empty.
std::optional<std::string> Filled(std::string_view text, std::string_view mask,
                                  const std::vector<MaskSymbol>& symbols) {
    std::string result;
    std::size_t place = 0;
    const auto literals = [&] {
        for (; place < mask.size() && !Find(symbols, mask[place]); ++place)
            result.push_back(mask[place]);
    };
    for (const char c : text) {
        literals();
        const MaskSymbol* symbol = place < mask.size() ? Find(symbols, mask[place]) : nullptr;
        if (symbol && symbol->Accepts(c)) {
            result.push_back(symbol->Converted(c));
            ++place;
        } else if (IsLetterOrDigit(c)) {
            return std::nullopt;
        }
    }
    literals();
    if (place < mask.size())
        return std::nullopt;
    return result;
}

} // namespace

CMaskRule::CMaskRule(CValidEdit& edit, std::string mask)
    : CEditRule(edit),
      m_mask(std::move(mask)), m_symbols{
                                   {'#', [](char c) { return c >= '0' && c <= '9'; }, nullptr}} {}

std::string CMaskRule::Filter(std::string_view text, std::string_view mask,
                              const std::vector<MaskSymbol>& symbols) {
    if (mask.empty())
        return std::string(text);
    std::string result;
    for (std::size_t i = 0; i < text.size() && i < mask.size(); ++i) {
        const MaskSymbol* symbol = Find(symbols, mask[i]);
        if (symbol ? !symbol->Accepts(text[i]) : text[i] != mask[i])
            break;
        result.push_back(symbol ? symbol->Converted(text[i]) : text[i]);
    }
    if (result.size() < text.size()) {
        // "555-123-4567" or "5551234567" for "(###) ###-####".
        if (std::optional<std::string> filled = Filled(text, mask, symbols))
            return *std::move(filled);
    }
    return result;
}

std::string CMaskRule::FilteredText() const {
    const TextField* field = Field();
    return Filter(field ? field->GetText() : std::string(), m_mask, m_symbols);
}

const MaskSymbol* CMaskRule::SymbolAt(std::size_t position) const {
    return position < m_mask.size() ? Find(m_symbols, m_mask[position]) : nullptr;
}

void CMaskRule::Store(TextField& field, const std::string& text, int caret) {
    if (text != field.GetText()) {
        field.SetSel(0, static_cast<int>(field.GetText().size()));
        field.ReplaceSel(text, true);
    }
    field.SetSel(caret, caret);
}

void CMaskRule::HandleChar(char ch) {
    TextField* field = Field();
    if (!field || field->IsReadOnly())
        return;
    if (m_mask.empty()) {
        if (MayEnter(ch))
            PassToDefault();
        return;
    }
    std::string text = field->GetText();
    const TextSelection sel = field->GetSel();
    auto at = static_cast<std::size_t>(sel.start);
    if (ch == '\b') {
        if (sel.end == static_cast<int>(text.size()) && !text.empty()) {
            text.erase(sel.start < sel.end ? at : text.size() - 1);
            Store(*field, text, static_cast<int>(text.size()));
        } else if (sel.start > 0) {
            field->SetSel(sel.start - 1, sel.start - 1);
        }
        return;
    }
    if (sel.start < sel.end && sel.end == static_cast<int>(text.size()))
        text.erase(at);
    // The literals from the caret on stand where they are; typing one of them steps over it.
    std::size_t symbolAt = at;
    while (symbolAt < m_mask.size() && !SymbolAt(symbolAt)) {
        if (m_mask[symbolAt] == ch) {
            if (symbolAt >= text.size())
                text = text.substr(0, at) + m_mask.substr(at, symbolAt + 1 - at);
            Store(*field, text, static_cast<int>(symbolAt + 1));
            return;
        }
        ++symbolAt;
    }
    const MaskSymbol* symbol = SymbolAt(symbolAt);
    if (!symbol || !symbol->Accepts(ch) || !MayEnter(ch))
        return;
    if (symbolAt >= text.size())
        text = text.substr(0, at) + m_mask.substr(at, symbolAt - at) + symbol->Converted(ch);
    else
        text[symbolAt] = symbol->Converted(ch);
    Store(*field, text, static_cast<int>(symbolAt + 1));
}

void CMaskRule::HandleKeyDown(int key) {
    TextField* field = Field();
    if (key != kKeyDelete || !field || m_mask.empty()) {
        PassToDefault();
        return;
    }
    const TextSelection sel = field->GetSel();
    const int length = static_cast<int>(field->GetText().size());
    if (sel.end == length || (sel.start == sel.end && sel.start == length - 1))
        PassToDefault();
}

void CMaskRule::SetMask(std::string_view mask) {
    if (mask == m_mask)
        return;
    m_mask = mask;
    Reapply();
}

void CMaskRule::AddSymbol(MaskSymbol symbol) {
    const auto at = std::find_if(m_symbols.begin(), m_symbols.end(),
                                 [&](const MaskSymbol& s) { return s.symbol == symbol.symbol; });
    if (at != m_symbols.end())
        *at = std::move(symbol);
    else
        m_symbols.push_back(std::move(symbol));
    Reapply();
}
