#include "memoryfield.h"

#include <gtest/gtest.h>

TEST(NumberSettings, PatternWithoutWholeDigitChangesNothing) {
    NumberField f;
    for (const char* pattern : {".##", "$", "", "#.#$"}) {
        EXPECT_FALSE(f.Rule().SetPattern(pattern)) << pattern;
        EXPECT_EQ(f.Rule().GetPattern(), "#########.###") << pattern;
    }
}

TEST(NumberSettings, PatternReappliesTheText) {
    NumberField f;
    f.edit.SetValue(1234.5678);
    ASSERT_TRUE(f.Rule().SetPattern("$#,###.##"));
    EXPECT_EQ(f.edit.GetText(), "$1,234.56");
    EXPECT_EQ(f.Rule().GetPrefix(), "$");
    EXPECT_EQ(f.edit.GetValue(), 1234.56);
}

TEST(NumberSettings, SeparatorsMustDiffer) {
    NumberField f;
    f.Rule().SetSeparators(',', ',');
    EXPECT_EQ(f.Rule().GetDecimalPoint(), ',');
    EXPECT_EQ(f.Rule().GetGroupSeparator(), '.');
    f.Rule().SetSeparators('.', '.');
    EXPECT_EQ(f.Rule().GetGroupSeparator(), ',');
    f.Rule().SetSeparators('\0', ' ');
    EXPECT_EQ(f.Rule().GetDecimalPoint(), '.');
}

// A text written with the old separators keeps its value under the new ones.
TEST(NumberSettings, NewSeparatorsKeepTheValue) {
    NumberField f;
    f.Rule().SetGroupSize(3);
    f.edit.SetValue(1234.5);
    ASSERT_EQ(f.edit.GetText(), "1,234.5");
    f.Rule().SetSeparators(',', '.');
    EXPECT_EQ(f.edit.GetText(), "1.234,5");
    EXPECT_EQ(f.edit.GetValue(), 1234.5);
    f.Rule().SetPrefix("No1 ");
    f.Rule().SetPrefix("");
    EXPECT_EQ(f.edit.GetText(), "1.234,5");
}

TEST(NumberSettings, SettersReapplyOnlyOnChange) {
    NumberField f;
    f.edit.SetValue(-123456.789);
    f.notified.clear();
    f.Rule().SetDecimalPlaces(3);
    f.Rule().SetGroupSize(0);
    f.Rule().SetRange(-1e9, 1e9);
    EXPECT_TRUE(f.notified.empty());

    f.Rule().SetDecimalPlaces(1);
    EXPECT_EQ(f.edit.GetText(), "-123456.7");
    f.Rule().SetWholeDigits(4);
    EXPECT_EQ(f.edit.GetText(), "-1234.7");
    f.Rule().SetWholeDigits(-4);
    EXPECT_EQ(f.edit.GetText(), "1234.7");
    EXPECT_FALSE(f.Rule().IsNegativeAllowed());
    f.Rule().SetNegativeAllowed(true);
    EXPECT_TRUE(f.Rule().IsNegativeAllowed());
    f.Rule().SetGroupSize(2);
    EXPECT_EQ(f.edit.GetText(), "12,34.7");
}

TEST(NumberSettings, ChangeFlags) {
    NumberField f(9, 2);
    f.edit.SetValue(1.5);
    EXPECT_TRUE(f.Rule().ChangeFlags(PadDecimalsAlways | NoNegatives, 0));
    EXPECT_EQ(f.edit.GetText(), "1.50");
    EXPECT_FALSE(f.Rule().ChangeFlags(PadDecimalsAlways, 0));
    EXPECT_TRUE(f.Rule().ChangeFlags(0, PadDecimalsAlways));
    EXPECT_EQ(f.Rule().GetFlags(), static_cast<unsigned>(NoNegatives));
}

// PadDecimalsOnSet fills the decimals of set texts but not while typing regroups.
TEST(NumberSettings, PadDecimalsOnSetSparesTyping) {
    NumberField f(9, 2);
    f.Rule().ChangeFlags(PadDecimalsOnSet, 0);
    f.edit.SetValue(3);
    EXPECT_EQ(f.edit.GetText(), "3.00");
    f.Put("|");
    f.Type("4\b5");
    EXPECT_EQ(f.State(), "5|");
}

TEST(NumberSettings, LimitsTheCallerMustRespectAreIgnored) {
    NumberField f;
    f.Rule().SetWholeDigits(0);
    f.Rule().SetDecimalPlaces(-1);
    f.Rule().SetGroupSize(-3);
    f.Rule().SetRange(5, 1);
    EXPECT_EQ(f.Rule().GetPattern(), "#########.###");
    double minimum = 0;
    double maximum = 0;
    f.Rule().GetRange(minimum, maximum);
    EXPECT_LT(minimum, -1e308);
    EXPECT_GT(maximum, 1e308);
}
