#include "summarylayout.h"

#include "formatting.h"
#include "identity.h"
#include "texts.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

constexpr int kPanelFontHeight = 16;

// Towards zero, as a C cast does; a scale that is not a finite number, or one that throws the
// point off every screen, gives the nearest int instead of undefined behaviour.
int TruncToInt(double v) {
    if (std::isnan(v)) {
        return 0;
    }
    if (v >= static_cast<double>(INT_MAX)) {
        return INT_MAX;
    }
    if (v <= static_cast<double>(INT_MIN)) {
        return INT_MIN;
    }
    return static_cast<int>(v);
}

int FloorHalf(int d) {
    return d >= 0 ? d / 2 : -((1 - d) / 2);
}

template <std::size_t N> std::string FixedText(const char (&buffer)[N]) {
    return std::string(buffer, strnlen(buffer, N));
}

} // namespace

void SummaryState::SetIdentity(const ProductIdentity& identity) {
    szProductName = FixedText(identity.szProductName);
    szVersion = FixedText(identity.szVersion);
    szDbVersion = FixedText(identity.szDbVersion);
}

MarkerShape ShapeMarker(int cx, int cy, int diameter, int index) {
    MarkerShape shape;
    shape.left = cx - FloorHalf(diameter);
    shape.top = cy - FloorHalf(diameter);
    shape.diameter = diameter;
    // "%c" of 'A' + index: the low byte of the sum.
    shape.letter = std::string(1, static_cast<char>(static_cast<unsigned char>('A' + index)));
    shape.letterX = shape.left + 7;
    shape.letterY = shape.top + 3;
    shape.letterHeight = diameter - 6 >= 1 ? diameter - 6 : 0;
    return shape;
}

std::array<MarkerPlacement, 4> RowMarkers(int panelLeft) {
    std::array<MarkerPlacement, 4> markers{};
    for (int i = 0; i < 4; ++i) {
        markers[static_cast<std::size_t>(i)] = {panelLeft + 20, 135 + 25 * i, i};
    }
    return markers;
}

std::array<MarkerPlacement, 4> DiagramMarkers(double dDiagramScale, int originX, int originY) {
    std::array<MarkerPlacement, 4> markers{};
    for (std::size_t i = 0; i < MarkerPoints.size(); ++i) {
        const MarkerPoint& p = MarkerPoints[i];
        markers[i] = {TruncToInt(p.x * dDiagramScale + originX),
                      TruncToInt(p.y * dDiagramScale + originY), static_cast<int>(i)};
    }
    return markers;
}

std::string FlowLineText(std::optional<double> dN2Flow, const UnitSettings& units,
                         const TextLocale& texts) {
    const std::string flow =
        dN2Flow ? FlowText(*dN2Flow, units, texts) : "--- " + GetUnitLabel(5, units);
    return Compose(texts.Tr("Window", "Flow Rate: %1 (N_2 at delta p %2)"),
                   {flow, TestPressureText(units)});
}

SummaryText ProductNameText(const SummaryState& state) {
    return {state.szProductName, 10, 10, 32};
}

SummaryPlan PlanSummary(const SummaryState& state, int productNameWidth) {
    const int w = productNameWidth;
    const int P = state.nPanelLeft;
    SummaryPlan plan;
    plan.header = {{
        {"TM", w + 15, 10, 16},
        {state.texts.Tr("Window", "Version"), w + 70, 14, 14},
        {state.szVersion, w + 130, 14, 14},
        {state.texts.Tr("Window", "Database"), w + 70, 30, 14},
        {state.szDbVersion, w + 130, 30, 14},
    }};
    plan.titles = {{
        {state.texts.Tr("Window", "Input Data"), P, 74, 20},
        {state.texts.Tr("Window", "Capillary Tube Recommendation"), P, 255, 20},
    }};
    plan.flowLine = FlowLineText(state.bFlowValid ? std::optional(state.dN2Flow) : std::nullopt,
                                 state.units, state.texts);
    plan.flowBox = {P + 6, 272, P + 300, 293};
    plan.hint = {state.texts.Tr("Window", "Optimal selection is highlighted in green."), P + 6, 505,
                 12};

    static constexpr const char* kLabels[5] = {
        VELNOR_TRANSLATE_NOOP("Window", "Refrigerant"),
        VELNOR_TRANSLATE_NOOP("Window", "Heat load of the system"),
        VELNOR_TRANSLATE_NOOP("Window", "Evaporating temperature"),
        VELNOR_TRANSLATE_NOOP("Window", "Condensing temperature"),
        VELNOR_TRANSLATE_NOOP("Window", "Return gas temperature")};
    // The refrigerant row has no unit: kind 6 gives a single blank.
    static constexpr int kUnitKinds[5] = {6, 4, 1, 1, 1};
    for (int i = 0; i < 5; ++i) {
        const int y = 100 + 25 * i;
        const auto row = static_cast<std::size_t>(2 * i);
        plan.inputs[row] = {state.texts.Tr("Window", kLabels[i]), P + 40, y, kPanelFontHeight};
        plan.inputs[row + 1] = {GetUnitLabel(kUnitKinds[i], state.units), P + 280, y,
                                kPanelFontHeight};
    }
    plan.rowMarkers = RowMarkers(P);
    plan.diagramMarkers = DiagramMarkers(state.dDiagramScale, state.nDiagramX, state.nDiagramY);
    return plan;
}

