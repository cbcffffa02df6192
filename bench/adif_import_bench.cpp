#include "bench_log.h"
#include "logbook/log_store.h"
#include "reports/adif_import.h"
#include <QFile>
#include <benchmark/benchmark.h>

namespace {

QByteArray field(const char* tag, const QByteArray& value)
{
    return "<" + QByteArray(tag) + ":" + QByteArray::number(value.size()) + ">" + value;
}

QByteArray digits(int value, int width) { return QByteArray::number(value).rightJustified(width, '0'); }

// A general logger's record of about 150 bytes: mostly FT8 and CW QSOs.
QByteArray peerRecord(int i)
{
    return field("CALL", "DL" + QByteArray::number(i % 10) + "ABC") + " " + field("QSO_DATE", "2024" + digits(1 + i % 12, 2) + digits(1 + i % 28, 2))
         + " " + field("TIME_ON", digits(i % 24, 2) + digits(i % 60, 2) + "00") + " " + field("BAND", "20m") + " "
         + field("MODE", i % 2 ? "FT8" : "CW") + " " + field("FREQ", "14.074123") + " " + field("RST_SENT", "-10") + " "
         + field("RST_RCVD", "-05") + " " + field("STATION_CALLSIGN", "F5ABC") + " " + field("GRIDSQUARE", "JO31") + "<eor>\r\n";
}

// A DFCF contact as a peer writes it; castles of departments 50 to 95, none of them in the log below.
QByteArray dfcfRecord(int i)
{
    const QByteArray ref = QByteArray::number(50 + i % 46) + digits(i / 46, 3);
    return field("CALL", "F" + QByteArray::number(i) + "DFC") + field("QSO_DATE", "2015" + digits(1 + i % 12, 2) + digits(1 + i % 28, 2))
         + field("TIME_ON", digits(i % 24, 2) + digits(i % 60, 2)) + field("BAND", "40m") + field("MODE", "SSB")
         + field("RST_RCVD", "59") + field("RST_SENT", "59") + field("SIG", "DFCF") + field("SIG_INFO", ref)
         + field("NAME", "Jean") + "<eor>\r\n";
}

struct AdifFile {
    QTemporaryDir dir;
    QString path = dir.filePath("peer.adi");
    explicit AdifFile(const QByteArray& bytes)
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    }
};

// 1,000,000 records, one in a hundred a DFCF contact.
void BM_ReadAdi1M(benchmark::State& state)
{
    QByteArray bytes = "Generated <ADIF_VER:5>3.1.4<eoh>\r\n";
    bytes.reserve(160'000'000);
    for (int i = 0; i < 1'000'000; ++i)
        bytes += i % 100 == 0 ? dfcfRecord(i / 100) : peerRecord(i);
    const AdifFile file(bytes);
    state.counters["MB"] = double(bytes.size()) / 1e6;
    bytes.clear();
    for (auto _ : state) {
        const AdifScan scan = scanAdifFile(file.dir.path(), file.path);
        benchmark::DoNotOptimize(scan.nonDfcf);
    }
}

// A log of 100,000 QSOs on castles of departments 1 to 48, as bench_log.h generates them.
QStringList logOf100k()
{
    QStringList lines = benchLines(100'000);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        Ligne_Log q = Ligne_Log::fromLine(lines[i]);
        q.dpt = departmentLabel(1 + int(i % 48));
        q.ref = q.dpt + q.ref.right(3);
        lines[i] = buildLogLine(q).text;
    }
    return lines;
}

// Reading the file, the preview and the import of 10,000 QSOs into a 100,000-line log.
void BM_Import10kInto100k(benchmark::State& state)
{
    QByteArray bytes;
    for (int i = 0; i < 10'000; ++i)
        bytes += dfcfRecord(i);
    const AdifFile file(bytes);
    BenchLog log(0);
    const QStringList lines = logOf100k();
    const QString scratch = log.path() + ".bench";
    int imported = 0;
    for (auto _ : state) {
        state.PauseTiming();
        writeLinesAtomically(log.path(), scratch, lines);
        state.ResumeTiming();
        AdifScan scan = scanAdifFile(log.dir.path(), file.path);
        LogStore store(log.dir.path(), log.callsign);
        classifyAgainstLog(scan, store.read().lines);
        imported = importScan(store, scan).imported;
    }
    state.counters["imported"] = imported;
}

// The preview of a file of many tiny records, judged against a 100,000-line
// log: refused (SIG only), damaged (a length past the "<eor>") or both, three
// million of them. Run one at a time under /usr/bin/time -v for the peak memory.
QByteArray tinyRecords(int count, const QByteArray& record)
{
    QByteArray bytes;
    bytes.reserve(count * record.size());
    for (int i = 0; i < count; ++i)
        bytes += record;
    return bytes;
}

void previewTiny(benchmark::State& state, int count, const QByteArray& record)
{
    const AdifFile file(tinyRecords(count, record));
    const BenchLog log(100'000);
    const LogStore store(log.dir.path(), log.callsign);
    int refused = 0;
    for (auto _ : state)
        refused = countFates(previewAdifFile(log.dir.path(), file.path, store).scan).refused;
    state.counters["refused"] = refused;
}

void BM_PreviewRefused1M(benchmark::State& state) { previewTiny(state, 1'000'000, "<SIG:4>DFCF<EOR>"); }
void BM_PreviewDamaged1M(benchmark::State& state)
{
    previewTiny(state, 1'000'000, "<CALL:5>F5ABC<SIG:4>DFCF<COMMENT:40>abcde<EOR>\r\n");
}
void BM_PreviewRefused3M(benchmark::State& state) { previewTiny(state, 3'000'000, "<SIG:4>DFCF<EOR>"); }

} // namespace

BENCHMARK(BM_PreviewRefused1M)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_PreviewDamaged1M)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_PreviewRefused3M)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ReadAdi1M)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Import10kInto100k)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_MAIN();
