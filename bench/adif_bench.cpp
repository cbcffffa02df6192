#include "bench_log.h"
#include "reports/adif_standard.h"
#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

// The whole standard export: read the log, convert, write the file atomically.
void standardExport(benchmark::State& state, const char* name)
{
    BenchLog log(int(state.range(0)));
    const QString target = QDir(log.dir.path()).filePath(QString::fromLatin1(name));
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (auto _ : state) {
        const StandardExport done = exportStandardAdif(log.dir.path(), log.callsign, target, now);
        if (!done.result || done.written != state.range(0))
            state.SkipWithError("export failed");
    }
}

void BM_StandardAdiExport(benchmark::State& state) { standardExport(state, "out.adi"); }
void BM_StandardAdxExport(benchmark::State& state) { standardExport(state, "out.adx"); }

} // namespace

BENCHMARK(BM_StandardAdiExport)->BENCH_SIZES;
BENCHMARK(BM_StandardAdxExport)->BENCH_SIZES;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
