#pragma once
#include "logbook/bands.h"
#include "logbook/log_line.h"
#include "logbook/station.h"
#include "platform/text_file.h"
#include <QDir>
#include <QTemporaryDir>

// A generated log as an operator keeps it: every band, Corsica, dates over
// the years, a third of the QSOs confirmed, some first names missing.
inline QString benchLine(int i)
{
    static const QStringList bands = bandLabels();
    Ligne_Log q;
    q.indicatif = QStringLiteral("F%1AB").arg(i % 10000);
    q.dpt = departmentLabel(1 + i % 97);
    q.prenom = i % 5 ? QStringLiteral("JEAN") : QString();
    q.ref = q.dpt + QStringLiteral("%1").arg(i % 1000, 3, 10, QLatin1Char('0'));
    q.date = QStringLiteral("%1/%2/%3")
                 .arg(1 + i % 28, 2, 10, QLatin1Char('0'))
                 .arg(1 + (i / 28) % 12, 2, 10, QLatin1Char('0'))
                 .arg((8 + i / 4000) % 100, 2, 10, QLatin1Char('0'));
    q.qtr = QStringLiteral("12:%1").arg(i % 60, 2, 10, QLatin1Char('0'));
    q.mode = modeList()[i % 3];
    q.qrg = bands[i % bands.size()];
    q.rstr = q.rste = QStringLiteral("59");
    q.chateau = QStringLiteral("C. CHÂTEAU NUMÉRO %1").arg(i);
    q.qsl = i % 3 == 0;
    return buildLogLine(q).text;
}

inline QStringList benchLines(int n)
{
    QStringList lines;
    lines.reserve(n);
    for (int i = 0; i < n; ++i)
        lines << benchLine(i);
    return lines;
}

// The log of station F5ABC in a temporary data directory.
struct BenchLog {
    QTemporaryDir dir;
    QString callsign = QStringLiteral("F5ABC");
    explicit BenchLog(int n)
    {
        const QDir d(dir.path());
        writeLinesAtomically(d.filePath(logFileName(callsign)), d.filePath(QStringLiteral("x.tmp")), benchLines(n));
    }
    QString path() const { return QDir(dir.path()).filePath(logFileName(callsign)); }
};

#define BENCH_SIZES Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)
