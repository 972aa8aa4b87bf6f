#include "skinbitmaps.h"

#include "resourceids.h"
#include "rgbblend.h"

namespace {

// Column header, top row first. 138 is the strip stretched under the texts, 139 the first
// column's light left edge, 140 the dark separator at each column's right edge.
constexpr std::uint32_t kStripPixels[20] = {
    0x75A6CC, 0x0289F4, 0x0363CD, 0x045CBC, 0x045BBB, 0x045AB9, 0x0459B6,
    0x0358B3, 0x0356B0, 0x0354AD, 0x0353AA, 0x0352A8, 0x0351A5, 0x034FA2,
    0x034D9F, 0x034C9C, 0x034B99, 0x034B9C, 0x002C70, 0x6F8094,
};

constexpr std::uint32_t kLeftEdgePixels[20][2] = {
    {0x7DA0C0, 0x73A2CA}, {0x4B95CE, 0x0097FF}, {0x4E99D2, 0x008FF9}, {0x4F9BD3, 0x007EEF},
    {0x4F9BD3, 0x0080F1}, {0x4F9BD3, 0x0080F1}, {0x4F9BD3, 0x0081F1}, {0x4F9BD3, 0x0080F1},
    {0x4F9BD3, 0x0080F1}, {0x4F9BD3, 0x0080F2}, {0x4F9BD3, 0x0080F2}, {0x4F9BD3, 0x0080F2},
    {0x4F9BD3, 0x0080F2}, {0x4F9BD3, 0x0080F2}, {0x4F9BD3, 0x0081F3}, {0x4F9BD3, 0x0081F3},
    {0x4F9CD4, 0x0083F4}, {0x4F98D0, 0x007EF1}, {0x4783C3, 0x0057D4}, {0x759FCB, 0x6FA2DE},
};

constexpr std::uint32_t kRightEdgePixels[20][2] = {
    {0x74A3CB, 0x7499BE}, {0x007AED, 0x2D72BD}, {0x004AA6, 0x2E5C8B}, {0x003478, 0x2E4D6C},
    {0x00367B, 0x2E4F71}, {0x003579, 0x2E4F71}, {0x003577, 0x2E5071}, {0x003475, 0x2E5071},
    {0x003274, 0x2E5071}, {0x003172, 0x2F5072}, {0x00316F, 0x2F5072}, {0x00306D, 0x2F5072},
    {0x002F6C, 0x2F5072}, {0x002E69, 0x2F5072}, {0x002C67, 0x2F5072}, {0x002C66, 0x2F5072},
    {0x002B64, 0x2F5073}, {0x002A62, 0x2F5073}, {0x000F42, 0x24476C}, {0x6F7D92, 0x6C87A2},
};

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

BitmapPixels HeaderBitmap(int id) {
    const int width = id == ResourceId::kHeaderStrip ? 1 : 2;
    BitmapPixels bitmap = Blank(width, 20, 0);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t colour = id == ResourceId::kHeaderStrip  ? kStripPixels[y]
                                         : id == ResourceId::kHeaderLeft ? kLeftEdgePixels[y][x]
                                                                         : kRightEdgePixels[y][x];
            Set(bitmap, x, y, colour);
        }
    }
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
        return HeaderBitmap(id);
    default:
        return MakeScrollPixels(id);
    }
}
