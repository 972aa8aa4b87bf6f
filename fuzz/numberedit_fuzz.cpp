// Drives a numeric field on an in-memory text field with the bytes as a script: the first bytes
// choose the field's settings (digits, decimals, negatives, locale characters, grouping, prefix,
// option bits, range), the rest are edits (typed characters, Delete, selections, paste, cut,
// clear, undo, focus loss, values and texts set by the program). After every step the text must
// keep the field's promise; a broken one aborts.
//
// The script: whole digits - 1 (mod 10), decimals (mod 5), a byte of choices (bit 0 forbids
// negatives, bit 1 sets a range), the sign, decimal point and group separator (indexes into the
// tables below), a first text (a count, then characters), the group size and the prefix
// (indexes), two bytes of option bits, the range when chosen (a signed minimum, a width); then
// the edits, each a byte (mod 14) and its arguments. The settings hold for the whole script, as
// the program never changes them while a field is in use.
#include "memorytextfield.h"
#include "numberedit.h"
#include "numbertext.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// Prefixes and locale characters to choose from.
constexpr std::string_view kPrefixes[] = {"", "$", "EUR ", "\x80", "No.1 -"};
constexpr char kSigns[] = {'-', '\x96'};
constexpr char kDecimalPoints[] = {'.', ','};
constexpr char kGroupSeparators[] = {',', '.', '\'', '\xA0'};
constexpr int kGroupSizes[] = {0, 0, 3, 2};

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

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// What can be typed or pasted: mostly the characters the field knows, otherwise any byte.
char Character(Script& script, std::string_view known) {
    const unsigned b = script.Byte();
    return b % 32 < known.size() ? known[b % 32] : static_cast<char>(b);
}

std::string Characters(Script& script, std::string_view known) {
    std::string text;
    for (unsigned n = script.Byte() % 12; n > 0; --n)
        text.push_back(Character(script, known));
    return text;
}

// The field's promise: the prefix (only its start while it is being typed, with nothing
// behind it), then an optional sign, only when negatives are allowed; at most WholeDigits
// digits, with separators when grouping; optionally the decimal point, when there are decimals,
// and at most DecimalPlaces digits; nothing else. And filtering the text a second time changes
// nothing.
bool KeepsPromise(const CNumberRule& rule, std::string_view text) {
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
    if (i != text.size())
        return false;
    const std::string once = FilteredText(syntax, text);
    return FilteredText(syntax, once) == once;
}

void Check(const CNumberRule& rule, const MemoryTextField& field, int step) {
    if (KeepsPromise(rule, field.GetText()))
        return;
    std::fprintf(stderr, "step %d broke the promise: \"%s\" (%s)\n", step, field.GetText().c_str(),
                 rule.GetPattern().c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Script script(data, size);
    const int whole = 1 + static_cast<int>(script.Byte() % 10);
    const int decimals = static_cast<int>(script.Byte() % 5);
    const unsigned choice = script.Byte();
    NumberLocale locale;
    locale.negativeSign = std::string(1, script.Pick(kSigns));
    locale.decimalSeparator = std::string(1, script.Pick(kDecimalPoints));
    locale.thousandsSeparator = std::string(1, script.Pick(kGroupSeparators));

    MemoryTextField field;
    CNumberEdit edit((choice & 1) != 0 ? -whole : whole, decimals, locale);
    edit.Attach(field);
    CNumberRule& rule = edit.Rule();
    // A text first, so that the settings carry it over.
    edit.SetText(Characters(script, "0123456789-.,"));
    rule.SetGroupSize(script.Pick(kGroupSizes));
    rule.SetPrefix(script.Pick(kPrefixes));
    rule.ChangeFlags(script.Bytes(2) & ~static_cast<unsigned>(NoNegatives), 0);
    if ((choice & 2) != 0) {
        const double minimum = static_cast<signed char>(script.Byte());
        rule.SetRange(minimum, minimum + script.Byte());
    }
    Check(rule, field, 0);

    const NumberSyntax syntax = rule.Syntax();
    const std::string known = std::string("0123456789") + syntax.NegativeSign +
                              syntax.DecimalPoint + syntax.GroupSeparator +
                              (syntax.Prefix.empty() ? 'x' : syntax.Prefix[0]) + "a \b";
    for (int step = 1; !script.AtEnd(); ++step) {
        const int length = static_cast<int>(field.GetText().size());
        switch (script.Byte() % 14) {
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
        case 11: {
            const auto n = static_cast<std::int32_t>(script.Bytes(4));
            double scale = 1;
            for (unsigned k = script.Byte() % 8; k > 0; --k)
                scale *= 10;
            edit.SetValue(n / scale, (script.Byte() & 1) != 0);
            break;
        }
        case 12:
            edit.SetIntValue(static_cast<std::int16_t>(script.Bytes(2)));
            break;
        default:
            edit.SetText(Characters(script, known));
            break;
        }
        Check(rule, field, step);
    }
    return 0;
}
