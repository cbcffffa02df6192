#include "castles/castle_list.h"
#include "castles/name_refresh.h"
#include "logbook/log_line.h"
#include "logbook/station.h"
#include "platform/text_file.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int castleCount = 10000;

QString reference(int i) { return QStringLiteral("%1").arg(10000 + i * 7 % 89999, 5, 10, QLatin1Char('0')); }

void writeCastleList(const QString& dir)
{
    QStringList lines{QStringLiteral("Rev 012 du 08/03/19")};
    for (int i = 0; i < castleCount; ++i) {
        const QString ref = reference(i);
        lines << ref.left(2) + '-' + ref.mid(2) + QStringLiteral(";Château numéro %1;Commune de France;x").arg(i);
    }
    writeLinesAtomically(QDir(dir).filePath(castleListFileName), QDir(dir).filePath("scratch"), lines);
}

// Half of the QSOs carry only the "C. " prefix; the others have a name.
QStringList logLines(int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i) {
        Ligne_Log q;
        q.indicatif = QStringLiteral("F%1ABC").arg(i % 10);
        q.dpt = QStringLiteral("77");
        q.ref = reference(i * 13 % (castleCount + 500)); // a few references are not listed
        q.date = QStringLiteral("01/02/19");
        q.qtr = QStringLiteral("10:00");
        q.mode = QStringLiteral("SSB");
        q.qrg = QStringLiteral("14 Mhz");
        q.rstr = q.rste = QStringLiteral("59");
        q.chateau = i % 2 ? QStringLiteral("CHATEAU DEJA NOMME") : QStringLiteral("C. ");
        lines << buildLogLine(q).text;
    }
    return lines;
}

void BM_ChercheNomChateauLastCastle(benchmark::State& state)
{
    QTemporaryDir dir;
    writeCastleList(dir.path());
    const QString last = reference(castleCount - 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(Cherche_Nom_Chateau(dir.path(), last));
    if (Cherche_Nom_Chateau(dir.path(), last).name != QStringLiteral("C.Château numéro %1").arg(castleCount - 1))
        state.SkipWithError("last castle not found");
}
BENCHMARK(BM_ChercheNomChateauLastCastle)->Unit(benchmark::kMillisecond);

void BM_RefreshNames(benchmark::State& state)
{
    QTemporaryDir dir;
    writeCastleList(dir.path());
    const QByteArray log = joinLines(logLines(int(state.range(0))));
    const QString logPath = QDir(dir.path()).filePath(logFileName("F5ABC"));
    for (auto _ : state) {
        state.PauseTiming();
        QFile file(logPath);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(log) != log.size())
            state.SkipWithError("cannot write the log");
        file.close();
        state.ResumeTiming();
        if (!Maj_Nom_DFCF(dir.path(), QStringLiteral("F5ABC")).ok)
            state.SkipWithError("refresh failed");
    }
}
BENCHMARK(BM_RefreshNames)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
