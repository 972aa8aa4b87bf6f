#include "textmapping.h"

#include <gtest/gtest.h>

#include <string_view>

TEST(TextMapping, MultiLineBreaksAreCrLfAndCountTwo) {
    const TextMapping multi(TextMapping::Lines::Multi);
    EXPECT_EQ(multi.ShownText("ab\r\ncd\r\n"), "ab\ncd\n");
    EXPECT_EQ(multi.FieldText("ab\ncd\n"), "ab\r\ncd\r\n");
    EXPECT_EQ(multi.FieldText(multi.ShownText("a\nb\rc")), "a\r\nb\r\nc")
        << "a lone LF or CR is a break as well";

    constexpr std::string_view shown = "ab\ncd";
    EXPECT_EQ(multi.FieldIndex(shown, 3), 4);
    EXPECT_EQ(multi.ShownIndex(shown, 4), 3);
    EXPECT_EQ(multi.ShownIndex(shown, 3), 2) << "between CR and LF is before the break";
    EXPECT_EQ(multi.FieldIndex(shown, 99), 6);
    EXPECT_EQ(multi.ShownIndex(shown, 99), 5);
}

TEST(TextMapping, SingleLineIsTheTextAsItIs) {
    const TextMapping single(TextMapping::Lines::Single);
    EXPECT_EQ(single.ShownText("a\r\nb"), "a\r\nb");
    EXPECT_EQ(single.FieldText("a\nb"), "a\nb");
    EXPECT_EQ(single.FieldIndex("a\nb", 2), 2);
    EXPECT_EQ(single.ShownIndex("a\nb", 2), 2);
}
