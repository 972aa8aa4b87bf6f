// The report's lines as the page writer receives them: composed from a sizing result, printed
// on the recorder, read back as texts with their positions.
#include "lineprinter.h"
#include "recordingsurface.h"
#include "report.h"
#include "testdatabase.h"

#include <gtest/gtest.h>

#include <regex>
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

UnitSettings Metric() {
    UnitSettings u;
    u.UnitsEnergy = 1;
    u.UnitsTemperature = 0;
    u.UnitsPressure = 0;
    u.UnitsDiameter = 0;
    u.UnitsLength = 0;
    u.UnitsFlow = 1;
    return u;
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

TEST(PrintedReport, ValidResultInMetresAndLitresIsOnePageInOrder) {
    const RefrigerantDatabase db = SimpleDatabase();
    const UnitSettings u = Metric();
    SizingResult r;
    ASSERT_TRUE(ComputeSizing(db, 0, u, 500, -25, 45, 32, r));
    const std::vector<ReportLine> lines =
        ComposeReportLines({"R-test", "500", "-25", "45", "32"}, r, db, u);
    const Printed p = Print(lines);

    ExpectLaidOut(lines, p.body);
    EXPECT_EQ(p.surface.Only("StartPage").size(), 1u);
    // The text colour is black before the first page.
    const std::vector<std::string> ops = p.surface.Ops();
    ASSERT_GE(ops.size(), 4u);
    EXPECT_EQ(ops[2], "SetTextColor");
    EXPECT_EQ(ops[3], "StartPage");
    EXPECT_EQ(ops.back(), "EndDocument");

    EXPECT_EQ(Beside(p.body, "Heat load of the system"), "500 W");
    EXPECT_EQ(Beside(p.body, "Return gas temperature"), "32 \xBA"
                                                        "C");
    EXPECT_EQ(Beside(p.body, "Flow Rate"), "11.0 l/min (N2 at delta p 10 nbar)");
    EXPECT_EQ(Beside(p.body, "Length"), "Diameter");
    // Nine rows after the column heads, lengths "0.00 m", diameters "0.00 mm".
    const std::regex length(R"(\d+\.\d\d m)"), diameter(R"(\d+\.\d\d mm)");
    std::size_t head = 0;
    while (p.body[head].text != "Length")
        ++head;
    for (int i = 0; i < 9; ++i) {
        EXPECT_TRUE(std::regex_match(p.body[head + 2 + 2 * i].text, length));
        EXPECT_TRUE(std::regex_match(p.body[head + 3 + 2 * i].text, diameter));
    }
    const std::string optimal = p.body[head + 2 + 2 * r.nOptimalRow].text;
    const std::string optimalDiameter = p.body[head + 3 + 2 * r.nOptimalRow].text;
    EXPECT_EQ(p.body.back().text,
              "A " + optimal + " length of " + optimalDiameter + " diameter tubing.");
    EXPECT_EQ(p.body.back().args, (std::vector<int>{kLeft, kTop + 29 * kPitch})); // line 30
}

TEST(PrintedReport, ValidResultInInchesAndCfm) {
    const RefrigerantDatabase db = SimpleDatabase();
    const UnitSettings u; // Btu/hr, ºF, psi, inches, inches, CFM
    SizingResult r;
    ASSERT_TRUE(ComputeSizing(db, 0, u, 1706, -13, 113, 89.6, r));
    const std::vector<ReportLine> lines =
        ComposeReportLines({"R-test", "1706", "-13", "113", "89.6"}, r, db, u);
    const Printed p = Print(lines);

    ExpectLaidOut(lines, p.body);
    EXPECT_EQ(Beside(p.body, "Heat load of the system"), "1706 Btu/hr");
    EXPECT_EQ(Beside(p.body, "Evaporating temperature"), "-13 \xBA"
                                                         "F");
    EXPECT_TRUE(std::regex_match(Beside(p.body, "Flow Rate"),
                                 std::regex(R"(\d+\.\d\d CFM \(N2 at delta p 145 psi\))")));
    // Lengths in eighths of an inch, diameters with three decimals.
    const std::regex length(R"((\d+ )?(\d/\d|\d+ ) in\.)"), diameter(R"(0\.\d\d\d in\.)");
    int rows = 0;
    for (std::size_t i = 0; i + 1 < p.body.size(); ++i) {
        if (std::regex_match(p.body[i].text, length)) {
            ++rows;
            EXPECT_TRUE(std::regex_match(p.body[i + 1].text, diameter)) << p.body[i + 1].text;
        }
    }
    EXPECT_EQ(rows, 9);
    EXPECT_EQ(p.body.back().text.rfind("A ", 0), 0u);
}

TEST(PrintedReport, InvalidResultEndsWithTheMessageAndNoTable) {
    const RefrigerantDatabase db = SimpleDatabase();
    for (const UnitSettings& u : {UnitSettings{}, Metric()}) {
        SizingResult r;
        ComputeSizing(db, 0, u, 0, -25, 55, 32, r); // no heat load in either unit
        ASSERT_FALSE(r.Valid());
        // The fields' texts as they stand, not reformatted.
        const std::vector<ReportLine> lines =
            ComposeReportLines({"R-test", "0", "-25", "55.0", "32"}, r, db, u);
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
