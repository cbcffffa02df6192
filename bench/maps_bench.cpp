#include "awards/map.h"
#include "bench_log.h"
#include "reports/adif.h"
#include <benchmark/benchmark.h>

// The ADIF export and the department map, from the log on disk to the
// written file or the coloured boxes, as the menus do.
namespace {

void BM_AdifExport(benchmark::State& state)
{
    const BenchLog log(int(state.range(0)));
    for (auto _ : state) {
        const AdifExport exported = exportAdif(log.dir.path(), log.callsign);
        if (!exported.result)
            state.SkipWithError("export failed");
    }
}
BENCHMARK(BM_AdifExport)->BENCH_SIZES;

// The same records without the disk: what the conversion itself costs.
void BM_AdifRecordsWithoutDisk(benchmark::State& state)
{
    const QStringList lines = benchLines(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(adifDocument(QStringLiteral("F5ABC"), lines));
}
BENCHMARK(BM_AdifRecordsWithoutDisk)->BENCH_SIZES;

void BM_ColoreCarte(benchmark::State& state)
{
    const BenchLog log(int(state.range(0)));
    for (auto _ : state) {
        const CarteRead read = Colore_Carte(log.dir.path(), log.callsign, QStringLiteral("HF"));
        benchmark::DoNotOptimize(read.carte.contacted);
    }
}
BENCHMARK(BM_ColoreCarte)->BENCH_SIZES;

} // namespace

BENCHMARK_MAIN();
