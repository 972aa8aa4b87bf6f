#include "skinbitmaps.h"

#include "headerbitmaps.h"
#include "resourceids.h"
#include "rgbblend.h"

namespace {

constexpr COLORREF kWhite = RGB(0xFF, 0xFF, 0xFF);

// The picker's face is 24 rows high: a frame line in rows 0 and 22, white inside and in
// row 23. The face itself is 21 pixels high, so the last rows never show.
BitmapPixels ComboLeftCap() {
    BitmapPixels bitmap = BitmapPixels::Filled(2, 24, kWhite);
    for (int y = 0; y <= 22; ++y) {
        bitmap.Set(0, y, kComboFrame);
    }
    bitmap.Set(1, 0, kComboFrame);
    bitmap.Set(1, 22, kComboFrame);
    return bitmap;
}

BitmapPixels ComboMiddle() {
    BitmapPixels bitmap = BitmapPixels::Filled(15, 24, kWhite);
    for (int x = 0; x < 15; ++x) {
        bitmap.Set(x, 0, kComboFrame);
        bitmap.Set(x, 22, kComboFrame);
    }
    return bitmap;
}

// The drop-down button: a light-blue face (rows 1 to 21, columns 0 to 18) with a chevron,
// framed at the top, bottom and right with rounded right-hand corners. Pressed, the face and
// the chevron move one pixel right and down and a shadow fills the uncovered edge.
BitmapPixels ComboButton(bool dropped) {
    constexpr int kWidth = 20;
    constexpr int kFaceRight = 18;
    constexpr int kFaceTop = 1;
    constexpr int kFaceBottom = 21;
    constexpr COLORREF kShadow = RGB(0x9D, 0xB4, 0xDA);
    const int shift = dropped ? 1 : 0;

    BitmapPixels bitmap = BitmapPixels::Filled(kWidth, 24, kWhite);
    for (int y = kFaceTop; y <= kFaceBottom; ++y) {
        const int source = y - shift;
        const double t =
            static_cast<double>(source - kFaceTop) / static_cast<double>(kFaceBottom - kFaceTop);
        const COLORREF face = BlendRgb(kComboButtonTop, kComboButtonBottom, t);
        for (int x = 0; x <= kFaceRight; ++x) {
            const bool uncovered = source < kFaceTop || x - shift < 0;
            bitmap.Set(x, y, uncovered ? kShadow : face);
        }
    }

    // A chevron six rows high, two pixels thick, its point on column 9 of the face.
    constexpr int kChevronTop = 8;
    for (int k = 0; k < 6; ++k) {
        const int y = kChevronTop + k + shift;
        if (k < 4) {
            for (int x : {4 + k, 5 + k, 13 - k, 14 - k}) {
                bitmap.Set(x + shift, y, kComboChevron);
            }
        } else if (k == 4) {
            for (int x : {8, 9, 10}) {
                bitmap.Set(x + shift, y, kComboChevron);
            }
        } else {
            bitmap.Set(9 + shift, y, kComboChevron);
        }
    }

    for (int x = 0; x < kWidth - 1; ++x) {
        bitmap.Set(x, 0, kComboButtonFrame);
        bitmap.Set(x, 22, kComboButtonFrame);
    }
    for (int y = 1; y <= kFaceBottom; ++y) {
        bitmap.Set(kWidth - 1, y, kComboButtonFrame);
    }
    // Rounded corners: the outer corner pixels half way to white, the inner ones half way
    // to the face.
    bitmap.Set(kWidth - 1, 0, BlendRgb(kComboButtonFrame, kWhite, 0.5));
    bitmap.Set(kWidth - 1, 22, BlendRgb(kComboButtonFrame, kWhite, 0.5));
    bitmap.Set(kFaceRight, kFaceTop,
               BlendRgb(kComboButtonFrame, bitmap.At(kFaceRight, kFaceTop), 0.5));
    bitmap.Set(kFaceRight, kFaceBottom,
               BlendRgb(kComboButtonFrame, bitmap.At(kFaceRight, kFaceBottom), 0.5));
    return bitmap;
}

} // namespace

BitmapPixels MakeSkinPixels(int id) {
    switch (id) {
    case ResourceId::kComboMiddle:
        return ComboMiddle();
    case ResourceId::kComboLeft:
        return ComboLeftCap();
    case ResourceId::kComboButton:
        return ComboButton(false);
    case ResourceId::kComboButtonDropped:
        return ComboButton(true);
    case ResourceId::kHeaderStrip:
    case ResourceId::kHeaderLeft:
    case ResourceId::kHeaderRight:
        return HeaderBitmap(id);
    default:
        return MakeScrollPixels(id);
    }
}
