// The flow line's markup and layout, measured by a fake: every character of a font is
// font.width pixels wide, or height / 2 when the width is 0 (8 in the 16-pixel base font, 5 in
// its 10-pixel script font), and every text is one cell of the font's height tall.
#include "richtext.h"

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

// Readable failures.
void PrintTo(const RichTextSegment& s, std::ostream* os) {
    *os << '"' << s.plain << '"';
    if (s.script != RichScript::None) {
        *os << (s.script == RichScript::Raised ? " ^" : " _") << s.scriptChar;
    }
}
void PrintTo(const RichTextRun& r, std::ostream* os) {
    *os << '"' << r.text << '"' << (r.bScript ? " script" : "") << " at (" << r.x << ", " << r.y
        << ')';
}
void PrintTo(const Rect& b, std::ostream* os) {
    *os << '(' << b.left << ", " << b.top << ")-(" << b.right << ", " << b.bottom << ')';
}
void PrintTo(const PanelFontSpec& f, std::ostream* os) {
    *os << f.face << ' ' << f.width << 'x' << f.height;
}

namespace {

struct MeasureCall {
    std::string text;
    PanelFontSpec font;
    bool operator==(const MeasureCall&) const = default;
};

struct FakeMeasurer {
    std::vector<MeasureCall> calls;
    std::map<std::string, int> plainHeights; // overrides the cell height of a text

