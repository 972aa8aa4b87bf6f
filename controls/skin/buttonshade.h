#pragma once

#include "colour.h"
#include "shadedib.h"

#include <cstdint>

class GrainGenerator;

// How a shaded button looks: the pattern of its face, the grain, how much lighter its hover face
// is and how strongly its palette leans toward `color`; the palette runs from darkColor through
// midColor to lightColor.
struct ShadeParams {
    // 0 plain grain, 1 diagonal, 2 horizontal shade, 3 vertical shade, 4 horizontal bump,
    // 5 vertical bump, 6 soft bump, 7 hard bump, 8 metal; any other value is plain grain.
    int effect = 0;
    std::uint8_t granularity = 0; // the grain spans about +- this many palette entries
    std::uint8_t highlight = 0;   // percent toward lightColor of the hover face
    std::uint8_t coloring = 0;    // percent toward color of the normal face's palette
    COLORREF color = 0;
    COLORREF lightColor = 0;
    COLORREF midColor = 0;
    COLORREF darkColor = 0;
};

// The images of a shaded button, made once for its size: the normal face, the lighter hover
// face, the pressed face (the hover face's copy) and the two dotted focus lines, which keep the
// untinted palette (entry 0 the dark colour, 255 the light one).
class ButtonShade {
public:
    // Builds every image for a width x height button whose focus frame lies `border` pixels in.
    // Draws one grain number per face pixel from `grain` (effect 7 two, effect 8 another 800
    // for its strokes). Nothing is made for a size below 1.
    void Make(const ShadeParams& params, int width, int height, int border, GrainGenerator& grain);

    // The look the images were last made with.
    const ShadeParams& Params() const { return m_params; }
    const CShadeDib& Normal() const { return m_normal; }
    const CShadeDib& Hover() const { return m_hover; }
    const CShadeDib& Pressed() const { return m_pressed; }
    // One row, max(1, width - 2 x border - 1) long, and one column, max(1, height - 2 x border)
    // high, of alternating entries 0 and 255, starting with 0 at the left and at the bottom.
    const CShadeDib& FocusHorizontal() const { return m_focusHorizontal; }
    const CShadeDib& FocusVertical() const { return m_focusVertical; }

private:
    ShadeParams m_params;
    CShadeDib m_normal;
    CShadeDib m_hover;
    CShadeDib m_pressed;
    CShadeDib m_focusHorizontal;
    CShadeDib m_focusVertical;
};
