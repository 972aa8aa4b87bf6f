#pragma once

#include "bitmappixels.h"

// The three bitmaps the list header is drawn from (ResourceId::kHeaderStrip, kHeaderLeft and
// kHeaderRight): the vertical blue gradient stretched across the header (1 x 20), the light left
// edge of the first column (2 x 20) and the dark right edge, the separator, of every column
// (2 x 20).

// The height of every header bitmap, and so of all header drawing, in pixels.
inline constexpr int kHeaderStripHeight = 20;

// The pixels of header bitmap `id`; an empty bitmap for any other number.
BitmapPixels HeaderBitmap(int id);
