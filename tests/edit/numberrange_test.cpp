#include "memoryfield.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr double kLowest = std::numeric_limits<double>::lowest();
constexpr double kHighest = std::numeric_limits<double>::max();

} // namespace

TEST(NumberRange, LeavingWithAValueOutOfRange) {
    NumberField f;
    f.Rule().SetRange(0, 100);
    f.Rule().ChangeFlags(MessageIfOutOfRange | RefocusIfOutOfRange, 0);
    f.Put("150|");
    f.edit.OnKillFocus();
    const MemoryTextField::Calls& calls = f.field.GetCalls();
    EXPECT_EQ(calls.messages,
              std::vector<std::string>{"Please specify a numeric value between 0 and 100."});
    EXPECT_EQ(calls.messageIcons, std::vector<Messages::Icon>{Messages::Icon::Exclamation});
    EXPECT_EQ(calls.focusRequests, 1);
    EXPECT_EQ(calls.beeps, 0);
    EXPECT_EQ(f.edit.GetText(), "150");
}

TEST(NumberRange, MessageTexts) {
    const struct {
        double minimum;
        double maximum;
        const char* message;
    } cases[] = {
        {-2.5, 1e3, "Please specify a numeric value between -2.5 and 1000."},
        {10, kHighest, "Please specify a numeric value greater than or equal to 10."},
        {kLowest, 0.125, "Please specify a numeric value less than or equal to 0.125."},
        {kLowest, kHighest, "Please specify a valid numeric value."},
    };
    for (const auto& c : cases) {
        NumberField f;
        f.Rule().SetRange(c.minimum, c.maximum);
        f.Rule().ShowRangeMessage();
        EXPECT_EQ(f.field.GetCalls().messages, std::vector<std::string>{c.message});
    }
}

TEST(NumberRange, CheckRange) {
    NumberField f;
    f.Rule().SetRange(1, 5);
    f.edit.SetValue(7);
    EXPECT_FALSE(f.edit.CheckRange(false));
    EXPECT_TRUE(f.field.GetCalls().messages.empty());
    EXPECT_FALSE(f.edit.CheckRange(true));
    EXPECT_EQ(f.field.GetCalls().messages.size(), 1u);
    EXPECT_EQ(f.field.GetCalls().focusRequests, 1);
    f.field.SetEnabled(false);
    EXPECT_TRUE(f.edit.CheckRange(true));
    f.field.SetEnabled(true);
    f.edit.SetValue(5);
    EXPECT_TRUE(f.edit.CheckRange(true));
}

TEST(NumberRange, ClampOnFocusLoss) {
    const struct {
        const char* text;
        const char* clamped;
        int beeps;
    } cases[] = {{"150", "100", 1}, {"-5.5", "0.5", 1}, {"42", "42", 0}, {"", "0.5", 0}};
    for (const auto& c : cases) {
        NumberField f;
        f.Rule().SetRange(0.5, 100);
        f.Rule().ChangeFlags(ClampIfOutOfRange | ClampIfEmpty | BeepIfOutOfRange, 0);
        f.Put(c.text);
        f.edit.OnKillFocus();
        EXPECT_EQ(f.edit.GetText(), c.clamped) << c.text;
        EXPECT_EQ(f.field.GetCalls().beeps, c.beeps) << c.text;
    }
}

TEST(NumberRange, EmptyFieldOnFocusLoss) {
    NumberField f;
    f.Rule().ChangeFlags(BeepIfEmpty | RefocusIfEmpty | MessageIfEmpty, 0);
    f.edit.OnKillFocus();
    EXPECT_EQ(f.field.GetCalls().beeps, 1);
    EXPECT_EQ(f.field.GetCalls().focusRequests, 1);
    EXPECT_EQ(f.field.GetCalls().messages,
              std::vector<std::string>{"Please specify a valid numeric value."});

    // The message comes only together with the refocus.
    NumberField quiet;
    quiet.Rule().ChangeFlags(MessageIfEmpty, 0);
    quiet.edit.OnKillFocus();
    EXPECT_TRUE(quiet.field.GetCalls().messages.empty());
}

TEST(NumberRange, FocusLossTextIsSetWithTheSelectionKept) {
    NumberField f(5, 2);
    f.Rule().ChangeFlags(PadDecimalPlaces | NoPadIfEmpty, 0);
    f.Put("1|2");
    f.edit.OnKillFocus();
    EXPECT_EQ(f.State(), "1|2.00");
    f.Put("");
    f.edit.OnKillFocus();
    EXPECT_EQ(f.edit.GetText(), "") << "NoPadIfEmpty";
}
