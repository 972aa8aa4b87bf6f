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
}

namespace {

FieldLocale SymbolBehind() {
    FieldLocale locale;
    locale.currencySymbol = "\x80";
    locale.positiveCurrencyFormat = 3;
    locale.monetaryDecimal = ",";
    locale.monetaryThousands = ".";
    return locale;
}

} // namespace

TEST(MoneyEdit, ASymbolTheLocaleWritesBehindTheNumberStandsThere) {
    MemoryField<CMoneyEdit> f(SymbolBehind());
    f.edit.SetValue(-1234.5);
    EXPECT_EQ(f.edit.GetText(), "-1.234,50 \x80");
    EXPECT_EQ(f.edit.GetValue(), -1234.5);
    // Typed behind the symbol, a digit or Backspace goes to the number.
    f.Put("12 \x80|");
    f.Type("3");
    EXPECT_EQ(f.State(), "123| \x80");
    f.Put("12 \x80|");
    f.Type("\b");
    EXPECT_EQ(f.State(), "1| \x80");
    f.Put("12,5[ ]\x80");
    f.Type("3");
    EXPECT_EQ(f.State(), "12,53| \x80") << "typed over part of the symbol";
}

TEST(MoneyEdit, APastedAmountIsReadInTheFieldsFormatOrRefused) {
    FieldLocale yen;
    yen.currencySymbol = "\xA5";
    yen.currencyDigits = 0;
    struct Row {
        FieldLocale locale;
        const char* pasted;
        const char* shown; // "" when refused: a beep, and the field stays empty
    };
    const Row rows[] = {
        {FieldLocale{}, "($50.00)", "$-50.00"},
        {FieldLocale{}, "-$1,234.5", "$-1,234.50"},
        {FieldLocale{}, " 12.500 ", "$12.50"},
        {FieldLocale{}, "1.234,56 \x80", ""},
        {FieldLocale{}, "1,23", ""},
        {FieldLocale{}, "12.345", ""},
        {FieldLocale{}, "1234567890", ""},
        {FieldLocale{}, "-(5)", ""},
        {SymbolBehind(), "-1.234,56 \x80", "-1.234,56 \x80"},
        {SymbolBehind(), "1,234.56", ""},
        {yen,
         "(\xA5"
         "1,235)",
         "\xA5-1,235"},
        {yen, "1234567.891", ""},
    };
    for (const Row& row : rows) {
        MemoryField<CMoneyEdit> f(row.locale);
        f.field.SetClipboardText(row.pasted);
        f.edit.OnPaste();
        EXPECT_EQ(f.edit.GetText(), row.shown) << row.pasted;
        EXPECT_EQ(f.field.GetCalls().beeps, *row.shown ? 0 : 1) << row.pasted;
    }
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
