#pragma once
#include "castles/castle_list.h"
#include "logbook/log_store.h"
#include "platform/text_file.h"
#include "reports/adif_import.h"
#include "support/test_env.h"

// ADIF text for tests: one field, with its length in bytes as ADIF counts it.
inline QByteArray adifField(const char* tag, const QByteArray& value)
{
    return "<" + QByteArray(tag) + ":" + QByteArray::number(value.size()) + ">" + value;
}

// Imports ADIF files into the station's log; each test has its own data directory.
class AdifImportTest : public DataDirTest {
protected:
    // The file read and judged against the log as it is, nothing written.
    AdifScan preview(const QByteArray& adif) const
    {
        AdifScan scan = scanAdif(adif, CastleTable::load(dir.path()));
        classifyAgainstLog(scan, readLines(path(logName())).lines);
        return scan;
    }

    ImportDone import(const QByteArray& adif) const
    {
        AdifScan scan = scanAdif(adif, CastleTable::load(dir.path()));
        LogStore store = context.logStore();
        return importScan(store, scan);
    }

    // The lines an empty log holds once the file is imported: what a round
    // trip through an export must give back.
    QStringList importIntoEmptyLog(const QByteArray& adif) const
    {
        writeLog({});
        const ImportDone done = import(adif);
        EXPECT_TRUE(done.result) << done.result.text().toStdString();
        return readLines(path(logName())).lines;
    }

    static QStringList reasons(const AdifScan& scan)
    {
        QStringList texts;
        for (const ImportEntry& entry : scan.entries)
            texts << entry.reason;
        return texts;
    }
};
