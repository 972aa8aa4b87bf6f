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
    // characters are taken here, once, from `locale`; without one the defaults apply.
    CNumberRule(CValidEdit& edit, int wholeDigits, int decimalPlaces);
    CNumberRule(CValidEdit& edit, int wholeDigits, int decimalPlaces, const NumberLocale& locale);

    std::string FilteredText() const override;
    void HandleChar(char ch) override;
    void HandleKeyDown(int key) override;
    void HandleFocusLost() override;
    // A paste is read as a number in the locale's form (ReadPastedNumber) and typed in as the
    // field writes it; a text that does not read so is refused with a beep.
    void HandlePaste() override;
    virtual bool IsInRange() const;
    virtual void ShowRangeMessage();

    // Each setter re-applies the text when the setting changes. Arguments outside the stated
    // limits are ignored.
    void SetWholeDigits(int n); // n != 0; n < 0 sets NoNegatives, n > 0 clears it
    int GetWholeDigits() const { return m_syntax.WholeDigits; }
    void SetDecimalPlaces(int n); // n >= 0
    int GetDecimalPlaces() const { return m_syntax.DecimalPlaces; }
    void SetNegativeAllowed(bool allow);
    bool IsNegativeAllowed() const { return (m_flags & NoNegatives) == 0; }
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
    // Shown after the number (the money field's symbol where the locale writes it there).
    void SetSuffix(std::string_view suffix);
    const std::string& GetSuffix() const { return m_syntax.Suffix; }
    void SetRange(double minimum, double maximum); // minimum <= maximum
    void GetRange(double& minimum, double& maximum) const;
    // Takes the settings of a pattern such as "$#,###.##" (ReadPattern) and allows negatives. A
    // pattern that gives no whole digit changes nothing and returns false.
    bool SetPattern(std::string_view pattern);
    // The settings as a pattern (PatternText).
    std::string GetPattern() const;
    // Removes then adds option bits; true (and the text re-applied) when they changed.
    bool ChangeFlags(unsigned add, unsigned remove);

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
    // Re-applies after a change of settings; the text was written with the settings in
    // `before` and is carried over to the new ones (CarriedOverText).
    void SettingsChanged(const NumberSyntax& before);
    // Runs `change` on the settings, then SettingsChanged.
    template <typename Change> void ChangeSyntax(Change change);
    // The sign, digit and decimal-point steps of typing, after the prefix step.
    void HandleNumberChar(TextField& field, char ch);
    void Default(int groupSeparatorsBefore, bool regroup);
    void ReplaceOne(TextField& field, std::string_view text);

    NumberSyntax m_syntax; // every setting; the option bits are m_flags, Syntax() joins them
    double m_minimum;
    double m_maximum;
    bool m_adjusting = false; // true only while RegroupAfterEdit runs
    char m_takenAs = '\0';    // while a typed character is handled as another (TypedNumberChar)
};
