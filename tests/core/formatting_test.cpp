#include "formatting.h"
#include "testdatabase.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

UnitSettings Units(int energy, int temperature, int pressure, int diameter, int length, int flow,
                   int diamType = 0) {
    UnitSettings u;
    u.UnitsEnergy = energy;
    u.UnitsTemperature = temperature;
    u.UnitsPressure = pressure;
    u.UnitsDiameter = diameter;
    u.UnitsLength = length;
    u.UnitsFlow = flow;
    u.DiamType = diamType;
    return u;
}

} // namespace

TEST(InchFraction, AlwaysTheNextEighthUp) {
    struct Case {
        double inches;
        const char* text;
    };
    const Case cases[] = {
        {75.3, "75 3/8"},
        {75.25, "75 3/8"},
        {75.874, "75 7/8"},
        {75.875, "76 "},
        {75.97, "76 "},
        {0.3, "3/8"},
        {0.05, "1/8"},
        {0.97, "1 "},
        {1.5, "1 5/8"},
        {75.0, "75 1/8"},
        {0.0, "1/8"},
        {0.5, "5/8"},
        {9999999999.5, "9999999999 5/8"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatInchFraction(c.inches), c.text) << c.inches;
}

TEST(InchFraction, ValuesWithoutAWholeNumberOfTenDigits) {
    EXPECT_EQ(FormatInchFraction(std::nan("")), "-");
    EXPECT_EQ(FormatInchFraction(std::numeric_limits<double>::infinity()), "-");
    EXPECT_EQ(FormatInchFraction(1e10), "-");
    EXPECT_EQ(FormatInchFraction(-1.0), "-");
}

TEST(UnitLabels, EveryKind) {
    const UnitSettings imperial = Units(0, 1, 1, 1, 1, 0);
    const UnitSettings metric = Units(1, 0, 0, 0, 0, 1);
    const char* imperialLabels[] = {"in.",
                                    "\xBA"
                                    "F",
                                    "psi",
                                    "in.",
                                    "Btu/hr",
                                    "CFM"};
    const char* metricLabels[] = {"m",
                                  "\xBA"
                                  "C",
                                  "bar",
                                  "mm",
                                  "W",
                                  "l/min"};
    for (int kind = 0; kind < 6; ++kind) {
        EXPECT_EQ(GetUnitLabel(kind, imperial), imperialLabels[kind]) << kind;
        EXPECT_EQ(GetUnitLabel(kind, metric), metricLabels[kind]) << kind;
    }
    EXPECT_EQ(GetUnitLabel(6, metric), " ");
    EXPECT_EQ(GetUnitLabel(-1, metric), " ");
}

TEST(DisplayTexts, LengthsDiametersFlowPressure) {
    const UnitSettings inches = Units(0, 1, 1, 1, 1, 0);
    const UnitSettings metric = Units(1, 0, 0, 0, 0, 1);
    EXPECT_EQ(LengthText(1.92, inches, TextLocale{}), "75 5/8 in.");
    EXPECT_EQ(LengthText(75.9 / 39.37, inches, TextLocale{}),
              "76  in."); // empty fraction: two blanks
    EXPECT_EQ(LengthText(1.92, metric, TextLocale{}), "1.92 m");
    EXPECT_EQ(DiameterText(0.8, metric, TextLocale{}), "0.80 mm");
    EXPECT_EQ(DiameterText(0.8, inches, TextLocale{}), "0.031 in.");
    EXPECT_EQ(FlowText(10.0, inches, TextLocale{}), "0.35 CFM");
    EXPECT_EQ(FlowText(10.0, metric, TextLocale{}), "10.0 l/min");
    EXPECT_EQ(TestPressureText(inches), "145 psi");
    EXPECT_EQ(TestPressureText(metric), "10 bar");
    EXPECT_EQ(ToDisplayLength(1.0, inches), 39.37);
    EXPECT_EQ(ToDisplayDiameter(1.0, inches), 0.039370078740157);
}

TEST(ResultList, NineRowsWithTheOptimalSelected) {
    const RefrigerantDatabase db = SimpleDatabase();
    const UnitSettings metric = Units(1, 0, 0, 0, 0, 1);
    SizingResult r;
    ASSERT_TRUE(ComputeSizing(db, 0, metric, 500, -25, 45, 32, r));
    const ResultListContent list = FillResultList(r, db, 0, metric, TextLocale{});
    ASSERT_TRUE(list.valid);
    ASSERT_EQ(list.rows.size(), 9u);
    EXPECT_EQ(list.selectedRow, r.nOptimalRow);
    for (int i = 0; i < 9; ++i) {
        const int j = r.nFirstRow + i;
        EXPECT_EQ(list.rows[i].length, LengthText(r.dLength[0][j], metric, TextLocale{}));
        EXPECT_EQ(list.rows[i].diameter, DiameterText(db.dDiamEurope[j], metric, TextLocale{}));
    }
    // Each row's tube passes the same flow: L * flow^2 = 750 D^5.
    const double l = r.dLength[0][r.OptimalIndex()];
    EXPECT_GT(l, 1.0);
    EXPECT_LT(l, 3.0);
}

TEST(ResultList, MessageRowOfTheFirstFailingCheck) {
    const RefrigerantDatabase db = SimpleDatabase();
    struct Case {
        const char* name;
        UnitSettings units;
        double q, te, tc, trg;
        const char* message;
        const char* range;
    };
    const UnitSettings w = Units(1, 0, 0, 0, 0, 1);
    const UnitSettings btu = Units(0, 1, 1, 1, 1, 0);
    const Case cases[] = {
        {"heat load before condensing", w, 0, -25, 99, 32, "Heat load invalid", "1 to 10000W"},
        {"lower-case btu", btu, 1, 0, 0, 0, "Heat load invalid", "4 to 34121 btu/hr"},
        {"evaporating", w, 100, 0, 45, 32, "Evap temp invalid",
         "-40.0\xBA"
         "C to -10.0\xBA"
         "C"},
        {"evaporating in F", btu, 1000, 100, 113, 90, "Evap temp invalid",
         "-40.0\xBA"
         "F to 14.0\xBA"
         "F"},
        {"return gas before condensing", w, 100, -25, 99, 99, "Return gas invalid",
         "-20.0\xBA"
         "C to 40.0\xBA"
         "C"},
        {"condensing", w, 100, -25, 99, 32, "Cond temp invalid",
         "30.0\xBA"
         "C to 60.0\xBA"
         "C"},
    };
    for (const Case& c : cases) {
        SizingResult r;
        ComputeSizing(db, 0, c.units, c.q, c.te, c.tc, c.trg, r);
        const ResultListContent list = FillResultList(r, db, 0, c.units, TextLocale{});
        ASSERT_EQ(list.rows.size(), 1u) << c.name;
        EXPECT_EQ(list.rows[0].length, c.message) << c.name;
        EXPECT_EQ(list.rows[0].diameter, c.range) << c.name;
        EXPECT_EQ(list.selectedRow, -1) << c.name;
        EXPECT_FALSE(list.valid) << c.name;
    }
}

TEST(ResultList, ProblemsOfTheDatabaseShowAsMessages) {
    const UnitSettings w = Units(1, 0, 0, 0, 0, 1);
    SizingResult r;
    RefrigerantDatabase db = SimpleDatabase(1.0, 0.02, 0.0);
    ComputeSizing(db, 0, w, 100, -25, 45, 32, r);
    EXPECT_EQ(FillResultList(r, db, 0, w, TextLocale{}).rows.at(0).length,
              "Refrigerant data invalid");

    db = SimpleDatabase();
    db.nDiamEurope = 0;
    ComputeSizing(db, 0, w, 100, -25, 45, 32, r);
    EXPECT_EQ(FillResultList(r, db, 0, w, TextLocale{}).rows.at(0).length, "No tube diameters");

    db = SimpleDatabase();
    db.nDiamEurope = 4;
    ComputeSizing(db, 0, w, 100, -25, 45, 32, r);
    const ResultListContent shortList = FillResultList(r, db, 0, w, TextLocale{});
    EXPECT_EQ(shortList.rows.size(), 4u);
    EXPECT_TRUE(shortList.valid);

    EXPECT_EQ(NoRefrigerantList(TextLocale{}).rows.at(0).length, "No refrigerants");
}
