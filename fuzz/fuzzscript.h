#pragma once

// What the field fuzz targets share: the script of bytes that drives a field, and the numeric
// field's promise.
#include "amsedit.h"
#include "memorytextfield.h"
#include "numberrule.h"
#include "numbertext.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace fuzz {

// The script's bytes, one at a time; past its end every byte is 0.
class Script {
public:
    Script(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    bool AtEnd() const { return m_at >= m_size; }
    unsigned Byte() { return m_at < m_size ? m_data[m_at++] : 0u; }
    // `count` bytes, the first the lowest.
    std::uint32_t Bytes(int count) {
        std::uint32_t value = 0;
        for (int i = 0; i < count; ++i)
            value |= static_cast<std::uint32_t>(Byte()) << (8 * i);
        return value;
    }
    template <typename T, std::size_t N> const T& Pick(const T (&table)[N]) {
        return table[Byte() % N];
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

inline bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// What can be typed or pasted: mostly the characters the field knows, otherwise any byte.
inline char Character(Script& script, std::string_view known) {
    const unsigned b = script.Byte();
    return b % 32 < known.size() ? known[b % 32] : static_cast<char>(b);
}

inline std::string Characters(Script& script, std::string_view known) {
    std::string text;
    for (unsigned n = script.Byte() % 12; n > 0; --n)
        text.push_back(Character(script, known));
    return text;
}

// The field's promise: the prefix (only its start while it is being typed, with nothing
// behind it), then an optional sign, only when negatives are allowed; at most WholeDigits
// digits, with separators when grouping; optionally the decimal point, when there are decimals,
// and at most DecimalPlaces digits; then the suffix, when a number stands before it; nothing
// else. And filtering the text a second time changes nothing.
inline bool KeepsPromise(const CNumberRule& rule, std::string_view text) {
    const NumberSyntax syntax = rule.Syntax();
    std::size_t i = 0;
    while (i < text.size() && i < syntax.Prefix.size() && text[i] == syntax.Prefix[i])
        ++i;
    if (i < syntax.Prefix.size() && i < text.size())
        return false;
    if (i < text.size() && text[i] == syntax.NegativeSign) {
        if (!rule.IsNegativeAllowed())
            return false;
        ++i;
    }
    int whole = 0;
    for (; i < text.size(); ++i) {
        if (IsDigit(text[i]))
            ++whole;
        else if (syntax.GroupSize == 0 || text[i] != syntax.GroupSeparator)
            break;
    }
    if (whole > syntax.WholeDigits)
        return false;
    if (i < text.size() && text[i] == syntax.DecimalPoint) {
        if (syntax.DecimalPlaces == 0)
            return false;
        int decimals = 0;
        for (++i; i < text.size() && IsDigit(text[i]); ++i)
            ++decimals;
        if (decimals > syntax.DecimalPlaces)
            return false;
    }
    if (i != text.size() && (text.substr(i) != syntax.Suffix || i == syntax.Prefix.size()))
        return false;
    const std::string once = FilteredText(syntax, text);
    return FilteredText(syntax, once) == once;
}

// The edits a user makes through the platform field, chosen by `op`: 0 to 2 a typed character, 3
// Delete, 4 a selection, 5 a caret, 6 a paste, 7 a cut, 8 a clear, 9 undo, 10 focus loss, any
// other a text set by the program.
inline void PlatformEdit(Script& script, unsigned op, CValidEdit& edit, MemoryTextField& field,
                         std::string_view known) {
    const int length = static_cast<int>(field.GetText().size());
    switch (op) {
    case 0:
    case 1:
    case 2:
        edit.OnChar(Character(script, known));
        break;
    case 3:
        edit.OnKeyDown(kKeyDelete);
        break;
    case 4: {
        const int start = static_cast<int>(script.Byte()) % (length + 1);
        field.SetSel(start, static_cast<int>(script.Byte()) % (length + 1));
        break;
    }
    case 5: {
        const int caret = static_cast<int>(script.Byte()) % (length + 1);
        field.SetSel(caret, caret);
        break;
    }
    case 6:
        field.SetClipboardText(Characters(script, known));
        edit.OnPaste();
        break;
    case 7:
        edit.OnCut();
        break;
    case 8:
        edit.OnClear();
        break;
    case 9:
        field.Undo();
        break;
    case 10:
        edit.OnKillFocus();
        break;
    default:
        edit.SetText(Characters(script, known));
        break;
    }
}

} // namespace fuzz
