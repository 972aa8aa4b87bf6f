#include "memoryfield.h"

#include <gtest/gtest.h>

TEST(MemoryTextField, DefaultEditing) {
    const struct {
        const char* before;
        char key; // '\x7F' for the Delete key
        const char* after;
    } cases[] = {
        {"1|2", 'x', "1x|2"},   {"1[23]4", 'x', "1x|4"}, {"12|", '\b', "1|"},
        {"|12", '\b', "|12"},   {"1[23]", '\b', "1|"},   {"1|23", '\x7F', "1|3"},
        {"12|", '\x7F', "12|"}, {"[12]3", '\x7F', "|3"}, {"1|2", '\x01', "1|2"},
    };
    for (const auto& c : cases) {
        MemoryTextField field;
        PutState(field, c.before);
        if (c.key == '\x7F')
            field.DefaultKeyDown(kKeyDelete);
        else
            field.DefaultChar(c.key);
        EXPECT_EQ(StateOf(field), c.after) << c.before << " + " << int{c.key};
    }
}

TEST(MemoryTextField, PasteUndoAndReadOnly) {
    MemoryTextField field;
    PutState(field, "1[2]3");
    field.SetClipboardText("ab");
    field.DefaultPaste();
    EXPECT_EQ(StateOf(field), "1ab|3");
    ASSERT_TRUE(field.CanUndo());
    field.Undo();
    EXPECT_EQ(StateOf(field), "1[2]3");
    field.ReplaceSel("x", false);
    EXPECT_FALSE(field.CanUndo());

    field.SetReadOnly(true);
    field.DefaultChar('y');
    field.DefaultPaste();
    field.DefaultKeyDown(kKeyDelete);
    EXPECT_EQ(StateOf(field), "1x|3");
    field.ReplaceSel("z", true);
    EXPECT_EQ(StateOf(field), "1xz|3") << "the program may still replace text";
}

TEST(MemoryTextField, SelectionIsClamped) {
    MemoryTextField field;
    field.SetWindowText("123");
    field.SetSel(5, -2);
    EXPECT_EQ(field.GetSel(), (TextSelection{0, 3}));
}

TEST(IsPrintableChar, Windows1252) {
    for (const char c : std::string_view("a Z0~.,-\x80\xA0\xE9\xFF"))
        EXPECT_TRUE(IsPrintableChar(c)) << int{static_cast<unsigned char>(c)};
    for (const char c : {'\0', '\b', '\r', '\x1B', '\x7F', '\x81', '\x8D', '\x8F', '\x90', '\x9D'})
        EXPECT_FALSE(IsPrintableChar(c)) << int{static_cast<unsigned char>(c)};
}
