// The locale's number characters taken from QLocale, in Windows-1252.
#include "qnumberlocale.h"

#include <gtest/gtest.h>

struct LocaleRow {
    const char* name;
    QLocale locale;
    NumberLocale expected;
};

TEST(QNumberLocale, FirstCharacterOfEachInWindows1252) {
    const LocaleRow rows[] = {
        {"English", QLocale(QLocale::English, QLocale::UnitedStates), {"-", ".", ","}},
        {"German", QLocale(QLocale::German, QLocale::Germany), {"-", ",", "."}},
        // The group separator is U+2019, which the code page has (0x92).
        {"Swiss German", QLocale(QLocale::German, QLocale::Switzerland), {"-", ".", "\x92"}},
        // U+2212 (minus) is '-'; the no-break space is 0xA0.
        {"Swedish", QLocale(QLocale::Swedish, QLocale::Sweden), {"-", ",", "\xA0"}},
        // U+202F (narrow no-break space) is the no-break space.
        {"French", QLocale(QLocale::French, QLocale::France), {"-", ",", "\xA0"}},
    };
    for (const LocaleRow& row : rows) {
        SCOPED_TRACE(row.name);
        const NumberLocale got = NumberLocaleOf(row.locale);
        EXPECT_EQ(got.negativeSign, row.expected.negativeSign);
        EXPECT_EQ(got.decimalSeparator, row.expected.decimalSeparator);
        EXPECT_EQ(got.thousandsSeparator, row.expected.thousandsSeparator);
    }
}
