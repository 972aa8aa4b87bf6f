#include "metricunits.h"
#include "numbertext.h"
#include "report.h"
#include "testdatabase.h"
#include "textnumber.h"

#include <gtest/gtest.h>

namespace {

ReportInputs Inputs() {
    return {"R-test", "500", "-25", "45", "32"};
}

std::string Join(const std::vector<ReportLine>& lines) {
    std::string out;
    for (const ReportLine& l : lines)
        out += (l.column == 1 ? "\t" : "\n") + l.text;
    return out;
}

} // namespace

TEST(ReportLines, ValidRecommendationInMetres) {
    const RefrigerantDatabase db = SimpleDatabase();
    const UnitSettings u = MetricUnits();
    SizingResult r;
    ASSERT_TRUE(ComputeSizing(db, 0, u, 500, -25, 45, 32, r));
    const std::vector<ReportLine> lines = ComposeReportLines(Inputs(), r, db, u, TextLocale{});
    ASSERT_EQ(lines.size(), 30u + 16u); // 30 lines, 16 of them with a column-1 text
    EXPECT_EQ(lines[0].text, " ");
    EXPECT_EQ(lines[2].text, "Input Data: ");
    EXPECT_EQ(lines[4].text, "Refrigerant");
    EXPECT_EQ(lines[5].text, "R-test");
    EXPECT_EQ(lines[5].column, 1);
    EXPECT_EQ(lines[7].text, "500 W");
    EXPECT_EQ(lines[9].text, "-25 \xBA"
                             "C");
    EXPECT_EQ(lines[18].text, "Capillary Tube Recommendation: ");
    EXPECT_EQ(lines[19].text, "Flow Rate");
    EXPECT_EQ(lines[20].text, "11.0 l/min (N2 at delta p 10 bar)");
    EXPECT_EQ(lines[22].text, "Length");
    EXPECT_EQ(lines[23].text, "Diameter");
    const int k = r.OptimalIndex();
    const std::string optimal = lines[24 + 2 * r.nOptimalRow].text;
    const std::string diameter = lines[25 + 2 * r.nOptimalRow].text;
    EXPECT_EQ(lines.back().text, "A " + optimal + " length of " + diameter + " diameter tubing.");
    EXPECT_EQ(diameter, FormatFixed(db.dDiamEurope[k], 2) + " mm");
    EXPECT_EQ(lines[lines.size() - 2].text, "Optimal Selection:");
}

TEST(ReportLines, InchesAndCfm) {
    const RefrigerantDatabase db = SimpleDatabase();
    UnitSettings u; // Btu/hr, ºF, psi, inches, inches, CFM
    SizingResult r;
    ASSERT_TRUE(ComputeSizing(db, 0, u, 1706, -13, 113, 89.6, r));
    const std::string text =
        Join(ComposeReportLines({"R-test", "1706", "-13", "113", "89.6"}, r, db, u, TextLocale{}));
    EXPECT_NE(text.find("\nHeat load of the system\t1706 Btu/hr"), std::string::npos);
    EXPECT_NE(text.find("\nReturn gas temperature\t89.6 \xBA"
                        "F"),
              std::string::npos);
    EXPECT_NE(text.find(" CFM (N2 at delta p 145 psi)"), std::string::npos);
    EXPECT_NE(text.find(" in.\t0.0"), std::string::npos); // inch fraction, then "0.0xx in."
}

TEST(ReportLines, InvalidInputEndsWithTheMessage) {
    const RefrigerantDatabase db = SimpleDatabase();
    UnitSettings u;
    SizingResult r;
    ComputeSizing(db, 0, u, 110, -25, 55, 32, r);
    ASSERT_FALSE(r.Valid());
    const std::vector<ReportLine> lines =
        ComposeReportLines({"R-test", "110", "-25", "55", "32"}, r, db, u, TextLocale{});
    ASSERT_EQ(lines.size(), 13u + 5u);
    EXPECT_EQ(lines[lines.size() - 1].text, "Cannot calculate tube data. Invalid input.");
    EXPECT_EQ(lines[lines.size() - 2].text, " ");
    EXPECT_EQ(lines[lines.size() - 3].text, " ");
    EXPECT_EQ(Join(lines).find("Flow Rate"), std::string::npos);
}

TEST(ReportText, TextRowsAndTableRowsPairTheColumnsAlike) {
    const std::vector<ReportLine> lines = {
        {" ", 0}, {"Refrigerant", 0}, {"R<1>&\xBA", 1}, {"alone", 1}, {"Optimal", 0}};
    EXPECT_EQ(ReportBodyText(lines), " \nRefrigerant\tR<1>&\xC2\xBA\n\talone\nOptimal\n");
    const std::string html = ReportHtmlTable(lines);
    EXPECT_NE(html.find("<tr><td></td></tr>\n"
                        "<tr><td>Refrigerant</td><td>R&lt;1&gt;&amp;\xC2\xBA</td></tr>\n"
                        "<tr><td></td><td>alone</td></tr>\n"
                        "<tr><td>Optimal</td></tr>\n</table>"),
              std::string::npos)
        << html;
}

TEST(FieldTexts, ShownAsAfterSetValue) {
    const NumberSyntax field;
    struct Case {
        double value;
        const char* shown;
    };
    const Case cases[] = {{110, "110"},         {-25, "-25"},           {55.5, "55.5"},
                          {12.34567, "12.345"}, {0.0004, "0.000"},      {0, "0"},
                          {1e9, "100000000"},   {341.214163, "341.214"}};
    for (const Case& c : cases)
        EXPECT_EQ(ShownValueText(field, c.value), c.shown) << c.value;
    EXPECT_EQ(ParseValue(field, "-12.5"), -12.5);
    EXPECT_EQ(ParseValue(field, "-"), 0.0);
    EXPECT_EQ(ParseValue(field, "."), 0.0);
    EXPECT_EQ(ParseValue(field, ""), 0.0);
}
