#pragma once
#include "castles/castle_list.h"
#include "logbook/prenoms.h"
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
        AdifScan scan = scanAdif(adif, CastleTable::load(dir.path()), loadPrenoms(dir.path()));
        classifyAgainstLog(scan, readLines(path(logName())).lines);
        return scan;
    }

    ImportDone import(const QByteArray& adif) const
    {
        AdifScan scan = scanAdif(adif, CastleTable::load(dir.path()), loadPrenoms(dir.path()));
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

    // What a round trip must bring back: every band, Corsica, a "/" in a
    // callsign (kept as "_"), accents and a ligature, an empty first name, the
    // castle-name placeholder, the longest castle name, a blank one and ones
    // the castle list would name otherwise, both centuries, both QSL marks,
    // every mode the log keeps, and QSOs at the same instant.
    static QStringList roundTripLog()
    {
        QStringList lines;
        const QStringList bands = {"1.8 Mhz", "3.5 Mhz", "7.0 Mhz", "10 Mhz", "14 Mhz", "18 Mhz",
                                   "21 Mhz",  "24 Mhz",  "28 Mhz",  "50 Mhz", "144 Mhz", "432 Mhz"};
        const QStringList modes = {"SSB", "CW", "FM", "RTY", "FT4", "FT8", "PSK"};
        for (int i = 0; i < bands.size(); ++i)
            lines << qsoLine(QStringLiteral("F%1ABC").arg(i), "77", QStringLiteral("77%1").arg(100 + i, 3, 10, QChar('0')),
                             QStringLiteral("%1/03/99").arg(i + 1, 2, 10, QChar('0')), "08:05", bands[i], i % 2 == 0,
                             QStringLiteral("C. CHÂTEAU NUMÉRO %1").arg(i), modes[i % modes.size()],
                             i % 3 ? QStringLiteral("JÉRÔME") : QString());
        lines << qsoLine("F_ON4ABC_P", "2a", "2a004", "05/02/08", "23:59", "14 Mhz", true, "C. ", "CW", "ANNE-MARIE")

              << qsoLine("F5XYZ", "2b", "2b010", "05/02/08", "23:59", "144 Mhz", false, "C. DE L'ŒUVRE", "SSB", "NOËL")
              << qsoLine("F5XYZ", "2b", "2b011", "05/02/08", "23:59", "432 Mhz", false,
                         "C. UN NOM DE CHÂTEAU TRÈS LONG QUI", "SSB", "JEAN-CHRISTOPHE")
              << qsoLine("F5NVI_M", "91", "91014", "06/02/08", "10:00", "10 Mhz", false, "", "SSB")
              << qsoLine("F5NVI_M", "91", "91015", "06/02/08", "10:05", "18 Mhz", false, "Tour d'Été", "SSB");
        return lines;
    }

    static QStringList reasons(const AdifScan& scan)
    {
        QStringList texts;
        for (const ImportEntry& entry : scan.entries)
            texts << entry.reason;
        return texts;
    }
};
