// The date, time and date-and-time fields on an in-memory field, with pinned locale settings.
#include "memoryfield.h"

#include <gtest/gtest.h>

#include <string>

namespace {

FieldLocale Dotted() {
    FieldLocale locale;
    locale.dateSeparator = ".";
    locale.shortDateFormat = "dd.MM.yyyy";
    locale.twentyFourHour = true;
    return locale;
}

const FieldLocale kUs; // M/d/yyyy, ':', AM and PM

} // namespace

TEST(DateRule, WritesTheDateInTheLocalesOrder) {
    DateField dotted(Dotted());
    dotted.edit.Rule().SetValue({2007, 4, 5});
    EXPECT_EQ(dotted.edit.GetText(), "05.04.2007");
    DateField us(kUs);
    us.edit.Rule().SetValue({2007, 4, 5});
    EXPECT_EQ(us.edit.GetText(), "04/05/2007");
    EXPECT_EQ(us.edit.Rule().GetValue(), (DateTime{2007, 4, 5}));
}

TEST(DateRule, LeapYearsDecideTheTwentyNinthOfFebruary) {
    DateField f(kUs);
    EXPECT_FALSE(f.edit.Rule().IsValid({2007, 2, 29}));
    EXPECT_TRUE(f.edit.Rule().IsValid({2000, 2, 29}));
    EXPECT_FALSE(f.edit.Rule().IsValid({1900, 2, 29})) << "a century is no leap year";
    f.edit.SetText("02/29/2007");
    EXPECT_EQ(f.edit.GetText(), "02/28/2007") << "the day moves to the month's last";
}

TEST(DateRule, FilteringCompletesAndCorrects) {
    const std::string today = [] {
        DateField f(kUs);
        f.edit.Rule().SetValue(DatePart(Now()));
        return f.edit.GetText();
    }();
    // text set, text shown
    const std::pair<const char*, std::string> rows[] = {
        {"00/00/0000", today},
        {"", ""},
        {"13/45/2007", "12/31/2007"},
        {"4.5.2007", "04/05/2007"},
        {"04052007", "04/05/2007"},
        {"01/01/1800", "01/01/1900"},
        {"no date", ""},
    };
    for (const auto& [text, shown] : rows) {
        DateField f(kUs);
        f.edit.SetText(text);
        EXPECT_EQ(f.edit.GetText(), shown) << text;
    }
}

TEST(DateRule, TypingGoesOverTheLayoutWithinTheBounds) {
    // start, keys, end ('|' the caret)
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"|12/09/2026", "04052007", "04/05/2007|"},
        {"|12/09/2026", "2", "1|2/09/2026"},    // no month starts with 2: refused
        {"|09/09/2026", "1", "1|2/09/2026"},    // month 19 moves to 12
        {"02/|09/2026", "3", "02/0|9/2026"},    // February has no 30s
        {"02/|09/2026", "29", "02/29/|2026"},   // the year decides on focus loss
        {"12/09/|2026", "0", "12/09/2|026"},    // no year 0xxx in range
        {"1|2/09/2026", "/", "12/|09/2026"},    // a separator moves to the next part
        {"12/0|9/2026", "\b", "12/|09/2026"},   // Backspace moves back over the text
        {"12/09/202|6", "\x7F", "12/09/202|6"}, // Delete removes nothing
        {"[12/09/2026]", "\x7F", "|"},          // but the whole text
        {"12/09/2026|", "7", "12/09/2026|"},
    };
    for (const auto& [start, keys, end] : rows) {
        DateField f(kUs);
        f.Put(start);
        f.Type(keys);
        EXPECT_EQ(f.State(), end) << start << " + " << keys;
    }
}

TEST(DateRule, ARefusedDigitBeepsAndTheDigitsAfterItKeepTheirParts) {
    DateField f(kUs);
    f.Put("|01/01/2000");
    f.Type("02312024"); // no 3x day in February
    EXPECT_EQ(f.State(), "02/01/2024|");
    EXPECT_EQ(f.field.GetCalls().beeps, 1);
}

TEST(DateRule, AFirstNumberOfFourDigitsIsTheYear) {
    // text set, text shown
    const std::pair<const char*, const char*> rows[] = {
        {"2024-02-29", "29.02.2024"},
        {"2024/02/29", "29.02.2024"},
        {"2023-02-29", "28.02.2023"},
    };
    for (const auto& [text, shown] : rows) {
        DateField f(Dotted());
        f.edit.SetText(text);
        EXPECT_EQ(f.edit.GetText(), shown) << text;
    }
    DateTimeField dateTime(kUs);
    dateTime.edit.SetText("2024-02-29 13:05");
    EXPECT_EQ(dateTime.edit.GetText(), "02/29/2024 01:05 PM");
}

TEST(DateRule, FocusLossOutOfRangeShowsTheMessageAndTakesTheNearerBound) {
    DateField f(Dotted());
    ASSERT_TRUE(f.edit.Rule().SetRange({2000, 1, 1}, {2000, 12, 31}));
    f.Put("05.04.2007");
    f.edit.OnKillFocus();
    EXPECT_EQ(
        f.field.GetCalls().messages,
        (std::vector<std::string>{"Please specify a date between 01.01.2000 and 31.12.2000."}));
    EXPECT_EQ(f.field.GetCalls().messageIcons.front(), Messages::Icon::Exclamation);
    EXPECT_EQ(f.edit.GetText(), "31.12.2000");
    EXPECT_FALSE(f.edit.Rule().SetRange({2001, 1, 1}, {2000, 1, 1}));
}

