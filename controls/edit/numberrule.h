#pragma once

#include "amsedit.h"
#include "numberlocale.h"
#include "numbertext.h"

#include <string>
#include <string_view>

// The rule of a numeric field: the text only ever holds the prefix (when a number follows), an
// optional sign, at most WholeDigits digits (grouped when GroupSize > 0) and optionally the
// decimal point with at most DecimalPlaces digits. Typing is filtered key by key; focus loss can
// pad, strip, clamp, beep, show the range message and keep the focus, as the Flags ask.
class CNumberRule : public CEditRule {
public:
    // A negative whole-digit count means its absolute value and sets NoNegatives. The locale's
    // characters are read here, once, from UserNumberLocale() or from `locale`.
    CNumberRule(CValidEdit& edit, int wholeDigits, int decimalPlaces);
    CNumberRule(CValidEdit& edit, int wholeDigits, int decimalPlaces, const NumberLocale& locale);

    std::string FilteredText() const override;
    void HandleChar(char ch) override;
    void HandleKeyDown(int key) override;
    void HandleFocusLost() override;
    virtual bool IsInRange() const;
    virtual void ShowRangeMessage();

    // Each setter re-applies the text when the setting changes. Arguments outside the stated
    // limits are ignored.
    void SetWholeDigits(int n); // n != 0; n < 0 sets NoNegatives, n > 0 clears it
    int GetWholeDigits() const { return m_syntax.WholeDigits; }
    void SetDecimalPlaces(int n); // n >= 0
    int GetDecimalPlaces() const { return m_syntax.DecimalPlaces; }
    void SetNegativeAllowed(bool allow);
    bool IsNegativeAllowed() const { return (m_nFlags & NoNegatives) == 0; }
    void SetGroupSize(int n); // n >= 0; 0 = no grouping
    int GetGroupSize() const { return m_syntax.GroupSize; }
    // Neither may be NUL; equal characters make the group separator '.' when the decimal point
    // is ',' and ',' otherwise.
    void SetSeparators(char decimalPoint, char groupSeparator);
    char GetDecimalPoint() const { return m_syntax.DecimalPoint; }
    char GetGroupSeparator() const { return m_syntax.GroupSeparator; }
    char GetNegativeSign() const { return m_syntax.NegativeSign; }
    void SetPrefix(std::string_view prefix);
    const std::string& GetPrefix() const { return m_syntax.Prefix; }
    void SetRange(double minimum, double maximum); // minimum <= maximum
    void GetRange(double& minimum, double& maximum) const;
    double GetMinimum() const { return m_dMinimum; }
    double GetMaximum() const { return m_dMaximum; }
    // Reads a pattern such as "$#,###.##" from its end: decimal places, decimal point, group
    // separator and size, whole digits and the prefix in front; allows negatives. A pattern
    // that gives no whole digit changes nothing and returns false.
    bool SetPattern(std::string_view pattern);
    // The settings as a pattern: the prefix, then '#'s with the separators laid in.
    std::string GetPattern() const;
    // Removes then adds option bits; true (and the text re-applied) when they changed.
    bool ChangeFlags(unsigned add, unsigned remove);
    bool IsAdjusting() const { return m_bAdjusting; }

    // Re-filters the text after an edit made by the platform, keeping the caret on the same
    // digit; `groupSeparatorsBefore` is CountGroupSeparators of the text before the edit.
    void RegroupAfterEdit(int groupSeparatorsBefore);
    // The group separators of the number part of `text` (the prefix is not looked at).
    int CountGroupSeparators(std::string_view text) const;

    // The range check of focus loss: a value outside [Minimum, Maximum] is set to the nearer
    // bound.
    void ClampToRange();
    // True when the field is disabled or in range; otherwise false, and with `showMessage`
    // the range message is shown and the focus given back.
    bool CheckRange(bool showMessage);

    std::string FormatValue(double v, bool trim) const;
    void SetValue(double v, bool trim = true);
    double GetValue() const;
    void SetIntValue(int n);
    int GetIntValue() const;

    // The settings that decide the text, as the pure text functions take them.
    NumberSyntax Syntax() const;

private:
    // The current text, or "" before the field is attached.
    std::string Text() const;
    // Re-applies after a change of settings. The text was written with the settings in
    // `before`: its prefix is taken off and its separators and sign are translated to the new
    // ones first, so that 12.5 stays 12.5 when the decimal point becomes ','.
    void SettingsChanged(const NumberSyntax& before);
    // The sign, digit and decimal-point steps of typing, after the prefix step.
    void HandleNumberChar(TextField& field, char ch);
    void Default(int groupSeparatorsBefore, bool regroup);
    void ReplaceOne(TextField& field, std::string_view text);

    NumberSyntax m_syntax; // every setting but the option bits, which are m_nFlags
    double m_dMinimum;
    double m_dMaximum;
    bool m_bAdjusting = false;
};
