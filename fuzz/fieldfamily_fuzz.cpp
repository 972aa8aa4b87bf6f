// Drives the date, time, date-and-time, masked, whole-number, money and multi-format fields on an
// in-memory text field with the bytes as a script, and checks the field's promise after every
// step; a broken one aborts.
//
// The script: the field type (mod 7); the locale choices (a byte: date separator, day first,
// 24-hour clock, currency layout) and the option bits (a byte); the multi-format field's first
// pattern (an index); a range when the next byte is odd (two dates and times, a byte each for
// the year offset, month, day, hour, minute); then the edits, each a byte (mod 16) and its
// arguments: those of fuzz::PlatformEdit, a value set by the program, a new pattern.
#include "dateedit.h"
#include "datetimeedit.h"
#include "fuzzscript.h"
#include "maskedit.h"
#include "memorytextfield.h"
#include "moneyedit.h"
#include "multiformatedit.h"
#include "timeedit.h"
#include "wholenumberedit.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using fuzz::Script;

constexpr char kDateSeparators[] = {'/', '.', '-', ' '};
constexpr std::string_view kSymbols[][2] = {{"AM", "PM"}, {"a", "p"}, {"vm", "nm"}};
constexpr std::string_view kPatterns[] = {
    "##/##/#### ##:##:##",
    "##/##/#### ##:##",
    "##/##/####",
    "##:##:##",
    "##:##",
    "(###) ###-####",
    "#,###.##",
    "$###",
    "ABCDEF",
    "##-##x",
    "",
};
constexpr std::string_view kMasks[] = {"(###) ###-####", "##.##.####", "#", "A#-##", ""};
constexpr unsigned kCalendarFlags = DateOnly | TimeOnly | DayFirst | TwentyFourHour | ShowSeconds;

enum class Kind { Date, Time, DateTime, Mask, WholeNumber, Money, MultiFormat };

[[noreturn]] void Broken(int step, const std::string& text, const char* what) {
    std::fprintf(stderr, "step %d broke the promise (%s): \"%s\"\n", step, what, text.c_str());
    std::abort();
}

bool SameLayout(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (fuzz::IsDigit(a[i]) != fuzz::IsDigit(b[i]))
            return false;
    }
    return true;
}

// A date or time field's text is empty or has the layout of its format; its filtered form is
// a valid value in range that reads back as itself; after a focus loss the text is that form.
void CheckCalendar(const CalendarRule& rule, const std::string& text, bool afterFocusLoss,
                   int step) {
    if (text.empty())
        return;
    const std::optional<DateTime> value = rule.Read(text);
    if (!value)
        Broken(step, text, "no value");
    const DateTime filtered = rule.Clamp(*value);
    const std::string shown = rule.Text(filtered);
    if (!SameLayout(text, shown))
        Broken(step, text, "layout");
    if (!rule.IsValid(filtered) || rule.Read(shown) != filtered)
        Broken(step, text, "filtered value");
    if (afterFocusLoss && shown != text)
        Broken(step, text, "focus loss");
}

void CheckMask(const CMaskRule& rule, const std::string& text, int step) {
    if (CMaskRule::Filter(text, rule.GetMask(), rule.GetSymbols()) != text)
        Broken(step, text, "mask");
}

void CheckNumber(const CNumberRule& rule, const std::string& text, int step) {
    if (!fuzz::KeepsPromise(rule, text))
        Broken(step, text, rule.GetPattern().c_str());
}

DateTime ReadDateTime(Script& script) {
    return {1900 + static_cast<int>(script.Byte() % 200) * 50,
            1 + static_cast<int>(script.Byte() % 12),
            1 + static_cast<int>(script.Byte() % 28),
            static_cast<int>(script.Byte() % 24),
            static_cast<int>(script.Byte() % 60),
            0};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Script script(data, size);
    const auto kind = static_cast<Kind>(script.Byte() % 7);
    const unsigned choice = script.Byte();
    FieldLocale locale;
    locale.dateSeparator = std::string(1, kDateSeparators[choice % 4]);
    locale.shortDateFormat = (choice & 4) != 0 ? "dd.MM.yyyy" : "M/d/yyyy";
    locale.twentyFourHour = (choice & 8) != 0;
    const auto& symbols = kSymbols[(choice >> 4) % 3];
    locale.amSymbol = std::string(symbols[0]);
    locale.pmSymbol = std::string(symbols[1]);
    locale.positiveCurrencyFormat = static_cast<int>(choice >> 6);
    locale.currencyDigits = static_cast<int>(choice >> 6);
    const unsigned flags = script.Byte() & kCalendarFlags;
    const std::string_view firstPattern = script.Pick(kPatterns);

    MemoryTextField field;
    CDateEdit date(locale);
    CTimeEdit time(locale);
    CDateTimeEdit dateTime(locale);
    CMaskEdit mask(std::string(script.Pick(kMasks)));
    CWholeNumberEdit whole(1 + static_cast<int>(choice % 9));
    CMoneyEdit money(locale);
    CMultiFormatEdit multi(firstPattern);
    CValidEdit* edits[] = {&date, &time, &dateTime, &mask, &whole, &money, &multi};
    CValidEdit& edit = *edits[static_cast<int>(kind)];
    edit.Attach(field);

    CalendarRule* calendar = kind == Kind::Date          ? static_cast<CalendarRule*>(&date.Rule())
                             : kind == Kind::Time        ? &time.Rule()
                             : kind == Kind::DateTime    ? &dateTime.Rule()
                             : kind == Kind::MultiFormat ? &multi.DateTimeRule()
                                                         : nullptr;
    if (calendar) {
        calendar->ChangeFlags(flags, 0);
        if ((script.Byte() & 1) != 0) {
            const DateTime a = ReadDateTime(script);
            const DateTime b = ReadDateTime(script);
            if (auto* d = dynamic_cast<CDateRule*>(calendar))
                d->SetRange(std::min(a, b), std::max(a, b));
            if (auto* t = dynamic_cast<CTimeRule*>(calendar))
                t->SetRange(TimePart(std::min(a, b)), TimePart(std::max(a, b)));
        }
    }

    const auto check = [&](int step, bool afterFocusLoss) {
        const std::string text = field.GetText();
        CEditRule* active = kind == Kind::MultiFormat ? &multi.ActiveRule() : nullptr;
        if (kind == Kind::Mask || active == &multi.MaskRule())
            CheckMask(kind == Kind::Mask ? mask.Rule() : multi.MaskRule(), text, step);
        else if (kind == Kind::WholeNumber)
            CheckNumber(whole.Rule(), text, step);
        else if (kind == Kind::Money)
            CheckNumber(money.Rule(), text, step);
        else if (active == &multi.NumberRule())
            CheckNumber(multi.NumberRule(), text, step);
        else if (active == &multi.CharFilterRule())
            (multi.CharFilterRule().FilteredText() == text) ? void() : Broken(step, text, "filter");
        else if (calendar)
            CheckCalendar(*calendar, text, afterFocusLoss && field.IsEnabled(), step);
    };
    check(0, false);

    const std::string known = "0123456789/.-: aApPx\b()#$,";
    for (int step = 1; !script.AtEnd(); ++step) {
        const unsigned op = script.Byte() % 16;
        if (op == 14 && calendar) {
            calendar->SetValue(ReadDateTime(script));
        } else if (op == 15 && kind == Kind::MultiFormat) {
            multi.SetMask(script.Pick(kPatterns));
            calendar = &multi.DateTimeRule();
        } else {
            fuzz::PlatformEdit(script, op, edit, field, known);
        }
        check(step, op == 10);
    }
    edit.Detach();
    return 0;
}
