#include "calendarrule.h"

#include "messages.h"

#include <algorithm>

std::string CalendarRule::CurrentText() const {
    const TextField* field = Field();
    return field ? field->GetText() : std::string();
}

std::string CalendarRule::FilteredText() const {
    const std::optional<DateTime> value = Read(CurrentText());
    return value ? Text(Clamp(*value)) : std::string();
}

std::optional<DateTime> CalendarRule::GetValue() const {
    return Read(CurrentText());
}

void CalendarRule::SetValue(const DateTime& value) {
    Edit().SetText(Text(value));
}

bool CalendarRule::TypeSymbol(std::string&, char) const {
    return false;
}

void CalendarRule::SettleTyped(TypedText&) const {}

void CalendarRule::HandleChar(char ch) {
    TextField* field = Field();
    if (!field || field->IsReadOnly())
        return;
    const bool digit = ch >= '0' && ch <= '9';
    std::string text = field->GetText();
    const int caret = field->GetSel().start;
    if (text.empty()) {
        if (!digit)
            return;
        text = Text(Clamp(StartValue()));
    }
    const std::vector<DigitPart> parts = Parts(text);
    TypedText typed{text, caret};
    if (ch == '\b') {
        // The caret steps back over the separators; nothing is removed.
        const int back = PreviousDigitPosition(parts, caret);
        field->SetSel(std::max(back, 0), std::max(back, 0));
        return;
    }
    if (digit) {
        if (const auto taken = TypeDigit(text, caret, ch, parts)) {
            if (!MayEnter(ch))
                return;
            typed = *taken;
        } else {
            // A refused digit still takes its place, so that the digits typed after it land in
            // the parts they were meant for.
            field->GetMessages().Beep();
            typed.caret = CaretAfterDigit(parts, caret);
        }
    } else if (TypeSymbol(typed.text, ch)) {
        if (!MayEnter(ch))
            return;
    } else {
        // A separator moves the caret to the next part; anything else is dropped.
        const int next = NextDigitPosition(parts, caret);
        const auto part = std::find_if(parts.begin(), parts.end(), [next](const DigitPart& p) {
            return next >= p.start && next < p.start + p.width;
        });
        const std::size_t end =
            part == parts.end() ? 0 : static_cast<std::size_t>(part->start + part->width);
        if (part == parts.end() || end >= text.size() || text[end] != ch)
            return;
        const int after = NextDigitPosition(parts, static_cast<int>(end));
        if (after >= 0)
            typed.caret = after;
    }
    SettleTyped(typed);
    if (typed.text != field->GetText()) {
        field->SetSel(0, static_cast<int>(field->GetText().size()));
        field->ReplaceSel(typed.text, true);
    }
    field->SetSel(typed.caret, typed.caret);
}

void CalendarRule::HandleKeyDown(int key) {
    TextField* field = Field();
    if (key != kKeyDelete || !field) {
        PassToDefault();
        return;
    }
    const TextSelection sel = field->GetSel();
    if (sel.start == 0 && sel.end == static_cast<int>(field->GetText().size()))
        PassToDefault();
}

void CalendarRule::HandleFocusLost() {
    TextField* field = Field();
    if (field && field->IsEnabled()) {
        const std::optional<DateTime> value = GetValue();
        if (value && !InRange(*value))
            ShowRangeMessage();
        Reapply();
    }
    PassToDefault();
}

bool CalendarRule::ChangeFlags(unsigned add, unsigned remove) {
    const unsigned flags = (m_flags & ~remove) | add;
    if (flags == m_flags)
        return false;
    CarryOver([&] { m_flags = flags; });
    return true;
}
