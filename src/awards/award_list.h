#pragma once
#include <QDate>
#include <QString>
#include <QStringList>

struct GroupFigures;

// The list that supports one award claim of one band group: confirmed castle
// rows, or for "Excellence" one row per confirmed department.
struct AwardList {
    QString groupe;   // "HF", "VHF", "UHF"
    QString nom;      // "de Base", "Honneur", "Trophe", "Excellence"
    QString caption;  // window caption
    QString title;    // Label4
    QString header;   // Label2
    QList<int> headerColumns; // where each word group of the header stands over the rows
    QStringList rows; // in list order
    QString count;    // Label3

    bool excellence() const;
};

// Castle row (73 characters) and department row (77 characters), fields cut
// at their full widths from the log line.
QString castleRow(const QString& logLine);
QString departmentRow(const QString& logLine);

// Rows in ascending text order without regard to letter case; equal rows
// keep their log order.
void sortRows(QStringList& rows);

AwardList buildAwardList(const GroupFigures& figures, const QString& groupe, const QString& nom);

// callsign_Diplome_DFCF_<award>_Bande_<group>_DD_MM_YY.txt
QString awardFileName(const QString& callsign, const AwardList& list, const QDate& today);
QStringList savedAwardLines(const AwardList& list, const QString& callsign, const QDate& today);
QStringList printedAwardLines(const AwardList& list, const QString& callsign, const QDate& today);
