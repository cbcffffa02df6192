#include "fuzz_data.h"
#include "logbook/list_row.h"
#include "logbook/log_line.h"
#include "logbook/log_store.h"
#include <QFile>

// Any log file: every line read, shown and interpreted; a QSO added keeps the others.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static FuzzDir dir;
    dir.write(QStringLiteral("F5ABC_DFCF.log"), data, size);
    LogStore store(dir.dir.path(), QStringLiteral("F5ABC"));
    const LinesRead log = store.read();
    for (const QString& line : log.lines) {
        Ligne_Liste(1, line);
        Ligne_Log::fromLine(line);
        departmentIndex(logFieldTrimmed(line, LogField::Dpt));
        lineBandGroup(line);
    }
    store.Cherche_Chateau(QStringLiteral("77121"), QStringLiteral("HF"));
    if (!log.lines.isEmpty())
        store.Supprime_QSO(0, log.lines.first());
    return 0;
}
