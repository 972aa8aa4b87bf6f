// The file form of a kept render: what is written reads back whole, and a record that is cut,
// altered, made for another key or impossible is refused.
#include "drawingrecord.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

// A 3 x 2 palette raster with 4-byte lines.
struct IndexedRaster {
    std::string pixels = std::string("\x00\x01\x02\x00\x02\x01\x00\x00", 8);
    DrawingRaster raster;
    IndexedRaster() {
        raster.nWidth = 3;
        raster.nHeight = 2;
        raster.nFormat = 3;
        raster.nBytesPerLine = 4;
        raster.nPixelBytes = 1;
        raster.colours = {0xFFFFFFFFU, 0xFF1B4F8FU, 0xFFF28A15U};
        raster.pixels = pixels;
    }
};

TEST(DrawingRecord, ReadsBackWhatWasWrittenWithItsPixelsAligned) {
    const IndexedRaster made;
    const std::string record = EncodeDrawingRecord("logo 125x49", made.raster);
    const auto read = DecodeDrawingRecord(record, "logo 125x49");
    ASSERT_TRUE(read);
    EXPECT_EQ(read->nWidth, 3U);
    EXPECT_EQ(read->nHeight, 2U);
    EXPECT_EQ(read->nFormat, 3U);
    EXPECT_EQ(read->nBytesPerLine, 4U);
    EXPECT_EQ(read->colours, made.raster.colours);
    EXPECT_EQ(read->pixels, made.pixels);
    // Where they lie in the record, the pixels start on a 16-byte boundary.
    EXPECT_EQ((read->pixels.data() - record.data()) % 16, 0);
}

TEST(DrawingRecord, RefusesAnotherKeyAnyCutAndAnyAlteredByte) {
    const IndexedRaster made;
    const std::string record = EncodeDrawingRecord("key", made.raster);
    EXPECT_FALSE(DecodeDrawingRecord(record, "key2"));
    EXPECT_FALSE(DecodeDrawingRecord(record, "ke"));
    for (std::size_t size = 0; size < record.size(); ++size)
        EXPECT_FALSE(DecodeDrawingRecord(record.substr(0, size), "key")) << "cut at " << size;
    EXPECT_FALSE(DecodeDrawingRecord(record + '\0', "key"));
    for (std::size_t at = 0; at < record.size(); ++at) {
        std::string altered = record;
        altered[at] = static_cast<char>(altered[at] ^ 0x10);
        EXPECT_FALSE(DecodeDrawingRecord(altered, "key")) << "byte " << at;
    }
}

TEST(DrawingRecord, RefusesRastersThatCannotBe) {
    const auto refused = [](const DrawingRaster& raster) {
        return !DecodeDrawingRecord(EncodeDrawingRecord("k", raster), "k");
    };
    IndexedRaster outOfPalette;
    outOfPalette.pixels[1] = '\x03'; // the palette has three colours
    EXPECT_TRUE(refused(outOfPalette.raster));
    IndexedRaster noPalette;
    noPalette.raster.colours.clear();
    EXPECT_TRUE(refused(noPalette.raster));
    IndexedRaster shortLines;
    shortLines.raster.nBytesPerLine = 2;
    shortLines.raster.pixels = std::string_view(shortLines.pixels).substr(0, 4);
    EXPECT_TRUE(refused(shortLines.raster));
    IndexedRaster empty;
    empty.raster.nHeight = 0;
    empty.raster.pixels = {};
    EXPECT_TRUE(refused(empty.raster));
    IndexedRaster oddPixels;
    oddPixels.raster.nPixelBytes = 3;
    EXPECT_TRUE(refused(oddPixels.raster));
    // Claimed lines that the record does not hold.
    IndexedRaster tall;
    tall.raster.nHeight = 3;
    EXPECT_TRUE(refused(tall.raster));
}

} // namespace
