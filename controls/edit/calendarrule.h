#pragma once

#include "amsedit.h"
#include "datetime.h"
#include "datetimeflags.h"
#include "layouttyping.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the date, time and date-and-time rules share: a text that is empty or of fixed layout,
// typed over position by position with the separators skipped, corrected when it is filtered and
// checked against the range on focus loss. The derived rule says how a value is written and read
// and what its range is.
class CalendarRule : public virtual CEditRule {
public:
    explicit CalendarRule(CValidEdit& edit) : CEditRule(edit) {}

    // Empty for a text without a digit; otherwise the text of its value corrected part by part
    // (Read) and moved into the range.
    std::string FilteredText() const override;
    // A digit goes over the layout at the caret (TypeDigit); one its part refuses beeps, and the
    // caret moves on all the same. A letter of AM or PM chooses it, a separator moves to the next
    // part, Backspace moves back; anything else is dropped.
    void HandleChar(char ch) override;
    // Delete empties the field when the whole text is selected; anywhere else it is ignored, so
    // that no character moves.
    void HandleKeyDown(int key) override;
    // An out-of-range value shows the range message and moves to the nearer bound; a value the
    // filter corrects (the 31st of a short month) is stored corrected.
    void HandleFocusLost() override;

    // The value of the text; none when it is empty.
    std::optional<DateTime> GetValue() const;
    void SetValue(const DateTime& value);
    // Whether `value` is a real date (time) that lies within the range, bounds included.
    virtual bool IsValid(const DateTime& value) const = 0;
    // Removes then adds option bits, carrying the value over; true when they changed.
    bool ChangeFlags(unsigned add, unsigned remove);

    // The text of `value` in the field's format.
    virtual std::string Text(const DateTime& value) const = 0;
    // The value of `text` read leniently (numbers between any other characters), each part moved
    // into its own bounds; an all-zero date is today. None for a text without a digit.
    virtual std::optional<DateTime> Read(std::string_view text) const = 0;
    virtual bool InRange(const DateTime& value) const = 0;
    // The nearer bound for a value outside the range, the value itself otherwise.
    virtual DateTime Clamp(const DateTime& value) const = 0;
    virtual void ShowRangeMessage() = 0;

protected:
    // The numbers of `text` and their bounds while they are typed.
    virtual std::vector<DigitPart> Parts(std::string_view text) const = 0;
    // Chooses the AM or PM symbol by its first letter; false when `ch` chooses nothing.
    virtual bool TypeSymbol(std::string& text, char ch) const;
    // Brings a part whose typing is over into the field's form (an afternoon hour typed on the
    // 12-hour clock); nothing by default.
    virtual void SettleTyped(TypedText& typed) const;
    // The value typing into an empty field starts from.
    virtual DateTime StartValue() const = 0;
    // Runs `change` on the settings and writes the value of the text in the new ones.
    template <typename Change> void CarryOver(Change change) {
        const std::optional<DateTime> value = GetValue();
        change();
        if (value)
            SetValue(Clamp(*value));
        else
            Reapply();
    }
    std::string CurrentText() const;
};
