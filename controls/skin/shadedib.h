#pragma once

#include "colour.h"

#include <cstdint>
#include <vector>

// An in-memory palette image laid out as a device-independent bitmap, in one allocation: the
// 40-byte header (width, positive height, 1 plane, bits per pixel, no compression, image size
// = height x stride), the palette (2, 16 or 256 entries of blue, green, red and a zero byte;
// none at 24 bits) and the pixel rows, bottom row first, Stride() bytes each. A new image's
// palette and pixels are zero until set.
class CShadeDib {
public:
    static constexpr int kHeaderSize = 40;

    // Releases any previous storage and makes a width x height image, bits per pixel rounded up
    // to 1, 4, 8 or 24 (anything above 8 gives 24). False, and empty, when a size is below 1.
    bool Create(int width, int height, int bitsPerPixel);
    // A copy of `source` (empty when it is).
    bool Clone(const CShadeDib& source);
    bool IsValid() const { return !m_storage.empty(); }

    // Ignored for an index outside the palette or an empty image.
    void SetPaletteIndex(int index, int r, int g, int b);
    // Moves every palette entry `percent` of the way toward `colour` (above 100 counts as 100):
    // each channel becomes (entry x (100 - percent) + colour's x percent) / 100.
    void BlendPalette(COLORREF colour, int percent);
    // y counts from the top row; ignored outside the image.
    void SetPixelIndex(int x, int y, int index);
    // Sets every pixel byte to `value`.
    void Clear(int value);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int BitsPerPixel() const { return m_bitsPerPixel; }
    // Bytes per pixel row: ((width x bits per pixel + 31) / 32) x 4.
    int Stride() const { return m_stride; }
    int PaletteSize() const;
    // 0 outside the palette.
    COLORREF PaletteEntry(int index) const;
    // Header, palette and pixels, as the platform's bitmap functions take them.
    const std::uint8_t* Data() const { return m_storage.data(); }
    // The pixel rows, bottom row first.
    std::uint8_t* Bits() { return m_storage.data() + PixelOffset(); }
    const std::uint8_t* Bits() const { return m_storage.data() + PixelOffset(); }

    // y counts from the top row; the pixel's palette index (0 at 24 bits or outside).
    int PixelIndex(int x, int y) const;
    // What the pixel shows: its palette entry, or at 24 bits its own colour.
    COLORREF PixelColour(int x, int y) const;

    // Same size, depth, palette and pixels.
    bool operator==(const CShadeDib&) const = default;

private:
    int PixelOffset() const { return kHeaderSize + 4 * PaletteSize(); }
    // Where in the storage the pixel at (x, y from the top) begins, or -1 outside the image.
    long ByteOffset(int x, int y) const;

    std::vector<std::uint8_t> m_storage;
    int m_width = 0;
    int m_height = 0;
    int m_bitsPerPixel = 0;
    int m_stride = 0;
};
