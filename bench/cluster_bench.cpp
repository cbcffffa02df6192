#include "bench_doubles.h"
#include "bench_log.h"
#include "cluster/castle_reference.h"
#include "cluster/spot_line.h"
#include "cluster/spot_mark.h"
#include "cluster/spots_dfcf_window.h"
#include "logbook/castle_contacts.h"
#include "platform/qt_cluster_link.h"
#include "logbook/app_context.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <ctime>

// The cost of the spots window: the in-memory castle index built from the
// log, the check of one spot line against it, and the window fed 100 spots a
// second by a node on 127.0.0.1.
namespace {

QByteArray spotLine(int i)
{
    // Every third spot names a castle of the log, the others castles it lacks.
    const QString ref = i % 3 == 0 ? departmentLabel(1 + i % 97) + QStringLiteral("%1").arg(i % 1000, 3, 10, QLatin1Char('0'))
                                   : QStringLiteral("77-%1").arg(500 + i % 400);
    static const QList<double> khz = {3650.0, 7012.5, 14025.0, 21030.0, 28450.0, 144300.0, 432200.0, 5357.0};
    return QStringLiteral("DX de F5XYZ:   %1  F%2AB        DFCF %3 chateau               %4Z JN18")
        .arg(khz[i % khz.size()], 8, 'f', 1)
        .arg(i % 10000)
        .arg(ref)
        .arg(QStringLiteral("%1").arg(i % 24 * 100 + i % 60, 4, 10, QLatin1Char('0')))
        .toLatin1();
}

void BM_CastleIndexFromLog(benchmark::State& state)
{
    const QStringList lines = benchLines(int(state.range(0)));
    ContactedCastles index;
    for (auto _ : state) {
        index.rebuild(lines);
        benchmark::DoNotOptimize(index.size());
    }
}
BENCHMARK(BM_CastleIndexFromLog)->BENCH_SIZES;

void BM_OneSpotChecked(benchmark::State& state)
{
    ContactedCastles index;
    index.rebuild(benchLines(int(state.range(0))));
    QList<QByteArray> spots;
    for (int i = 0; i < 1000; ++i)
        spots << spotLine(i);
    const CastleListed listed = [](const QString&) { return true; };
    int i = 0;
    for (auto _ : state) {
        const std::optional<Spot> spot = readSpotLine(spots[i++ % spots.size()]);
        if (!spot) {
            state.SkipWithError("spot line not read");
            break;
        }
        const MarkedSpot marked = markSpot(*spot, castleReferenceIn(spot->comment, listed), index);
        benchmark::DoNotOptimize(marked.mark);
    }
}
BENCHMARK(BM_OneSpotChecked)->Arg(100000)->Unit(benchmark::kMicrosecond);

// 100 spots a second from a local node for DFCF_LOAD_SECONDS (60 by default),
// the log changing every 10 seconds; DFCF_LOAD_HIDDEN leaves the window
// unshown, to tell the drawing apart. Reports how late a 10 ms timer fires on
// the user-interface thread, the share of one core used, and the refresh.
void BM_SpotsWindowUnderLoad(benchmark::State& state)
{
    const int seconds = qEnvironmentVariableIntValue("DFCF_LOAD_SECONDS") > 0 ? qEnvironmentVariableIntValue("DFCF_LOAD_SECONDS") : 60;
    const QStringList log = benchLines(100000);
    for (auto _ : state) {
        QTcpServer node;
        node.listen(QHostAddress::LocalHost);
        QTcpSocket* client = nullptr;
        QObject::connect(&node, &QTcpServer::newConnection, [&] {
            client = node.nextPendingConnection();
            client->write("login: ");
        });
        MemorySettings settings;
        SilentMessages messages;
        AppContext ctx;
        ctx.settings = &settings;
        ctx.messages = &messages;
        ctx.Indicatif_Station = QStringLiteral("F5ABC");
        settings.write(QStringLiteral("Setup F5ABC"), QStringLiteral("Cluster Noeud"),
                       QStringLiteral("127.0.0.1:%1").arg(node.serverPort()));
        ContactedCastles index;
        index.rebuild(log);
        Spots_DFCF window(ctx, new QtClusterLink, index);
        window.resize(1100, 640);
        if (!qEnvironmentVariableIsSet("DFCF_LOAD_HIDDEN"))
            window.show();

        int sent = 0;
        QTimer feeder;
        feeder.setTimerType(Qt::PreciseTimer);
        QElapsedTimer fed;
        // However late the timer fires, the node keeps to 100 spots a second.
        QObject::connect(&feeder, &QTimer::timeout, [&] {
            while (client && sent < fed.elapsed() / 10)
                client->write(spotLine(sent++) + "\r\n");
        });
        qint64 worstLateMs = 0;
        double lateSum = 0;
        int ticks = 0;
        QElapsedTimer sinceTick;
        QTimer probe;
        probe.setTimerType(Qt::PreciseTimer);
        QObject::connect(&probe, &QTimer::timeout, [&] {
            const qint64 late = sinceTick.elapsed() - 10;
            sinceTick.start();
            worstLateMs = std::max(worstLateMs, late);
            lateSum += std::max<qint64>(late, 0);
            ++ticks;
        });
        double worstRefreshMs = 0;
        QTimer logChange;
        QObject::connect(&logChange, &QTimer::timeout, [&] {
            QElapsedTimer refresh;
            refresh.start();
            // A QSO saved: the index learns it and the window marks again.
            index.learnAppended(benchLine(int(log.size()) + ticks));
            window.refreshLog();
            worstRefreshMs = std::max(worstRefreshMs, refresh.nsecsElapsed() / 1e6);
        });
        const std::clock_t cpuStart = std::clock();
        QElapsedTimer wall;
        wall.start();
        fed.start();
        feeder.start(10);
        sinceTick.start();
        probe.start(10);
        logChange.start(10000);
        // An event loop that sleeps between events, as the program's does: a
        // loop polling processEvents() would count its own spinning.
        QEventLoop loop;
        QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
        loop.exec();
        const double cpu = double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
        state.counters["spots_sent"] = sent;
        state.counters["worst_timer_late_ms"] = double(worstLateMs);
        state.counters["mean_timer_late_ms"] = ticks ? lateSum / ticks : 0;
        state.counters["cpu_share_of_one_core"] = cpu / (wall.elapsed() / 1000.0);
        state.counters["worst_log_refresh_ms"] = worstRefreshMs;
    }
}
BENCHMARK(BM_SpotsWindowUnderLoad)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char** argv) { return runWindowBenchmarks(argc, argv); }
