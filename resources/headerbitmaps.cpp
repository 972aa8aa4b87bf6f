#include "headerbitmaps.h"

#include "resourceids.h"

namespace {

// The three bitmaps side by side, 0x00BBGGRR, one row of pixels a line from the top: the strip,
// then the left edge's two columns, then the right edge's two.
constexpr int kTableColumns = 5;
constexpr COLORREF kPixels[kHeaderStripHeight][kTableColumns] = {
    {0xCCA675, 0xC0A07D, 0xCAA273, 0xCBA374, 0xBE9974},
    {0xF48902, 0xCE954B, 0xFF9700, 0xED7A00, 0xBD722D},
    {0xCD6303, 0xD2994E, 0xF98F00, 0xA64A00, 0x8B5C2E},
    {0xBC5C04, 0xD39B4F, 0xEF7E00, 0x783400, 0x6C4D2E},
    {0xBB5B04, 0xD39B4F, 0xF18000, 0x7B3600, 0x714F2E},
    {0xB95A04, 0xD39B4F, 0xF18000, 0x793500, 0x714F2E},
    {0xB65904, 0xD39B4F, 0xF18100, 0x773500, 0x71502E},
    {0xB35803, 0xD39B4F, 0xF18000, 0x753400, 0x71502E},
    {0xB05603, 0xD39B4F, 0xF18000, 0x743200, 0x71502E},
    {0xAD5403, 0xD39B4F, 0xF28000, 0x723100, 0x72502F},
    {0xAA5303, 0xD39B4F, 0xF28000, 0x6F3100, 0x72502F},
    {0xA85203, 0xD39B4F, 0xF28000, 0x6D3000, 0x72502F},
    {0xA55103, 0xD39B4F, 0xF28000, 0x6C2F00, 0x72502F},
    {0xA24F03, 0xD39B4F, 0xF28000, 0x692E00, 0x72502F},
    {0x9F4D03, 0xD39B4F, 0xF38100, 0x672C00, 0x72502F},
    {0x9C4C03, 0xD39B4F, 0xF38100, 0x662C00, 0x72502F},
    {0x994B03, 0xD49C4F, 0xF48300, 0x642B00, 0x73502F},
    {0x9C4B03, 0xD0984F, 0xF17E00, 0x622A00, 0x73502F},
    {0x702C00, 0xC38347, 0xD45700, 0x420F00, 0x6C4724},
    {0x94806F, 0xCB9F75, 0xDEA26F, 0x927D6F, 0xA2876C},
};

// Columns [first, first + width) of the table as a bitmap.
BitmapPixels Columns(int first, int width) {
    BitmapPixels bitmap = BitmapPixels::Filled(width, kHeaderStripHeight, 0);
    for (int y = 0; y < kHeaderStripHeight; ++y) {
        for (int x = 0; x < width; ++x)
            bitmap.Set(x, y, kPixels[y][first + x]);
    }
    return bitmap;
}

} // namespace

BitmapPixels HeaderBitmap(int id) {
    switch (id) {
    case ResourceId::kHeaderStrip:
        return Columns(0, 1);
    case ResourceId::kHeaderLeft:
        return Columns(1, 2);
    case ResourceId::kHeaderRight:
        return Columns(3, 2);
    default:
        return {};
    }
}