    TextMeasurer Function() {
        return [this](std::string_view text, const PanelFontSpec& font) {
            calls.push_back({std::string(text), font});
            const int perChar = font.width > 0 ? font.width : font.height / 2;
            const auto height = plainHeights.find(std::string(text));
            return TextExtent{static_cast<int>(text.size()) * perChar,
                              height != plainHeights.end() ? height->second : font.height};
        };
    }
};

RichTextSegment Plain(std::string text) {
    return {std::move(text), RichScript::None, 0};
}
RichTextSegment Low(std::string text, char c) {
    return {std::move(text), RichScript::Lowered, c};
}
RichTextSegment High(std::string text, char c) {
    return {std::move(text), RichScript::Raised, c};
}

// Runs relative to the line's start (x0, y0).
RichTextRun Base(std::string text, int dx) {
    return {std::move(text), false, dx, 0};
}
RichTextRun Script(char c, int dx, int dy) {
    return {std::string(1, c), true, dx, dy};
}

struct MarkupCase {
    const char* name;
    std::string text;
    std::vector<RichTextSegment> segments;
    std::vector<RichTextRun> runs; // relative to the line's start
    int lineWidth;
};

// Base characters are 8 wide, script ones 5; a lowered character sits 2 below the line's
// bottom, a raised one 5 above it.
const std::vector<MarkupCase> kMarkupCases = {
    {"Subscript", "N_2", {Low("N", '2'), Plain("")}, {Base("N", 0), Script('2', 8, 2)}, 13},
    {"Superscript", "m^3", {High("m", '3'), Plain("")}, {Base("m", 0), Script('3', 8, -5)}, 13},
    {"OnlyTheNextCharacterIsLowered",
     "H_2O",
     {Low("H", '2'), Plain("O")},
     {Base("H", 0), Script('2', 8, 2), Base("O", 13)},
     21},
    {"OnlyTheFirstOfTwoIsLowered",
     "x_ab",
     {Low("x", 'a'), Plain("b")},
     {Base("x", 0), Script('a', 8, 2), Base("b", 13)},
     21},
    {"DoubledRaiseIsLiteral", "a^^b", {Plain("a^b")}, {Base("a^b", 0)}, 24},
    {"DoubledLowerIsLiteral", "a__b", {Plain("a_b")}, {Base("a_b", 0)}, 24},
    {"DoubledMarkerAtTheEnd", "a^^", {Plain("a^")}, {Base("a^", 0)}, 16},
    {"TrailingLoneLowerDropped", "x_", {Plain("x")}, {Base("x", 0)}, 8},
    {"TrailingLoneRaiseDropped", "x^", {Plain("x")}, {Base("x", 0)}, 8},
    {"LoneMarkerDrawsNothing", "_", {Plain("")}, {}, 0},
    {"EmptyTextDrawsNothing", "", {Plain("")}, {}, 0},
    {"MarkerAfterMarkerIsTheScript",
     "a_^b",
     {Low("a", '^'), Plain("b")},
     {Base("a", 0), Script('^', 8, 2), Base("b", 13)},
     21},
    {"RaisedLowerMarker",
     "a^_",
     {High("a", '_'), Plain("")},
     {Base("a", 0), Script('_', 8, -5)},
     13},
    {"BlankIsAScriptCharacter",
     "a^ b",
     {High("a", ' '), Plain("b")},
     {Base("a", 0), Script(' ', 8, -5), Base("b", 13)},
     21},
    {"LiteralThenLowered",
     "___2",
     {Low("_", '2'), Plain("")},
     {Base("_", 0), Script('2', 8, 2)},
     13},
    {"LiteralRaiseThenLowered",
     "^^_x",
     {Low("^", 'x'), Plain("")},
     {Base("^", 0), Script('x', 8, 2)},
     13},
    {"ScriptsBackToBack",
     "x^2_3",
     {High("x", '2'), Low("", '3'), Plain("")},
     {Base("x", 0), Script('2', 8, -5), Script('3', 13, 2)},
     18},
    {"LiteralKeepsThePlainPartGoing",
     "a^^b_c d",
     {Low("a^b", 'c'), Plain(" d")},
     {Base("a^b", 0), Script('c', 24, 2), Base(" d", 29)},
     45},
    {"ScriptAtTheStart", "_2N", {Low("", '2'), Plain("N")}, {Script('2', 0, 2), Base("N", 5)}, 13},
    {"NoMarkup", "Flow", {Plain("Flow")}, {Base("Flow", 0)}, 32},
};

class RichTextMarkup : public ::testing::TestWithParam<MarkupCase> {};

TEST_P(RichTextMarkup, Segments) {
    EXPECT_EQ(TokenizeRichText(GetParam().text), GetParam().segments);
}

TEST_P(RichTextMarkup, RunsAndLineBox) {
    const MarkupCase& c = GetParam();
    FakeMeasurer fake;
    const RichTextLayout layout =
        LayoutRichText(c.text, {100, 272, 394, 293}, RichTextLeft, fake.Function());
    EXPECT_EQ(layout.lineBox, (Rect{0, -16, c.lineWidth, 4}));
    std::vector<RichTextRun> relative = layout.runs;
    for (RichTextRun& run : relative) {
        run.x -= layout.x;
        run.y -= layout.y;
    }
    EXPECT_EQ(relative, c.runs);
}

INSTANTIATE_TEST_SUITE_P(Cases, RichTextMarkup, ::testing::ValuesIn(kMarkupCases),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(RichText, PlainTextReadsScriptsInLine) {
    EXPECT_EQ(PlainRichText("Flow (N_2 at 10 m^3) a^^b__c_"), "Flow (N2 at 10 m3) a^b_c");
}

TEST(RichTextLayout, DerivesTheScriptFontFromTheBaseFont) {
    const RichTextMetrics standard = DeriveRichTextMetrics(RichTextBaseFont());
    EXPECT_EQ(standard.base, (PanelFontSpec{"Arial", 0, 16, 400, 1}));
    EXPECT_EQ(standard.script, (PanelFontSpec{"Arial", 0, 10, 400, 1}));
    EXPECT_EQ(standard.raise, 5);
    EXPECT_EQ(standard.drop, 2);
    EXPECT_EQ(standard.gap, 0);

    const RichTextMetrics wide = DeriveRichTextMetrics({"Arial", 9, 31, 700, 1});
    EXPECT_EQ(wide.script, (PanelFontSpec{"Arial", 4, 20, 700, 1}));
    EXPECT_EQ(wide.raise, 10);
    EXPECT_EQ(wide.drop, 5);
    EXPECT_EQ(wide.gap, 4);
}

TEST(RichTextLayout, MeasuresPlainPartsInTheBaseFontAndScriptsInTheScriptFont) {
    FakeMeasurer fake;
    LayoutRichText("N_2", {0, 0, 100, 20}, RichTextLeft, fake.Function());
    const PanelFontSpec base = RichTextBaseFont();
    PanelFontSpec script = base;
    script.height = 10;
    EXPECT_EQ(fake.calls, (std::vector<MeasureCall>{{"N", base}, {"2", script}, {"", base}}));
}

TEST(RichTextLayout, GapPrecedesEveryScriptCharacterOfAWideBaseFont) {
    FakeMeasurer fake;
    // Base characters 9 wide, script ones 4, gap 4; raise 10, drop 5.
    const RichTextLayout layout = LayoutRichText("a_bc^d", {0, 0, 200, 40}, RichTextLeft,
                                                 fake.Function(), {"Arial", 9, 31, 400, 1});
    const int x = layout.x;
    const int y = layout.y;
    EXPECT_EQ(layout.runs, (std::vector<RichTextRun>{{"a", false, x, y},
                                                     {"b", true, x + 13, y + 5},
                                                     {"c", false, x + 17, y},
                                                     {"d", true, x + 30, y - 10}}));
    EXPECT_EQ(layout.lineBox, (Rect{0, -31, 34, 10}));
}

TEST(RichTextLayout, TallestPlainPartSetsTheLineHeightScriptsNever) {
    FakeMeasurer fake;
    fake.plainHeights = {{"a", 12}, {"bb", 19}, {"c", 15}, {"", 3}};
    fake.plainHeights["x"] = 40; // a script character: ignored for the height
    const RichTextLayout layout =
        LayoutRichText("a_xbb^xc", {0, 0, 300, 50}, RichTextLeft, fake.Function());
    EXPECT_EQ(layout.lineBox.top, -19);
    EXPECT_EQ(layout.lineBox.bottom, 4);
}

struct PlacementCase {
    const char* name;
    std::string text;
    Rect box;
    int alignment;
    int x;
    int y;
};

// Line boxes are 20 high (16 + 4); "N_2" is 13 wide, "ab" 16.
const std::vector<PlacementCase> kPlacementCases = {
    // The flow line's box: (P+6, 272)-(P+300, 293) for P = 94.
    {"FlowBoxLeft", "N_2", {100, 272, 394, 293}, RichTextLeft, 100, 292},
    {"FlowBoxCentred", "N_2", {100, 272, 394, 293}, RichTextCentre, 241, 292},
    {"FlowBoxRight", "N_2", {100, 272, 394, 293}, RichTextRight, 381, 292},
    {"UnknownAlignmentIsLeft", "N_2", {100, 272, 394, 293}, 7, 100, 292},
    {"OddBoxWidthCentred", "ab", {0, 10, 31, 30}, RichTextCentre, 7, 30},
    {"BoxLowerThanTheLine", "ab", {5, 100, 50, 108}, RichTextLeft, 5, 114},
    {"TooWideForTheBoxRight", "abcdefgh", {10, 0, 40, 20}, RichTextRight, -24, 20},
    {"TooWideForTheBoxCentred", "abcdefgh", {10, 0, 40, 20}, RichTextCentre, -7, 20},
    {"EmptyTextCentred", "", {0, 0, 40, 20}, RichTextCentre, 20, 20},
};

class RichTextPlacement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(RichTextPlacement, StartOfTheLine) {
    const PlacementCase& c = GetParam();
    FakeMeasurer fake;
    const RichTextLayout layout = LayoutRichText(c.text, c.box, c.alignment, fake.Function());
    EXPECT_EQ(layout.x, c.x);
    EXPECT_EQ(layout.y, c.y);
    EXPECT_EQ(layout.clip, c.box);
    if (!layout.runs.empty()) {
        EXPECT_EQ(layout.runs.front().x, c.x);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, RichTextPlacement, ::testing::ValuesIn(kPlacementCases),
                         [](const auto& row) { return std::string(row.param.name); });

} // namespace
