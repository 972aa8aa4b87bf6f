#include "numberrule.h"

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

int Find(std::string_view text, char ch, std::size_t from = 0) {
    const std::size_t at = text.find(ch, from);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

int AbsDigits(int n) {
    return n == INT_MIN ? INT_MAX : std::abs(n);
}

// The first character of a locale text; `fallback` when there is none. A digit cannot serve as
// a sign or separator, so it counts as none.
char FirstChar(const std::string& text, char fallback) {
    if (text.empty() || text[0] == '\0' || IsDigit(text[0]))
        return fallback;
    return text[0];
}

// A group separator equal to the decimal point would make every number ambiguous.
char DistinctGroupSeparator(char decimalPoint, char groupSeparator) {
    if (groupSeparator != decimalPoint)
        return groupSeparator;
    return decimalPoint == ',' ? '.' : ',';
}

bool SameSyntax(const NumberSyntax& a, const NumberSyntax& b) {
    return a.WholeDigits == b.WholeDigits && a.DecimalPlaces == b.DecimalPlaces &&
           a.NegativeSign == b.NegativeSign && a.DecimalPoint == b.DecimalPoint &&
           a.GroupSeparator == b.GroupSeparator && a.GroupSize == b.GroupSize &&
           a.Prefix == b.Prefix && a.Flags == b.Flags;
}

bool ReadsAlike(const NumberSyntax& a, const NumberSyntax& b) {
    return a.NegativeSign == b.NegativeSign && a.DecimalPoint == b.DecimalPoint &&
           a.GroupSeparator == b.GroupSeparator && a.Prefix == b.Prefix;
}

// The number part of a text written with `from`, its sign and separators those of `to`.
std::string Translate(const NumberSyntax& from, const NumberSyntax& to, std::string_view text) {
    std::string out;
    for (const char c : text.substr(NumberStart(from, text))) {
        if (c == from.DecimalPoint)
            out.push_back(to.DecimalPoint);
        else if (c == from.GroupSeparator)
            out.push_back(to.GroupSeparator);
        else if (c == from.NegativeSign)
            out.push_back(to.NegativeSign);
        else
            out.push_back(c);
    }
    return out;
}

// Sets a flag for the duration of a scope.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : m_flag(flag) { m_flag = true; }
    ~FlagScope() { m_flag = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& m_flag;
};

} // namespace

CNumberRule::CNumberRule(CValidEdit& edit, int wholeDigits, int decimalPlaces)
    : CNumberRule(edit, wholeDigits, decimalPlaces, UserNumberLocale()) {}

CNumberRule::CNumberRule(CValidEdit& edit, int wholeDigits, int decimalPlaces,
                         const NumberLocale& locale)
    : CEditRule(edit), m_dMinimum(kNoMinimum), m_dMaximum(kNoMaximum) {
    if (wholeDigits < 0)
        m_nFlags |= NoNegatives;
    m_syntax.WholeDigits = std::max(1, AbsDigits(wholeDigits));
    m_syntax.DecimalPlaces = std::max(0, decimalPlaces);
    m_syntax.NegativeSign = FirstChar(locale.NegativeSign, '-');
    m_syntax.DecimalPoint = FirstChar(locale.DecimalSeparator, '.');
    m_syntax.GroupSeparator =
        DistinctGroupSeparator(m_syntax.DecimalPoint, FirstChar(locale.ThousandsSeparator, ','));
}

NumberSyntax CNumberRule::Syntax() const {
    NumberSyntax syntax = m_syntax;
    syntax.Flags = m_nFlags;
    syntax.Adjusting = m_bAdjusting;
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
    PassToDefault();
    if (regroup)
        RegroupAfterEdit(groupSeparatorsBefore);
}

