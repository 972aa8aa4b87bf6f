#include "memoryfield.h"

#include <gtest/gtest.h>

#include <memory>

TEST(ValidEdit, SetTextStoresTwiceAtMost) {
    NumberField f;
    EXPECT_TRUE(f.edit.SetText("ab12x"));
    EXPECT_EQ(f.edit.GetText(), "12");
    EXPECT_EQ(f.notified, (std::vector<std::string>{"ab12x", "12"}));
    f.notified.clear();
    f.edit.SetText("12");
    EXPECT_TRUE(f.notified.empty()) << "an unchanged text is no change";
}

TEST(ValidEdit, APasteAndItsCorrectionAreOneUndoableEdit) {
    FilterField f(0, ":");
    f.Put("1[2]3");
    f.field.SetClipboardText("x:4");
    f.edit.OnPaste();
    EXPECT_EQ(f.State(), "1[x]43") << "corrected, the selection put back";
    EXPECT_EQ(f.notified, (std::vector<std::string>{"1x43"})) << "one change";
    f.field.Undo();
    EXPECT_EQ(f.edit.GetText(), "123");

    f.Put("1|3");
    f.field.SetClipboardText("2");
    f.edit.OnPaste();
    EXPECT_EQ(f.State(), "12|3") << "a valid paste keeps the platform's caret";

    f.field.SetReadOnly(true);
    f.edit.OnPaste();
    EXPECT_EQ(f.State(), "12|3");
}

TEST(ValidEdit, CutAndClear) {
    NumberField f;
    f.Put("12|3");
    f.edit.OnCut();
    f.edit.OnClear();
    EXPECT_EQ(f.State(), "12|3") << "nothing selected, nothing done";

    f.field.SetReadOnly(true);
    f.Put("1[23]");
    f.edit.OnCut();
    EXPECT_EQ(f.field.ClipboardText(), "23");
    EXPECT_EQ(f.State(), "1[23]") << "a read-only field is copied, not cut";

    // Clear is the Delete key: with grouping the separators are laid again.
    NumberField g;
    g.Rule().SetGroupSize(3);
    g.Put("1,2[34],567");
    g.edit.OnClear();
    EXPECT_EQ(g.State(), "12|,567");
}

TEST(ValidEdit, PlainFieldLeavesEverythingToThePlatform) {
    MemoryTextField field;
    CValidEdit edit;
    edit.Attach(field);
    for (const char c : std::string_view("a-b\b"))
        edit.OnChar(c);
    edit.OnKeyDown(kKeyDelete);
    edit.OnKillFocus();
    edit.PassToDefault(); // outside an event: nothing
    EXPECT_EQ(StateOf(field), "a-|");
    EXPECT_EQ(field.GetCalls().focusLosses, 1);
}

TEST(ValidEdit, WithoutAPlatformField) {
    CNumberEdit edit(9, 3, NumberLocale{});
    EXPECT_FALSE(edit.SetText("12"));
    EXPECT_EQ(edit.GetText(), "");
    edit.Rule().SetGroupSize(3);
    edit.OnChar('1');
    edit.OnPaste();
    EXPECT_EQ(edit.GetValue(), 0.0);
    EXPECT_TRUE(edit.CheckRange(true));
    EXPECT_EQ(edit.GetBackColor(), RGB(255, 255, 255));
    EXPECT_TRUE(edit.GetPaintColors().useDefault);
}

TEST(ValidEdit, AFieldThatOutlivesItsEditIsLeftAlone) {
    MemoryTextField field;
    int calls = 0;
    {
        auto edit = std::make_unique<CNumberEdit>(9, 3, NumberLocale{});
        edit->Attach(field);
        edit->SetChangeCallback([&calls] { ++calls; });
        edit->OnChar('1');
    }
    field.DefaultChar('2');
    EXPECT_EQ(field.GetText(), "12");
    EXPECT_EQ(calls, 1);
}

TEST(ValidEdit, Colours) {
    NumberField f;
    f.field.SetDrawingColors(RGB(51, 34, 17), RGB(239, 205, 171));
    EXPECT_TRUE(f.edit.GetPaintColors().useDefault);

    f.edit.SetBackColor(RGB(242, 246, 251));
    EXPECT_EQ(f.field.GetCalls().repaints, 1);
    EditPaintColors colors = f.edit.GetPaintColors();
    EXPECT_FALSE(colors.useDefault);
    EXPECT_FALSE(colors.applyTextColor) << "no text colour was set";
    EXPECT_EQ(colors.textBackColor, RGB(242, 246, 251));
    EXPECT_TRUE(colors.hasBrush);
    EXPECT_EQ(colors.brushColor, RGB(242, 246, 251));

    f.edit.SetForeColor(RGB(255, 0, 0));
    EXPECT_EQ(f.field.GetCalls().repaints, 2);
    colors = f.edit.GetPaintColors();
    EXPECT_TRUE(colors.applyTextColor);
    EXPECT_EQ(colors.textColor, RGB(255, 0, 0));
    f.edit.SetForeColor(0);
    EXPECT_FALSE(f.edit.GetPaintColors().applyTextColor) << "black stays the platform's";
}

TEST(ValidEdit, ColoursReadFromTheDrawingContextAreKept) {
    NumberField f;
    f.field.SetDrawingColors(RGB(51, 34, 17), RGB(239, 205, 171));
    EXPECT_EQ(f.edit.GetForeColor(), RGB(51, 34, 17));
    EXPECT_EQ(f.edit.GetBackColor(), RGB(239, 205, 171));
    f.field.SetDrawingColors(0, 0);
    EXPECT_EQ(f.edit.GetForeColor(), RGB(51, 34, 17));
    const EditPaintColors colors = f.edit.GetPaintColors();
    EXPECT_TRUE(colors.applyTextColor);
    EXPECT_EQ(colors.brushColor, RGB(239, 205, 171));

    // A text colour alone makes the drawing context's background the field's brush.
    NumberField g;
    g.field.SetDrawingColors(0, RGB(192, 192, 192));
    g.edit.SetForeColor(RGB(0, 0, 255));
    EXPECT_EQ(g.edit.GetPaintColors().brushColor, RGB(192, 192, 192));
    g.field.SetDrawingColors(0, RGB(255, 255, 255));
    EXPECT_EQ(g.edit.GetPaintColors().brushColor, RGB(192, 192, 192));
}
