#pragma once

#include "database.h"
#include "sizing.h"
#include "unitsettings.h"

#include <string>
#include <vector>

// One call of the page writer: a text in column 0, or in column 1 on the line of the column-0
// text before it. A text of one blank stands for an empty line.
struct ReportLine {
    std::string text;
    int column = 0;
};

// What the printed report shows: the refrigerant, the input fields' texts as they stand, and
// the result of the last calculation.
struct ReportInputs {
    std::string refrigerantName;
    std::string heatLoadText;
    std::string evapTempText;
    std::string condTempText;
    std::string rgasTempText;
};

// The report's lines after the page header, in printing order.
std::vector<ReportLine> ComposeReportLines(const ReportInputs& inputs, const SizingResult& result,
                                           const RefrigerantDatabase& db,
                                           const UnitSettings& units);
