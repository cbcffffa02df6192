#include "bench_doubles.h"
#include "bench_log.h"
#include "cluster/spots_dfcf_window.h"
#include "logbook/log_list_model.h"
#include "logbook/log_session.h"
#include "platform/clock.h"
#include "shell/main_window.h"
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <benchmark/benchmark.h>

// A change of the log through the session against the plain atomic rewrite
// of the same file, and what the operator sees of it: the event loop's
// stall when a QSO is saved with "Spots DFCF" open, and the start-up.
namespace {

void BM_PlainRewrite(benchmark::State& state)
{
    BenchLog log(int(state.range(0)));
    const QByteArray bytes = joinLines(benchLines(int(state.range(0))));
    const QString scratch = QDir(log.dir.path()).filePath(QStringLiteral("Temporaire.txt"));
    for (auto _ : state)
        writeFileAtomically(log.path(), scratch, bytes);
}

struct SessionLog : BenchLog {
    LogSession session{dir.path(), nullptr};
    explicit SessionLog(int n) : BenchLog(n) { session.open(callsign); }
    int middle() const { return int(session.lines().size() / 2); }
};

void BM_SessionAdd(benchmark::State& state)
{
    SessionLog log(int(state.range(0)));
    for (auto _ : state)
        log.session.Ajoute_QSO(benchLine(7));
}

void BM_SessionInsert(benchmark::State& state)
{
    SessionLog log(int(state.range(0)));
    for (auto _ : state)
        log.session.Insere_QSO_Date(benchLine(12345));
}

void BM_SessionReplace(benchmark::State& state)
{
    SessionLog log(int(state.range(0)));
    int i = 0;
    for (auto _ : state) {
        const int row = log.middle();
        log.session.Remplace_QSO(row, log.session.lines()[row], benchLine(++i));
    }
}

void BM_SessionDelete(benchmark::State& state)
{
    SessionLog log(int(state.range(0)));
    for (auto _ : state) {
        const int row = log.middle();
        log.session.Supprime_QSO(row, log.session.lines()[row]);
        state.PauseTiming();
        log.session.Ajoute_QSO(benchLine(row)); // keeps the log at its size
        state.ResumeTiming();
    }
}

struct Program {
    BenchLog log{100000};
    MemorySettings settings;
    SilentMessages messages;
    SystemClock clock;
    AppContext ctx;
    Program()
    {
        ctx.dataDir = log.dir.path();
        ctx.settings = &settings;
        ctx.messages = &messages;
        ctx.clock = &clock;
        settings.write(QStringLiteral("Setup "), QStringLiteral("Indicatif Station"), log.callsign);
    }
};

// From the main window's construction to its first frame drawn, on 100,000 lines.
void BM_StartUp(benchmark::State& state)
{
    Program program;
    for (auto _ : state) {
        QElapsedTimer shown;
        shown.start();
        Main window(program.ctx);
        window.load();
        QApplication::processEvents();
        state.counters["shown_ms"] = double(shown.nsecsElapsed()) / 1e6;
        state.PauseTiming();
        window.close();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

// A QSO saved every 300 ms for DFCF_SAVE_COUNT saves (20 by default) with
// "Spots DFCF" open on 100,000 lines; a 10 ms timer on the same thread says
// how late the event loop let it fire.
void BM_SaveWithSpotsOpen(benchmark::State& state)
{
    const int saves = qEnvironmentVariableIntValue("DFCF_SAVE_COUNT") > 0 ? qEnvironmentVariableIntValue("DFCF_SAVE_COUNT") : 20;
    Program program;
    Main window(program.ctx);
    window.load();
    window.Mnu_Spots->trigger();
    QApplication::processEvents();
    for (auto _ : state) {
        qint64 worstLateMs = 0;
        QElapsedTimer sinceTick;
        QTimer probe;
        probe.setTimerType(Qt::PreciseTimer);
        QObject::connect(&probe, &QTimer::timeout, [&] {
            worstLateMs = std::max(worstLateMs, sinceTick.elapsed() - 10);
            sinceTick.start();
        });
        int saved = 0;
        double worstSaveMs = 0;
        QEventLoop loop;
        QTimer saver;
        QObject::connect(&saver, &QTimer::timeout, [&] {
            QElapsedTimer save;
            save.start();
            // What saving a QSO does: the write, then the new row selected.
            window.session().Ajoute_QSO(benchLine(100000 + saved));
            window.selectLastLine();
            worstSaveMs = std::max(worstSaveMs, save.nsecsElapsed() / 1e6);
            if (++saved == saves)
                loop.quit();
        });
        sinceTick.start();
        probe.start(10);
        saver.start(300);
        loop.exec();
        state.counters["worst_timer_late_ms"] = double(worstLateMs);
        state.counters["worst_save_ms"] = worstSaveMs;
        state.counters["spots_window_open"] = window.findChild<Spots_DFCF*>() ? 1 : 0;
    }
}

} // namespace

BENCHMARK(BM_PlainRewrite)->BENCH_SIZES;
BENCHMARK(BM_SessionAdd)->BENCH_SIZES;
BENCHMARK(BM_SessionInsert)->BENCH_SIZES;
BENCHMARK(BM_SessionReplace)->BENCH_SIZES;
BENCHMARK(BM_SessionDelete)->BENCH_SIZES;
BENCHMARK(BM_StartUp)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveWithSpotsOpen)->Iterations(1)->Unit(benchmark::kSecond);

int main(int argc, char** argv) { return runWindowBenchmarks(argc, argv); }
