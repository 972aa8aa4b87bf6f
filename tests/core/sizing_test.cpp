#include "convert.h"
#include "sizing.h"
#include "testdatabase.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

UnitSettings Metric() {
    UnitSettings u;
    u.UnitsEnergy = 1;
    u.UnitsTemperature = 0;
    return u;
}

} // namespace

TEST(Sizing, HeatLoadLimitsInWatts) {
    const RefrigerantDatabase db = SimpleDatabase();
    SizingResult r;
    struct Case {
        double q;
        bool ok;
    };
    for (const Case c :
         {Case{1.0, true}, Case{10000.0, true}, Case{0.99, false}, Case{10000.01, false}}) {
        ComputeSizing(db, 0, Metric(), c.q, -25, 45, 20, r);
        EXPECT_EQ(r.bHeatLoadOk, c.ok) << c.q;
    }
}

TEST(Sizing, HeatLoadLimitsInBtuPerHour) {
    const RefrigerantDatabase db = SimpleDatabase();
    UnitSettings u = Metric();
    u.UnitsEnergy = 0;
    SizingResult r;
    struct Case {
        double q;
        bool ok;
    };
    // The ends of the range the results list names, "4 to 34121 btu/hr", are valid; the whole
    // numbers beyond them are not.
    for (const Case c : {Case{3, false}, Case{4, true}, Case{34121, true}, Case{34122, false}}) {
        ComputeSizing(db, 0, u, c.q, -25, 45, 20, r);
        EXPECT_EQ(r.bHeatLoadOk, c.ok) << c.q;
    }
}

TEST(Sizing, TemperatureLimitsAreInclusiveAndConverted) {
    RefrigerantDatabase db = SimpleDatabase();
    SizingResult r;
    ComputeSizing(db, 0, Metric(), 100, -40, 60, 40, r);
    EXPECT_TRUE(r.Valid());
    ComputeSizing(db, 0, Metric(), 100, -40.001, 60.001, 40.001, r);
    EXPECT_FALSE(r.bEvapTempOk);
    EXPECT_FALSE(r.bCondTempOk);
    EXPECT_FALSE(r.bRGasTempOk);
    EXPECT_TRUE(r.bHeatLoadOk);

    // In ºF the limits apply to the converted value: 14 ºF is -10 ºC.
    UnitSettings f = Metric();
    f.UnitsTemperature = 1;
    db.dEvapMax[0] = FToC(14);
    ComputeSizing(db, 0, f, 100, 14, CToF(45), CToF(20), r);
    EXPECT_TRUE(r.bEvapTempOk);
    ComputeSizing(db, 0, f, 100, 14.01, CToF(45), CToF(20), r);
    EXPECT_FALSE(r.bEvapTempOk);
}

TEST(Sizing, FlowCorrectionAndLengths) {
    RefrigerantDatabase db = SimpleDatabase(1.0, 0.02, 1.0);
    db.dCorrCoef[0][1] = 0.01;
    SizingResult r;
    // Return gas at 32 ºC: H = k0, flow = 1 + 0.02 * 100 = 3.
    ASSERT_TRUE(ComputeSizing(db, 0, Metric(), 100, -25, 45, 32, r));
    EXPECT_DOUBLE_EQ(r.dN2Flow, 3.0);
    EXPECT_DOUBLE_EQ(r.dLength[0][5], 750.0 / 9.0); // 1.0 mm
    // At 39 ºC, H = 1 + 7 * 0.01 = 1.07.
    ASSERT_TRUE(ComputeSizing(db, 0, Metric(), 100, -25, 45, 39, r));
    EXPECT_DOUBLE_EQ(r.dN2Flow, 1.0 + 2.0 / 1.07);
    // The North America list fills its own lengths.
    UnitSettings na = Metric();
    na.DiamType = 1;
    ASSERT_TRUE(ComputeSizing(db, 0, na, 100, -25, 45, 32, r));
    const double d = 0.026 * 25.4;
    EXPECT_DOUBLE_EQ(r.dLength[1][0], d * ((d * d) * (d * d)) * 750.0 / 9.0);
}

TEST(Sizing, InvalidInputsKeepThePreviousResult) {
    const RefrigerantDatabase db = SimpleDatabase();
    SizingResult r;
    ASSERT_TRUE(ComputeSizing(db, 0, Metric(), 100, -25, 45, 32, r));
    const SizingResult before = r;
    EXPECT_FALSE(ComputeSizing(db, 0, Metric(), 0.5, -25, 45, 32, r));
    EXPECT_FALSE(r.bHeatLoadOk);
    EXPECT_EQ(r.dN2Flow, before.dN2Flow);
    EXPECT_EQ(r.nFirstRow, before.nFirstRow);
    EXPECT_EQ(r.nOptimalRow, before.nOptimalRow);
    EXPECT_EQ(r.dLength[0][3], before.dLength[0][3]);
}

