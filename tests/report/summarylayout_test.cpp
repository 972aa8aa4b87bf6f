// Where the header, the panel texts and the markers go, and the flow line's text.
#include "summarylayout.h"

#include "identity.h"
#include "mainlayout.h"
#include "richtext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

void PrintTo(const SummaryText& t, std::ostream* os) {
    *os << '"' << t.text << "\" at (" << t.x << ", " << t.y << ") h " << t.height;
}
void PrintTo(const MarkerPlacement& m, std::ostream* os) {
    *os << static_cast<char>('A' + m.nIndex) << " at (" << m.cx << ", " << m.cy << ')';
}

namespace {

using Markers = std::array<MarkerPlacement, 4>;

struct DiagramCase {
    const char* name;
    double dScale;
    Markers markers;
};

const std::vector<DiagramCase> kDiagramCases = {
    // 800 x 600: the height decides, s = 0.9 * 530 / 1926.
    {"Client800x600",
     0.9 * 530 / 1926,
     {{{287, 166, 0}, {287, 91, 1}, {287, 280, 2}, {267, 491, 3}}}},
    // 1500 x 900: s = 0.9 * 830 / 1926.
    {"Client1500x900",
     0.9 * 830 / 1926,
     {{{441, 221, 0}, {441, 104, 1}, {441, 399, 2}, {410, 729, 3}}}},
    {"HalfSize", 0.5, {{{565, 265, 0}, {565, 114, 1}, {565, 495, 2}, {525, 920, 3}}}},
    {"NaturalSize", 1.0, {{{1115, 460, 0}, {1115, 158, 1}, {1115, 920, 2}, {1035, 1770, 3}}}},
    // Before the first paint the scale is 0: every marker sits on the diagram's origin.
    {"NoDiagramYet", 0.0, {{{15, 70, 0}, {15, 70, 1}, {15, 70, 2}, {15, 70, 3}}}},
    // -0.07 and 0.93 truncate towards zero, not down.
    {"TruncatedTowardsZero", -0.0137, {{{0, 64, 0}, {0, 68, 1}, {0, 58, 2}, {1, 46, 3}}}},
};

class DiagramMarkerPositions : public ::testing::TestWithParam<DiagramCase> {};

TEST_P(DiagramMarkerPositions, FollowTheScaleFromTheDiagramOrigin) {
    EXPECT_EQ(DiagramMarkers(GetParam().dScale, MainLayout::kDiagramX, MainLayout::kDiagramY),
              GetParam().markers);
}

INSTANTIATE_TEST_SUITE_P(Scales, DiagramMarkerPositions, ::testing::ValuesIn(kDiagramCases),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(DiagramMarkers, FollowTheFittedDiagramOfTheLayout) {
    // A narrow, tall window caps the diagram's width: the markers close up with it.
    const MainLayout::DiagramFit fit = MainLayout::FitDiagram(1401, 1926, 700, 1400, 46);
    ASSERT_DOUBLE_EQ(fit.dScale, 304.0 / 1401);
    const Markers markers =
        DiagramMarkers(fit.dScale, MainLayout::kDiagramX, MainLayout::kDiagramY);
    EXPECT_EQ(markers[0], (MarkerPlacement{253, 154, 0}));
    EXPECT_EQ(markers[3], (MarkerPlacement{236, 438, 3}));
    for (const MarkerPlacement& m : markers) {
        EXPECT_LT(m.cx, fit.rect.right);
        EXPECT_LT(m.cy, fit.rect.bottom);
    }
}

TEST(DiagramMarkers, ScaleThatIsNoNumberStaysOnAnInt) {
    const Markers nan = DiagramMarkers(std::numeric_limits<double>::quiet_NaN(),
                                       MainLayout::kDiagramX, MainLayout::kDiagramY);
    EXPECT_EQ(nan[0], (MarkerPlacement{0, 0, 0}));
    const Markers huge = DiagramMarkers(1e300, MainLayout::kDiagramX, MainLayout::kDiagramY);
    EXPECT_EQ(huge[1].cx, std::numeric_limits<int>::max());
    const Markers negative = DiagramMarkers(-1e300, MainLayout::kDiagramX, MainLayout::kDiagramY);
    EXPECT_EQ(negative[2].cy, std::numeric_limits<int>::min());
}

TEST(RowMarkers, BesideTheFourInputRows) {
    EXPECT_EQ(RowMarkers(417),
              (Markers{{{437, 135, 0}, {437, 160, 1}, {437, 185, 2}, {437, 210, 3}}}));
}

TEST(ShapeMarker, DiscAndLetterOfATwentyPixelMarker) {
    const MarkerShape shape = ShapeMarker(100, 50, 20, 0);
    EXPECT_EQ(shape.left, 90);
    EXPECT_EQ(shape.top, 40);
    EXPECT_EQ(shape.diameter, 20);
    EXPECT_EQ(shape.letter, "A");
    EXPECT_EQ(shape.letterX, 97);
    EXPECT_EQ(shape.letterY, 43);
    EXPECT_EQ(shape.letterHeight, 14);
}

TEST(ShapeMarker, LettersOddDiametersAndTinyMarkers) {
    EXPECT_EQ(ShapeMarker(0, 0, 20, 1).letter, "B");
    EXPECT_EQ(ShapeMarker(0, 0, 20, 3).letter, "D");
    EXPECT_EQ(ShapeMarker(0, 0, 20, 25).letter, "Z");
    const MarkerShape odd = ShapeMarker(10, 10, 21, 2);
    EXPECT_EQ(odd.left, 0); // floor(21 / 2) = 10
    EXPECT_EQ(odd.letterHeight, 15);
    EXPECT_EQ(ShapeMarker(10, 10, 7, 0).letterHeight, 1);
    EXPECT_EQ(ShapeMarker(10, 10, 6, 0).letterHeight, 0); // no room for a letter
    EXPECT_EQ(ShapeMarker(10, 10, -3, 0).left, 12);       // floor(-3 / 2) = -2
}

struct FlowCase {
    const char* name;
    double dN2Flow;
    int unitsFlow;
    int unitsPressure;
    const char* text;
};

const std::vector<FlowCase> kFlowCases = {
    {"CfmAndPsi", 10.0, 0, 1, "Flow Rate: 0.35 CFM (N_2 at delta p 145 psi)"},
    {"LitresAndBar", 10.0, 1, 0, "Flow Rate: 10.0 l/min (N_2 at delta p 10 bar)"},
    {"LitresAndPsi", 12.34, 1, 1, "Flow Rate: 12.3 l/min (N_2 at delta p 145 psi)"},
    {"CfmAndBar", 100.0, 0, 0, "Flow Rate: 3.53 CFM (N_2 at delta p 10 bar)"},
    {"NoCalculationYetCfm", 0.0, 0, 1, "Flow Rate: 0.00 CFM (N_2 at delta p 145 psi)"},
    {"NoCalculationYetLitres", 0.0, 1, 0, "Flow Rate: 0.0 l/min (N_2 at delta p 10 bar)"},
};

class FlowLine : public ::testing::TestWithParam<FlowCase> {};

TEST_P(FlowLine, Text) {
    UnitSettings units;
    units.UnitsFlow = GetParam().unitsFlow;
    units.UnitsPressure = GetParam().unitsPressure;
    EXPECT_EQ(FlowLineText(GetParam().dN2Flow, units, TextLocale{}), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Units, FlowLine, ::testing::ValuesIn(kFlowCases),
                         [](const auto& row) { return std::string(row.param.name); });

SummaryState State(int clientWidth) {
    SummaryState state;
    state.szProductName = "Velnor";
    state.szVersion = "1.0 Beta";
    state.szDbVersion = "0.0.7";
    state.nPanelLeft = MainLayout::PanelLeft(clientWidth, MainLayout::RightMargin(clientWidth));
    state.nDiagramX = MainLayout::kDiagramX;
    state.nDiagramY = MainLayout::kDiagramY;
    state.dDiagramScale = 0.5;
    state.dN2Flow = 10.0;
    return state;
}

TEST(PlanSummary, WhileAnInputIsInvalidTheFlowLineHasNoFigure) {
    SummaryState state = State(800);
    state.bFlowValid = false;
    EXPECT_EQ(PlanSummary(state, 200).flowLine, "Flow Rate: --- CFM (N_2 at delta p 145 psi)");
}

TEST(PlanSummary, HeaderFollowsTheProductNamesWidth) {
    const SummaryState state = State(800);
    EXPECT_EQ(ProductNameText(state), (SummaryText{"Velnor", 10, 10, 32}));
    const SummaryPlan plan = PlanSummary(state, 200);
    EXPECT_EQ(plan.header, (std::array<SummaryText, 5>{{{"TM", 215, 10, 16},
                                                        {"Version", 270, 14, 14},
                                                        {"1.0 Beta", 330, 14, 14},
                                                        {"Database", 270, 30, 14},
                                                        {"0.0.7", 330, 30, 14}}}));
}

TEST(PlanSummary, EmptyProductNamePutsTheMarkRightOfTheStart) {
    SummaryState state = State(800);
    state.szProductName.clear();
    const SummaryPlan plan = PlanSummary(state, 0);
    EXPECT_EQ(plan.header[0].x, 15);
    EXPECT_EQ(plan.header[1].x, 70);
    EXPECT_EQ(plan.header[2].x, 130);
}

struct PanelCase {
    const char* name;
    int clientWidth;
    int panelLeft;
};

// The margin is 0 below a client width of 700.
const std::vector<PanelCase> kPanelCases = {
    {"Width699", 699, 369},
    {"Width700", 700, 324},
    {"Width800", 800, 417},
    {"Width1500", 1500, 1070},
};

class PanelTexts : public ::testing::TestWithParam<PanelCase> {};

TEST_P(PanelTexts, FromThePanelsLeftEdge) {
    const int P = GetParam().panelLeft;
    const SummaryPlan plan = PlanSummary(State(GetParam().clientWidth), 90);
    EXPECT_EQ(plan.titles,
              (std::array<SummaryText, 2>{
                  {{"Input Data", P, 74, 20}, {"Capillary Tube Recommendation", P, 255, 20}}}));
    EXPECT_EQ(plan.flowBox, (Rect{P + 6, 272, P + 300, 293}));
    EXPECT_EQ(plan.hint,
              (SummaryText{"Optimal selection is highlighted in green.", P + 6, 505, 12}));
    EXPECT_EQ(plan.rowMarkers, RowMarkers(P));
    EXPECT_EQ(plan.inputs[0], (SummaryText{"Refrigerant", P + 40, 100, 16}));
    EXPECT_EQ(plan.inputs[9].x, P + 280);
}

INSTANTIATE_TEST_SUITE_P(Widths, PanelTexts, ::testing::ValuesIn(kPanelCases),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(PlanSummary, InputRowsWithTheirUnits) {
    SummaryState state = State(800);
    const std::array<SummaryText, 10> expected{{
        {"Refrigerant", 457, 100, 16},
        {" ", 697, 100, 16},
        {"Heat load of the system", 457, 125, 16},
        {"Btu/hr", 697, 125, 16},
        {"Evaporating temperature", 457, 150, 16},
        {"\xBA"
         "F",
         697, 150, 16},
        {"Condensing temperature", 457, 175, 16},
        {"\xBA"
         "F",
         697, 175, 16},
        {"Return gas temperature", 457, 200, 16},
        {"\xBA"
         "F",
         697, 200, 16},
    }};
    EXPECT_EQ(PlanSummary(state, 0).inputs, expected);

    state.units.UnitsEnergy = 1;
    state.units.UnitsTemperature = 0;
    const SummaryPlan metric = PlanSummary(state, 0);
    EXPECT_EQ(metric.inputs[3].text, "W");
    EXPECT_EQ(metric.inputs[5].text, "\xBA"
                                     "C");
    EXPECT_EQ(metric.inputs[9].text, "\xBA"
                                     "C");
}

TEST(PlanSummary, FlowLineAndDiagramMarkersFromTheState) {
    SummaryState state = State(800);
    state.units.UnitsFlow = 1;
    state.units.UnitsPressure = 0;
    state.dN2Flow = 7.26;
    const SummaryPlan plan = PlanSummary(state, 0);
    EXPECT_EQ(plan.flowLine, "Flow Rate: 7.3 l/min (N_2 at delta p 10 bar)");
    EXPECT_EQ(plan.diagramMarkers,
              DiagramMarkers(0.5, MainLayout::kDiagramX, MainLayout::kDiagramY));
}

TEST(PlanSummaryDrawing, MeasuresOncePlacesEverythingAndShapesTheMarkersInDrawingOrder) {
    const SummaryState state = State(800);
    std::vector<std::string> measured;
    const TextMeasurer measure = [&measured](std::string_view text, const PanelFontSpec& font) {
        measured.emplace_back(text);
        return TextExtent{static_cast<int>(text.size()) * font.height / 2, font.height};
    };
    const SummaryDrawing drawing = PlanSummaryDrawing(state, measure);
    EXPECT_EQ(drawing.productName, ProductNameText(state));
    EXPECT_EQ(measured.front(), "Velnor");
    EXPECT_EQ(drawing.plan.header, PlanSummary(state, 6 * 16).header) << "after the name's width";
    EXPECT_EQ(drawing.flowLine.clip, drawing.plan.flowBox);
    EXPECT_EQ(drawing.flowLine.runs.size(), 3u) << "N_2 lowers the 2";
    EXPECT_EQ(drawing.markers[1],
              ShapeMarker(drawing.plan.rowMarkers[1].cx, drawing.plan.rowMarkers[1].cy, 20, 1));
    EXPECT_EQ(drawing.markers[7], ShapeMarker(drawing.plan.diagramMarkers[3].cx,
                                              drawing.plan.diagramMarkers[3].cy, 20, 3));
}

TEST(ReadSummary, HeaderPanelAndFlowLineAsTheyRead) {
    SummaryState state = State(800);
    state.units.UnitsFlow = 1;
    state.units.UnitsPressure = 0;
    state.dN2Flow = 7.26;
    state.szDbVersion = " 0.0.7 "; // the padding is not read
    const SummaryPlan plan = PlanSummary(state, 200);
    const auto reading = ReadSummary(state, plan);
    std::vector<std::string> texts;
    for (const SummaryReading& r : reading)
        texts.push_back(r.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"Velnor", "Version 1.0 Beta", "Database 0.0.7",
                                               "Input Data", "Refrigerant",
                                               "Heat load of the system " + plan.inputs[3].text,
                                               "Evaporating temperature " + plan.inputs[5].text,
                                               "Condensing temperature " + plan.inputs[7].text,
                                               "Return gas temperature " + plan.inputs[9].text,
                                               "Capillary Tube Recommendation",
                                               "Flow Rate: 7.3 l/min (N2 at delta p 10 bar)",
                                               "Optimal selection is highlighted in green."}));
    // Each is found where it is painted; an input row labels its control.
    EXPECT_EQ(reading[1].pieces, (std::vector<SummaryText>{plan.header[1], plan.header[2]}));
    EXPECT_EQ(reading[11].pieces, std::vector<SummaryText>{plan.hint});
    EXPECT_EQ(reading[5].nInputRow, 1);
    EXPECT_EQ(reading[0].nInputRow, -1);
    EXPECT_TRUE(reading[kFlowLineReading].pieces.empty());
    EXPECT_EQ(reading[kFlowLineReading].box, plan.flowBox);
    EXPECT_EQ(InputLabel(plan, 1), "Heat load of the system");
}

TEST(SummaryState, TakesTheIdentityTextsUpToTheirBuffers) {
    ProductIdentity identity;
    std::strcpy(identity.szProductName, "Velnor");
    std::strcpy(identity.szVersion, "1.2 Beta");
    // A buffer filled to its end without a terminator is taken whole, not read beyond.
    std::memset(identity.szDbVersion, '7', sizeof identity.szDbVersion);
    SummaryState state;
    state.dN2Flow = 3.0;
    state.SetIdentity(identity);
    EXPECT_EQ(state.szProductName, "Velnor");
    EXPECT_EQ(state.szVersion, "1.2 Beta");
    EXPECT_EQ(state.szDbVersion, std::string(sizeof identity.szDbVersion, '7'));
    EXPECT_EQ(state.dN2Flow, 3.0);
}

} // namespace
