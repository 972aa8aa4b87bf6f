// The file form of a finished render kept between runs: the key it was made from, its raster
// and a checksum over both. Reading trusts nothing of the file: a record that is cut short,
// altered, made for another key or describes an impossible raster is refused.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct DrawingRaster {
    std::uint32_t nWidth = 0;
    std::uint32_t nHeight = 0;
    std::uint32_t nFormat = 0;          // the image library's own format number, opaque here
    std::uint32_t nBytesPerLine = 0;    // at least nWidth * nPixelBytes, a multiple of 4
    std::uint32_t nPixelBytes = 0;      // 4 for 32-bit pixels, 1 for palette indexes
    std::vector<std::uint32_t> colours; // the palette of an indexed raster, else empty
    std::string_view pixels;            // nHeight lines of nBytesPerLine bytes, as in memory
};

// The record of `raster` made from `key`.
std::string EncodeDrawingRecord(std::string_view key, const DrawingRaster& raster);

// The raster of `record` when it is whole and was made from exactly `key`. Its pixels point
// into `record`, at a multiple of 16 bytes from its start. The palette has 1 to 256 colours and
// every index names one of them.
std::optional<DrawingRaster> DecodeDrawingRecord(std::string_view record, std::string_view key);
