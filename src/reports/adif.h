#pragma once
#include "platform/result.h"
#include <QString>
#include <QStringList>

// The ADIF export of a station's log: one record per QSO, tags and order as
// other logging software expects them.

// One log line as one ADIF record, from "<call:" to "<eor>", no line break.
// It trusts its input: a short line gives short or empty values.
QString ADIF_SP(const QString& line);

// ADIF band of a log band label (trimmed, exact match); empty when none.
QString adifBand(const QString& label);

// The header lines before the records, "<eoh>" last.
QStringList adifHeader(const QString& callsign);

// The whole file: header, then one record per non-blank log line.
QByteArray adifDocument(const QString& callsign, const QStringList& logLines);

QString adifFileName(const QString& callsign); // callsign + "_DFCF.adi"

struct AdifExport {
    Result result;
    QString fileName;     // set once the file is written
    QString message;      // what the operator is told on success
};
// Reads the station's log and writes its .adi file beside it through a
// scratch file; the file is only replaced when everything could be written.
AdifExport exportAdif(const QString& dataDir, const QString& callsign);
