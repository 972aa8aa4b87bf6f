#include "buttonshade.h"

#include "graingenerator.h"

#include <algorithm>

namespace {

// Entries 0 to 128 run from dark to mid, entries 128 to 255 from mid to light (128 is written
// twice, the second time one step toward light).
void SetGradientPalette(CShadeDib& dib, COLORREF light, COLORREF mid, COLORREF dark) {
    const auto mix = [](COLORREF from, COLORREF to, int i) {
        const auto channel = [i](int a, int b) { return ((128 - i) * a + i * b) / 128; };
        return RGB(channel(GetRValue(from), GetRValue(to)), channel(GetGValue(from), GetGValue(to)),
                   channel(GetBValue(from), GetBValue(to)));
    };
    const auto set = [&dib](int index, COLORREF c) {
        dib.SetPaletteIndex(index, GetRValue(c), GetGValue(c), GetBValue(c));
    };
    for (int i = 0; i <= 128; ++i)
        set(i, mix(dark, mid, i));
    for (int i = 1; i <= 128; ++i)
        set(127 + i, mix(mid, light, i));
}

// Alternating entries 0 and 255 along a one-pixel line; pixel i from the left of a row, or
// from the bottom of a column, is 0 for even i.
void SetDottedLine(CShadeDib& line) {
    const int length = std::max(line.Width(), line.Height());
    const int step = line.Width() > 1 ? 1 : line.Stride();
    for (int i = 0; i < length; ++i)
        line.Bits()[i * step] = i % 2 == 0 ? 0 : 255;
}

// The pixel loops of the effects over an 8-bit face, with the names the formulas use: g the
// granularity, hi and lo the highest and lowest level, w and h the size. x counts columns from
// the left, y rows from the bottom (the storage order); every division truncates toward zero
// and every value is stored modulo 256.
struct FaceFill {
    FaceFill(CShadeDib& dib, int granularity, GrainGenerator& generator)
        : face(dib), grain(generator), g(granularity), hi(255 - granularity), lo(granularity),
          w(dib.Width()), h(dib.Height()), divisor(32767 / std::max(1, 2 * granularity)) {}

    void Run(int effect) {
        switch (effect) {
        case 1:
            Diagonal();
            break;
        case 2:
            HorizontalShade();
            break;
        case 3:
            VerticalShade();
            break;
        case 4:
            HorizontalBump(128 - g);
            break;
        case 5:
            VerticalBump();
            break;
        case 6:
            SoftBump();
            break;
        case 7:
            HardBump();
            break;
        case 8:
            Metal();
            break;
        default:
            PlainGrain();
            break;
        }
    }

    // A grain term, 0 to about 2g, from a fresh random number.
    int Grain() { return grain.Next() / divisor; }
    int Get(int x, int y) const { return face.Bits()[y * face.Stride() + x]; }
    void Set(int x, int y, int value) {
        face.Bits()[y * face.Stride() + x] = static_cast<std::uint8_t>(value);
    }
    // A bump's level for t from -127 to 128 with amplitude `amp`: a cubic around 128.
    static int BumpLevel(int t, int amp) { return amp * (t * t * t / 128 / 128) / 128 + 128; }

