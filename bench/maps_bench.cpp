#include "awards/map.h"
#include "logbook/bands.h"
#include "logbook/log_line.h"
#include "logbook/station.h"
#include "platform/text_file.h"
#include "reports/adif.h"
#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

// The ADIF export and the department map of a 100,000-line log, from the
// log on disk to the written file or the coloured boxes, as the menu does.
namespace {

QString line(int i)
{
    const QStringList bands = bandLabels();
    Ligne_Log q;
    q.indicatif = QStringLiteral("F%1AB").arg(i % 10000);
    q.dpt = departmentLabel(1 + i % 97);
    q.prenom = i % 5 ? QStringLiteral("JEAN") : QString();
    q.ref = q.dpt + QStringLiteral("%1").arg(i % 1000, 3, 10, QLatin1Char('0'));
    q.date = QStringLiteral("%1/%2/%3").arg(1 + i % 28, 2, 10, QLatin1Char('0')).arg(1 + i % 12, 2, 10, QLatin1Char('0')).arg(i % 100, 2, 10, QLatin1Char('0'));
    q.qtr = QStringLiteral("12:%1").arg(i % 60, 2, 10, QLatin1Char('0'));
    q.mode = modeList()[i % 3];
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

void AdifExportOfTheLog(benchmark::State& state)
{
    const Log log(int(state.range(0)));
    for (auto _ : state) {
        const AdifExport exported = exportAdif(log.dir.path(), QStringLiteral("F5ABC"));
        if (!exported.result)
            state.SkipWithError("export failed");
    }
}
BENCHMARK(AdifExportOfTheLog)->Arg(100000)->Unit(benchmark::kMillisecond);

// The same records without the disk: what the conversion itself costs.
void AdifDocumentOnly(benchmark::State& state)
{
    QStringList lines;
    for (int i = 0; i < state.range(0); ++i)
        lines << line(i);
    for (auto _ : state)
        benchmark::DoNotOptimize(adifDocument(QStringLiteral("F5ABC"), lines));
}
BENCHMARK(AdifDocumentOnly)->Arg(100000)->Unit(benchmark::kMillisecond);

void DepartmentMapOfTheLog(benchmark::State& state)
{
    const Log log(int(state.range(0)));
    for (auto _ : state) {
        const CarteRead read = Colore_Carte(log.dir.path(), QStringLiteral("F5ABC"), QStringLiteral("HF"));
        benchmark::DoNotOptimize(read.carte.contacted);
    }
}
BENCHMARK(DepartmentMapOfTheLog)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
