#include "memoryfield.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace {

// The help dialog's ten characters.
constexpr std::string_view kTen = "%'*\"+?><:\\";

} // namespace

TEST(CharFilterRule, FilteringCutsFirstThenRemoves) {
    // name, maximum length, excluded characters, text, text shown
    using Row = std::tuple<const char*, int, std::string_view, std::string_view, std::string_view>;
    const Row rows[] = {
        {"heading loses its colon", 0, kTen, "Introduction:", "Introduction"},
        {"every one of the ten", 0, kTen, "a%b'c*d\"e+f?g>h<i:j\\k", "abcdefghijk"},
        {"only the ten", 0, kTen, "Velnor\x99 Pentium\xAE (1/2) -x, y; z! =#&",
         "Velnor\x99 Pentium\xAE (1/2) -x, y; z! =#&"},
        {"line breaks stay", 0, kTen, "one\r\ntwo\r\n\r\n", "one\r\ntwo\r\n\r\n"},
        {"nothing excluded", 0, "", "a:b", "a:b"},
        {"cut to the length", 5, "", "1234567", "12345"},
        {"cut before removing", 5, ":", "ab:cdef", "abcd"},
        {"removed after the cut", 5, ":", "abcde:f", "abcde"},
        {"shorter than the length", 5, ":", "a:b", "ab"},
    };
    for (const auto& [name, maxLength, excluded, text, shown] : rows) {
        EXPECT_EQ(CCharFilterRule::Filter(text, maxLength, excluded), shown) << name;
        FilterField f(maxLength, std::string(excluded));
        f.edit.SetText(text);
        EXPECT_EQ(f.edit.GetText(), shown) << name;
    }
}

TEST(CharFilterRule, SetTextStoresTheFilteredTextOnce) {
    FilterField f(0, std::string(kTen));
    EXPECT_TRUE(f.edit.SetText("Introduction:"));
    EXPECT_EQ(f.notified, (std::vector<std::string>{"Introduction:", "Introduction"}));
    f.notified.clear();
    f.edit.SetText("Plain\r\ntext");
    EXPECT_EQ(f.notified, (std::vector<std::string>{"Plain\r\ntext"}))
        << "a valid text is stored once";
}

TEST(CharFilterRule, TypingAnExcludedCharacterBeepsAndChangesNothing) {
    FilterField f(0, ":");
    f.Put("a|b");
    f.Type(":");
    EXPECT_EQ(f.State(), "a|b");
    EXPECT_EQ(f.field.GetCalls().beeps, 1);
    EXPECT_TRUE(f.notified.empty());
    f.Type("x");
    EXPECT_EQ(f.State(), "ax|b");
    f.Type("\b\b");
    EXPECT_EQ(f.State(), "|b");
    EXPECT_EQ(f.field.GetCalls().beeps, 1) << "other characters make no sound";
}

TEST(CharFilterRule, ReadOnlyFieldIgnoresEveryCharacterSilently) {
    FilterField f(0, std::string(kTen));
    f.Put("Help|");
    f.field.SetReadOnly(true);
    f.Type("x:\b");
    EXPECT_EQ(f.State(), "Help|");
    EXPECT_EQ(f.field.GetCalls().beeps, 0) << "read-only is decided before the excluded characters";
}

TEST(CharFilterRule, FullFieldIsTypedOverOneCharacterAtATime) {
    FilterField f(5, "");
    f.Put("12|345");
    f.Type("x");
    EXPECT_EQ(f.State(), "12x|45");
    EXPECT_TRUE(f.field.CanUndo()) << "typing over is an undoable edit";
    f.field.Undo();
    EXPECT_EQ(f.field.GetText(), "12345");

    f.Put("12345|");
    f.Type("x");
    EXPECT_EQ(f.State(), "12345|") << "nothing beyond the end";

    f.Put("1[234]5");
    f.Type("x");
    EXPECT_EQ(f.State(), "1x|345") << "only one character, whatever the selection's end";

    f.Put("123|45");
    f.Type("\b");
    EXPECT_EQ(f.State(), "12|45") << "Backspace is the platform's";
    f.Type("y");
    EXPECT_EQ(f.State(), "12y|45") << "below the length the platform inserts";
    EXPECT_EQ(f.field.GetCalls().beeps, 0);
}

TEST(CharFilterRule, PasteIsFiltered) {
    FilterField f(0, ":");
    f.Put("|");
    f.field.SetClipboardText("a:b");
    f.edit.OnPaste();
    EXPECT_EQ(f.edit.GetText(), "ab");
    EXPECT_EQ(f.field.GetCalls().beeps, 0) << "a paste is filtered silently";

    FilterField g(5, "");
    g.Put("12|3");
    g.field.SetClipboardText("abcd");
    g.edit.OnPaste();
    EXPECT_EQ(g.State(), "12|abc") << "cut to the length, the caret put back";
}

TEST(CharFilterRule, SettingsRefilterTheTextWhenTheyChange) {
    FilterField f(0, "");
    f.edit.SetText("a:b;c");
    f.notified.clear();
    f.edit.SetExcludedChars(":");
    EXPECT_EQ(f.edit.GetExcludedChars(), ":");
    EXPECT_EQ(f.edit.GetText(), "ab;c");
    f.edit.SetMaxLength(3);
    EXPECT_EQ(f.edit.GetMaxLength(), 3);
    EXPECT_EQ(f.edit.GetText(), "ab;");
    EXPECT_EQ(f.notified, (std::vector<std::string>{"ab;c", "ab;"}));

    f.notified.clear();
    f.edit.SetExcludedChars(":");
    f.edit.SetMaxLength(3);
    f.edit.SetMaxLength(-1);
    EXPECT_EQ(f.edit.GetMaxLength(), 3) << "a negative length is refused";
    EXPECT_TRUE(f.notified.empty());

    // A longer limit does not bring back what was cut.
    f.edit.SetMaxLength(0);
    EXPECT_EQ(f.edit.GetText(), "ab;");

    CCharFilterEdit negative(-4, "");
    EXPECT_EQ(negative.GetMaxLength(), 0);
}

TEST(CharFilterRule, DerivedFieldMayVetoACharacter) {
    struct NoX : CCharFilterEdit {
        NoX() : CCharFilterEdit(3, "") {}
        bool MayEnter(char ch) override { return ch != 'x'; }
    };
    MemoryTextField field;
    NoX edit;
    edit.Attach(field);
    PutState(field, "a|b");
    edit.OnChar('x');
    edit.OnChar('y');
    EXPECT_EQ(StateOf(field), "ay|b");
    edit.OnChar('x'); // full now: the typing over asks too
    EXPECT_EQ(StateOf(field), "ay|b");
    EXPECT_EQ(field.GetCalls().beeps, 0);
}

TEST(CharFilterRule, KeysAndFocusLossAreThePlatforms) {
    FilterField f(0, std::string(kTen));
    f.Put("a|b:c");
    f.edit.OnKeyDown(kKeyDelete);
    f.edit.OnKillFocus();
    EXPECT_EQ(f.State(), "a|:c") << "no re-filtering after a key";
    EXPECT_EQ(f.field.GetCalls().focusLosses, 1);
}
