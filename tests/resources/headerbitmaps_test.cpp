// The header bitmaps against the pixel table as it is written down (headertable.h).
#include "headerbitmaps.h"
#include "headertable.h"
#include "resourceids.h"

#include <gtest/gtest.h>

namespace {

TEST(HeaderBitmaps, SizesOfTheThreeStrips) {
    EXPECT_EQ(HeaderBitmap(ResourceId::kHeaderStrip).nWidth, 1);
    EXPECT_EQ(HeaderBitmap(ResourceId::kHeaderLeft).nWidth, 2);
    EXPECT_EQ(HeaderBitmap(ResourceId::kHeaderRight).nWidth, 2);
    for (int id : {138, 139, 140}) {
        const BitmapPixels bitmap = HeaderBitmap(id);
        EXPECT_EQ(bitmap.nHeight, kHeaderStripHeight) << id;
        EXPECT_EQ(bitmap.pixels.size(), static_cast<std::size_t>(bitmap.nWidth * 20)) << id;
    }
}

TEST(HeaderBitmaps, EveryPixelAsTabled) {
    for (int id : {138, 139, 140}) {
        const BitmapPixels bitmap = HeaderBitmap(id);
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < bitmap.nWidth; ++x) {
                EXPECT_EQ(bitmap.At(x, y), HeaderColour(id, x, y))
                    << "bitmap " << id << " at (" << x << ", " << y << ")";
            }
        }
    }
}

TEST(HeaderBitmaps, OtherNumbersAreEmpty) {
    for (int id : {0, 134, 137, 141, 151, -1}) {
        EXPECT_TRUE(HeaderBitmap(id).IsEmpty()) << id;
    }
}

} // namespace