void CNumberRule::HandleChar(char ch) {
    TextField* field = Field();
    if (!field || field->IsReadOnly())
        return;
    const std::string& prefix = m_syntax.Prefix;
    const int p = Length(prefix);
    const TextSelection sel = field->GetSel();
    if (sel.start >= p || !IsPrintableChar(ch)) {
        HandleNumberChar(*field, ch);
        return;
    }

    // The caret is inside the prefix.
    const std::string t = field->GetText();
    const int l = Length(t);
    const std::string_view one(&ch, 1);
    if (ch == prefix[static_cast<std::size_t>(sel.start)]) {
        if (!MayEnter(ch))
            return;
        if (l > sel.start)
            ReplaceOne(*field, one);
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
            HandleChar(ch);
    }
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

    if (ch == syntax.NegativeSign && (m_nFlags & NoNegatives) == 0) {
        if (!MayEnter(ch))
            return;
        if (s == p) {
            // At the front of the number a sign is typed over or typed in.
            if (neg)
                ReplaceOne(field, one);
            else
                PassToDefault();
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
            if ((m_nFlags & AutoDecimalPoint) != 0 && syntax.DecimalPlaces > 0) {
                field.SetSel(s, e == l ? e : s + 2);
                field.ReplaceSel(std::string{syntax.DecimalPoint, ch}, true);
            }
            return;
        }
        const int wholeLength = dN >= 0 ? dN : Length(n);
        if (wholeLength == static_cast<long long>(neg) + syntax.WholeDigits) {
            if (!MayEnter(ch))
                return;
            // A full whole part is typed over, the digit after a separator when the caret
            // stands before one.
            int at = s;
            if (at < l && t[static_cast<std::size_t>(at)] == syntax.GroupSeparator)
                ++at;
            field.SetSel(at, e == l ? e : at + 1);
            field.ReplaceSel(one, true);
            return;
        }
        if (MayEnter(ch))
            Default(g, true);
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
        const FlagScope adjusting(m_bAdjusting);
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
    const unsigned flags = m_nFlags;
    if ((flags & kFocusLossFlags) == 0 || (numeric.empty() && (flags & NoPadIfEmpty) != 0))
        return;

    const char sign = syntax.NegativeSign;
    const char point = syntax.DecimalPoint;
    std::string x = numeric;
    if ((flags & StripLeadingZeros) != 0 && !x.empty()) {
        const bool negative = x[0] == sign;
        if (negative)
            x.erase(0, 1);
        x.erase(0, x.find_first_not_of('0'));
        if (x.empty() || x[0] == point)
            x.insert(0, 1, '0');
        if (negative)
            x.insert(0, 1, sign);
    }
    if ((flags & PadDecimalPlaces) != 0 && syntax.DecimalPlaces > 0) {
        std::size_t d = x.find(point);
        if (d == std::string::npos) {
            if (x.empty() || x == std::string(1, sign))
                x = "0";
            d = x.size();
            x.push_back(point);
        }
        const std::size_t places = static_cast<std::size_t>(syntax.DecimalPlaces);
        if (x.size() - d - 1 < places)
            x.append(places - (x.size() - d - 1), '0');
    }
    if ((flags & PadWholeDigits) != 0 && syntax.WholeDigits > 0) {
        const std::size_t start = !x.empty() && x[0] == sign ? 1 : 0;
        const std::size_t d = x.find(point);
        const std::size_t whole = (d == std::string::npos ? x.size() : d) - start;
        const std::size_t digits = static_cast<std::size_t>(syntax.WholeDigits);
        if (whole < digits)
            x.insert(start, digits - whole, '0');
    }
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
        field->Beep();
    if ((flags & clamp) != 0)
        ClampToRange();
    if ((flags & message) != 0 && (flags & refocus) != 0)
        ShowRangeMessage();
    if ((flags & refocus) != 0)
        field->SetFocus();
}

bool CNumberRule::IsInRange() const {
    const double v = GetValue();
    return m_dMinimum <= v && v <= m_dMaximum;
}

void CNumberRule::ShowRangeMessage() {
    TextField* field = Field();
    if (!field)
        return;
    const bool lower = m_dMinimum > kNoMinimum;
    const bool upper = m_dMaximum < kNoMaximum;
    std::string text;
    if (lower && upper)
        text = "Please specify a numeric value between " + FormatValue(m_dMinimum, true) + " and " +
               FormatValue(m_dMaximum, true) + ".";
    else if (lower)
        text = "Please specify a numeric value greater than or equal to " +
               FormatValue(m_dMinimum, true) + ".";
    else if (upper)
        text = "Please specify a numeric value less than or equal to " +
               FormatValue(m_dMaximum, true) + ".";
    else
        text = "Please specify a valid numeric value.";
    field->MessageBox(text);
}

void CNumberRule::ClampToRange() {
    if (IsInRange())
        return;
    Reapply();
    const double v = GetValue();
    if (v < m_dMinimum)
        SetValue(m_dMinimum, true);
    else if (v > m_dMaximum)
        SetValue(m_dMaximum, true);
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
    if (TextField* field = Field(); field && !ReadsAlike(before, after)) {
        const std::string text = field->GetText();
        const std::string filtered = ::FilteredText(after, Translate(before, after, text));
        if (filtered != text)
            Edit().SetText(filtered);
    }
    Reapply();
}

void CNumberRule::SetWholeDigits(int n) {
    if (n == 0)
        return;
    const NumberSyntax before = Syntax();
    m_syntax.WholeDigits = AbsDigits(n);
    if (n < 0)
        m_nFlags |= NoNegatives;
    else
        m_nFlags &= ~static_cast<unsigned>(NoNegatives);
    SettingsChanged(before);
}

void CNumberRule::SetDecimalPlaces(int n) {
    if (n < 0)
        return;
    const NumberSyntax before = Syntax();
    m_syntax.DecimalPlaces = n;
    SettingsChanged(before);
}

void CNumberRule::SetNegativeAllowed(bool allow) {
    ChangeFlags(allow ? 0u : NoNegatives, allow ? NoNegatives : 0u);
}

void CNumberRule::SetGroupSize(int n) {
    if (n < 0)
        return;
    const NumberSyntax before = Syntax();
    m_syntax.GroupSize = n;
    SettingsChanged(before);
}

void CNumberRule::SetSeparators(char decimalPoint, char groupSeparator) {
    if (decimalPoint == '\0' || groupSeparator == '\0')
        return;
    const NumberSyntax before = Syntax();
    m_syntax.DecimalPoint = decimalPoint;
    m_syntax.GroupSeparator = DistinctGroupSeparator(decimalPoint, groupSeparator);
    SettingsChanged(before);
}

void CNumberRule::SetPrefix(std::string_view prefix) {
    const NumberSyntax before = Syntax();
    m_syntax.Prefix = prefix;
    SettingsChanged(before);
}

void CNumberRule::SetRange(double minimum, double maximum) {
    if (!(minimum <= maximum))
        return;
    if (minimum == m_dMinimum && maximum == m_dMaximum)
        return;
    m_dMinimum = minimum;
    m_dMaximum = maximum;
    Reapply();
}

void CNumberRule::GetRange(double& minimum, double& maximum) const {
    minimum = m_dMinimum;
    maximum = m_dMaximum;
}

bool CNumberRule::ChangeFlags(unsigned add, unsigned remove) {
    const unsigned flags = (m_nFlags & ~remove) | add;
    if (flags == m_nFlags)
        return false;
    const NumberSyntax before = Syntax();
    m_nFlags = flags;
    SettingsChanged(before);
    return true;
}

bool CNumberRule::SetPattern(std::string_view pattern) {
    int whole = 0;
    int decimals = 0; // '#'s met before the decimal point, read from the end
    bool point = false;
    bool group = false;
    char decimalPoint = m_syntax.DecimalPoint;
    char groupSeparator = m_syntax.GroupSeparator;
    std::size_t pointAt = pattern.size();
    std::size_t groupAt = 0;
    std::string prefix;
    for (std::size_t k = pattern.size(); k-- > 0;) {
        const char c = pattern[k];
        if (c == '#') {
            ++(point ? whole : decimals);
        } else if (!point && (c == '.' || c == m_syntax.DecimalPoint)) {
            point = true;
            decimalPoint = c;
            pointAt = k;
        } else if (c == ',' || c == m_syntax.GroupSeparator) {
            // Later group separators only repeat the first.
            if (!group) {
                group = true;
                groupSeparator = c;
                groupAt = k;
            }
        } else {
            prefix = pattern.substr(0, k + 1);
            break;
        }
    }
    if (!point) {
        whole += decimals;
        decimals = 0;
    }
    if (whole < 1)
        return false;
    int groupSize = 0;
    if (group) {
        // The characters between the group separator and the decimal point (or the end).
        const std::size_t gap = pointAt > groupAt ? pointAt - groupAt : groupAt - pointAt;
        groupSize = static_cast<int>(gap - 1);
    }

    const NumberSyntax before = Syntax();
    m_syntax.WholeDigits = whole;
    m_syntax.DecimalPlaces = decimals;
    m_syntax.DecimalPoint = decimalPoint;
    m_syntax.GroupSeparator = DistinctGroupSeparator(decimalPoint, groupSeparator);
    m_syntax.GroupSize = groupSize;
    m_syntax.Prefix = prefix;
    m_nFlags &= ~static_cast<unsigned>(NoNegatives);
    SettingsChanged(before);
    return true;
}

std::string CNumberRule::GetPattern() const {
    NumberSyntax syntax = Syntax();
    syntax.Prefix.clear(); // laid in front below, so that a '0' of the prefix stays a '0'
    std::string digits(static_cast<std::size_t>(syntax.WholeDigits), '0');
    if (syntax.DecimalPlaces > 0) {
        digits.push_back(syntax.DecimalPoint);
        digits.append(static_cast<std::size_t>(syntax.DecimalPlaces), '0');
    }
    std::string number = GroupedText(syntax, digits);
    std::replace(number.begin(), number.end(), '0', '#');
    return m_syntax.Prefix + number;
}
