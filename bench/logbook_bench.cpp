#include "logbook/log_line.h"
#include "logbook/log_list_model.h"
#include "logbook/log_store.h"
#include "platform/text_file.h"
#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

// A log of n QSOs spread over the years, as an operator would keep it.
namespace {

QString line(int i)
{
    Ligne_Log q;
    q.indicatif = QStringLiteral("F%1AB").arg(i % 10000);
    q.dpt = QString::number(1 + i % 95);
    q.prenom = QStringLiteral("JEAN");
    q.ref = QStringLiteral("%1%2").arg(1 + i % 95, 2, 10, QLatin1Char('0')).arg(i % 1000, 3, 10, QLatin1Char('0'));
    q.date = QStringLiteral("%1/%2/%3").arg(1 + i % 28, 2, 10, QLatin1Char('0')).arg(1 + (i / 28) % 12, 2, 10, QLatin1Char('0'))
                 .arg((8 + i / 4000) % 100, 2, 10, QLatin1Char('0'));
    q.qtr = QStringLiteral("12:00");
    q.mode = QStringLiteral("SSB");
    q.qrg = QStringLiteral("14 Mhz");
    q.rstr = q.rste = QStringLiteral("59");
    q.chateau = QStringLiteral("C. CHÂTEAU NUMÉRO %1").arg(i);
    q.qsl = i % 3 == 0;
    return buildLogLine(q).text;
}

struct Log {
    QTemporaryDir dir;
    LogStore store{dir.path(), QStringLiteral("F5ABC")};
    explicit Log(int n)
    {
        QStringList lines;
        for (int i = 0; i < n; ++i)
            lines << line(i);
        writeLinesAtomically(store.path(), dir.filePath(QStringLiteral("x.tmp")), lines);
    }
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
    rewriteBench(state, [](LogStore& s, LogListModel&) { s.Ajoute_QSO(line(7)); });
}

void BM_InsereQSODate(benchmark::State& state)
{
    rewriteBench(state, [](LogStore& s, LogListModel&) { s.Insere_QSO_Date(line(12345)); });
}

void BM_RemplaceQSO(benchmark::State& state)
{
    rewriteBench(state, [](LogStore& s, LogListModel& m) {
        const int row = m.rowCount() / 2;
        s.Remplace_QSO(row, m.logLine(row), line(row + 1));
    });
}

void BM_SupprimeQSO(benchmark::State& state)
{
    rewriteBench(state, [](LogStore& s, LogListModel& m) {
        const int row = m.rowCount() / 2;
        s.Supprime_QSO(row, m.logLine(row));
        s.Ajoute_QSO(line(row)); // keeps the log at its size
    });
}

void BM_ChercheChateau(benchmark::State& state)
{
    Log log(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(log.store.Cherche_Chateau(QStringLiteral("99999"), QStringLiteral("HF")));
}

} // namespace

BENCHMARK(BM_ChargeLog)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AjouteQSO)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InsereQSODate)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RemplaceQSO)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SupprimeQSO)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChercheChateau)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
