// The tube check without its dialog: over a main window model on in-memory fields, its answers
// compared with velnor-dkt rate and with the length formula turned round.
#include "mainwindowmodel.h"
#include "memorysettingsstore.h"
#include "memorytextfield.h"
#include "persistentsettings.h"
#include "reporttool.h"
#include "tubecheckmodel.h"
#include "validrecommendation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

class TubeCheckModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < MainWindowModel::InputCount; ++i)
            window.Field(static_cast<MainWindowModel::Input>(i)).Attach(windowFields[i]);
        ASSERT_TRUE(window.LoadDatabase("Velnor.dkt"));
        // 500 W at -10 / 45 / 20 ºC.
        StoreValidRecommendation(store);
        window.ReadUnits(settings);
        window.RestoreRefrigerant(settings);
        window.RestoreInputs(settings);
        window.Calculate();
        for (int i = 0; i < TubeCheckModel::InputCount; ++i)
            check.Field(static_cast<TubeCheckModel::Input>(i)).Attach(fields[i]);
    }
    void Type(TubeCheckModel::Input which, const std::string& keys) {
        fields[which].SetSel(0, static_cast<int>(fields[which].GetText().size()));
        for (const char c : keys)
            check.Field(which).OnChar(c);
    }
    std::string Text(TubeCheckModel::Input which) const { return fields[which].GetText(); }

    MemorySettingsStore store;
    PersistentSettings settings{store};
    UnitSettings units;
    MemoryTextField windowFields[MainWindowModel::InputCount];
    const TextLocale texts;
    MainWindowModel window{units, texts};
    MemoryTextField fields[TubeCheckModel::InputCount];
    TubeCheckModel check{window};
};

} // namespace

TEST_F(TubeCheckModelTest, StartsWithTheSelectedTubeWhichServesTheWindowsHeatLoad) {
    int answers = 0;
    check.SetChangeCallback([&] { ++answers; });
    check.OfferSelectedTube();
    EXPECT_GT(answers, 0) << "the dialog hears of the new answer";
    ASSERT_TRUE(check.Rating().Valid()) << check.AnswerLine();
    // The optimal tube (1 mm, shown in inches) is sized for 500 W.
    EXPECT_NEAR(check.Rating().heatLoad, 500.0, 1.0) << Text(TubeCheckModel::Diameter);
    EXPECT_EQ(check.AnswerLine(), "Heat load of the system: " + check.Rating().heatLoadText);
    EXPECT_EQ(check.UnitLabel(TubeCheckModel::Diameter), "in.") << "the first-run units";

    Type(TubeCheckModel::Length, "-2");
    EXPECT_EQ(Text(TubeCheckModel::Length), "2") << "a tube has no negative size";
}

TEST_F(TubeCheckModelTest, ATypedTubeAgreesWithVelnorDktRateAndTheFormula) {
    SetUnits("1000000", units); // W, ºC, mm, m
    const double d = 0.8;
    for (const char* length : {"2.5", "0.35", "0"}) {
        Type(TubeCheckModel::Diameter, "0.8");
        Type(TubeCheckModel::Length, length);
        const ToolRun tool =
            RunTool({"rate", "Velnor.dkt", "--units", "1000000", "--refrigerant",
                     std::to_string(window.Refrigerant()), "--evap", "-10", "--cond", "45",
                     "--return-gas", "20", "--diameter", "0.8", "--length", length});
        ASSERT_EQ(tool.exitCode, 0) << tool.err;
        // The tool's last lines: the flow line when there is a flow, and the answer.
        std::string expected;
        if (!check.FlowLine().empty())
            expected = "Flow Rate\t" + check.FlowLine().substr(11) + "\n";
        std::string answer = check.AnswerLine();
        if (check.Rating().Valid())
            answer.replace(answer.find(": "), 2, "\t");
        expected += answer + "\n";
        EXPECT_EQ(tool.out.substr(tool.out.size() - std::min(tool.out.size(), expected.size())),
                  expected)
            << length;
        if (!check.Rating().Valid())
            continue;
        // F = √(750·D⁵/L), Q = (F − A)·H/B.
        const double f = std::sqrt(750.0 * std::pow(d, 5) / std::stod(length));
        const FlowCorrelation c = CorrelationAt(window.Database(), window.Refrigerant(),
                                                TemperaturesInCelsius(-10, 45, 20, units));
        EXPECT_NEAR(check.Rating().heatLoad, (f - c.a) * c.h / c.b, 0.01 * check.Rating().heatLoad)
            << length;
    }
    EXPECT_EQ(check.AnswerLine(),
              "Tube invalid: the inner diameter and the length must be above 0");
}
