// The one place where the fields' Windows-1252 bytes meet Qt's text, and the locale's number
// characters taken from QLocale.
#include "qcp1252.h"
#include "qnumberlocale.h"

#include <gtest/gtest.h>

TEST(QCp1252, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    const QString shown = FromCp1252(all);
    ASSERT_EQ(shown.size(), 256);
    EXPECT_EQ(shown[0x80], QChar(0x20AC)); // euro sign
    EXPECT_EQ(shown[0xBA], QChar(0x00BA)); // the degree mark of the unit labels
    EXPECT_EQ(ToCp1252(shown), all);
    EXPECT_EQ(Cp1252Chars(shown), all);
}

TEST(QCp1252, CharactersTheCodePageLacks) {
    // U+2212 minus, a CJK ideograph, and one emoji (a surrogate pair: one character).
    const QString text =
        QStringLiteral("1\u22122\u4E2D3") + QString::fromUcs4(U"\U0001F600") + QStringLiteral("4");
    EXPECT_EQ(ToCp1252(text), "1?2?3?4");
    EXPECT_EQ(Cp1252Chars(text), "1234");
    char byte = 'x';
    EXPECT_FALSE(ToCp1252Byte(0x0080, byte)); // a C1 control the code page replaced by the euro
    EXPECT_TRUE(ToCp1252Byte(0x2122, byte));
    EXPECT_EQ(byte, '\x99');
}

TEST(QCp1252, PositionsCountCharactersNotUtf16Units) {
    const QString text =
        QStringLiteral("a") + QString::fromUcs4(U"\U0001F600") + QStringLiteral("b");
    ASSERT_EQ(text.size(), 4);
    EXPECT_EQ(CodePointIndex(text, 2), 2); // inside the pair counts as after it
    EXPECT_EQ(CodePointIndex(text, 3), 2);
    EXPECT_EQ(CodePointIndex(text, 99), 3);
    EXPECT_EQ(Utf16Index(text, 2), 3);
    EXPECT_EQ(Utf16Index(text, 99), 4);
}

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
        // U+2212 has no byte: the field keeps its '-'; the no-break space is 0xA0.
        {"Swedish", QLocale(QLocale::Swedish, QLocale::Sweden), {"", ",", "\xA0"}},
        // U+202F (narrow no-break space) has no byte: the field keeps its default.
        {"French", QLocale(QLocale::French, QLocale::France), {"-", ",", ""}},
    };
    for (const LocaleRow& row : rows) {
        SCOPED_TRACE(row.name);
        const NumberLocale got = NumberLocaleOf(row.locale);
        EXPECT_EQ(got.negativeSign, row.expected.negativeSign);
        EXPECT_EQ(got.decimalSeparator, row.expected.decimalSeparator);
        EXPECT_EQ(got.thousandsSeparator, row.expected.thousandsSeparator);
    }
}