TEST(DateRule, SettingsCarryTheValueOver) {
    DateField f(kUs);
    f.edit.SetText("04/05/2007");
    EXPECT_FALSE(f.edit.Rule().SetDateSeparator('7'));
    EXPECT_FALSE(f.edit.Rule().SetDateSeparator('\0'));
    EXPECT_TRUE(f.edit.Rule().SetDateSeparator('-'));
    EXPECT_EQ(f.edit.GetText(), "04-05-2007");
    f.edit.Rule().ChangeFlags(DayFirst, 0);
    EXPECT_EQ(f.edit.GetText(), "05-04-2007");
}

TEST(TimeRule, TwelveHourClockWritesAndReadsTheSymbol) {
    TimeField f(kUs);
    // hour, minute, text
    const std::tuple<int, int, const char*> rows[] = {
        {13, 5, "01:05 PM"}, {0, 30, "12:30 AM"}, {12, 0, "12:00 PM"}, {11, 59, "11:59 AM"}};
    for (const auto& [hour, minute, text] : rows) {
        f.edit.Rule().SetValue({0, 0, 0, hour, minute, 0});
        EXPECT_EQ(f.edit.GetText(), text);
        f.edit.SetText(text);
        EXPECT_EQ(f.edit.Rule().GetValue(), (DateTime{0, 0, 0, hour, minute, 0})) << text;
    }
    f.Put("|01:05 PM");
    f.Type("a");
    EXPECT_EQ(f.State(), "|01:05 AM") << "a letter of a symbol chooses it";
    f.edit.Rule().ChangeFlags(TwentyFourHour | ShowSeconds, 0);
    EXPECT_EQ(f.edit.GetText(), "01:05:00");
}

TEST(TimeRule, TwentyFourHourTimesAreAfternoonHoursOnTheTwelveHourClock) {
    TimeField f(kUs);
    f.edit.SetText("13:05");
    EXPECT_EQ(f.edit.GetText(), "01:05 PM");
    f.edit.SetText("23:59 AM");
    EXPECT_EQ(f.edit.GetText(), "11:59 PM");
    // start, keys, end: the hour settles when the caret leaves it
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"|12:00 AM", "1305", "01:05| PM"},
        {"|12:00 AM", "2", "2|2:00 AM"},
        {"|12:00 AM", "2:", "10:|00 PM"},
        {"|12:00 AM", "3", "1|2:00 AM"},
    };
    for (const auto& [start, keys, end] : rows) {
        TimeField typed(kUs);
        typed.Put(start);
        typed.Type(keys);
        EXPECT_EQ(typed.State(), end) << start << " + " << keys;
    }
    DateTimeField dateTime(kUs);
    dateTime.edit.SetText("01/05/2020 13:05");
    EXPECT_EQ(dateTime.edit.GetText(), "01/05/2020 01:05 PM");
    dateTime.Put("01/05/2020 |12:00 AM");
    dateTime.Type("1730");
    EXPECT_EQ(dateTime.State(), "01/05/2020 05:30| PM");
}

TEST(TimeRule, RangeMessageHasNoFullStop) {
    TimeField f(Dotted());
    f.edit.Rule().SetRange({0, 0, 0, 8, 0, 0}, {0, 0, 0, 17, 30, 0});
    f.Put("18:00");
    f.edit.OnKillFocus();
    EXPECT_EQ(f.field.GetCalls().messages,
              (std::vector<std::string>{"Please specify a time between 08:00 and 17:30"}));
    EXPECT_EQ(f.edit.GetText(), "17:30");
}

TEST(DateTimeRule, DateAndTimeShareOneSetOfOptionBits) {
    DateTimeField f(Dotted());
    CDateTimeRule& rule = f.edit.Rule();
    rule.SetValue({2007, 4, 5, 13, 5, 0});
    EXPECT_EQ(f.edit.GetText(), "05.04.2007 13:05");
    f.Put("05.04.2007 |13:05");
    f.Type("0945");
    EXPECT_EQ(f.State(), "05.04.2007 09:45|");
    rule.SetRange({2007, 4, 5, 10, 0, 0}, {2007, 4, 6, 0, 0, 0});
    EXPECT_EQ(f.edit.GetText(), "05.04.2007 10:00") << "a new range re-filters";
    f.Put("05.04.2007 09:45");
    f.edit.OnKillFocus();
    rule.ChangeFlags(DateOnly, 0);
    f.Put("01.01.2007");
    f.edit.OnKillFocus();
    EXPECT_EQ(f.field.GetCalls().messages,
              (std::vector<std::string>{"Please specify a date and time between 05.04.2007 "
                                        "10:00 and 06.04.2007 00:00.",
                                        "Please specify a date between 05.04.2007 and "
                                        "06.04.2007."}));
    EXPECT_EQ(f.edit.GetText(), "05.04.2007");
}
