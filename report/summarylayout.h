#pragma once

#include "richtext.h"
#include "texts.h"
#include "unitsettings.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

struct ProductIdentity;

// What the main window's header and summary panel show and where, in client pixels (origin
// top-left). Texts are Windows-1252. The window's layout says where the panel (its left edge P)
// and the diagram lie; the header positions are absolute.

// What the summary reads at drawing time; nothing of it is kept.
struct SummaryState {
    std::string szProductName;
    std::string szVersion;
    std::string szDbVersion;
    int nPanelLeft = 0; // P, the summary panel's left edge
    int nDiagramX = 0;  // where the circuit diagram is drawn
    int nDiagramY = 0;
    double dDiagramScale = 0.0; // the scale the circuit diagram was last drawn at
    double dN2Flow = 0.0;       // l/min, of the last successful calculation (0 before the first)
    bool bFlowValid = true;     // false while an input is invalid: the flow figure reads "---"
    UnitSettings units;
    TextLocale texts; // the language the labels and the flow line are composed in

    // The three identity texts; the numbers and units stay as they are.
    void SetIdentity(const ProductIdentity& identity);
};

// A text drawn with its top-left corner at (x, y) in Arial of cell height `height`.
struct SummaryText {
    std::string text;
    int x = 0;
    int y = 0;
    int height = 0;
    bool operator==(const SummaryText&) const = default;
};

struct MarkerPoint {
    int x;
    int y;
    bool operator==(const MarkerPoint&) const = default;
};

// The diagram points A to D in pixels of the circuit diagram bitmap (1401 x 1926): heat load,
// evaporating, condensing and return gas temperature.
constexpr std::array<MarkerPoint, 4> MarkerPoints{
    {{1100, 390}, {1100, 88}, {1100, 850}, {1020, 1700}}};
constexpr int kMarkerDiameter = 20;

// A marker disc to draw: its centre and the letter index (0 "A", 1 "B", ...).
struct MarkerPlacement {
    int cx = 0;
    int cy = 0;
    int nIndex = 0;
    bool operator==(const MarkerPlacement&) const = default;
};

// What a marker of diameter d centred on (cx, cy) is made of: the circle's bounding square
// (left, top, d, d), its letter and where that letter's cell starts, in Arial of cell height
// d - 6. A marker smaller than 7 pixels has no room for a letter: letterHeight is then 0.
struct MarkerShape {
    int left = 0;
    int top = 0;
    int diameter = 0;
    std::string letter;
    int letterX = 0;
    int letterY = 0;
    int letterHeight = 0;
    bool operator==(const MarkerShape&) const = default;
};
MarkerShape ShapeMarker(int cx, int cy, int diameter, int index);

// The markers beside the heat load, evaporating, condensing and return gas rows.
std::array<MarkerPlacement, 4> RowMarkers(int panelLeft);
// The markers on the diagram drawn at (originX, originY) with `dDiagramScale`: each point
// scaled, moved by the origin and truncated towards zero.
std::array<MarkerPlacement, 4> DiagramMarkers(double dDiagramScale, int originX, int originY);

// "Flow Rate: 0.35 CFM (N_2 at delta p 145 psi)": the flow in the chosen flow unit (one decimal
// in l/min, two in CFM) and the test pressure of 10 bar in the chosen pressure unit. Without a
// flow the figure is "---": "Flow Rate: --- CFM (N_2 at delta p 145 psi)".
std::string FlowLineText(std::optional<double> dN2Flow, const UnitSettings& units,
                         const TextLocale& texts);

// The product name, the first thing drawn; its drawn width places the rest of the header.
SummaryText ProductNameText(const SummaryState& state);

// Everything after the product name, in drawing order. Before the markers the text colour
// changes to black.
struct SummaryPlan {
    std::array<SummaryText, 5> header; // "TM", "Version", version, "Database", database version
    std::array<SummaryText, 2> titles; // "Input Data", "Capillary Tube Recommendation"
    std::string flowLine;              // rich text, left-aligned in flowBox
    Rect flowBox;
    SummaryText hint;                   // "Optimal selection is highlighted in green."
    std::array<SummaryText, 10> inputs; // label then unit of each of the five input rows
    std::array<MarkerPlacement, 4> rowMarkers;
    std::array<MarkerPlacement, 4> diagramMarkers;
};

// `productNameWidth` is the width the product name was drawn with in its 32-pixel font.
SummaryPlan PlanSummary(const SummaryState& state, int productNameWidth);

// Everything the header and panel show, unmeasured: every text with its place and height, the
// flow line and its box, the markers and the diagram's scale. Two states with the same print
// paint the same pixels in the same fonts, so a painted panel can be kept under its print.
std::string SummaryPrint(const SummaryState& state);

// Everything the header and panel draw, in drawing order, measured and placed at once so that a
// painter only has to draw it: the product name; the plan, placed after the name's width as
// `measure` gives it in the name's font; the flow line laid out in its box, left-aligned; and the
// shapes of the markers, A to D beside the rows and then A to D on the diagram.
struct SummaryDrawing {
    SummaryText productName;
    SummaryPlan plan;
    RichTextLayout flowLine;
    std::array<MarkerShape, 8> markers;
};
SummaryDrawing PlanSummaryDrawing(const SummaryState& state, const TextMeasurer& measure);

// One thing a screen reader reads of the header and panel: its text without markup, and where
// it is painted, as the painted texts it is made of or, for the flow line, the box it is drawn
// in (pieces then empty). An input row's text is the label of that row's control.
struct SummaryReading {
    std::string text; // Windows-1252; pieces joined by a blank
    std::vector<SummaryText> pieces;
    Rect box;
    int nInputRow = -1; // 0 the refrigerant, 1 to 4 heat load to return gas temperature
    bool operator==(const SummaryReading&) const = default;
};

// What the header and panel say, in reading order: the product name, "Version" and version,
// "Database" and its version, "Input Data", the five input rows (label and unit), the second
// title, the flow line, the hint.
constexpr std::size_t kSummaryReadingCount = 12;
constexpr std::size_t kFlowLineReading = 10;
std::array<SummaryReading, kSummaryReadingCount> ReadSummary(const SummaryState& state,
                                                             const SummaryPlan& plan);
// The label of input row `row` (0 the refrigerant, 1 to 4 heat load to return gas temperature).
const std::string& InputLabel(const SummaryPlan& plan, int row);
