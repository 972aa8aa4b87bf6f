#include "report.h"

#include "formatting.h"

std::vector<ReportLine> ComposeReportLines(const ReportInputs& inputs, const SizingResult& result,
                                           const RefrigerantDatabase& db,
                                           const UnitSettings& units) {
    std::vector<ReportLine> lines;
    const auto line = [&lines](std::string text) { lines.push_back({std::move(text), 0}); };
    const auto beside = [&lines](std::string text) { lines.push_back({std::move(text), 1}); };
    const auto blank = [&line](int count) {
        for (int i = 0; i < count; ++i)
            line(" ");
    };

    blank(2);
    line("Input Data: ");
    blank(1);
    line("Refrigerant");
    beside(inputs.refrigerantName);
    line("Heat load of the system");
    beside(inputs.heatLoadText + " " + GetUnitLabel(4, units));
    line("Evaporating temperature");
    beside(inputs.evapTempText + " " + GetUnitLabel(1, units));
    line("Condensing temperature");
    beside(inputs.condTempText + " " + GetUnitLabel(1, units));
    line("Return gas temperature");
    beside(inputs.rgasTempText + " " + GetUnitLabel(1, units));
    blank(1);

    if (!result.Valid()) {
        blank(2);
        line("Cannot calculate tube data. Invalid input.");
        return lines;
    }

    blank(3);
    line("Capillary Tube Recommendation: ");
    line("Flow Rate");
    beside(FlowText(result.dN2Flow, units) + " (N2 at delta p " + TestPressureText(units) + ")");
    blank(1);
    line("Length");
    beside("Diameter");
    const int list = units.DiamType != 0 ? 1 : 0;
    const double* diam = DiameterList(db, units.DiamType);
    const int count = DiameterCount(db, units.DiamType);
    for (int i = 0; i < result.nRows; ++i) {
        const int k = result.nFirstRow + i;
        if (k < 0 || k >= count || k >= kMaxDiameters)
            break;
        line(LengthText(result.dLength[list][k], units));
        beside(DiameterText(diam[k], units));
    }
    blank(2);
    line("Optimal Selection:");
    const int k = result.OptimalIndex();
    line("A " + LengthText(result.dLength[list][k], units) + " length of " +
         DiameterText(diam[k], units) + " diameter tubing.");
    return lines;
}
