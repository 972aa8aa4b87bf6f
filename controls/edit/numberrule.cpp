#include "numberrule.h"

#include "focuslosstext.h"
#include "messages.h"
#include "numbercharacters.h"
#include "numberpattern.h"
#include "scopedvalue.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <limits>

namespace {

// These bound values mean that the range has no lower or no upper end.
constexpr double kNoMinimum = std::numeric_limits<double>::lowest();
constexpr double kNoMaximum = std::numeric_limits<double>::max();

// The option bits that act on focus loss.
constexpr unsigned kFocusLossFlags = 0x0FFF;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int Length(std::string_view text) {
    return static_cast<int>(text.size());
}

char At(std::string_view text, int i) {
    return text[static_cast<std::size_t>(i)];
}

int Find(std::string_view text, char ch, std::size_t from = 0) {
    const std::size_t at = text.find(ch, from);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

int AbsDigits(int n) {
    return n == INT_MIN ? INT_MAX : std::abs(n);
}

bool SameSyntax(const NumberSyntax& a, const NumberSyntax& b) {
    return a.WholeDigits == b.WholeDigits && a.DecimalPlaces == b.DecimalPlaces &&
           a.NegativeSign == b.NegativeSign && a.DecimalPoint == b.DecimalPoint &&
           a.GroupSeparator == b.GroupSeparator && a.GroupSize == b.GroupSize &&
           a.Prefix == b.Prefix && a.Suffix == b.Suffix && a.Flags == b.Flags;
}

} // namespace

CNumberRule::CNumberRule(CValidEdit& edit, int wholeDigits, int decimalPlaces)
    : CNumberRule(edit, wholeDigits, decimalPlaces, NumberLocale{}) {}

CNumberRule::CNumberRule(CValidEdit& edit, int wholeDigits, int decimalPlaces,
                         const NumberLocale& locale)
    : CEditRule(edit), m_minimum(kNoMinimum), m_maximum(kNoMaximum) {
    if (wholeDigits < 0)
        m_flags |= NoNegatives;
    m_syntax.WholeDigits = std::max(1, AbsDigits(wholeDigits));
    m_syntax.DecimalPlaces = std::max(0, decimalPlaces);
    m_syntax.NegativeSign = LocaleCharacter(locale.negativeSign, '-');
    m_syntax.DecimalPoint = LocaleCharacter(locale.decimalSeparator, '.');
    m_syntax.GroupSeparator = DistinctGroupSeparator(
        m_syntax.DecimalPoint, LocaleCharacter(locale.thousandsSeparator, ','));
}

NumberSyntax CNumberRule::Syntax() const {
    NumberSyntax syntax = m_syntax;
    syntax.Flags = m_flags;
    syntax.Adjusting = m_adjusting;
    return syntax;
}

std::string CNumberRule::Text() const {
    const TextField* field = Field();
    return field ? field->GetText() : std::string();
}

std::string CNumberRule::FilteredText() const {
    return ::FilteredText(Syntax(), Text());
}

int CNumberRule::CountGroupSeparators(std::string_view text) const {
    const std::string_view number = text.substr(NumberStart(m_syntax, text));
    return static_cast<int>(std::count(number.begin(), number.end(), m_syntax.GroupSeparator));
}

void CNumberRule::ReplaceOne(TextField& field, std::string_view text) {
    const TextSelection sel = field.GetSel();
    const int length = Length(field.GetText());
    field.SetSel(sel.start, sel.end == length ? sel.end : sel.start + 1);
    field.ReplaceSel(text, true);
}

void CNumberRule::Default(int groupSeparatorsBefore, bool regroup) {
    // The platform would enter the character as typed; a character taken as another is entered
    // as that one.
    TextField* field = Field();
    if (m_takenAs != '\0' && field)
        field->ReplaceSel(std::string_view(&m_takenAs, 1), true);
    else
        PassToDefault();
    if (regroup)
        RegroupAfterEdit(groupSeparatorsBefore);
}

void CNumberRule::HandleChar(char typed) {
    TextField* field = Field();
    if (!field || field->IsReadOnly())
        return;
    const std::string& prefix = m_syntax.Prefix;
    const int p = Length(prefix);
    const TextSelection sel = field->GetSel();
    const char ch = TypedNumberChar(Syntax(), typed);
    const ScopedValue takenAs(m_takenAs, ch != typed ? ch : '\0');
    if (sel.start >= p || !IsPrintableChar(ch)) {
        HandleNumberChar(*field, ch);
        return;
    }

    // The caret is inside the prefix, where a character of the prefix is itself.
    const std::string t = field->GetText();
    const int l = Length(t);
    if (typed == prefix[static_cast<std::size_t>(sel.start)]) {
        if (!MayEnter(typed))
            return;
        if (l > sel.start)
            ReplaceOne(*field, std::string_view(&typed, 1));
        else
            PassToDefault();
    } else if (IsDigit(ch) || ch == m_syntax.NegativeSign || ch == m_syntax.DecimalPoint) {
        if (!MayEnter(ch))
            return;
        // Complete the prefix and type the character behind it. Only characters that already
        // are the prefix are typed over, so that digits a cut left in front are kept.
        int keep = 0;
        while (sel.start + keep < std::min(p, l) &&
               t[static_cast<std::size_t>(sel.start + keep)] ==
                   prefix[static_cast<std::size_t>(sel.start + keep)])
            ++keep;
        field->SetSel(sel.start, sel.end == l ? sel.end : sel.start + keep);
        field->ReplaceSel(std::string_view(prefix).substr(static_cast<std::size_t>(sel.start)),
                          true);
        if (field->GetSel().start >= p)
            HandleChar(typed);
    }
}

void CNumberRule::HandlePaste() {
    TextField* field = Field();
    if (!field)
        return;
    const std::string pasted = field->PasteText();
    if (pasted.empty())
        return; // nothing to paste: nothing to refuse either
    const std::optional<std::string> number = ReadPastedNumber(Syntax(), pasted);
    if (!number) {
        field->GetMessages().Beep();
        return;
    }
    const int g = CountGroupSeparators(field->GetText());
    field->ReplaceSel(*number, true);
    RegroupAfterEdit(g);
}

void CNumberRule::HandleNumberChar(TextField& field, char ch) {
    const NumberSyntax syntax = Syntax();
    const std::string t = field.GetText();
    const int l = Length(t);
    const TextSelection sel = field.GetSel();
    const int s = sel.start;
    const int e = sel.end;
    const int p = Length(syntax.Prefix);
    const std::size_t from = NumberStart(syntax, t);
    const std::string n = NumericText(syntax, t);
    const int dT = Find(t, syntax.DecimalPoint, from);
    const int dN = Find(n, syntax.DecimalPoint);
    const int g = CountGroupSeparators(t);
    const int neg = !n.empty() && n[0] == syntax.NegativeSign ? 1 : 0;
    const std::string_view one(&ch, 1);

    if (ch == syntax.NegativeSign && (m_flags & NoNegatives) == 0) {
        if (!MayEnter(ch))
            return;
        if (s == p) {
            // At the front of the number a sign is typed over or typed in. Typed in, it is
            // regrouped: over a selection that held the point, decimals became whole digits.
            if (neg)
                ReplaceOne(field, one);
            else
                Default(g, true);
            return;
        }
        // Anywhere else the sign at the front is toggled and the selection stays on its
        // characters.
        if (neg) {
            const int at = Find(t, syntax.NegativeSign, from);
            field.SetSel(at, at + 1);
            field.ReplaceSel({}, true);
            field.SetSel(s > at ? s - 1 : s, e > at ? e - 1 : e);
        } else {
            field.SetSel(p, p);
            field.ReplaceSel(one, true);
            field.SetSel(s >= p ? s + 1 : s, e >= p ? e + 1 : e);
        }
        return;
    }

    if (ch == syntax.DecimalPoint && syntax.DecimalPlaces > 0) {
        if (!MayEnter(ch))
            return;
        if (dT < 0 || (s <= dT && dT < e))
            Default(g, true);
        else
            field.SetSel(dT + 1, dT + 1); // a second point only moves the caret behind the first
        return;
    }

    if (IsDigit(ch)) {
        if (dT >= 0 && dT < s) {
            const int decimals = Length(n) - dN - 1;
            if (decimals < syntax.DecimalPlaces) {
                if (MayEnter(ch))
                    Default(g, false);
            } else if (static_cast<long long>(s) <=
                           static_cast<long long>(dT) + syntax.DecimalPlaces &&
                       MayEnter(ch)) {
                ReplaceOne(field, one); // full decimals are typed over
            }
            return;
        }
        const long long wholeEnd = static_cast<long long>(p) + neg + syntax.WholeDigits + g;
        if (s == wholeEnd) {
            // Right after a full whole part only the automatic decimal point lets a digit in.
            if ((m_flags & AutoDecimalPoint) != 0 && syntax.DecimalPlaces > 0) {
                field.SetSel(s, e == l ? e : s + 2);
                field.ReplaceSel(std::string{syntax.DecimalPoint, ch}, true);
            }
            return;
        }
        // The sign stays in front of the number: a digit typed at it goes behind it.
        const bool atSign = s < l && At(t, s) == syntax.NegativeSign;
        const int wholeLength = dN >= 0 ? dN : Length(n);
        if (wholeLength == static_cast<long long>(neg) + syntax.WholeDigits) {
            if (!MayEnter(ch))
                return;
            // A full whole part is typed over one digit: the one at the caret, or the one after
            // the sign or a separator the caret stands before. A selection that reaches the end
            // goes as a whole, sign included.
            int at = s;
            if (atSign && e != l)
                ++at;
            if (at < l && At(t, at) == syntax.GroupSeparator)
                ++at;
            field.SetSel(at, e == l ? e : at + 1);
            field.ReplaceSel(one, true);
            return;
        }
        if (MayEnter(ch)) {
            if (atSign && s == e)
                field.SetSel(s + 1, s + 1);
            Default(g, true);
        }
        return;
    }

    // Other printable characters are dropped without a sound; Backspace and the other control
    // characters are the platform's.
    if (!IsPrintableChar(ch) && MayEnter(ch))
        Default(g, true);
}

void CNumberRule::HandleKeyDown(int key) {
    TextField* field = Field();
    if (!field || key != kKeyDelete) {
        PassToDefault();
        return;
    }
    const std::string t = field->GetText();
    const int l = Length(t);
    const TextSelection sel = field->GetSel();
    const int p = Length(m_syntax.Prefix);
    if (sel.start < p && l > p) {
        // The prefix can only go together with everything after it.
        if (sel.end == l)
            PassToDefault();
        return;
    }
    if (sel.start < l && sel.start == sel.end &&
        t[static_cast<std::size_t>(sel.start)] == m_syntax.GroupSeparator)
        field->SetSel(sel.start + 1, sel.start + 1); // step over the separator, as Right does
    const int g = CountGroupSeparators(t);
    PassToDefault();
    RegroupAfterEdit(g);
    if (sel.end == l)
        field->SetSel(sel.start, sel.start);
}

void CNumberRule::RegroupAfterEdit(int groupSeparatorsBefore) {
    TextField* field = Field();
    if (!field)
        return;
    TextSelection sel = field->GetSel();
    {
        const ScopedValue adjusting(m_adjusting, true);
        const std::string filtered = FilteredText();
        if (filtered != field->GetText())
            Edit().SetText(filtered);
        const int shift = CountGroupSeparators(filtered) - groupSeparatorsBefore;
        const int p = Length(m_syntax.Prefix);
        if (shift != 0 && sel.start > p) {
            sel.start = std::max(p, sel.start + shift);
            sel.end = std::max(p, sel.end + shift);
        }
    }
    field->SetSel(sel.start, sel.end, false);
}

void CNumberRule::HandleFocusLost() {
    PassToDefault();
    TextField* field = Field();
    if (!field)
        return;
    const NumberSyntax syntax = Syntax();
    const std::string numeric = NumericText(syntax, field->GetText());
    const unsigned flags = m_flags;
    if ((flags & kFocusLossFlags) == 0 || (numeric.empty() && (flags & NoPadIfEmpty) != 0))
        return;

    const std::string x = FocusLossText(syntax, numeric);
    if (x != numeric) {
        const TextSelection sel = field->GetSel();
        Edit().SetText(x);
        field->SetSel(sel.start, sel.end);
    }

    const bool empty = x.empty();
    if (!empty && IsInRange())
        return;
    const unsigned beep = empty ? BeepIfEmpty : BeepIfOutOfRange;
    const unsigned clamp = empty ? ClampIfEmpty : ClampIfOutOfRange;
    const unsigned message = empty ? MessageIfEmpty : MessageIfOutOfRange;
    const unsigned refocus = empty ? RefocusIfEmpty : RefocusIfOutOfRange;
    if ((flags & beep) != 0)
        field->GetMessages().Beep();
    if ((flags & clamp) != 0)
        ClampToRange();
    if ((flags & message) != 0 && (flags & refocus) != 0)
        ShowRangeMessage();
    if ((flags & refocus) != 0)
        field->SetFocus();
}

bool CNumberRule::IsInRange() const {
    const double v = GetValue();
    return m_minimum <= v && v <= m_maximum;
}

void CNumberRule::ShowRangeMessage() {
    TextField* field = Field();
    if (!field)
        return;
    const bool lower = m_minimum > kNoMinimum;
    const bool upper = m_maximum < kNoMaximum;
    std::string text;
    if (lower && upper)
        text = "Please specify a numeric value between " + FormatValue(m_minimum, true) + " and " +
               FormatValue(m_maximum, true) + ".";
    else if (lower)
        text = "Please specify a numeric value greater than or equal to " +
               FormatValue(m_minimum, true) + ".";
    else if (upper)
        text = "Please specify a numeric value less than or equal to " +
               FormatValue(m_maximum, true) + ".";
    else
        text = "Please specify a valid numeric value.";
    field->GetMessages().Show(text, Messages::Icon::Exclamation);
}

void CNumberRule::ClampToRange() {
    if (IsInRange())
        return;
    Reapply();
    const double v = GetValue();
    if (v < m_minimum)
        SetValue(m_minimum, true);
    else if (v > m_maximum)
        SetValue(m_maximum, true);
}

bool CNumberRule::CheckRange(bool showMessage) {
    TextField* field = Field();
    if (!field || !field->IsEnabled())
        return true;
    const bool inRange = IsInRange();
    if (!inRange && showMessage) {
        ShowRangeMessage();
        field->SetFocus();
    }
    return inRange;
}

std::string CNumberRule::FormatValue(double v, bool trim) const {
    return ::FormatValue(Syntax(), v, trim);
}

void CNumberRule::SetValue(double v, bool trim) {
    Edit().SetText(FormatValue(v, trim));
}

double CNumberRule::GetValue() const {
    return ParseValue(Syntax(), Text());
}

void CNumberRule::SetIntValue(int n) {
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, n);
    std::string text(buffer, result.ptr);
    if (!text.empty() && text[0] == '-')
        text[0] = m_syntax.NegativeSign;
    Edit().SetText(text);
}

