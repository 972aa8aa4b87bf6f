// The report's lines as the page writer receives them: composed from a sizing result, printed
// on the recorder, read back as texts with their positions.
#include "lineprinter.h"
#include "metricunits.h"
#include "recordingsurface.h"
#include "report.h"
#include "testdatabase.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string kTitle = "Kestrin Capillary Tube Selector v1.0 ";
constexpr int kTop = 400;
constexpr int kLeft = 300;
constexpr int kPitch = 58;
constexpr int kColumn1 = kLeft + 1440;

struct Printed {
    std::vector<PrintCall> body; // the TextOut calls after the header's title
    RecordingSurface surface;
};

Printed Print(const std::vector<ReportLine>& lines) {
    Printed printed;
    PrintReportLines(printed.surface, kTitle, "velnor", lines);
    for (const PrintCall& call : printed.surface.Only("TextOut"))
        if (call.text != kTitle)
            printed.body.push_back(call);
    return printed;
}

// Every line at its place: column-0 texts one pitch apart from the top margin, column-1 texts
// at the column offset on the line of their label.
void ExpectLaidOut(const std::vector<ReportLine>& lines, const std::vector<PrintCall>& body) {
    ASSERT_EQ(body.size(), lines.size());
    int row = -1;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(lines[i].text);
        if (lines[i].column == 0)
            ++row;
        EXPECT_EQ(body[i].text, lines[i].text);
        EXPECT_EQ(body[i].args,
                  (std::vector<int>{lines[i].column == 1 ? kColumn1 : kLeft, kTop + row * kPitch}));
    }
}

// The column-1 text beside the column-0 text `label`.
std::string Beside(const std::vector<PrintCall>& body, const std::string& label) {
    for (std::size_t i = 0; i + 1 < body.size(); ++i)
        if (body[i].text == label && body[i + 1].args[1] == body[i].args[1])
            return body[i + 1].text;
    return "(none)";
}

} // namespace

TEST(PrintedReport, ValidResultIsOnePageInOrderInEitherUnits) {
    struct Row {
        const char* name;
        UnitSettings units;
        double heatLoad, evap, cond, rgas;
        ReportInputs inputs;
        const char* heatLoadText;
        const char* flowText;
        const char* firstRow; // length and diameter of row 0
    };
    const Row rows[] = {
        {"metres, l/min",
         MetricUnits(),
         500,
         -25,
         45,
         32,
         {"R-test", "500", "-25", "45", "32"},
         "500 W",
         "11.0 l/min (N2 at delta p 10 bar)",
         "0.19 m|0.50 mm"},
        {"inches, CFM",
         UnitSettings{},
         1706,
         -13,
         113,
         89.6,
         {"R-test", "1706", "-13", "113", "89.6"},
         "1706 Btu/hr",
         "0.39 CFM (N2 at delta p 145 psi)",
         "7 3/4 in.|0.020 in."},
    };
    const RefrigerantDatabase db = SimpleDatabase();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SizingResult r;
        ASSERT_TRUE(ComputeSizing(db, 0, row.units, row.heatLoad, row.evap, row.cond, row.rgas, r));
        const std::vector<ReportLine> lines =
            ComposeReportLines(row.inputs, r, db, row.units, TextLocale{});
        const Printed p = Print(lines);

        ExpectLaidOut(lines, p.body);
        // Black text from before the first page; one page.
        const std::vector<std::string> ops = p.surface.Ops();
        ASSERT_GE(ops.size(), 4u);
        EXPECT_EQ(ops[2], "SetTextColor");
        EXPECT_EQ(ops[3], "StartPage");
        EXPECT_EQ(p.surface.Only("StartPage").size(), 1u);
        EXPECT_EQ(ops.back(), "EndDocument");

        EXPECT_EQ(Beside(p.body, "Heat load of the system"), row.heatLoadText);
        EXPECT_EQ(Beside(p.body, "Flow Rate"), row.flowText);
        EXPECT_EQ(Beside(p.body, "Length"), "Diameter");
        std::size_t head = 0;
        while (p.body[head].text != "Length")
            ++head;
        EXPECT_EQ(p.body[head + 2].text + "|" + p.body[head + 3].text, row.firstRow);
        // Nine rows, two blank lines, the heading and the sentence: line 30 ends the page.
        EXPECT_EQ(p.body[head + 20].text, " ");
        EXPECT_EQ(p.body[head + 22].text, "Optimal Selection:");
        EXPECT_EQ(p.body.back().args, (std::vector<int>{kLeft, kTop + 29 * kPitch}));
    }
}

TEST(PrintedReport, InvalidResultEndsWithTheMessageAndNoTable) {
    const RefrigerantDatabase db = SimpleDatabase();
    for (const UnitSettings& u : {UnitSettings{}, MetricUnits()}) {
        SizingResult r;
        ComputeSizing(db, 0, u, 0, -25, 55, 32, r); // no heat load in either unit
        ASSERT_FALSE(r.Valid());
        // The fields' texts as they stand, not reformatted.
        const std::vector<ReportLine> lines =
            ComposeReportLines({"R-test", "0", "-25", "55.0", "32"}, r, db, u, TextLocale{});
        const Printed p = Print(lines);

        ExpectLaidOut(lines, p.body);
        EXPECT_EQ(Beside(p.body, "Condensing temperature").substr(0, 5), "55.0 ");
        EXPECT_EQ(p.body.back().text, "Cannot calculate tube data. Invalid input.");
        EXPECT_EQ(p.body.back().args, (std::vector<int>{kLeft, kTop + 12 * kPitch})); // line 13
        EXPECT_EQ(p.body[p.body.size() - 2].text, " ");
        EXPECT_EQ(p.body[p.body.size() - 3].text, " ");
        for (const PrintCall& call : p.body)
            EXPECT_EQ(call.text.find("Flow Rate"), std::string::npos);
        EXPECT_EQ(p.surface.Only("StartPage").size(), 1u);
    }
}
