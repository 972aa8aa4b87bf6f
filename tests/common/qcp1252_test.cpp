// The one place where the program's Windows-1252 bytes meet Qt's text.
#include "qcp1252.h"

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
    // A CJK ideograph and one emoji (a surrogate pair: one character) have no byte; the minus
    // forms a pasted number may bring are the hyphen-minus.
    const QString text =
        QStringLiteral("1\u4E2D3") + QString::fromUcs4(U"\U0001F600") + QStringLiteral("4");
    EXPECT_EQ(ToCp1252(text), "1?3?4");
    EXPECT_EQ(Cp1252Chars(text), "134");
    EXPECT_EQ(Cp1252Chars(QStringLiteral("\u2212\u2010\u2011\uFE63\u20135")), "----\x96"
                                                                              "5");
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
