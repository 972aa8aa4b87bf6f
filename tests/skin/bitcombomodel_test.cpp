// The bitmap picker's face, button exchange and list items as plans, without a window.
#include "bitcombomodel.h"
#include "resourceids.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kHighlightBack = RGB(49, 106, 197);
constexpr COLORREF kHighlightText = RGB(255, 255, 255);
constexpr COLORREF kNormalBack = RGB(242, 246, 251);
constexpr COLORREF kNormalText = RGB(0, 0, 0);

// Set up as the main window sets up its picker.
BitComboModel MainWindowPicker() {
    BitComboModel model;
    model.SetBitmaps(ResourceId::kComboLeft, ResourceId::kComboButton,
                     ResourceId::kComboButtonDropped, ResourceId::kComboMiddle);
    model.SetHighlightColors(kHighlightBack, kHighlightText);
    model.SetNormalColors(kNormalBack, kNormalText);
    return model;
}

int Width(int id) {
    return BitmapResourceSize(id).nWidth;
}

// The copy of `id` on a face, or an empty copy.
BitmapCopy CopyOf(const BitComboFace& face, int id) {
    for (const BitmapCopy& copy : face.copies) {
        if (copy.nBitmap == id)
            return copy;
    }
    return {};
}

TEST(BitComboModel, FaceFromCapStretchedMiddleAndButtonInTheFocusColours) {
    const BitComboModel model = MainWindowPicker();
    const int cap = Width(ResourceId::kComboLeft);
    const int button = Width(ResourceId::kComboButton);
    const Rect client{0, 0, 80, 21}; // the main window's picker
    for (bool focused : {false, true}) {
        const BitComboFace face = model.Face(client, focused);
        // Unscaled cap and button, the middle stretched between them; all cut at row 21.
        ASSERT_EQ(face.copies.size(), 3u);
        EXPECT_EQ(face.copies[0],
                  (BitmapCopy{ResourceId::kComboLeft, {0, 0, cap, 21}, {0, 0, cap, 21}}));
        EXPECT_EQ(
            face.copies[1],
            (BitmapCopy{ResourceId::kComboButton, {0, 0, button, 21}, {80 - button, 0, 80, 21}}));
        EXPECT_EQ(face.copies[2], (BitmapCopy{ResourceId::kComboMiddle,
                                              {0, 0, Width(ResourceId::kComboMiddle), 21},
                                              {cap, 0, 80 - button, 21}}));
        EXPECT_EQ(face.fill, (SolidFill{{cap + 1, 3, 80 - button, 16},
                                        focused ? kHighlightBack : kNormalBack}));
        EXPECT_EQ(face.text,
                  (TextPlacement{{7, -2, 80 - button, 21}, focused ? kHighlightText : kNormalText}))
            << "the text stops where the button begins";
    }
    // A face taller than the bitmaps shows them whole, unstretched, over the normal background.
    const BitComboFace tall = model.Face({0, 0, 80, 40}, false);
    EXPECT_EQ(tall.background, (SolidFill{{0, 0, 80, 40}, kNormalBack}));
    for (const BitmapCopy& copy : tall.copies)
        EXPECT_EQ(copy.dest.Height(), copy.source.Height()) << copy.nBitmap;
    EXPECT_EQ(CopyOf(tall, ResourceId::kComboMiddle).dest.Height(),
              BitmapResourceSize(ResourceId::kComboMiddle).nHeight);
}

TEST(BitComboModel, ButtonShowsTheDroppedBitmapOnlyWhileTheListIsOpen) {
    BitComboModel model = MainWindowPicker();
    const int right = 80 - Width(ResourceId::kComboButton);
    EXPECT_TRUE(model.OnDropDown());
    EXPECT_FALSE(model.OnDropDown()); // already open
    EXPECT_EQ(CopyOf(model.Face({0, 0, 80, 21}, true), ResourceId::kComboButtonDropped).dest.left,
              right);
    EXPECT_TRUE(CopyOf(model.Face({0, 0, 80, 21}, true), ResourceId::kComboButton).dest.IsEmpty());
    EXPECT_TRUE(model.OnCloseUp());
    EXPECT_FALSE(model.OnCloseUp()); // a second close does not exchange them back
    EXPECT_EQ(model.ButtonBitmap(), ResourceId::kComboButton);
    EXPECT_EQ(model.ButtonDroppedBitmap(), ResourceId::kComboButtonDropped);

    // Without a dropped bitmap nothing is exchanged and nothing needs drawing.
    model.SetBitmaps(ResourceId::kComboLeft, ResourceId::kComboButton, 0, ResourceId::kComboMiddle);
    EXPECT_FALSE(model.OnDropDown());
    EXPECT_EQ(model.ButtonBitmap(), ResourceId::kComboButton);
    EXPECT_FALSE(model.OnCloseUp());
}

TEST(BitComboModel, ListItemsAreBandsTwoPixelsShortInsideAHighlightFrame) {
    BitComboModel model = MainWindowPicker();
    EXPECT_EQ(model.ListFrame({0, 0, 64, 140}),
              (BitListFrame{{{0, 0, 64, 140}, kNormalBack}, kHighlightBack}));
    const BitListItem focused = model.ListItem({0, 16, 64, 33}, true);
    EXPECT_EQ(focused.band, (SolidFill{{0, 16, 64, 31}, kHighlightBack}));
    EXPECT_EQ(focused.text, (TextPlacement{{7, 16, 64, 31}, kHighlightText}));
    const BitListItem other = model.ListItem({0, 33, 64, 50}, false);
    EXPECT_EQ(other.band, (SolidFill{{0, 33, 64, 48}, kNormalBack}));
    EXPECT_EQ(other.text.colour, kNormalText);
}

TEST(BitComboModel, ListItemsSetTheTextIndentOfThePickersFace) {
    BitComboModel picker = MainWindowPicker();
    EXPECT_EQ(picker.TextIndent(), 7);
    // An item 3 pixels in: its text, and the face text, start 3 pixels further right.
    EXPECT_EQ(picker.ListItem({3, 0, 64, 17}, false).text.rect.left, 10);
    EXPECT_EQ(picker.Face({0, 0, 80, 21}, false).text.rect.left, 10);
    EXPECT_EQ(picker.ListItem({0, 0, 64, 17}, false).text.rect.left, 7);
    EXPECT_EQ(picker.TextIndent(), 7);
}

TEST(BitComboModel, MissingBitmapsHaveNoWidthAndANarrowFaceNoMiddle) {
    BitComboModel bare;
    const BitComboFace face = bare.Face({0, 0, 80, 21}, false);
    EXPECT_TRUE(face.copies.empty());
    EXPECT_EQ(face.fill.rect, (Rect{1, 3, 80, 16}));

    // Narrower than cap and button together: the middle would have a negative width.
    const BitComboModel model = MainWindowPicker();
    const int narrow = Width(ResourceId::kComboLeft) + Width(ResourceId::kComboButton) - 1;
    const BitComboFace small = model.Face({0, 0, narrow, 21}, false);
    EXPECT_TRUE(CopyOf(small, ResourceId::kComboMiddle).dest.IsEmpty());
    EXPECT_TRUE(small.fill.rect.IsEmpty());
}

} // namespace
