// The skinned scroll bars' pieces, 12 pixels thick: grey buttons with a slate outline on a
// dark slate groove that matches the colour each bar fills under its pieces.
//
// Every piece is drawn lying horizontally (the long side across); the vertical bar's
// pieces are the same drawings turned about the diagonal, so the up arrow is the left arrow
// transposed and the light side of a vertical button is its left.
#include "resourceids.h"
#include "rgbblend.h"
#include "skinbitmaps.h"

namespace {

constexpr int kThickness = 12;
constexpr int kButtonLength = 26;

constexpr COLORREF kOutline = RGB(0x2F, 0x36, 0x50);
constexpr COLORREF kGlyph = RGB(0x2E, 0x38, 0x50);
constexpr COLORREF kFaceLight = RGB(0xF3, 0xF5, 0xF8);
constexpr COLORREF kFaceDark = RGB(0xC3, 0xCA, 0xD5);
constexpr COLORREF kGripLight = RGB(0xFA, 0xFB, 0xFC);

// The groove of each bar, from its top (left) edge to its bottom (right) edge; the bar
// fills with RGB(76, 85, 118) (horizontal) and RGB(74, 82, 107) (vertical) under its pieces.
struct Groove {
    COLORREF edge;
    COLORREF far;
};
constexpr Groove kHorizontalGroove = {RGB(0x3A, 0x42, 0x60), RGB(0x5A, 0x64, 0x88)};
constexpr Groove kVerticalGroove = {RGB(0x38, 0x3F, 0x57), RGB(0x57, 0x60, 0x7E)};

COLORREF GrooveAt(const Groove& groove, int across) {
    return BlendRgb(groove.edge, groove.far, static_cast<double>(across) / (kThickness - 1));
}

BitmapPixels Transposed(const BitmapPixels& bitmap) {
    BitmapPixels turned = BitmapPixels::Filled(bitmap.nHeight, bitmap.nWidth, 0);
    for (int y = 0; y < bitmap.nHeight; ++y) {
        for (int x = 0; x < bitmap.nWidth; ++x) {
            turned.Set(y, x, bitmap.At(x, y));
        }
    }
    return turned;
}

// A piece of groove `width` pixels along the bar and `height` across it, shaded across.
BitmapPixels GrooveArea(const Groove& groove, int width, int height) {
    BitmapPixels bitmap = BitmapPixels::Filled(width, height, 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            bitmap.Set(x, y, GrooveAt(groove, y));
        }
    }
    return bitmap;
}

// A length of groove, `length` pixels along the bar.
BitmapPixels GroovePiece(const Groove& groove, int length) {
    return GrooveArea(groove, length, kThickness);
}

// A raised button 26 x 12 on the groove: slate outline with rounded corners, a face that
// darkens from the top down.
BitmapPixels ButtonFace(const Groove& groove) {
    BitmapPixels bitmap = GroovePiece(groove, kButtonLength);
    const int right = kButtonLength - 1;
    const int bottom = kThickness - 1;
    for (int y = 1; y < bottom; ++y) {
        const COLORREF face =
            BlendRgb(kFaceLight, kFaceDark, static_cast<double>(y - 1) / (bottom - 2));
        for (int x = 1; x < right; ++x) {
            bitmap.Set(x, y, face);
        }
        bitmap.Set(0, y, kOutline);
        bitmap.Set(right, y, kOutline);
    }
    for (int x = 1; x < right; ++x) {
        bitmap.Set(x, 0, kOutline);
        bitmap.Set(x, bottom, kOutline);
    }
    for (int x : {0, right}) {
        bitmap.Set(x, 0, BlendRgb(kOutline, GrooveAt(groove, 0), 0.5));
        bitmap.Set(x, bottom, BlendRgb(kOutline, GrooveAt(groove, bottom), 0.5));
    }
    return bitmap;
}

// An arrow button: a solid triangle eight rows high (rows 2 to 9) and four columns deep
// (columns 11 to 14), centred in the button, its point two pixels high and towards the end
// of the bar it scrolls to.
BitmapPixels ArrowButton(const Groove& groove, bool pointsLeft) {
    BitmapPixels bitmap = ButtonFace(groove);
    constexpr int kTip = 11; // column of the point of a left arrow
    constexpr int kDepth = 4;
    for (int y = 2; y <= 9; ++y) {
        const int fromMiddle = y <= 5 ? 5 - y : y - 6;
        for (int x = kTip + fromMiddle; x < kTip + kDepth; ++x) {
            bitmap.Set(pointsLeft ? x : kButtonLength - 1 - x, y, kGlyph);
        }
    }
    return bitmap;
}

// The thumb: a button with four grip dots in each of rows 4 and 7, each dot with a light
// pixel below and to the right of it.
BitmapPixels Thumb(const Groove& groove) {
    BitmapPixels bitmap = ButtonFace(groove);
    for (int y : {4, 7}) {
        for (int x : {8, 11, 14, 17}) {
            bitmap.Set(x, y, kGlyph);
            bitmap.Set(x + 1, y + 1, kGripLight);
        }
    }
    return bitmap;
}

// A square of groove with a size grip: six dots in a triangle towards the bottom right.
BitmapPixels Corner(const Groove& groove, int size) {
    BitmapPixels bitmap = GrooveArea(groove, size, size);
    const int last = size - 3;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column <= row; ++column) {
            const int x = last - 3 * (row - column);
            const int y = last - 3 * (2 - row);
            bitmap.Set(x, y, kFaceDark);
            bitmap.Set(x + 1, y + 1, kOutline);
        }
    }
    return bitmap;
}

// The vertical bar's top cap, 11 rows above its up arrow: groove with an outline along the
// bar's end.
BitmapPixels TopCap() {
    BitmapPixels bitmap = Transposed(GroovePiece(kVerticalGroove, 11));
    for (int x = 0; x < kThickness; ++x) {
        bitmap.Set(x, 0, kOutline);
        bitmap.Set(x, 1, BlendRgb(bitmap.At(x, 1), kFaceDark, 0.35));
    }
    return bitmap;
}

} // namespace

BitmapPixels MakeScrollPixels(int id) {
    switch (id) {
    case ResourceId::kHScrollThumb:
        return Thumb(kHorizontalGroove);
    case ResourceId::kHScrollRight:
        return ArrowButton(kHorizontalGroove, false);
    case ResourceId::kHScrollTrack:
        return GroovePiece(kHorizontalGroove, 1);
    case ResourceId::kHScrollLeft:
        return ArrowButton(kHorizontalGroove, true);
    case ResourceId::kScrollCorner:
        return Corner(kHorizontalGroove, kThickness);
    case ResourceId::kVScrollUp:
        return Transposed(ArrowButton(kVerticalGroove, true));
    case ResourceId::kVScrollTrack:
        return Transposed(GroovePiece(kVerticalGroove, 1));
    case ResourceId::kVScrollThumb:
        return Transposed(Thumb(kVerticalGroove));
    case ResourceId::kVScrollDown:
        return Transposed(ArrowButton(kVerticalGroove, false));
    case ResourceId::kVScrollTop:
        return TopCap();
    case ResourceId::kVScrollBottom:
        return Transposed(Corner(kVerticalGroove, 11));
    default:
        return {};
    }
}
