#pragma once
#include <QList>
#include <QString>
#include <QStringList>

class LogListModel;

// Recherche_Non_Recues and the back of a QSL card confirming up to eighteen
// QSOs with one station.

struct UnconfirmedQso {
    int row;         // index of the row in the main list
    QString logLine; // the QSO itself, from which the card line is built
    QString text;    // the row shown in Liste_QSO
};

struct UnconfirmedListing {
    QString caption; // Label2
    QList<UnconfirmedQso> qsos;
    QString message; // shown instead of a listing; empty when none
};

// The QSOs of every callsign containing the typed text whose QSL has not
// been received, in the main list's order.
UnconfirmedListing Recherche_Non_Recues(const LogListModel& rows, const QString& typed);

// Row of Liste_QSO: date and time, department, reference, mode, band and
// reports, castle name.
QString unconfirmedRow(const QString& logLine);

constexpr int qsosPerCard = 18;

// The printed lines of the cards: `contacted` is the text the listing was
// made for, `station` the operator's callsign.
QStringList qslCardLines(const QString& contacted, const QString& station, const QStringList& logLines);
// The first line of each card in those lines, so that no card is printed
// across two pages.
QList<int> qslCardStarts(const QStringList& cardLines);
QString noQsoToPrintMessage();