int CNumberRule::GetIntValue() const {
    return ParseIntValue(Syntax(), Text());
}

void CNumberRule::SettingsChanged(const NumberSyntax& before) {
    const NumberSyntax after = Syntax();
    if (SameSyntax(before, after))
        return;
    if (TextField* field = Field()) {
        const std::string text = field->GetText();
        const std::string carried = CarriedOverText(before, after, text);
        if (carried != text)
            Edit().SetText(carried);
    }
    Reapply();
}

template <typename Change> void CNumberRule::ChangeSyntax(Change change) {
    const NumberSyntax before = Syntax();
    change();
    SettingsChanged(before);
}

void CNumberRule::SetWholeDigits(int n) {
    if (n == 0)
        return;
    ChangeSyntax([this, n] {
        m_syntax.WholeDigits = AbsDigits(n);
        m_flags = n < 0 ? m_flags | NoNegatives : m_flags & ~static_cast<unsigned>(NoNegatives);
    });
}

void CNumberRule::SetDecimalPlaces(int n) {
    if (n >= 0)
        ChangeSyntax([this, n] { m_syntax.DecimalPlaces = n; });
}

void CNumberRule::SetNegativeAllowed(bool allow) {
    ChangeFlags(allow ? 0u : NoNegatives, allow ? NoNegatives : 0u);
}

