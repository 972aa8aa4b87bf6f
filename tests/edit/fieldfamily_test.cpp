// The fields built from the numeric, mask, character-filter and date-and-time rules.
#include "memoryfield.h"
#include "moneyedit.h"
#include "multiformatedit.h"
#include "wholenumberedit.h"

#include <gtest/gtest.h>

TEST(MoneyEdit, GroupedPrefixedAndPaddedOnFocusLoss) {
    FieldLocale euro;
    euro.currencySymbol = "\x80";
    euro.positiveCurrencyFormat = 2;
    euro.monetaryDecimal = ",";
    euro.monetaryThousands = ".";
    MemoryField<CMoneyEdit> f(euro);
    f.Type("\x80 12345,5");
    EXPECT_EQ(f.edit.GetText(), "\x80 12.345,5");
    f.edit.OnKillFocus();
    EXPECT_EQ(f.edit.GetText(), "\x80 12.345,50");

    MemoryField<CMoneyEdit> us{FieldLocale{}};
    us.edit.SetValue(1234567.5);
    EXPECT_EQ(us.edit.GetText(), "$1,234,567.50");
    FieldLocale after;
    after.positiveCurrencyFormat = 1;
    after.currencyDigits = 0;
    MemoryField<CMoneyEdit> yen(after);
    yen.edit.SetValue(1234);
    EXPECT_EQ(yen.edit.GetText(), "1,234") << "a symbol after the number is no prefix";
}

TEST(WholeNumberEdit, HasNoDecimalPlaces) {
    MemoryField<CWholeNumberEdit> f(4);
    f.Type("12.5");
    EXPECT_EQ(f.edit.GetText(), "125");
}

TEST(MultiFormatEdit, PatternChoosesTheRule) {
    MemoryField<CMultiFormatEdit> f("##:##");
    EXPECT_EQ(&f.edit.ActiveRule(), static_cast<CEditRule*>(&f.edit.DateTimeRule()));
    EXPECT_EQ(f.edit.DateTimeRule().GetFlags() & (TimeOnly | ShowSeconds), TimeOnly);

    f.edit.SetMask("Abcde");
    EXPECT_EQ(&f.edit.ActiveRule(), static_cast<CEditRule*>(&f.edit.CharFilterRule()));
    EXPECT_EQ(f.edit.CharFilterRule().GetMaxLength(), 5);

    f.edit.SetMask("##:##:##");
    EXPECT_EQ(f.edit.DateTimeRule().GetFlags() & (TimeOnly | ShowSeconds), TimeOnly | ShowSeconds);
    f.edit.SetMask("##:##");
    EXPECT_NE(f.edit.DateTimeRule().GetFlags() & ShowSeconds, 0u) << "earlier bits stay";

    f.edit.SetMask("###-##");
    EXPECT_EQ(&f.edit.ActiveRule(), static_cast<CEditRule*>(&f.edit.MaskRule()));
    EXPECT_EQ(f.edit.MaskRule().GetMask(), "###-##");
    f.edit.SetMask("$#,###.##");
    EXPECT_EQ(&f.edit.ActiveRule(), static_cast<CEditRule*>(&f.edit.NumberRule()));
    EXPECT_EQ(f.edit.NumberRule().GetPattern(), "$#,###.##");
    f.edit.SetMask("#,###.#-");
    EXPECT_EQ(&f.edit.ActiveRule(), static_cast<CEditRule*>(&f.edit.MaskRule()))
        << "a pattern that ends in a literal is a mask";
}
