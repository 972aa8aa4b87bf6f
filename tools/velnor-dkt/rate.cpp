#include "rate.h"

#include "console.h"
#include "size.h"
#include "tuberating.h"

int RunRate(const std::vector<std::string>& args) {
    SizingSetup setup;
    if (!SetUpSizing(args, SizeCommand::Rate, setup))
        return 1;
    const SizeOptions& options = setup.options;
    const RefrigerantDatabase& db = setup.loaded->db;
    const int r = setup.refrigerant;

    const FieldInput te = EnterThroughField("--evap", options.evapTemp, "rated");
    const FieldInput tc = EnterThroughField("--cond", options.condTemp, "rated");
    const FieldInput trg = EnterThroughField("--return-gas", options.rgasTemp, "rated");
    const FieldInput d = EnterThroughField("--diameter", options.diameter, "rated");
    const FieldInput l = EnterThroughField("--length", options.length, "rated");

    const TubeRating rating = RateTube(db, r, options.units, te.value, tc.value, trg.value, d.value,
                                       l.value, TextLocale{});
    const ReportInputs inputs{db.szName[r], {}, te.shown, tc.shown, trg.shown};
    WriteOut(ReportBodyText(
        ComposeRatingLines(inputs, d.shown, l.shown, rating, options.units, TextLocale{})));
    return 0;
}
