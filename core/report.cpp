#include "report.h"

#include "cp1252.h"
#include "formatting.h"
#include "texts.h"

namespace {

constexpr const char* kHeatLoadCaption = VELNOR_TRANSLATE_NOOP("Report", "Heat load of the system");

// The report's rows: each a column-0 text with the column-1 text beside it, or a column-1 text
// after an empty column 0. Texts as in the lines (Windows-1252).
std::vector<std::vector<std::string>> ReportRows(const std::vector<ReportLine>& lines) {
    std::vector<std::vector<std::string>> rows;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::vector<std::string>& row = rows.emplace_back();
        if (lines[i].column != 0)
            row.emplace_back();
        row.push_back(lines[i].text);
        if (lines[i].column == 0 && i + 1 < lines.size() && lines[i + 1].column != 0)
            row.push_back(lines[++i].text);
    }
    return rows;
}

std::string HtmlEscaped(const std::string& utf8) {
    std::string out;
    for (const char c : utf8) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace

std::string ReportFlowText(double dN2Flow, const UnitSettings& units, const TextLocale& texts) {
    return Compose(texts.Tr("Report", "%1 (N2 at delta p %2)"),
                   {FlowText(dN2Flow, units, texts), TestPressureText(units)});
}

std::vector<ReportLine> ComposeInputLines(const ReportInputs& inputs, const UnitSettings& units,
                                          const TextLocale& texts, bool withHeatLoad) {
    std::vector<ReportLine> lines;
    const auto pair = [&lines](std::string caption, std::string text) {
        lines.push_back({std::move(caption), 0});
        lines.push_back({std::move(text), 1});
    };
    lines.insert(lines.end(),
                 {{" ", 0}, {" ", 0}, {texts.Tr("Report", "Input Data: "), 0}, {" ", 0}});
    pair(texts.Tr("Report", "Refrigerant"), inputs.refrigerantName);
    if (withHeatLoad)
        pair(texts.Tr("Report", kHeatLoadCaption),
             inputs.heatLoadText + " " + GetUnitLabel(4, units));
    pair(texts.Tr("Report", "Evaporating temperature"),
         inputs.evapTempText + " " + GetUnitLabel(1, units));
    pair(texts.Tr("Report", "Condensing temperature"),
         inputs.condTempText + " " + GetUnitLabel(1, units));
    pair(texts.Tr("Report", "Return gas temperature"),
         inputs.rgasTempText + " " + GetUnitLabel(1, units));
    return lines;
}

std::vector<ReportLine> ComposeReportLines(const ReportInputs& inputs, const SizingResult& result,
                                           const RefrigerantDatabase& db, const UnitSettings& units,
                                           const TextLocale& texts) {
    std::vector<ReportLine> lines = ComposeInputLines(inputs, units, texts);
    const auto line = [&lines](std::string text) { lines.push_back({std::move(text), 0}); };
    const auto beside = [&lines](std::string text) { lines.push_back({std::move(text), 1}); };
    const auto blank = [&line](int count) {
        for (int i = 0; i < count; ++i)
            line(" ");
    };

    blank(1);

    if (!result.Valid()) {
        blank(2);
        line(texts.Tr("Report", "Cannot calculate tube data. Invalid input."));
        return lines;
    }

    blank(3);
    line(texts.Tr("Report", "Capillary Tube Recommendation: "));
    line(texts.Tr("Report", "Flow Rate"));
    beside(ReportFlowText(result.dN2Flow, units, texts));
    blank(1);
    line(texts.Tr("Report", "Length"));
    beside(texts.Tr("Report", "Diameter"));
    const int list = units.DiamType != 0 ? 1 : 0;
    const double* diam = DiameterList(db, units.DiamType);
    const int count = DiameterCount(db, units.DiamType);
    for (int i = 0; i < result.nRows; ++i) {
        const int k = result.nFirstRow + i;
        if (k < 0 || k >= count || k >= kMaxDiameters)
            break;
        line(LengthText(result.dLength[list][k], units, texts));
        beside(DiameterText(diam[k], units, texts));
    }
    blank(2);
    line(texts.Tr("Report", "Optimal Selection:"));
    const int k = result.OptimalIndex();
    line(Compose(
        texts.Tr("Report", "A %1 length of %2 diameter tubing."),
        {LengthText(result.dLength[list][k], units, texts), DiameterText(diam[k], units, texts)}));
    return lines;
}

std::vector<ReportLine> ComposeRatingLines(const ReportInputs& inputs,
                                           const std::string& diameterText,
                                           const std::string& lengthText, const TubeRating& rating,
                                           const UnitSettings& units, const TextLocale& texts) {
    std::vector<ReportLine> lines = ComposeInputLines(inputs, units, texts, false);
    const auto line = [&lines](std::string text, int column) {
        lines.push_back({std::move(text), column});
    };
    line(texts.Tr("Report", "Inner diameter"), 0);
    line(diameterText + " " + GetUnitLabel(3, units), 1);
    line(texts.Tr("Report", "Length"), 0);
    line(lengthText + " " + GetUnitLabel(0, units), 1);
    line(" ", 0);
    if (rating.FlowKnown()) {
        line(texts.Tr("Report", "Flow Rate"), 0);
        line(ReportFlowText(rating.dN2Flow, units, texts), 1);
    }
    if (rating.Valid()) {
        line(texts.Tr("Report", kHeatLoadCaption), 0);
        line(rating.heatLoadText, 1);
    } else {
        line(rating.message, 0);
    }
    return lines;
}

std::string ReportBodyText(const std::vector<ReportLine>& lines) {
    std::string text;
    for (const std::vector<std::string>& row : ReportRows(lines)) {
        for (std::size_t cell = 0; cell < row.size(); ++cell)
            text += (cell > 0 ? "\t" : "") + Cp1252ToUtf8(row[cell]);
        text += "\n";
    }
    return text;
}

std::string ReportHtmlTable(const std::vector<ReportLine>& lines) {
    std::string html = "<html><head><meta charset=\"utf-8\"></head><body><table>\n";
    for (const std::vector<std::string>& row : ReportRows(lines)) {
        html += "<tr>";
        for (const std::string& text : row) {
            // A blank stands for an empty line: its cell stays empty.
            html +=
                "<td>" + (text == " " ? std::string() : HtmlEscaped(Cp1252ToUtf8(text))) + "</td>";
        }
        html += "</tr>\n";
    }
    return html + "</table></body></html>\n";
}
