#pragma once
#include "platform/result.h"
#include <QDate>
#include <QString>
#include <QStringList>

class Printer;

// Shared by every saved and printed list: numbering, closing line, saving
// through a scratch file, printing after the selection dialog.

// Row number right-aligned in 5 characters, one blank, the row.
QString numberedRow(int number, const QString& row);
// Last line of every saved or printed list.
QString reportClosingLine();

// Saves the lines (Windows-1252, CR LF) as fileName in the data directory,
// atomically; an existing report of that name is replaced.
Result saveReport(const QString& dataDir, const QString& fileName, const QStringList& lines);
// "Fichier enregistré sous le nom : " + file name.
QString savedMessage(const QString& fileName);

enum class PrintOutcome { Printed, Cancelled, Failed };
struct PrintReport {
    PrintOutcome outcome;
    Result result; // the failure when outcome is Failed
};
// Shows the printer-selection dialog, then prints in "Courier New" 9 points
// bold; Cancel prints nothing. Blocks starting at keepTogether are never
// split across two pages.
PrintReport printReport(Printer& printer, const QStringList& lines, const QList<int>& keepTogether = {});
