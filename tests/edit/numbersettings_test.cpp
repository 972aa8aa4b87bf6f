#include "memoryfield.h"

#include <gtest/gtest.h>

TEST(NumberSettings, PatternWithoutWholeDigitChangesNothing) {
    NumberField f;
    for (const char* pattern : {".##", "$", "", "#.#$"}) {
        EXPECT_FALSE(f.rule().SetPattern(pattern)) << pattern;
        EXPECT_EQ(f.rule().GetPattern(), "#########.###") << pattern;
    }
}

TEST(NumberSettings, PatternReappliesTheText) {
    NumberField f;
    f.edit.SetValue(1234.5678);
    ASSERT_TRUE(f.rule().SetPattern("$#,###.##"));
    EXPECT_EQ(f.edit.GetText(), "$1,234.56");
    EXPECT_EQ(f.edit.GetValue(), 1234.56);
}

TEST(NumberSettings, SeparatorsMustDiffer) {
    NumberField f;
    f.rule().SetSeparators(',', ',');
    EXPECT_EQ(f.rule().GetDecimalPoint(), ',');
    EXPECT_EQ(f.rule().GetGroupSeparator(), '.');
    f.rule().SetSeparators('.', '.');
    EXPECT_EQ(f.rule().GetGroupSeparator(), ',');
    f.rule().SetSeparators('\0', ' ');
    EXPECT_EQ(f.rule().GetDecimalPoint(), '.');
}

// A text written with the old separators keeps its value under the new ones.
TEST(NumberSettings, NewSeparatorsKeepTheValue) {
    NumberField f;
    f.rule().SetGroupSize(3);
    f.edit.SetValue(1234.5);
    ASSERT_EQ(f.edit.GetText(), "1,234.5");
    f.rule().SetSeparators(',', '.');
    EXPECT_EQ(f.edit.GetText(), "1.234,5");
    EXPECT_EQ(f.edit.GetValue(), 1234.5);
    f.rule().SetPrefix("No1 ");
    f.rule().SetPrefix("");
    EXPECT_EQ(f.edit.GetText(), "1.234,5");
}

TEST(NumberSettings, SettersReapplyOnlyOnChange) {
    NumberField f;
    f.edit.SetValue(-123456.789);
    f.notified.clear();
    f.rule().SetDecimalPlaces(3);
    f.rule().SetGroupSize(0);
    f.rule().SetRange(-1e9, 1e9);
    EXPECT_TRUE(f.notified.empty());

    f.rule().SetDecimalPlaces(1);
    EXPECT_EQ(f.edit.GetText(), "-123456.7");
    f.rule().SetWholeDigits(4);
    EXPECT_EQ(f.edit.GetText(), "-1234.7");
    f.rule().SetWholeDigits(-4);
    EXPECT_EQ(f.edit.GetText(), "1234.7");
    EXPECT_FALSE(f.rule().IsNegativeAllowed());
    f.rule().SetNegativeAllowed(true);
    EXPECT_TRUE(f.rule().IsNegativeAllowed());
    f.rule().SetGroupSize(2);
    EXPECT_EQ(f.edit.GetText(), "12,34.7");
}

TEST(NumberSettings, ChangeFlags) {
    NumberField f(9, 2);
    f.edit.SetValue(1.5);
    EXPECT_TRUE(f.rule().ChangeFlags(PadDecimalsAlways | NoNegatives, 0));
    EXPECT_EQ(f.edit.GetText(), "1.50");
    EXPECT_FALSE(f.rule().ChangeFlags(PadDecimalsAlways, 0));
    EXPECT_TRUE(f.rule().ChangeFlags(0, PadDecimalsAlways));
    EXPECT_EQ(f.rule().GetFlags(), static_cast<unsigned>(NoNegatives));
}

// PadDecimalsOnSet fills the decimals of set texts but not while typing regroups.
TEST(NumberSettings, PadDecimalsOnSetSparesTyping) {
    NumberField f(9, 2);
    f.rule().ChangeFlags(PadDecimalsOnSet, 0);
    f.edit.SetValue(3);
    EXPECT_EQ(f.edit.GetText(), "3.00");
    f.Put("|");
    f.Type("4\b5");
    EXPECT_EQ(f.State(), "5|");
}

TEST(NumberSettings, LimitsTheCallerMustRespectAreIgnored) {
    NumberField f;
    f.rule().SetWholeDigits(0);
    f.rule().SetDecimalPlaces(-1);
    f.rule().SetGroupSize(-3);
    f.rule().SetRange(5, 1);
    EXPECT_EQ(f.rule().GetPattern(), "#########.###");
    double minimum = 0;
    double maximum = 0;
    f.rule().GetRange(minimum, maximum);
    EXPECT_LT(minimum, -1e308);
    EXPECT_GT(maximum, 1e308);
}
