#include "shadedib.h"

#include <algorithm>

namespace {

void PutLittleEndian(std::uint8_t* at, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

int RoundedDepth(int bitsPerPixel) {
    if (bitsPerPixel <= 1)
        return 1;
    if (bitsPerPixel <= 4)
        return 4;
    return bitsPerPixel <= 8 ? 8 : 24;
}

} // namespace

bool CShadeDib::Create(int width, int height, int bitsPerPixel) {
    m_storage.clear();
    m_storage.shrink_to_fit();
    m_width = m_height = m_bitsPerPixel = m_stride = 0;
    if (width < 1 || height < 1)
        return false;
    m_width = width;
    m_height = height;
    m_bitsPerPixel = RoundedDepth(bitsPerPixel);
    m_stride = (width * m_bitsPerPixel + 31) / 32 * 4;
    const auto imageSize =
        static_cast<std::uint32_t>(height) * static_cast<std::uint32_t>(m_stride);
    m_storage.assign(static_cast<std::size_t>(PixelOffset()) + imageSize, 0);
    std::uint8_t* header = m_storage.data();
    PutLittleEndian(header, kHeaderSize, 4);
    PutLittleEndian(header + 4, static_cast<std::uint32_t>(width), 4);
    PutLittleEndian(header + 8, static_cast<std::uint32_t>(height), 4);
    PutLittleEndian(header + 12, 1, 2); // planes
    PutLittleEndian(header + 14, static_cast<std::uint32_t>(m_bitsPerPixel), 2);
    PutLittleEndian(header + 20, imageSize, 4); // after the compression field, which stays 0
    return true;
}

bool CShadeDib::Clone(const CShadeDib& source) {
    if (!source.IsValid()) {
        Create(0, 0, 0); // releases the storage
        return false;
    }
    *this = source;
    return true;
}

int CShadeDib::PaletteSize() const {
    switch (m_bitsPerPixel) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

void CShadeDib::SetPaletteIndex(int index, int r, int g, int b) {
    if (!IsValid() || index < 0 || index >= PaletteSize())
        return;
    std::uint8_t* entry = m_storage.data() + kHeaderSize + 4 * index;
    entry[0] = static_cast<std::uint8_t>(b);
    entry[1] = static_cast<std::uint8_t>(g);
    entry[2] = static_cast<std::uint8_t>(r);
    entry[3] = 0;
}

COLORREF CShadeDib::PaletteEntry(int index) const {
    if (!IsValid() || index < 0 || index >= PaletteSize())
        return 0;
    const std::uint8_t* entry = m_storage.data() + kHeaderSize + 4 * index;
    return RGB(entry[2], entry[1], entry[0]);
}

void CShadeDib::BlendPalette(COLORREF colour, int percent) {
    percent = std::min(percent, 100);
    const auto mix = [percent](int entry, int channel) {
        return (entry * (100 - percent) + channel * percent) / 100;
    };
    for (int i = 0; i < PaletteSize(); ++i) {
        const COLORREF entry = PaletteEntry(i);
        SetPaletteIndex(i, mix(GetRValue(entry), GetRValue(colour)),
                        mix(GetGValue(entry), GetGValue(colour)),
                        mix(GetBValue(entry), GetBValue(colour)));
    }
}

long CShadeDib::ByteOffset(int x, int y) const {
    if (!IsValid() || x < 0 || y < 0 || x >= m_width || y >= m_height)
        return -1;
    const long row = m_height - 1 - y;
    return PixelOffset() + row * m_stride + x * m_bitsPerPixel / 8;
}

void CShadeDib::SetPixelIndex(int x, int y, int index) {
    const long offset = ByteOffset(x, y);
    if (offset < 0)
        return;
    std::uint8_t* at = m_storage.data() + offset;
    const auto value = static_cast<std::uint8_t>(index);
    switch (m_bitsPerPixel) {
    case 1: {
        const int bit = 7 - x % 8;
        *at = static_cast<std::uint8_t>((*at & ~(1 << bit)) | (value & 1) << bit);
        break;
    }
    case 4:
        *at = x % 2 == 0 ? static_cast<std::uint8_t>((*at & 0x0F) | (value & 0x0F) << 4)
                         : static_cast<std::uint8_t>((*at & 0xF0) | (value & 0x0F));
        break;
    case 8:
        *at = value;
        break;
    default: // 24 bits have no palette indexes
        break;
    }
}

int CShadeDib::PixelIndex(int x, int y) const {
    const long offset = ByteOffset(x, y);
    if (offset < 0)
        return 0;
    const std::uint8_t* at = m_storage.data() + offset;
    switch (m_bitsPerPixel) {
    case 1:
        return *at >> (7 - x % 8) & 1;
    case 4:
        return x % 2 == 0 ? *at >> 4 : *at & 0x0F;
    case 8:
        return *at;
    default:
        return 0;
    }
}

COLORREF CShadeDib::PixelColour(int x, int y) const {
    if (m_bitsPerPixel == 24) {
        const long offset = ByteOffset(x, y);
        if (offset < 0)
            return 0;
        const std::uint8_t* at = m_storage.data() + offset;
        return RGB(at[2], at[1], at[0]);
    }
    return PaletteEntry(PixelIndex(x, y));
}

void CShadeDib::Clear(int value) {
    if (IsValid())
        std::fill(Bits(), Bits() + m_height * m_stride, static_cast<std::uint8_t>(value));
}
