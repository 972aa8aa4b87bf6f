#include "drawingrecord.h"

#include <algorithm>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

constexpr std::string_view kMagic = "VLNRDRW1";
constexpr std::uint32_t kMaxSide = 1U << 15;
constexpr std::size_t kChecksumSize = 8;

void PutU32(std::string& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<char>((value >> shift) & 0xFFU));
}

void PutU64(std::string& out, std::uint64_t value) {
    PutU32(out, static_cast<std::uint32_t>(value));
    PutU32(out, static_cast<std::uint32_t>(value >> 32));
}

// Reads little-endian numbers and byte runs from the front of a record, failing for good once a
// read runs past its end.
class Reader {
public:
    explicit Reader(std::string_view bytes) : m_rest(bytes) {}
    bool Ok() const { return m_ok; }
    std::uint32_t U32() {
        const std::string_view bytes = Take(4);
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < bytes.size(); ++i)
            value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
        return value;
    }
    std::string_view Take(std::size_t count) {
        if (!m_ok || count > m_rest.size()) {
            m_ok = false;
            return {};
        }
        const std::string_view taken = m_rest.substr(0, count);
        m_rest.remove_prefix(count);
        return taken;
    }
    std::size_t Left() const { return m_rest.size(); }

private:
    std::string_view m_rest;
    bool m_ok = true;
};

// A checksum that sees every byte and its place: two running sums of 64-bit words and two sums
// of those, on alternate words (Fletcher's scheme), quick enough for a screenful of pixels at
// each start.
std::uint64_t Checksum(std::string_view bytes) {
    std::uint64_t sums[2] = {bytes.size(), 0};
    std::uint64_t sumsOfSums[2] = {0, 0};
    std::size_t i = 0;
#ifdef __SSE2__
    // The same sums, two lanes at once.
    __m128i sum = _mm_set_epi64x(0, static_cast<long long>(bytes.size()));
    __m128i sumOfSums = _mm_setzero_si128();
    for (; i + 16 <= bytes.size(); i += 16) {
        sum =
            _mm_add_epi64(sum, _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes.data() + i)));
        sumOfSums = _mm_add_epi64(sumOfSums, sum);
    }
    _mm_storeu_si128(reinterpret_cast<__m128i*>(sums), sum);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(sumsOfSums), sumOfSums);
#endif
    for (; i + 16 <= bytes.size(); i += 16) {
        std::uint64_t words[2];
        std::memcpy(words, bytes.data() + i, 16);
        for (int lane = 0; lane < 2; ++lane) {
            sums[lane] += words[lane];
            sumsOfSums[lane] += sums[lane];
        }
    }
    for (; i < bytes.size(); ++i) {
        sums[0] += static_cast<unsigned char>(bytes[i]);
        sumsOfSums[0] += sums[0];
    }
    const std::uint64_t mixed = sums[0] ^ (sums[1] * 0x9E3779B97F4A7C15ULL) ^
                                (sumsOfSums[0] << 1 | sumsOfSums[0] >> 63) ^
                                (sumsOfSums[1] * 0xC2B2AE3D27D4EB4FULL);
    return mixed ^ (mixed >> 29);
}

// The zero bytes that bring the pixels to a 16-byte boundary after `offset` bytes, so that they
// can be used where they lie in a record read into memory.
std::size_t PaddingAfter(std::size_t offset) {
    return (16 - offset % 16) % 16;
}

bool SaneRaster(const DrawingRaster& raster) {
    if (raster.nWidth == 0 || raster.nHeight == 0 || raster.nWidth > kMaxSide ||
        raster.nHeight > kMaxSide)
        return false;
    if (raster.nPixelBytes != 1 && raster.nPixelBytes != 4)
        return false;
    const std::uint64_t least = std::uint64_t{raster.nWidth} * raster.nPixelBytes;
    return raster.nBytesPerLine >= least && raster.nBytesPerLine <= least + 64 &&
           raster.nBytesPerLine % 4 == 0;
}

// Whether every palette index of an indexed raster, padding aside, names a colour.
bool IndexesInPalette(const DrawingRaster& raster) {
    const auto colours = static_cast<unsigned char>(raster.colours.size() - 1);
    for (std::uint32_t y = 0; y < raster.nHeight; ++y) {
        const std::string_view line =
            raster.pixels.substr(std::size_t{y} * raster.nBytesPerLine, raster.nWidth);
        if (std::any_of(line.begin(), line.end(),
                        [colours](char c) { return static_cast<unsigned char>(c) > colours; }))
            return false;
    }
    return true;
}

} // namespace

std::string EncodeDrawingRecord(std::string_view key, const DrawingRaster& raster) {
    std::string out(kMagic);
    PutU32(out, static_cast<std::uint32_t>(key.size()));
    out.append(key);
    for (std::uint32_t value :
         {raster.nWidth, raster.nHeight, raster.nFormat, raster.nBytesPerLine, raster.nPixelBytes,
          static_cast<std::uint32_t>(raster.colours.size())})
        PutU32(out, value);
    for (std::uint32_t colour : raster.colours)
        PutU32(out, colour);
    out.append(PaddingAfter(out.size()), '\0');
    out.append(raster.pixels);
    PutU64(out, Checksum(out));
    return out;
}

std::optional<DrawingRaster> DecodeDrawingRecord(std::string_view record, std::string_view key) {
    if (record.size() < kChecksumSize)
        return std::nullopt;
    const std::string_view body = record.substr(0, record.size() - kChecksumSize);
    Reader reader(body);
    if (reader.Take(kMagic.size()) != kMagic)
        return std::nullopt;
    const std::uint32_t keySize = reader.U32();
    if (reader.Take(keySize) != key || !reader.Ok())
        return std::nullopt;
    DrawingRaster raster;
    raster.nWidth = reader.U32();
    raster.nHeight = reader.U32();
    raster.nFormat = reader.U32();
    raster.nBytesPerLine = reader.U32();
    raster.nPixelBytes = reader.U32();
    const std::uint32_t colours = reader.U32();
    if (!reader.Ok() || !SaneRaster(raster))
        return std::nullopt;
    const bool indexed = raster.nPixelBytes == 1;
    if (indexed ? colours == 0 || colours > 256 : colours != 0)
        return std::nullopt;
    const std::string_view palette = reader.Take(std::size_t{colours} * 4);
    const std::string_view padding = reader.Take(PaddingAfter(body.size() - reader.Left()));
    const std::uint64_t pixelBytes = std::uint64_t{raster.nHeight} * raster.nBytesPerLine;
    if (!reader.Ok() || reader.Left() != pixelBytes ||
        padding.find_first_not_of('\0') != std::string_view::npos)
        return std::nullopt;
    raster.pixels = reader.Take(pixelBytes);
    std::uint64_t stored = 0;
    for (std::size_t i = 0; i < kChecksumSize; ++i)
        stored |= std::uint64_t{static_cast<unsigned char>(record[body.size() + i])} << (8 * i);
    if (stored != Checksum(body))
        return std::nullopt;
    Reader colourReader(palette);
    raster.colours.resize(colours);
    for (std::uint32_t& colour : raster.colours)
        colour = colourReader.U32();
    if (indexed && !IndexesInPalette(raster))
        return std::nullopt;
    return raster;
}
