#include "convert.h"
#include "formatting.h"
#include "metricunits.h"
#include "sizing.h"
#include "testdatabase.h"
#include "tuberating.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>

namespace {

// The shipped database, parsed from its plain source text.
std::unique_ptr<RefrigerantDatabase> ShippedDatabase() {
    std::ifstream in(VELNOR_DATABASE_SOURCE, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    auto file = std::make_unique<DatabaseFile>();
    text.copy(file->text.data(), file->text.size() - 1);
    file->length = static_cast<int>(text.size());
    auto db = std::make_unique<RefrigerantDatabase>();
    HelpText help;
    EXPECT_TRUE(ParseDatabase(*file, *db, help));
    return db;
}

} // namespace

// Every tube a sizing lists, rated at the sizing's temperatures, serves the heat load it was
// sized for: the same correlation and length formula, turned round.
TEST(TubeRating, RatingASizedTubeGivesItsHeatLoadBack) {
    const auto db = ShippedDatabase();
    ASSERT_GT(db->nRefrigerants, 2);
    UnitSettings northAmerica; // Btu/hr, ºF, psi, inches, inches, CFM
    northAmerica.DiamType = 1;
    for (const UnitSettings& units : {MetricUnits(), UnitSettings{}, northAmerica}) {
        for (const int r : {0, db->nRefrigerants / 2, db->nRefrigerants - 1}) {
            // The middle of each range, in the temperature unit in force.
            const auto shown = [&units](double celsius) {
                return units.UnitsTemperature == 1 ? CToF(celsius) : celsius;
            };
            const double te = shown((db->dEvapMin[r] + db->dEvapMax[r]) / 2);
            const double tc = shown((db->dCondMin[r] + db->dCondMax[r]) / 2);
            const double trg = shown((db->dRGasMin[r] + db->dRGasMax[r]) / 2);
            const double q = units.UnitsEnergy != 0 ? 650.0 : 2217.9;
            SCOPED_TRACE(std::string(db->szName[r]) + ", energy unit " +
                         std::to_string(units.UnitsEnergy));
            SizingResult sized;
            ASSERT_TRUE(ComputeSizing(*db, r, units, q, te, tc, trg, sized));
            const int list = units.DiamType != 0 ? 1 : 0;
            for (int k = 0; k < DiameterCount(*db, units.DiamType); ++k) {
                const TubeRating rating =
                    RateTube(*db, r, units, te, tc, trg,
                             ToDisplayDiameter(DiameterList(*db, units.DiamType)[k], units),
                             ToDisplayLength(sized.dLength[list][k], units), TextLocale{});
                ASSERT_TRUE(rating.Valid()) << rating.message;
                EXPECT_NEAR(rating.heatLoad, q, q * 1e-9) << k;
                EXPECT_NEAR(rating.dN2Flow, sized.dN2Flow, sized.dN2Flow * 1e-12) << k;
            }
        }
    }
}

TEST(TubeRating, SaysWhyATubeHasNoHeatLoad) {
    // SimpleDatabase: F = 1 + 0.02·Q l/min; 1 mm and 750/F² m pass F.
    const auto lengthFor = [](double flow) { return 750.0 / (flow * flow); };
    const std::string badTube = "Tube invalid: the inner diameter and the length must be above 0";
    const std::string notInvertible = "No heat load: the refrigerant's flow correlation cannot "
                                      "be turned round at these temperatures";
    struct Case {
        const char* name;
        RefrigerantDatabase db;
        int refrigerant;
        double evap, diameter, length;
        RatingStatus status;
        bool flowKnown;
        std::string text; // the message, or the heat load text when valid
    };
    const Case cases[] = {
        {"valid", SimpleDatabase(), 0, -25, 1.0, lengthFor(3.0), RatingStatus::Ok, true,
         "100.00 W"},
        {"no refrigerant", SimpleDatabase(), 1, -25, 1.0, 1.0, RatingStatus::NoRefrigerant, false,
         "No refrigerants (in Velnor.dkt)"},
        {"temperature first, flow still known", SimpleDatabase(), 0, -50, 1.0, 1.0,
         RatingStatus::TemperatureInvalid, true,
         "Evap temp invalid (-40.0\xBA"
         "C to -10.0\xBA"
         "C)"},
        {"diameter of 0", SimpleDatabase(), 0, -25, 0.0, 1.0, RatingStatus::TubeInvalid, false,
         badTube},
        {"negative length", SimpleDatabase(), 0, -25, 1.0, -2.0, RatingStatus::TubeInvalid, false,
         badTube},
        {"B of 0", SimpleDatabase(1.0, 0.0), 0, -25, 1.0, 1.0, RatingStatus::NotInvertible, true,
         notInvertible},
        {"H below 0", SimpleDatabase(1.0, 0.02, -1.0), 0, -25, 1.0, 1.0,
         RatingStatus::NotInvertible, true, notInvertible},
        {"below 1 W", SimpleDatabase(), 0, -25, 1.0, lengthFor(1.01), RatingStatus::BelowRange,
         true, "Heat load invalid: the tube serves less than 1.00 W"},
        {"above 10000 W", SimpleDatabase(), 0, -25, 1.0, lengthFor(202.0), RatingStatus::AboveRange,
         true, "Heat load invalid: the tube serves more than 10000.00 W"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TubeRating rating = RateTube(c.db, c.refrigerant, MetricUnits(), c.evap, 45, 32,
                                           c.diameter, c.length, TextLocale{});
        EXPECT_EQ(rating.status, c.status);
        EXPECT_EQ(rating.FlowKnown(), c.flowKnown);
        EXPECT_EQ(rating.Valid() ? rating.heatLoadText : rating.message, c.text);
    }
    // The limits in the energy unit in force.
    UnitSettings btu = MetricUnits();
    btu.UnitsEnergy = 0;
    EXPECT_EQ(
        RateTube(SimpleDatabase(), 0, btu, -25, 45, 32, 1.0, lengthFor(1.01), TextLocale{}).message,
        "Heat load invalid: the tube serves less than 3.41 Btu/hr");
}