TEST(Sizing, UnusableFlowNeverReachesTheLengths) {
    SizingResult r;
    ASSERT_TRUE(ComputeSizing(SimpleDatabase(), 0, Metric(), 100, -25, 45, 32, r));
    const double flow = r.dN2Flow;
    struct Case {
        const char* name;
        RefrigerantDatabase db;
    };
    const Case cases[] = {
        {"correction of 0", SimpleDatabase(1.0, 0.02, 0.0)},
        {"flow of 0", SimpleDatabase(0.0, 0.0, 1.0)},
        {"negative flow", SimpleDatabase(-5.0, 0.0, 1.0)},
        {"infinite flow", SimpleDatabase(std::numeric_limits<double>::infinity(), 0.0, 1.0)},
        {"NaN coefficient", SimpleDatabase(std::nan(""), 0.0, 1.0)},
        {"flow whose square is 0", SimpleDatabase(1e-170, 0.0, 1.0)},
        {"flow whose square overflows", SimpleDatabase(1e160, 0.0, 1.0)},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(ComputeSizing(c.db, 0, Metric(), 100, -25, 45, 32, r)) << c.name;
        EXPECT_TRUE(r.InputsValid()) << c.name;
        EXPECT_FALSE(r.bFlowOk) << c.name;
        EXPECT_EQ(r.dN2Flow, flow) << c.name;
    }
}

TEST(Sizing, ShortAndEmptyDiameterLists) {
    RefrigerantDatabase db = SimpleDatabase();
    db.nDiamEurope = 5;
    SizingResult r;
    ASSERT_TRUE(ComputeSizing(db, 0, Metric(), 100, -25, 45, 32, r));
    EXPECT_EQ(r.nRows, 5);
    EXPECT_EQ(r.nFirstRow, 0);
    EXPECT_LT(r.OptimalIndex(), 5);
    db.nDiamEurope = 0;
    EXPECT_FALSE(ComputeSizing(db, 0, Metric(), 100, -25, 45, 32, r));
    EXPECT_FALSE(r.bDiametersOk);
    // A diameter whose length overflows.
    db.nDiamEurope = 12;
    db.dDiamEurope[11] = 1e70;
    EXPECT_FALSE(ComputeSizing(db, 0, Metric(), 100, -25, 45, 32, r));
    EXPECT_TRUE(r.bFlowOk);
    EXPECT_FALSE(r.bDiametersOk);
}

TEST(Sizing, RefrigerantOutsideTheDatabaseIsNotSized) {
    const RefrigerantDatabase db = SimpleDatabase();
    SizingResult r;
    EXPECT_FALSE(ComputeSizing(db, -1, Metric(), 100, -25, 45, 32, r));
    EXPECT_FALSE(ComputeSizing(db, 1, Metric(), 100, -25, 45, 32, r));
    EXPECT_EQ(r.dN2Flow, 0.0);
}

TEST(OptimalDiameter, WindowWidensAroundTheTarget) {
    struct Case {
        const char* name;
        double lengths[4];
        int expected;
    };
    const Case cases[] = {
        {"lowest index wins within one step", {1.0, 1.952, 2.041, 3.0}, 1},
        {"rounding of the loop decides 1.5 against 2.5", {1.0, 1.5, 2.5, 3.0}, 1},
        {"nothing inside: the first diameter", {3.99, 4.0, 5.0, 6.0}, 0},
        {"exact target found in the second pass", {0.1, 2.0, 2.0, 9.0}, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindOptimalDiameter(c.lengths, 4, 2.0), c.expected) << c.name;
    const double lengths[] = {3.98};
    EXPECT_EQ(FindOptimalDiameter(lengths, 1, 2.0), 0);
    EXPECT_EQ(FindOptimalDiameter(lengths, 0, 2.0), 0);
    // Targets that would never let the loop end.
    EXPECT_EQ(FindOptimalDiameter(lengths, 1, std::nan("")), 0);
    EXPECT_EQ(FindOptimalDiameter(lengths, 1, 1e300), 0);
    EXPECT_EQ(FindOptimalDiameter(lengths, 1, -1.0), 0);
}

TEST(OptimalDiameter, RowWindowOverTwelveDiameters) {
    struct Case {
        int opt, first, row;
    };
    for (const Case c : {Case{0, 0, 0}, Case{5, 1, 4}, Case{7, 3, 4}, Case{8, 3, 5}, Case{11, 3, 8},
                         Case{3, 0, 3}, Case{4, 0, 4}}) {
        SizingResult r;
        PlaceRowWindow(c.opt, 12, r);
        EXPECT_EQ(r.nFirstRow, c.first) << c.opt;
        EXPECT_EQ(r.nOptimalRow, c.row) << c.opt;
        EXPECT_EQ(r.nRows, 9);
    }
}
