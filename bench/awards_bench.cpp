#include "awards/award_figures.h"
#include "awards/statistics.h"
#include "bench_log.h"
#include "awards/award_list.h"
#include <benchmark/benchmark.h>

// Scores and every award figure, read from disk as the windows do.
namespace {

void BM_ScoresAndAwardFigures(benchmark::State& state)
{
    const BenchLog log(int(state.range(0)));
    for (auto _ : state) {
        const FiguresRead read = readAwardFigures(log.dir.path(), log.callsign);
        benchmark::DoNotOptimize(read.figures.hf.confirmedDepartments);
    }
}
BENCHMARK(BM_ScoresAndAwardFigures)->BENCH_SIZES;

// What the largest award list costs on top: its rows, sorted.
void BM_LargestAwardList(benchmark::State& state)
{
    const BenchLog log(int(state.range(0)));
    for (auto _ : state) {
        const FiguresRead read = readAwardFigures(log.dir.path(), log.callsign);
        const AwardList list = buildAwardList(read.figures.hf, QStringLiteral("HF"), QStringLiteral("de Base"));
        benchmark::DoNotOptimize(list.rows.size());
    }
}
BENCHMARK(BM_LargestAwardList)->BENCH_SIZES;

// The "Statistiques" window's figures: one pass, read from disk.
void BM_Statistics(benchmark::State& state)
{
    const BenchLog log(int(state.range(0)));
    for (auto _ : state) {
        const StatisticsRead read = readStatistics(log.dir.path(), log.callsign);
        benchmark::DoNotOptimize(read.statistics.lastMonth);
    }
}
BENCHMARK(BM_Statistics)->BENCH_SIZES;

} // namespace

BENCHMARK_MAIN();
