#pragma once

#include "rect.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// One line of text with a small markup: "^" raises and "_" lowers the single character that
// follows it; "^^" and "__" stand for one literal marker character. The line is measured and
// laid out here with a measuring function handed in, so the surface that draws it only has to
// draw the runs at the places given.

enum RichTextAlign { RichTextLeft = 0, RichTextCentre = 1, RichTextRight = 2 };

enum class RichScript { None, Raised, Lowered };

// A font request: face, width (0 lets the font system choose), cell height in pixels, weight
// and pitch-and-family.
struct PanelFontSpec {
    std::string face = "Arial";
    int width = 0;
    int height = 16;
    int weight = 400;
    int pitchAndFamily = 1;
    bool operator==(const PanelFontSpec&) const = default;
};

// The base font the flow line is drawn in: Arial, cell height 16.
PanelFontSpec RichTextBaseFont();

// A segment of the text: a plain part in the base font, then, when `script` is not None, one
// character in the script font.
struct RichTextSegment {
    std::string plain;
    RichScript script = RichScript::None;
    char scriptChar = 0;
    bool operator==(const RichTextSegment&) const = default;
};

// The segments in order. The last one always ends without a script character (its plain part
// may be empty); a lone marker at the very end is dropped.
std::vector<RichTextSegment> TokenizeRichText(std::string_view text);

// The text as it reads without its markup: every script character in line with the plain parts
// ("N_2" reads "N2"), a doubled marker as the one character it stands for.
std::string PlainRichText(std::string_view text);

// Width and cell height of a text in a font, in pixels.
struct TextExtent {
    int width = 0;
    int height = 0;
};
using TextMeasurer = std::function<TextExtent(std::string_view text, const PanelFontSpec& font)>;

// The fonts and offsets derived from the base font's description (cell height h, width wd):
// the script font has cell height 2*floor(h/3) and width floor(wd/2); a raised character sits
// floor(h/3) above the line's bottom, a lowered one floor(h/6) below it, each after a gap of
// floor(wd/2).
struct RichTextMetrics {
    PanelFontSpec base;
    PanelFontSpec script;
    int raise = 0;
    int drop = 0;
    int gap = 0;
};
RichTextMetrics DeriveRichTextMetrics(const PanelFontSpec& base);

// One piece of text to draw: x is its left edge, y the bottom of its character cell.
struct RichTextRun {
    std::string text;
    bool bScript = false; // drawn in the script font, else in the base font
    int x = 0;
    int y = 0;
    bool operator==(const RichTextRun&) const = default;
};

struct RichTextLayout {
    RichTextMetrics metrics;
    // The measured line box relative to a bottom of 0: top is minus the tallest plain part's
    // cell height, bottom is 2*floor(h/6), width the sum of every part's width and gap.
    Rect lineBox;
    int x = 0; // where the line starts, and the bottom of its plain parts
    int y = 0;
    std::vector<RichTextRun> runs; // empty plain parts are left out: they draw nothing
    Rect clip;                     // the target box; every run is clipped to it
};

// Lays out `text` in `box` with the alignment (0 left, 1 centred, 2 right; any other value is
// taken as left). `measure` is asked for the width and height of every plain part in the base
// font and every script character in the script font.
RichTextLayout LayoutRichText(std::string_view text, const Rect& box, int alignment,
                              const TextMeasurer& measure,
                              const PanelFontSpec& base = RichTextBaseFont());
