#pragma once
#include "platform/result.h"
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

// The ADIF export for other logging software: standard tags and values
// (ADIF 3.1.4), an ASCII .adi or a UTF-8 .adx. The DFCF export (adif.h)
// keeps the award's own layout and is not touched by this one.

// One field of a record. intl marks the _INTL twin of an ASCII field: it
// keeps the accents and goes to the .adx only.
struct AdifField {
    QString tag;
    QString value;
    bool intl = false;
};

// One log line read for the export, every field in the order it is written.
// The station callsign is given as written (adifCallsign).
struct StandardRecord {
    QString problem;     // why the line cannot be exported; empty when it can
    bool unknownMode = false; // the mode is written as typed, matching no ADIF mode
    QString typedMode;
    QList<AdifField> fields;
};
StandardRecord standardRecord(const QString& logLine, const QString& stationCallsign);

// A callsign as stored ("F4HVI_P") as ADIF writes it ("F4HVI/P").
QString adifCallsign(const QString& stored);

// ADIF MODE and SUBMODE of a log mode; ok is false when no ADIF mode matches.
struct AdifMode {
    QString mode, submode;
    bool ok = false;
};
AdifMode adifMode(const QString& logMode);

// STATE of a department: "01".."95" but 20, "2A", "2B"; empty for any other.
QString adifDepartment(const QString& department);

enum class AdifForm { Adi, Adx };

// Writes the records of one stretch of the log, one record at a time, so
// that a long log is never held in memory a second time as records.
class AdifWriter {
public:
    virtual ~AdifWriter() = default;
    virtual void add(const StandardRecord& record) = 0;
    virtual QByteArray finish() = 0; // the records' bytes
};
std::unique_ptr<AdifWriter> adifWriter(AdifForm form, qsizetype expectedRecords);

// The whole file: its header, the stretches of records in order, its end.
QByteArray standardFile(AdifForm form, const QString& callsign, const QDateTime& created,
                        const QList<QByteArray>& records);

QString standardFileName(const QString& callsign); // callsign + "_standard.adi"

struct StandardExport {
    Result result;
    int written = 0;
    QStringList leftOut;      // "ligne 12 : date illisible « 31/02/09 »"
    QStringList unknownModes; // "ligne 7 : mode inconnu « XYZ »"
    QString message;          // what the operator is told on success
};
// Reads the station's log and writes the chosen file (.adx: XML form,
// anything else: .adi) through a scratch file beside it.
StandardExport exportStandardAdif(const QString& dataDir, const QString& callsign, const QString& target,
                                  const QDateTime& now);
