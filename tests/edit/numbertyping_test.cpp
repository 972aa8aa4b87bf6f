#include "memoryfield.h"

#include <gtest/gtest.h>

namespace {

void RunTyping(NumberField& f, const TypingCase& c) {
    f.Put(c.before);
    f.Type(c.keys);
    EXPECT_EQ(f.State(), c.after) << c.name;
}

} // namespace

// 9 whole digits, 3 decimals, negatives allowed, no prefix, no grouping, '.' and '-'.
TEST(NumberTyping, MainWindowFields) {
    const TypingCase cases[] = {
        {"tenth whole digit refused", "", "1234567890", "123456789|"},
        {"full whole part typed over", "|123456789", "5", "5|23456789"},
        {"full whole part typed over inside", "1234|56789", "0", "12340|6789"},
        {"digit after full whole part refused", "123456789|.5", "1", "123456789|.5"},
        {"sign toggles on at the front", "12|", "-", "-12|"},
        {"sign toggles off", "-12|", "-", "12|"},
        {"toggle keeps the selection", "1[2]", "-", "-1[2]"},
        {"sign typed at the front", "|12", "-", "-|12"},
        {"sign at the front typed over", "|-12", "-", "-|12"},
        {"second point moves the caret", "12.5|", ".", "12.|5"},
        {"point drops the fourth decimal", "1|2345", ".", "1.|234"},
        {"point replaces a selection holding one", "1[2.3]4", ".", "1.|4"},
        {"decimals fill up", "1.2|", "3", "1.23|"},
        {"fourth decimal refused at the end", "1.234|", "5", "1.234|"},
        {"full decimals typed over", "1.|234", "5", "1.5|34"},
        {"letters, blanks and commas dropped", "12|", "a ,x\xE9", "12|"},
        {"backspace works", "123|", "\b", "12|"},
        {"backspace on a selection", "1[23]", "\b", "1|"},
        {"delete works", "1|23", "\x7F", "1|3"},
    };
    for (const TypingCase& c : cases) {
        NumberField f;
        RunTyping(f, c);
    }
}

TEST(NumberTyping, OtherSettings) {
    struct Settings {
        int whole;
        int decimals;
        unsigned flags;
        TypingCase typing;
    };
    const Settings cases[] = {
        {9, 0, 0, {"no decimal point without decimals", "12|", ".", "12|"}},
        {-9, 3, 0, {"no sign with NoNegatives", "12|", "-", "12|"}},
        {3, 2, AutoDecimalPoint, {"automatic decimal point", "123|", "4", "123.4|"}},
        {3, 2, AutoDecimalPoint, {"automatic point types over", "123|.56", "4", "123.4|6"}},
        {3, 2, 0, {"no automatic point by default", "123|", "4", "123|"}},
    };
    for (const Settings& c : cases) {
        NumberField f(c.whole, c.decimals);
        f.rule().ChangeFlags(c.flags, 0);
        RunTyping(f, c.typing);
    }
}

TEST(NumberTyping, Grouping) {
    const TypingCase cases[] = {
        {"separators laid while typing", "", "1234567", "1,234,567|"},
        {"delete before a separator", "1|,234,567", "\x7F", "1|34,567"},
        {"delete a digit regroups", "1,2|34,567", "\x7F", "12|4,567"},
        {"delete to the end collapses", "1[,234,567]", "\x7F", "1|"},
        {"backspace regroups", "1,234|", "\b", "123|"},
        {"sign in front of groups", "1,234|", "-", "-1,234|"},
    };
    for (const TypingCase& c : cases) {
        NumberField f;
        f.rule().SetGroupSize(3);
        RunTyping(f, c);
    }
    NumberField money;
    money.rule().SetPrefix("$");
    money.rule().SetGroupSize(3);
    RunTyping(money, {"prefix and separators", "", "1234", "$1,234|"});
    RunTyping(money, {"delete before a separator behind a prefix", "$1|,234", "\x7F", "$1|34"});
    NumberField full(6, 0);
    full.rule().SetGroupSize(3);
    RunTyping(full, {"full part typed over behind a separator", "123|,456", "9", "123,9|56"});
}

TEST(NumberTyping, Prefix) {
    const TypingCase cases[] = {
        {"first digit brings the prefix", "", "5", "$5|"},
        {"digit before the prefix goes behind it", "|$5", "7", "$7|5"},
        {"prefix character typed over", "|$5", "$", "$|5"},
        {"other characters in the prefix dropped", "|$5", "x", "|$5"},
        {"sign in the prefix goes behind it", "|$5", "-", "$-|5"},
        {"delete inside the prefix refused", "|$5", "\x7F", "|$5"},
        {"prefix goes with the whole number", "[$5]", "\x7F", "|"},
        // A cut can take the prefix away; the digits left are kept when it comes back.
        {"digits a cut left are kept", "|2", "5", "$5|2"},
    };
    for (const TypingCase& c : cases) {
        NumberField f;
        f.rule().SetPrefix("$");
        RunTyping(f, c);
    }
}

// Characters of the prefix are never read as part of the number.
TEST(NumberTyping, PrefixWithNumberCharacters) {
    NumberField f;
    f.rule().SetPrefix("No.1 -");
    f.edit.SetValue(12.5);
    EXPECT_EQ(f.edit.GetText(), "No.1 -12.5");
    EXPECT_EQ(f.edit.GetValue(), 12.5);
    f.field.SetSel(99, 99);
    f.Type("-");
    EXPECT_EQ(f.State(), "No.1 --12.5|");
    EXPECT_EQ(f.edit.GetValue(), -12.5);
    f.Type(".");
    EXPECT_EQ(f.State(), "No.1 --12.|5");
    f.edit.Reapply();
    EXPECT_EQ(f.edit.GetText(), "No.1 --12.5");
}

TEST(NumberTyping, ReadOnlyFieldTakesNothing) {
    NumberField f;
    f.Put("12|");
    f.field.SetReadOnly(true);
    f.Type("3-.\b");
    f.edit.OnKeyDown(kKeyDelete);
    EXPECT_EQ(f.State(), "12|");
}

TEST(NumberTyping, MayEnterVetoesEveryEntry) {
    MemoryTextField field;
    struct Strict : CNumberEdit {
        Strict() : CNumberEdit(9, 3, NumberLocale{}) {}
        bool MayEnter(char ch) override { return ch != '7' && ch != '-'; }
    } edit;
    edit.Attach(field);
    for (const char c : std::string_view("17-2"))
        edit.OnChar(c);
    EXPECT_EQ(StateOf(field), "12|");
}