    void PlainGrain() {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                Set(x, y, Grain() + 128 - g);
    }
    void Diagonal() {
        const int a = (hi - lo) / 2;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                Set(x, y, a * y / h + lo + (w - x) * a / w + Grain() - g);
    }
    void HorizontalShade() {
        for (int y = 0; y < h; ++y) {
            const int level = (hi - lo) * y / h + lo;
            for (int x = 0; x < w; ++x)
                Set(x, y, level + Grain() - g);
        }
    }
    // Light at the left, dark at the right; columns outer, so the grain runs up each column.
    void VerticalShade() {
        for (int x = 0; x < w; ++x) {
            const int level = (w - x) * (hi - lo) / w + lo;
            for (int y = 0; y < h; ++y)
                Set(x, y, level + Grain() - g);
        }
    }
    void HorizontalBump(int amp) {
        for (int y = 0; y < h; ++y) {
            const int level = BumpLevel(y * 255 / h - 127, amp);
            for (int x = 0; x < w; ++x)
                Set(x, y, level + Grain() - g);
        }
    }
    void VerticalBump() {
        for (int x = 0; x < w; ++x) {
            const int level = BumpLevel((w - x) * 255 / w - 127, 128 - g);
            for (int y = 0; y < h; ++y)
                Set(x, y, level + Grain() - g);
        }
    }
    void SoftBump() {
        for (int y = 0; y < h; ++y) {
            const int ty = y * 255 / h - 127;
            for (int x = 0; x < w; ++x) {
                const int tx = (w - x) * 255 / w - 127;
                const int q = ty * ty * ty / 128 / 128 + tx * tx * tx / 128 / 128;
                const int level = std::clamp((128 - g) * q / 128 + 128, lo, hi);
                Set(x, y, level + Grain() - g);
            }
        }
    }
    // The horizontal bump at double depth, then hard rounded edges left and right and a second
    // grain over every pixel. A face narrower than 6 pixels or lower than 2 has no room for the
    // edges and keeps the bump.
    void HardBump() {
        HorizontalBump(128 - 2 * g);
        const int k = std::min(w / 6, 16);
        const int a = h * h / 4;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                int pixel = Get(x, y);
                if (k > 0 && a > 0) {
                    const int dy = y - h / 2;
                    const int dx = x - w / 2;
                    const int e = w / 2 - k + dy * dy * k / a;
                    if (dx > e)
                        pixel = (w - x) * 128 / k % 256 + lo;
                    if (dx + e < 0)
                        pixel = hi - x * 128 / k % 256;
                }
                Set(x, y, pixel + Grain() - g);
            }
        }
    }
    // 200 short diagonal strokes of shades 0 to 39 on black, then a diagonal ramp and grain.
    void Metal() {
        face.Clear(0);
        const auto per = [](int span) { return std::max(1, 32767 / std::max(1, span)); };
        for (int stroke = 0; stroke < 200; ++stroke) {
            const int x = grain.Next() / per(w);
            const int y = grain.Next() / per(h); // counted from the top, as SetPixelIndex's
            const int length = grain.Next() / per(std::min(w, h)) / 2;
            const int shade = grain.Next() / per(40);
            for (int i = 0; i < length; ++i) {
                if (x - i > 0 && y + i < h)
                    face.SetPixelIndex(x - i, y + i, shade);
                if (x + i < w && y - i > 0)
                    face.SetPixelIndex(w - x + i, y - i, shade);
            }
        }
        const int a = (hi - lo - 40) / 2;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                Set(x, y, Get(x, y) + a * y / h + (w - x) * a / w + Grain());
    }

    CShadeDib& face;
    GrainGenerator& grain;
    const int g;
    const int hi;
    const int lo;
    const int w;
    const int h;
    const int divisor; // G: the grain term is a random number divided by it
};

} // namespace

void ButtonShade::Make(const ShadeParams& params, int width, int height, int border,
                       GrainGenerator& grain) {
    const bool made = m_normal.Create(width, height, 8) &&
                      m_focusHorizontal.Create(std::max(1, width - 2 * border - 1), 1, 8) &&
                      m_focusVertical.Create(1, std::max(1, height - 2 * border), 8);
    if (!made) {
        *this = ButtonShade();
        return;
    }
    m_params = params;
    for (CShadeDib* dib : {&m_focusHorizontal, &m_focusVertical, &m_normal})
        SetGradientPalette(*dib, params.lightColor, params.midColor, params.darkColor);
    m_normal.BlendPalette(params.color, params.coloring);
    SetDottedLine(m_focusHorizontal);
    SetDottedLine(m_focusVertical);
    FaceFill(m_normal, params.granularity, grain).Run(params.effect);
    m_hover.Clone(m_normal);
    m_hover.BlendPalette(params.lightColor, params.highlight);
    m_pressed.Clone(m_hover);
}
