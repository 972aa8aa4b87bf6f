#include "dialogunits.h"

#include <gtest/gtest.h>

TEST(DialogUnits, MapsQuarterCharactersAndEighthLines) {
    // A font 6 pixels wide on average and 13 high.
    const DialogUnits du(6, 13);
    EXPECT_EQ(du.X(4), 6);
    EXPECT_EQ(du.X(244), 366);
    EXPECT_EQ(du.X(1), 2); // 1.5 rounds up
    EXPECT_EQ(du.Y(8), 13);
    EXPECT_EQ(du.Y(162), 263); // 263.25
    EXPECT_EQ(du.Y(3), 5);     // 4.875
    EXPECT_EQ(du.X(-4), -6);
    EXPECT_EQ(DialogUnits::AverageCharWidth(52 * 7), 7);
    EXPECT_EQ(DialogUnits::AverageCharWidth(52 * 7 + 26), 8); // 7.5 rounds up
    EXPECT_EQ(DialogUnits::AverageCharWidth(52 * 7 + 25), 7);
    EXPECT_EQ(DialogUnits(0, 0).X(4), 1); // a degenerate font still gives a usable scale
    // A rectangle: its corner and its size each converted.
    EXPECT_EQ(du.ToPixels(Rect::FromSize(1, 3, 4, 8)), Rect::FromSize(2, 5, 6, 13));
}
