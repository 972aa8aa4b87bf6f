#include "memoryfield.h"

#include <gtest/gtest.h>

#include <string_view>
#include <tuple>

TEST(NumberEdit, APasteIsReadAsANumberInTheLocalesForm) {
    const NumberLocale english{"-", ".", ","};
    const NumberLocale german{"-", ",", "."};
    const NumberLocale french{"-", ",", "\xA0"};
    // What the field shows after a paste over "7"; "7" again and a beep when it is refused.
    const struct {
        const char* clipboard;
        NumberLocale locale;
        const char* shown;
    } cases[] = {
        {"-12.34567", english, "-12.345"},
        {"12345678901", english, "123456789"},
        {" 1,234,567.5\r\n", english, "1234567.5"},
        {"\x96"
         "4",
         english, "-4"},
        {"+.5", english, ".5"},
        {"1.234,5", german, "1234,5"},
        {"1 234,5", french, "1234,5"},
        {"ab-12.3", english, "7"},
        {"1.2.3", english, "7"},
        {"12-3", english, "7"},
        {"14,5", english, "7"},
        {"1,2345", english, "7"},
        {"14.5", german, "7"},
        {"1e3", english, "7"},
        {"-", english, "7"},
        {"", english, "7"},
    };
    for (const auto& c : cases) {
        NumberField f(9, 3, c.locale);
        f.Put("[7]");
        f.field.SetClipboardText(c.clipboard);
        f.edit.OnPaste();
        EXPECT_EQ(f.edit.GetText(), c.shown) << c.clipboard;
        const bool refused = std::string_view(c.shown) == "7";
        EXPECT_EQ(f.notified.size(), refused ? 0u : 1u) << c.clipboard;
        EXPECT_EQ(f.field.GetCalls().beeps, refused && *c.clipboard ? 1 : 0) << c.clipboard;
    }
}

TEST(NumberEdit, APastedNumberGoesWhereTheSelectionWas) {
    NumberField f;
    f.Put("1|3");
    f.field.SetClipboardText("-2");
    f.edit.OnPaste();
    EXPECT_EQ(f.State(), "-12|3") << "the sign in front, the caret after the pasted digits";
}

TEST(NumberEdit, SetValueShowsTheFilteredValue) {
    const struct {
        double value;
        const char* shown;
    } cases[] = {
        {1e9, "100000000"}, {0.0004, "0.000"}, {0.0, "0"},           {110.0, "110"},
        {-25.0, "-25"},     {55.5, "55.5"},    {12.34567, "12.345"}, {-0.5, "-0.5"},
    };
    for (const auto& c : cases) {
        NumberField f;
        f.edit.SetValue(c.value, true);
        EXPECT_EQ(f.edit.GetText(), c.shown) << c.value;
        EXPECT_EQ(f.notified.back(), c.shown) << c.value;
    }
    NumberField untrimmed;
    untrimmed.edit.SetValue(2.5, false);
    EXPECT_EQ(untrimmed.edit.GetText(), "2.500");
}

TEST(NumberEdit, GetValueOfTexts) {
    // text, value, integer value
    const std::tuple<const char*, double, int> cases[] = {
        {"", 0.0, 0},          {"-", 0.0, 0},    {".", 0.0, 0},
        {"-12.5", -12.5, -12}, {"-.5", -0.5, 0}, {"123456789.999", 123456789.999, 123456789},
    };
    for (const auto& [text, value, intValue] : cases) {
        NumberField f;
        f.Put(text);
        EXPECT_EQ(f.edit.GetValue(), value) << text;
        EXPECT_EQ(f.edit.GetIntValue(), intValue) << text;
    }
}

TEST(NumberEdit, SetIntValue) {
    NumberField f;
    f.edit.SetIntValue(-42);
    EXPECT_EQ(f.edit.GetText(), "-42");
    f.Rule().SetGroupSize(3);
    f.edit.SetIntValue(1234567);
    EXPECT_EQ(f.edit.GetText(), "1,234,567");
    EXPECT_EQ(f.edit.GetIntValue(), 1234567);
}

TEST(NumberEdit, CutFiltersOnlyAnInvalidRest) {
    NumberField f;
    f.Put("-[12].5");
    f.edit.OnCut();
    EXPECT_EQ(f.State(), "-|.5");
    EXPECT_EQ(f.field.ClipboardText(), "12");
    EXPECT_FALSE(f.field.CanUndo());
    EXPECT_EQ(f.edit.GetValue(), -0.5);
    EXPECT_EQ(f.notified, std::vector<std::string>{"-.5"});

    NumberField g(2, 2);
    g.Put("12[.]34");
    g.edit.OnCut();
    EXPECT_EQ(g.State(), "12|") << "1234 would hold two whole digits too many";
}

TEST(NumberEdit, FocusLossChangesNothingByDefault) {
    NumberField f;
    f.Put("007.5|");
    f.edit.OnKillFocus();
    EXPECT_EQ(f.State(), "007.5|");
    EXPECT_EQ(f.field.GetCalls().focusLosses, 1);
    EXPECT_EQ(f.field.GetCalls().beeps, 0);
    EXPECT_TRUE(f.field.GetCalls().messages.empty());
    EXPECT_EQ(f.field.GetCalls().focusRequests, 0);
    EXPECT_TRUE(f.notified.empty());
}

TEST(NumberEdit, OwnerHearsOfRegroupingCorrections) {
    NumberField f;
    f.Put("1|2345");
    f.Type(".");
    EXPECT_EQ(f.notified, (std::vector<std::string>{"1.2345", "1.234"}));
}

// The locale's characters come in once, at construction; a decimal comma still reads its
// decimals.
TEST(NumberEdit, LocaleCharacters) {
    NumberField comma(9, 3, NumberLocale{"-", ",", "."});
    comma.edit.SetValue(-12.5);
    EXPECT_EQ(comma.edit.GetText(), "-12,5");
    EXPECT_EQ(comma.edit.GetValue(), -12.5);
    EXPECT_EQ(comma.Rule().GetGroupSeparator(), '.');

    NumberField same(9, 3, NumberLocale{"-", ",", ","});
    EXPECT_EQ(same.Rule().GetGroupSeparator(), '.');

    NumberField empty(9, 3, NumberLocale{"", "", ""});
    EXPECT_EQ(empty.Rule().GetNegativeSign(), '-');
    EXPECT_EQ(empty.Rule().GetDecimalPoint(), '.');
    EXPECT_EQ(empty.Rule().GetGroupSeparator(), ',');

    // A sign other than '-' is written and read back as that sign.
    NumberField dash(9, 3, NumberLocale{"\x96", ".", ","});
    dash.edit.SetValue(-25);
    EXPECT_EQ(dash.edit.GetText(), "\x96"
                                   "25");
    EXPECT_EQ(dash.edit.GetValue(), -25.0);
    dash.edit.SetIntValue(-3);
    EXPECT_EQ(dash.edit.GetIntValue(), -3);
}

TEST(NumberEdit, TheLocaleIsTakenAtConstructionAndDefaultsWithoutOne) {
    const CNumberEdit edit(9, 3, NumberLocale{"-", ",", "\xA0"});
    EXPECT_EQ(edit.Rule().GetDecimalPoint(), ',');
    EXPECT_EQ(edit.Rule().GetGroupSeparator(), '\xA0');
    EXPECT_EQ(CNumberEdit(9, 3).Rule().GetDecimalPoint(), '.');
}
