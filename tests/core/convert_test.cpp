#include "convert.h"

#include <gtest/gtest.h>

#include <string>

TEST(TextConverters, FormatsAndRounding) {
    struct Case {
        const char* name;
        std::string (*convert)(const char*);
        const char* input;
        const char* expected;
    };
    const Case cases[] = {
        {"FToK of 32 stays below 273.15", FToKText, "32", "273.1"},
        {"KwToBtuh of 1", KwToBtuhText, "1", "3412"},
        {"BtuhToKw of 3412.19", BtuhToKwText, "3412.19", "1.00"},
        {"PsigToBarAbs of 0", PsigToBarAbsText, "0", "1.01"},
        {"BarAbsToPsig of 1.0133", BarAbsToPsigText, "1.0133", "0.0"},
        {"letters read as 0", FToKText, "abc", "255.4"},
        {"leading blanks and exponent", KDiffToFDiffText, "  1e1", "18.0"},
        {"difference F to K", FDiffToKDiffText, "-18", "-10.0"},
        {"K to F", KToFText, "373.15", "212.0"},
        {"stops at the first unusable character", KwToBtuhText, "2kW", "6824"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.convert(c.input), c.expected) << c.name;
}

TEST(TextConverters, EachConverterKeepsItsOwnResult) {
    const std::string a = FToKText("32");
    const std::string b = KToFText("273.15");
    EXPECT_EQ(a, "273.1");
    EXPECT_EQ(b, "32.0");
}

TEST(TextConverters, HugeResultIsNotCut) {
    // Beyond the 11 characters of the classic buffer the result is kept whole, every digit
    // as printf writes it.
    const std::string text = KwToBtuhText("1e20");
    EXPECT_EQ(text, "341218999999999971950592");
}

TEST(NumberConverters, ExactFormulas) {
    EXPECT_DOUBLE_EQ(FToC(212), 100.0);
    EXPECT_DOUBLE_EQ(CToF(100), 212.0);
    EXPECT_DOUBLE_EQ(FToC(-40), -40.0);
    EXPECT_EQ(BtuhToW(1), 0.29307107);
    EXPECT_EQ(WToBtuh(1), 3.41214163);
    EXPECT_EQ(FToC(14), (14.0 - 32.0) / 1.8);
    EXPECT_EQ(PsiToBar(14.5034824), 1.0);
    EXPECT_EQ(KwToTons(3.5168001), 1.0);
    EXPECT_EQ(TonsToBtuh(1), 12000.0);
    EXPECT_EQ(KToC(273.15), 0.0);
}

TEST(NumberConverters, RoundTripIsNotExact) {
    // The two energy factors are not exact reciprocals.
    EXPECT_NE(BtuhToW(WToBtuh(100.0)), 100.0);
    EXPECT_NEAR(BtuhToW(WToBtuh(100.0)), 100.0, 1e-4);
}
