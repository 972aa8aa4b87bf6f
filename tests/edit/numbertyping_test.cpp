#include "mainwindowtyping.h"
#include "memoryfield.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

void RunTyping(NumberField& f, const TypingCase& c) {
    f.Put(c.before);
    f.Type(c.keys);
    EXPECT_EQ(f.State(), c.after) << c.name;
}

// A field's settings where they are not the main window's.
struct Settings {
    int whole = 9;
    int decimals = 3;
    unsigned flags = 0;
    int groupSize = 0;
    const char* prefix = "";
};

} // namespace

TEST(NumberTyping, MainWindowFields) {
    for (const TypingCase& c : kMainWindowTyping) {
        NumberField f;
        RunTyping(f, c);
    }
}

TEST(NumberTyping, APointIsTheDecimalPointOfAFieldThatShowsNoGrouping) {
    NumberField german(9, 3, NumberLocale{"-", ",", "."});
    german.Type("14.5");
    EXPECT_EQ(german.State(), "14,5|");
    german.Rule().SetGroupSize(3); // grouped, the group separator is no decimal point
    german.Put("1.234|");
    german.Type(".");
    EXPECT_EQ(german.State(), "1.234|");
}

TEST(NumberTyping, OtherSettings) {
    const std::pair<Settings, TypingCase> cases[] = {
        {{.decimals = 0}, {"no decimal point without decimals", "12|", ".", "12|"}},
        {{.whole = -9}, {"no sign with NoNegatives", "12|", "-", "12|"}},
        {{.whole = 3, .decimals = 2, .flags = AutoDecimalPoint},
         {"automatic decimal point", "123|", "4", "123.4|"}},
        {{.whole = 3, .decimals = 2, .flags = AutoDecimalPoint},
         {"automatic point types over", "123|.56", "4", "123.4|6"}},
        {{.whole = 3, .decimals = 2}, {"no automatic point by default", "123|", "4", "123|"}},
        {{.whole = 2, .decimals = 4},
         {"sign typed over a selected point regroups", "[2.0]000", "-", "-|00"}},
        {{.groupSize = 3}, {"separators laid while typing", "", "1234567", "1,234,567|"}},
        {{.groupSize = 3}, {"delete before a separator", "1|,234,567", "\x7F", "1|34,567"}},
        {{.groupSize = 3}, {"delete a digit regroups", "1,2|34,567", "\x7F", "12|4,567"}},
        {{.groupSize = 3}, {"delete to the end collapses", "1[,234,567]", "\x7F", "1|"}},
        {{.groupSize = 3}, {"backspace regroups", "1,234|", "\b", "123|"}},
        {{.groupSize = 3}, {"sign in front of groups", "1,234|", "-", "-1,234|"}},
        {{.whole = 6, .decimals = 0, .groupSize = 3},
         {"full part typed over behind a separator", "123|,456", "9", "123,9|56"}},
        {{.groupSize = 3, .prefix = "$"}, {"prefix and separators", "", "1234", "$1,234|"}},
        {{.groupSize = 3, .prefix = "$"},
         {"delete before a separator behind a prefix", "$1|,234", "\x7F", "$1|34"}},
        {{.prefix = "$"}, {"first digit brings the prefix", "", "5", "$5|"}},
        {{.prefix = "$"}, {"digit before the prefix goes behind it", "|$5", "7", "$7|5"}},
        {{.prefix = "$"}, {"prefix character typed over", "|$5", "$", "$|5"}},
        {{.prefix = "$"}, {"other characters in the prefix dropped", "|$5", "x", "|$5"}},
        {{.prefix = "$"}, {"sign in the prefix goes behind it", "|$5", "-", "$-|5"}},
        {{.prefix = "$"}, {"delete inside the prefix refused", "|$5", "\x7F", "|$5"}},
        {{.prefix = "$"}, {"prefix goes with the whole number", "[$5]", "\x7F", "|"}},
        // A cut can take the prefix away; the digits left are kept when it comes back.
        {{.prefix = "$"}, {"digits a cut left are kept", "|2", "5", "$5|2"}},
    };
    for (const auto& [settings, typing] : cases) {
        NumberField f(settings.whole, settings.decimals);
        f.Rule().ChangeFlags(settings.flags, 0);
        f.Rule().SetGroupSize(settings.groupSize);
        f.Rule().SetPrefix(settings.prefix);
        RunTyping(f, typing);
    }
}

// The sign stays in front of the number: a digit typed at it goes behind it, and a full whole
// part is typed over there rather than given a tenth digit.
TEST(NumberTyping, DigitAtTheSignGoesBehindIt) {
    const TypingCase cases[] = {
        {"full part typed over behind the sign", "|-153057261", "7", "-7|53057261"},
        {"and with decimals", "|-123456789.5", "7", "-7|23456789.5"},
        {"a selection from the sign", "[-1]23456789", "7", "-7|23456789"},
        {"a selection to the end goes whole", "[-123456789]", "7", "7|"},
        {"room: typed in behind the sign, in order", "|-12", "56", "-56|12"},
    };
    for (const TypingCase& c : cases) {
        NumberField f;
        RunTyping(f, c);
    }
}

// Characters of the prefix are never read as part of the number.
TEST(NumberTyping, PrefixWithNumberCharacters) {
    NumberField f;
    f.Rule().SetPrefix("No.1 -");
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
