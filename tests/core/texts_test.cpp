#include "metricunits.h"
#include "report.h"
#include "testdatabase.h"
#include "texts.h"

#include <gtest/gtest.h>

#include <map>

TEST(Compose, FillsEachNumberWhereThePatternPutsIt) {
    EXPECT_EQ(Compose("%2 ist %1 lang%", {"1,5 m", "Rohr"}), "Rohr ist 1,5 m lang%");
    EXPECT_EQ(Compose("%1 and %3", {"a"}), "a and %3"); // a number past the list stays
}

// The language a text is composed in reaches the composed texts: a translated pattern orders
// the parts, and the numbers take its decimal point. A default one gives English.
TEST(TextLocale, TranslatesPatternsAndDecimalPoints) {
    TextLocale german;
    german.translate = [](const char* context, const char* text) {
        static const std::map<std::string, std::string> de = {
            {"Report|A %1 length of %2 diameter tubing.", "Rohr mit %2 Durchmesser, %1 lang."},
            {"Report|%1 (N2 at delta p %2)", "%1 (N2 bei Delta p %2)"}};
        const auto found = de.find(std::string(context) + "|" + text);
        return found != de.end() ? found->second : std::string(text);
    };
    german.decimalPoint = ',';
    const RefrigerantDatabase db = SimpleDatabase();
    const UnitSettings u = MetricUnits();
    SizingResult r;
    ASSERT_TRUE(ComputeSizing(db, 0, u, 500, -25, 45, 32, r));

    const std::vector<ReportLine> lines =
        ComposeReportLines({"R-test", "500", "-25", "45", "32"}, r, db, u, german);
    EXPECT_EQ(lines[20].text, "11,0 l/min (N2 bei Delta p 10 bar)");
    EXPECT_EQ(lines.back().text.rfind("Rohr mit 0,", 0), 0u) << lines.back().text;
    EXPECT_EQ(ReportFlowText(11.0, u, TextLocale{}), "11.0 l/min (N2 at delta p 10 bar)");
}
