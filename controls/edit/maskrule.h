#pragma once

#include "amsedit.h"
#include "masksymbol.h"

#include <string>
#include <string_view>
#include <vector>

// The rule of a masked field. Every character of the mask is a symbol (a place for one typed
// character, '#' a digit unless other symbols are added) or a literal shown as it is. The text is
// always the start of a filled-in mask: typing goes over it position by position, literals are
// put in and skipped by the caret, and only the end of the text can be deleted.
class CMaskRule : public CEditRule {
public:
    CMaskRule(CValidEdit& edit, std::string mask);

    // Text and mask walked together from the start: a character a symbol accepts is taken
    // (converted), at a literal only that literal; the walk ends at the first character that
    // does not fit or at the end of the mask. When the walk leaves characters behind but the
    // text's characters, read in order, fill every place of the mask exactly (blanks and
    // punctuation that fit no place passed over), the filled-in mask is taken instead. An empty
    // mask keeps the text.
    std::string FilteredText() const override;
    // A character goes at the selection's start: over the character there, or behind the text
    // at its end, with the literals before its place put in. A selection that reaches the end
    // is removed first. Typing a literal moves the caret past it. Backspace removes the last
    // character when the caret is at the end; elsewhere it only moves the caret back.
    void HandleChar(char ch) override;
    // Delete is handled only when the selection reaches the end of the text or the caret stands
    // on the last character; anywhere else it is ignored, so that no character moves.
    void HandleKeyDown(int key) override;

    const std::string& GetMask() const { return m_mask; }
    // A change re-filters the text.
    void SetMask(std::string_view mask);
    // Adds a symbol, or replaces the one of the same character; re-filters the text.
    void AddSymbol(MaskSymbol symbol);
    const std::vector<MaskSymbol>& GetSymbols() const { return m_symbols; }

    static std::string Filter(std::string_view text, std::string_view mask,
                              const std::vector<MaskSymbol>& symbols);

private:
    const MaskSymbol* SymbolAt(std::size_t position) const;
    // Writes `text` over the whole field as one undoable edit and puts the caret at `caret`.
    void Store(TextField& field, const std::string& text, int caret);

    std::string m_mask;
    std::vector<MaskSymbol> m_symbols;
};
