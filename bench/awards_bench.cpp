#include "awards/award_figures.h"
#include "logbook/bands.h"
#include "logbook/log_line.h"
#include "logbook/station.h"
#include "platform/text_file.h"
#include "reports/award_list.h"
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

// Scores and every award figure of a 100,000-line log, read from disk as the
// windows do, with all bands, Corsica and a third of the QSOs confirmed.
namespace {

QString line(int i)
{
    const QStringList bands = bandLabels();
    Ligne_Log q;
    q.indicatif = QStringLiteral("F%1AB").arg(i % 10000);
    const int department = 1 + i % 97;
    q.dpt = departmentLabel(department);
    q.prenom = QStringLiteral("JEAN");
    q.ref = q.dpt + QStringLiteral("%1").arg(i % 1000, 3, 10, QLatin1Char('0'));
    q.date = QStringLiteral("01/02/08");
    q.qtr = QStringLiteral("12:00");
    q.mode = QStringLiteral("SSB");
    q.qrg = bands[i % bands.size()];
    q.rstr = q.rste = QStringLiteral("59");
    q.chateau = QStringLiteral("CHÂTEAU NUMÉRO %1").arg(i);
    q.qsl = i % 3 == 0;
    return buildLogLine(q).text;
}

struct Log {
    QTemporaryDir dir;
    explicit Log(int n)
    {
        QStringList lines;
        for (int i = 0; i < n; ++i)
            lines << line(i);
        const QDir d(dir.path());
        writeLinesAtomically(d.filePath(logFileName(QStringLiteral("F5ABC"))), d.filePath(QStringLiteral("x.tmp")), lines);
    }
};

void ScoresAndAwardFigures(benchmark::State& state)
{
    const Log log(int(state.range(0)));
    for (auto _ : state) {
        const FiguresRead read = readAwardFigures(log.dir.path(), QStringLiteral("F5ABC"));
        benchmark::DoNotOptimize(read.figures.hf.confirmedDepartments);
    }
}
BENCHMARK(ScoresAndAwardFigures)->Arg(100000)->Unit(benchmark::kMillisecond);

// What the largest award list costs on top: its rows, sorted.
void FiguresAndLargestList(benchmark::State& state)
{
    const Log log(int(state.range(0)));
    for (auto _ : state) {
        const FiguresRead read = readAwardFigures(log.dir.path(), QStringLiteral("F5ABC"));
        const AwardList list = buildAwardList(read.figures.hf, QStringLiteral("HF"), QStringLiteral("de Base"));
        benchmark::DoNotOptimize(list.rows.size());
    }
}
BENCHMARK(FiguresAndLargestList)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
