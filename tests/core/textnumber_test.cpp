#include "textnumber.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

TEST(ParseLeadingNumber, Grammar) {
    struct Case {
        const char* text;
        double value;
        std::size_t consumed;
    };
    const Case cases[] = {
        {"12.5", 12.5, 4}, {"  -3", -3.0, 4}, {"+.5x", 0.5, 3},   {"5.", 5.0, 2},
        {".", 0.0, 0},     {"-", 0.0, 0},     {"", 0.0, 0},       {"1e3", 1000.0, 3},
        {"1e", 1.0, 1},    {"1e+", 1.0, 1},   {"2E-2,", 0.02, 4}, {"inf", 0.0, 0},
        {"0x10", 0.0, 1},  {"\t7\n", 7.0, 2},
    };
    for (const Case& c : cases) {
        std::size_t consumed = 99;
        EXPECT_EQ(ParseLeadingNumber(c.text, &consumed), c.value) << c.text;
        EXPECT_EQ(consumed, c.consumed) << c.text;
    }
}

TEST(ParseLeadingNumber, OutOfRangeBehavesLikeStrtod) {
    EXPECT_TRUE(std::isinf(ParseLeadingNumber("1e999")));
    EXPECT_LT(ParseLeadingNumber("-1e999"), 0.0);
    EXPECT_EQ(ParseLeadingNumber("1e-999"), 0.0);
    EXPECT_EQ(ParseLeadingNumber("0.0000001e-999"), 0.0);
}

TEST(FormatFixed, MatchesCLocalePrintf) {
    EXPECT_EQ(FormatFixed(273.14999999999998, 1), "273.1");
    EXPECT_EQ(FormatFixed(-0.004, 2), "-0.00");
    EXPECT_EQ(FormatFixed(2.5, 0), "2");
    EXPECT_EQ(FormatFixed(110.0, 6), "110.000000");
    EXPECT_EQ(FormatFixed(1e20, 0), "100000000000000000000");
}

TEST(FormatFixed, IgnoresTheProcessLocale) {
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = old ? old : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) {
        EXPECT_EQ(FormatFixed(1.5, 1), "1.5");
        EXPECT_EQ(ParseLeadingNumber("1.5"), 1.5);
    }
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(ParseLeadingInt, StopsAtThePoint) {
    EXPECT_EQ(ParseLeadingInt("-12.7"), -12);
    EXPECT_EQ(ParseLeadingInt(""), 0);
    EXPECT_EQ(ParseLeadingInt("99999999999"), 2147483647);
}
