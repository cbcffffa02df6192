#pragma once
#include "platform/result.h"
#include <QDate>
#include <QString>
#include <QStringList>

// The list of every contact of one band group, sorted by castle reference,
// with its counts, its saved file and its printout.

// The 65-character row of a log line: reference, castle, date, callsign and
// QSL mark, each cut at its full width.
QString contactedRow(const QString& logLine);
// The column header shown above the rows, and the row column (1-based) each
// of its titles stands over: Ref, Nom du Chateau, Date, Indicatif, QSL.
QString contactedHeader();
QList<int> contactedHeaderColumns();

struct ContactedList {
    QString group;      // the band group the rows were built for
    QStringList rows;   // in ascending text order, so by castle reference
    int contacts = 0;
    int confirmed = 0;
};
ContactedList contactedList(const QStringList& logLines, const QString& group);

struct ContactedRead {
    Result result;
    ContactedList list;
};
ContactedRead readContactedList(const QString& dataDir, const QString& callsign, const QString& group);

// callsign + "_Liste_Chateaux_Bande_" + group + "_" + DD_MM_YY + ".txt"
QString contactedFileName(const QString& callsign, const QString& group, const QDate& today);
QStringList contactedFileLines(const QString& callsign, const ContactedList& list, const QDate& today);
QStringList contactedPrintLines(const QString& callsign, const ContactedList& list, const QDate& today);
