// Reading and parsing a database file of the full 102,400 bytes, and the sizing at its worst
// case: 50 diameters of which none ever falls inside the widening window (200 passes).
#include "database.h"
#include "sizing.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

const char* kFullFile = "core_bench_full.dkt";

// A valid text of exactly 51,200 characters: 99 help lines, 50 diameters per list and 50
// records, padded with a long caption line.
std::string FullText() {
    std::string text = "[HELP]\n";
    for (int i = 0; i < 99; ++i)
        text += "Help line " + std::to_string(i) + " " + std::string(80, 'h') + "\n";
    text += "[START]\nBenchmark\n1.0.0\n2.0\n";
    for (int list = 0; list < 2; ++list) {
        for (int i = 0; i < 50; ++i)
            text += std::to_string(0.5 + 0.03 * i) + (i < 49 ? "," : "\n");
    }
    std::string records;
    for (int r = 0; r < 50; ++r)
        records += "R" + std::to_string(r) +
                   ",-40,10,20,65,-20,45,0.5,0.01,0.02,0.0001,0.0002,0.025,0.0001,0.0002,"
                   "0.000001,0.000002,1,0.003,0.00001,0.00002\n";
    const std::size_t caption = 51200 - text.size() - records.size() - 1;
    text += std::string(caption, 'c') + "\n" + records;
    return text;
}

void WriteFullFile() {
    const ScrambleResult s = ScrambleDatabaseText(FullText());
    std::FILE* f = std::fopen(kFullFile, "wb");
    std::fwrite(s.bytes.data(), 1, s.bytes.size(), f);
    std::fclose(f);
}

void BM_ReadAndParseFullFile(benchmark::State& state) {
    WriteFullFile();
    static DatabaseFile file;
    static RefrigerantDatabase db;
    static HelpText help;
    for (auto _ : state) {
        const int n = ReadDatabaseFile(file, help, kFullFile);
        const bool ok = ParseDatabase(file, db, help);
        benchmark::DoNotOptimize(n);
        benchmark::DoNotOptimize(ok);
        if (n != 51200 || !ok || db.nRefrigerants != 50 || db.nDiamEurope != 50)
            state.SkipWithError("the full file did not parse as expected");
    }
    std::remove(kFullFile);
}
BENCHMARK(BM_ReadAndParseFullFile);

void BM_ComputeSizingWorstCase(benchmark::State& state) {
    static RefrigerantDatabase db;
    db.nRefrigerants = 1;
    std::strcpy(db.szName[0], "worst");
    db.dEvapMax[0] = db.dCondMax[0] = db.dRGasMax[0] = 100;
    db.dEvapMin[0] = db.dCondMin[0] = db.dRGasMin[0] = -100;
    db.dFlowCoef[0][0] = 0.1; // a tiny flow makes every tube far longer than the window
    db.dCorrCoef[0][0] = 1;
    db.nDiamEurope = 50;
    for (int i = 0; i < 50; ++i)
        db.dDiamEurope[i] = 1.0 + 0.02 * i;
    db.dTargetLength = 2.0;
    UnitSettings units;
    units.UnitsEnergy = 1;
    units.UnitsTemperature = 0;
    SizingResult result;
    for (auto _ : state) {
        const bool ok = ComputeSizing(db, 0, units, 100, 0, 0, 0, result);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(result.nOptimalRow);
    }
    if (result.OptimalIndex() != 0)
        state.SkipWithError("expected nothing found");
}
BENCHMARK(BM_ComputeSizingWorstCase);

} // namespace

BENCHMARK_MAIN();
