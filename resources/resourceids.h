// Numbers and sizes of the program's image resources.
#pragma once

namespace ResourceId {
// The program icon; its images come in the sizes of kAppIconSizes.
constexpr int kIcon = 128;
// The refrigeration circuit diagram beside the inputs (24-bit).
constexpr int kCircuit = 131;
// The maker's logo in the window's corner and on the printed page (8-bit palette).
constexpr int kLogo = 132;

// The refrigerant picker's face.
constexpr int kComboMiddle = 134;
constexpr int kComboLeft = 135;
constexpr int kComboButton = 136;
constexpr int kComboButtonDropped = 137;
// The results list's column header.
constexpr int kHeaderStrip = 138;
constexpr int kHeaderLeft = 139;
constexpr int kHeaderRight = 140;
// The skinned scroll bars of the results list.
constexpr int kHScrollThumb = 141;
constexpr int kHScrollRight = 142;
constexpr int kHScrollTrack = 143;
constexpr int kHScrollLeft = 144;
// The square where a horizontal and a vertical bar meet; no bar draws it today.
constexpr int kScrollCorner = 145;
constexpr int kVScrollUp = 146;
constexpr int kVScrollTrack = 147;
constexpr int kVScrollThumb = 148;
constexpr int kVScrollDown = 149;
constexpr int kVScrollTop = 150;
constexpr int kVScrollBottom = 151;

constexpr int kFirstSkin = kComboMiddle;
constexpr int kLastSkin = kVScrollBottom;
} // namespace ResourceId

// The icon is drawn once and rendered at each of these sizes (pixels, square).
inline constexpr int kAppIconSizes[] = {16, 32, 48, 256};
// The size the icon resource stands for when one image is asked for: the platform's
// standard icon size.
inline constexpr int kStandardIconSize = 32;

struct ResourceSize {
    int nWidth = 0;
    int nHeight = 0;
};

// The pixel size of a resource at a device pixel ratio of 1: the circuit 1401 x 1926, the
// logo 125 x 49, the icon its standard size, each skin piece its own size; 0 x 0 for a number
// that is no image of the program.
ResourceSize BitmapResourceSize(int id);

// True for the pictures kept as drawings (circuit, logo, icon), which are rendered at the
// device pixel ratio; the skin pieces are exact pixels.
bool IsVectorResource(int id);
