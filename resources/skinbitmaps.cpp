#include "skinbitmaps.h"

#include "headerbitmaps.h"
#include "resourceids.h"
#include "rgbblend.h"

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;

BitmapPixels Blank(int width, int height, std::uint32_t colour) {
    BitmapPixels bitmap;
    bitmap.nWidth = width;
    bitmap.nHeight = height;
    bitmap.pixels.assign(static_cast<std::size_t>(width * height), colour);
    return bitmap;
}

void Set(BitmapPixels& bitmap, int x, int y, std::uint32_t colour) {
    if (x >= 0 && y >= 0 && x < bitmap.nWidth && y < bitmap.nHeight) {
        bitmap.pixels[static_cast<std::size_t>(y * bitmap.nWidth + x)] = colour;
    }
}

// The column header's pieces are the results list's own pixel tables.
BitmapPixels HeaderPixels(int id) {
    const SkinBitmap source = HeaderBitmap(id);
    BitmapPixels bitmap;
    bitmap.nWidth = source.nWidth;
    bitmap.nHeight = source.nHeight;
    bitmap.pixels.assign(source.pixels.begin(), source.pixels.end());
    return bitmap;
}

// The picker's face is 24 rows high: a frame line in rows 0 and 22, white inside and in
// row 23. The face itself is 21 pixels high, so the last rows never show.
BitmapPixels ComboLeftCap() {
    BitmapPixels bitmap = Blank(2, 24, kWhite);
    for (int y = 0; y <= 22; ++y) {
        Set(bitmap, 0, y, kComboFrame);
    }
    Set(bitmap, 1, 0, kComboFrame);
    Set(bitmap, 1, 22, kComboFrame);
    return bitmap;
}

BitmapPixels ComboMiddle() {
    BitmapPixels bitmap = Blank(15, 24, kWhite);
    for (int x = 0; x < 15; ++x) {
        Set(bitmap, x, 0, kComboFrame);
        Set(bitmap, x, 22, kComboFrame);
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
    constexpr std::uint32_t kShadow = 0x9DB4DA;
    const int shift = dropped ? 1 : 0;

    BitmapPixels bitmap = Blank(kWidth, 24, kWhite);
    for (int y = kFaceTop; y <= kFaceBottom; ++y) {
        const int source = y - shift;
        const double t =
            static_cast<double>(source - kFaceTop) / static_cast<double>(kFaceBottom - kFaceTop);
        const std::uint32_t face = BlendRgb(kComboButtonTop, kComboButtonBottom, t);
        for (int x = 0; x <= kFaceRight; ++x) {
            const bool uncovered = source < kFaceTop || x - shift < 0;
            Set(bitmap, x, y, uncovered ? kShadow : face);
        }
    }

    // A chevron six rows high, two pixels thick, its point on column 9 of the face.
    constexpr int kChevronTop = 8;
    for (int k = 0; k < 6; ++k) {
        const int y = kChevronTop + k + shift;
        if (k < 4) {
            for (int x : {4 + k, 5 + k, 13 - k, 14 - k}) {
                Set(bitmap, x + shift, y, kComboChevron);
            }
        } else if (k == 4) {
            for (int x : {8, 9, 10}) {
                Set(bitmap, x + shift, y, kComboChevron);
            }
        } else {
            Set(bitmap, 9 + shift, y, kComboChevron);
        }
    }

    for (int x = 0; x < kWidth - 1; ++x) {
        Set(bitmap, x, 0, kComboButtonFrame);
        Set(bitmap, x, 22, kComboButtonFrame);
    }
    for (int y = 1; y <= kFaceBottom; ++y) {
        Set(bitmap, kWidth - 1, y, kComboButtonFrame);
    }
    // Rounded corners: the outer corner pixels half way to white, the inner ones half way
    // to the face.
    Set(bitmap, kWidth - 1, 0, BlendRgb(kComboButtonFrame, kWhite, 0.5));
    Set(bitmap, kWidth - 1, 22, BlendRgb(kComboButtonFrame, kWhite, 0.5));
    Set(bitmap, kFaceRight, kFaceTop,
        BlendRgb(kComboButtonFrame, bitmap.At(kFaceRight, kFaceTop), 0.5));
    Set(bitmap, kFaceRight, kFaceBottom,
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
        return HeaderPixels(id);
    default:
        return MakeScrollPixels(id);
    }
}
