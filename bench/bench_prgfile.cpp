// The pairing-file load of a full month: 3000 pairings of three days, as a large base's file holds.
#include "imports/PairingFile.h"
#include "support/PrgFixtures.h"
#include "support/TestWorkspace.h"

#include <benchmark/benchmark.h>

#include <sstream>

namespace tq {
namespace {

std::string FullMonthFile() {
    prg::PrgFile file;
    for (int i = 0; i < kMaxPairings; ++i) {
        prg::Pairing p = test::ThreeDayLayoverTrip();
        p.number = 8000 + i % 1000;
        p.dates = {{2026, 7, 1 + i % 28}};
        file.Add(p);
    }
    return file.Text();
}

void BM_LoadPairingFile(benchmark::State& state) {
    const std::string bytes = FullMonthFile();
    test::TestWorkspace t;
    t.log.open = false;
    t.schedule().SetMonthDates(Date::FromDmy(1, 7, 2026), Date::FromDmy(31, 7, 2026));
    t.schedule().FileKey = "YYZDH8CAZ";
    for (auto _ : state) {
        std::istringstream in(bytes);
        benchmark::DoNotOptimize(LoadPairingInput(t.ws, in, bytes.size(), "", false));
        t.ui().events.clear();
        t.views.calls.clear();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_LoadPairingFile)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace tq
