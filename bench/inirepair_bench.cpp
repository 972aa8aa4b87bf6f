// The line-by-line reading of a settings file at the largest size the store reads (1 MiB): one
// line of entries glued together, of foreign names (one entry) and of the program's own names
// (split at every header), and a file of ordinary lines. Each must take time in proportion to
// the length; bytes per second are reported.
#include "inirepair.h"
#include "persistentsettings.h"

#include <benchmark/benchmark.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::size_t kFileSize = 1 << 20;

std::string Repeated(std::string_view piece) {
    std::string text;
    while (text.size() + piece.size() <= kFileSize)
        text += piece;
    return text;
}

void Read(benchmark::State& state, const std::string& text) {
    const std::vector<std::string> names = PersistentSettings::EntryNames();
    for (auto _ : state)
        benchmark::DoNotOptimize(IniRepair::Read(text, names).Text().size());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void BM_GluedForeignEntries(benchmark::State& state) {
    Read(state, Repeated("a=1[b]c=1[b]"));
}
BENCHMARK(BM_GluedForeignEntries)->Unit(benchmark::kMillisecond);

void BM_GluedEntriesOfOurs(benchmark::State& state) {
    Read(state, Repeated("dHeatLoad=1[Settings]"));
}
BENCHMARK(BM_GluedEntriesOfOurs)->Unit(benchmark::kMillisecond);

void BM_OrdinaryLines(benchmark::State& state) {
    Read(state, "[Settings]\n" + Repeated("UnitsEnergy%20%20%20%20%20=1\ndHeatLoad=12345\n"));
}
BENCHMARK(BM_OrdinaryLines)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
