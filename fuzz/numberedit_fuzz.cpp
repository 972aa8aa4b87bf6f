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
#include "fuzzscript.h"
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

using fuzz::Character;
using fuzz::Characters;
using fuzz::KeepsPromise;
using fuzz::Script;

// Prefixes and locale characters to choose from.
constexpr std::string_view kPrefixes[] = {"", "$", "EUR ", "\x80", "No.1 -"};
constexpr char kSigns[] = {'-', '\x96'};
constexpr char kDecimalPoints[] = {'.', ','};
constexpr char kGroupSeparators[] = {',', '.', '\'', '\xA0'};
constexpr int kGroupSizes[] = {0, 0, 3, 2};

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
        const unsigned op = script.Byte() % 14;
        if (op == 11) {
            const auto n = static_cast<std::int32_t>(script.Bytes(4));
            double scale = 1;
            for (unsigned k = script.Byte() % 8; k > 0; --k)
                scale *= 10;
            edit.SetValue(n / scale, (script.Byte() & 1) != 0);
        } else if (op == 12) {
            edit.SetIntValue(static_cast<std::int16_t>(script.Bytes(2)));
        } else {
            fuzz::PlatformEdit(script, op, edit, field, known);
        }
        Check(rule, field, step);
    }
    return 0;
}