std::string SummaryPrint(const SummaryState& state) {
    std::string print;
    const auto add = [&print](const SummaryText& text) {
        print += std::to_string(text.x) + ',' + std::to_string(text.y) + ',' +
                 std::to_string(text.height) + ' ' + text.text + '\n';
    };
    const auto addMarkers = [&print](const std::array<MarkerPlacement, 4>& markers) {
        for (const MarkerPlacement& m : markers)
            print += std::to_string(m.cx) + ',' + std::to_string(m.cy) + ' ';
        print += '\n';
    };
    add(ProductNameText(state));
    const SummaryPlan plan = PlanSummary(state, 0);
    for (const SummaryText& text : plan.header)
        add(text);
    for (const SummaryText& text : plan.titles)
        add(text);
    add({plan.flowLine, plan.flowBox.left, plan.flowBox.top, plan.flowBox.Height()});
    print += std::to_string(plan.flowBox.Width()) + '\n';
    add(plan.hint);
    for (const SummaryText& text : plan.inputs)
        add(text);
    addMarkers(plan.rowMarkers);
    addMarkers(plan.diagramMarkers);
    // Exactly, as the diagram is drawn at this scale.
    char scale[40];
    std::snprintf(scale, sizeof scale, "%a %d %d", state.dDiagramScale, state.nDiagramX,
                  state.nDiagramY);
    return print + scale;
}

SummaryDrawing PlanSummaryDrawing(const SummaryState& state, const TextMeasurer& measure) {
    SummaryDrawing drawing;
    drawing.productName = ProductNameText(state);
    PanelFontSpec nameFont;
    nameFont.height = drawing.productName.height;
    drawing.plan = PlanSummary(state, measure(drawing.productName.text, nameFont).width);
    const SummaryPlan& plan = drawing.plan;
    drawing.flowLine = LayoutRichText(plan.flowLine, plan.flowBox, RichTextLeft, measure);
    std::size_t next = 0;
    for (const auto* markers : {&plan.rowMarkers, &plan.diagramMarkers}) {
        for (const MarkerPlacement& m : *markers)
            drawing.markers[next++] = ShapeMarker(m.cx, m.cy, kMarkerDiameter, m.nIndex);
    }
    return drawing;
}

std::array<SummaryReading, kSummaryReadingCount> ReadSummary(const SummaryState& state,
                                                             const SummaryPlan& plan) {
    const auto read = [](std::vector<SummaryText> pieces) {
        SummaryReading reading;
        for (const SummaryText& piece : pieces) {
            // Blanks that pad a painted text are not read.
            const std::size_t first = piece.text.find_first_not_of(' ');
            if (first == std::string::npos)
                continue;
            const std::size_t last = piece.text.find_last_not_of(' ');
            reading.text +=
                (reading.text.empty() ? "" : " ") + piece.text.substr(first, last + 1 - first);
        }
        reading.pieces = std::move(pieces);
        return reading;
    };
    SummaryReading flow;
    flow.text = PlainRichText(plan.flowLine);
    flow.box = plan.flowBox;
    const auto row = [&](int nRow) {
        SummaryReading reading = read({plan.inputs[static_cast<std::size_t>(2 * nRow)],
                                       plan.inputs[static_cast<std::size_t>(2 * nRow + 1)]});
        reading.nInputRow = nRow;
        return reading;
    };
    return {read({ProductNameText(state)}),
            read({plan.header[1], plan.header[2]}),
            read({plan.header[3], plan.header[4]}),
            read({plan.titles[0]}),
            row(0),
            row(1),
            row(2),
            row(3),
            row(4),
            read({plan.titles[1]}),
            flow,
            read({plan.hint})};
}

const std::string& InputLabel(const SummaryPlan& plan, int row) {
    return plan.inputs[static_cast<std::size_t>(2 * row)].text;
}
