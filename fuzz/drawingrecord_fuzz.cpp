// Feeds arbitrary bytes to the reading of a kept render and checks its promises; a broken one
// aborts. The first byte is the length of the key, the key follows, the rest is the record.
//   - a raster read is one a screen can show: its lines hold its width, its pixels are exactly
//     its lines and lie inside the record, its palette indexes name colours;
//   - written again under the same key, it is the same record byte for byte.
#include "drawingrecord.h"
#include "fuzzcheck.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t keySize = std::min<std::size_t>(data[0], size - 1);
    const std::string_view key = input.substr(1, keySize);
    const std::string_view record = input.substr(1 + keySize);
    const auto raster = DecodeDrawingRecord(record, key);
    if (!raster)
        return 0;
    const std::uint64_t lineBytes = std::uint64_t{raster->nWidth} * raster->nPixelBytes;
    fuzz::Promise(raster->nWidth > 0 && raster->nHeight > 0 && raster->nBytesPerLine >= lineBytes,
                  "the lines hold the raster's width");
    fuzz::Promise(raster->pixels.size() == std::uint64_t{raster->nHeight} * raster->nBytesPerLine,
                  "the pixels are exactly the raster's lines");
    fuzz::Promise(raster->pixels.data() >= record.data() &&
                      raster->pixels.data() + raster->pixels.size() <=
                          record.data() + record.size(),
                  "the pixels lie inside the record");
    if (raster->nPixelBytes == 1) {
        fuzz::Promise(!raster->colours.empty() && raster->colours.size() <= 256,
                      "an indexed raster has a palette");
        for (std::uint32_t y = 0; y < raster->nHeight; ++y) {
            for (std::uint32_t x = 0; x < raster->nWidth; ++x) {
                const auto index = static_cast<unsigned char>(
                    raster->pixels[std::size_t{y} * raster->nBytesPerLine + x]);
                fuzz::Promise(index < raster->colours.size(), "every index names a colour");
            }
        }
    }
    fuzz::Promise(EncodeDrawingRecord(key, *raster) == record, "written again, the same record");
    return 0;
}
