#include "numberpattern.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(NumberPattern, ReadFromTheEnd) {
    // pattern, whole digits, decimal places, group size, prefix
    const std::tuple<const char*, int, int, int, const char*> cases[] = {
        {"#,###.##", 4, 2, 3, ""},  {"$###,###.###", 6, 3, 3, "$"},   {"####", 4, 0, 0, ""},
        {"#,###,###", 7, 0, 3, ""}, {"US$ ##.#", 2, 1, 0, "US$ "},    {"##,##.#", 4, 1, 2, ""},
        {"#.#.##", 1, 2, 0, "#."},  {"No.5: ###", 3, 0, 0, "No.5: "},
    };
    NumberSyntax noNegatives;
    noNegatives.Flags = NoNegatives;
    for (const auto& [pattern, whole, decimals, groupSize, prefix] : cases) {
        const std::optional<NumberSyntax> read = ReadPattern(noNegatives, pattern);
        ASSERT_TRUE(read) << pattern;
        EXPECT_EQ(read->WholeDigits, whole) << pattern;
        EXPECT_EQ(read->DecimalPlaces, decimals) << pattern;
        EXPECT_EQ(read->GroupSize, groupSize) << pattern;
        EXPECT_EQ(read->Prefix, prefix) << pattern;
        EXPECT_EQ(read->Flags & NoNegatives, 0u) << pattern << ": negatives become allowed";
    }
}

TEST(NumberPattern, RoundTrips) {
    for (const char* pattern : {"#,###.##", "$###,###.###", "####", "#,###,###", "US$ ##.#",
                                "No0 ###.#", "#########.###"}) {
        const std::optional<NumberSyntax> read = ReadPattern(NumberSyntax{}, pattern);
        ASSERT_TRUE(read) << pattern;
        EXPECT_EQ(PatternText(*read), pattern);
    }
    // A decimal-comma field reads and writes its own separators.
    NumberSyntax comma;
    comma.DecimalPoint = ',';
    comma.GroupSeparator = '.';
    const std::optional<NumberSyntax> read = ReadPattern(comma, "#.###,##");
    ASSERT_TRUE(read);
    EXPECT_EQ(read->DecimalPlaces, 2);
    EXPECT_EQ(read->GroupSize, 3);
    EXPECT_EQ(PatternText(*read), "#.###,##");
}