void CNumberRule::SetGroupSize(int n) {
    if (n >= 0)
        ChangeSyntax([this, n] { m_syntax.GroupSize = n; });
}

void CNumberRule::SetSeparators(char decimalPoint, char groupSeparator) {
    if (decimalPoint == '\0' || groupSeparator == '\0')
        return;
    ChangeSyntax([this, decimalPoint, groupSeparator] {
        m_syntax.DecimalPoint = decimalPoint;
        m_syntax.GroupSeparator = DistinctGroupSeparator(decimalPoint, groupSeparator);
    });
}

void CNumberRule::SetPrefix(std::string_view prefix) {
    ChangeSyntax([this, prefix] { m_syntax.Prefix = prefix; });
}

void CNumberRule::SetSuffix(std::string_view suffix) {
    ChangeSyntax([this, suffix] { m_syntax.Suffix = suffix; });
}

void CNumberRule::SetRange(double minimum, double maximum) {
    if (!(minimum <= maximum))
        return;
    if (minimum == m_minimum && maximum == m_maximum)
        return;
    m_minimum = minimum;
    m_maximum = maximum;
    Reapply();
}

void CNumberRule::GetRange(double& minimum, double& maximum) const {
    minimum = m_minimum;
    maximum = m_maximum;
}

bool CNumberRule::ChangeFlags(unsigned add, unsigned remove) {
    const unsigned flags = (m_flags & ~remove) | add;
    if (flags == m_flags)
        return false;
    ChangeSyntax([this, flags] { m_flags = flags; });
    return true;
}

bool CNumberRule::SetPattern(std::string_view pattern) {
    const std::optional<NumberSyntax> read = ReadPattern(Syntax(), pattern);
    if (!read)
        return false;
    ChangeSyntax([this, &read] {
        m_syntax = *read;
        m_flags = read->Flags;
    });
    return true;
}

std::string CNumberRule::GetPattern() const {
    return PatternText(Syntax());
}
