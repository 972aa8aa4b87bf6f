#include "focuslosstext.h"

#include <gtest/gtest.h>

TEST(FocusLossText, PaddingAndStripping) {
    const struct {
        unsigned flags;
        const char* numeric;
        const char* after;
    } cases[] = {
        {PadDecimalPlaces, "12", "12.00"},
        {PadDecimalPlaces, "", "0.00"},
        {PadDecimalPlaces, "-", "0.00"},
        {PadWholeDigits, "12.5", "00012.5"},
        {PadWholeDigits, "-3", "-00003"},
        {PadWholeDigits | PadDecimalPlaces, ".5", "00000.50"},
        {StripLeadingZeros, "007.5", "7.5"},
        {StripLeadingZeros, "-00.5", "-0.5"},
        {StripLeadingZeros, "000", "0"},
        {StripLeadingZeros | PadDecimalPlaces, "0012", "12.00"},
    };
    for (const auto& c : cases) {
        NumberSyntax syntax;
        syntax.WholeDigits = 5;
        syntax.DecimalPlaces = 2;
        syntax.Flags = c.flags;
        EXPECT_EQ(FocusLossText(syntax, c.numeric), c.after)
            << c.numeric << " with flags " << c.flags;
    }
}
