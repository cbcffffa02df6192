#include "bench_log.h"
#include "logbook/log_list_model.h"
#include "logbook/log_store.h"
#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

struct Log : BenchLog {
    LogStore store{dir.path(), callsign};
    using BenchLog::BenchLog;
    void reload(LogListModel& model) const { model.setLines(store.read().lines); }
};

void BM_ChargeLog(benchmark::State& state)
{
    Log log(int(state.range(0)));
    LogListModel model;
    for (auto _ : state) {
        log.reload(model);
        benchmark::DoNotOptimize(model.rowText(model.rowCount() - 1));
    }
}

template <class Change> void rewriteBench(benchmark::State& state, Change change)
{
    Log log(int(state.range(0)));
    LogListModel model;
    log.reload(model);
    for (auto _ : state) {
        change(log.store, model);
        log.reload(model);
    }
}

void BM_AjouteQSO(benchmark::State& state)
{
    rewriteBench(state, [](LogStore& s, LogListModel&) { s.Ajoute_QSO(benchLine(7)); });
}

void BM_InsereQSODate(benchmark::State& state)
{
    rewriteBench(state, [](LogStore& s, LogListModel&) { s.Insere_QSO_Date(benchLine(12345)); });
}

void BM_RemplaceQSO(benchmark::State& state)
{
    rewriteBench(state, [](LogStore& s, LogListModel& m) {
        const int row = m.rowCount() / 2;
        s.Remplace_QSO(row, m.logLine(row), benchLine(row + 1));
    });
}

void BM_SupprimeQSO(benchmark::State& state)
{
    rewriteBench(state, [](LogStore& s, LogListModel& m) {
        const int row = m.rowCount() / 2;
        s.Supprime_QSO(row, m.logLine(row));
        s.Ajoute_QSO(benchLine(row)); // keeps the log at its size
    });
}

void BM_ChercheChateau(benchmark::State& state)
{
    Log log(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(log.store.Cherche_Chateau(QStringLiteral("99999"), QStringLiteral("HF")));
}

} // namespace

BENCHMARK(BM_ChargeLog)->BENCH_SIZES;
BENCHMARK(BM_AjouteQSO)->BENCH_SIZES;
BENCHMARK(BM_InsereQSODate)->BENCH_SIZES;
BENCHMARK(BM_RemplaceQSO)->BENCH_SIZES;
BENCHMARK(BM_SupprimeQSO)->BENCH_SIZES;
BENCHMARK(BM_ChercheChateau)->BENCH_SIZES;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
