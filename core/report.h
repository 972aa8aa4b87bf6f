#pragma once

#include "database.h"
#include "sizing.h"
#include "texts.h"
#include "tuberating.h"
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

// The report's flow text: "0.35 CFM (N2 at delta p 145 psi)".
std::string ReportFlowText(double dN2Flow, const UnitSettings& units, const TextLocale& texts);

// The report's input section, from its first blank line to the return gas line; without the
// heat-load line when `withHeatLoad` is false.
std::vector<ReportLine> ComposeInputLines(const ReportInputs& inputs, const UnitSettings& units,
                                          const TextLocale& texts, bool withHeatLoad = true);

// The report's lines after the page header, in printing order.
std::vector<ReportLine> ComposeReportLines(const ReportInputs& inputs, const SizingResult& result,
                                           const RefrigerantDatabase& db, const UnitSettings& units,
                                           const TextLocale& texts);

// The lines of a tube check: the input section without the heat load, the tube's inner
// diameter and length (the fields' texts as shown), a blank line, the flow line when the tube
// gives a flow, and "Heat load of the system" with the heat load it serves, or the message why
// there is none.
std::vector<ReportLine> ComposeRatingLines(const ReportInputs& inputs,
                                           const std::string& diameterText,
                                           const std::string& lengthText, const TubeRating& rating,
                                           const UnitSettings& units, const TextLocale& texts);

// The lines as text, one row per column-0 line: its text, and where the next line is its
// column-1 text, a TAB and that text (a column-1 text without a column-0 text before it
// starts with the TAB). Each row ends with LF; the texts are converted to UTF-8. What
// velnor-dkt prints and the window copies.
std::string ReportBodyText(const std::vector<ReportLine>& lines);

// The same rows as an HTML table in UTF-8, one table row per text row and one cell per text
// (an empty first cell before a column-1 text alone, an empty cell for a blank line), so that a
// spreadsheet or a word processor pastes a table.
std::string ReportHtmlTable(const std::vector<ReportLine>& lines);
