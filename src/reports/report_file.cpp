#include "reports/report_file.h"
#include "logbook/station.h"
#include "platform/printer.h"
#include "platform/text_file.h"
#include <QDir>

QString numberedRow(int number, const QString& row)
{
    return QString::number(number).rightJustified(5, QLatin1Char(' ')) + QLatin1Char(' ') + row;
}

QString reportClosingLine() { return QStringLiteral("Liste établie par KOR_DFCF Révision") + Revision_Programme; }

Result saveReport(const QString& dataDir, const QString& fileName, const QStringList& lines)
{
    const QDir dir(dataDir);
    return writeLinesAtomically(dir.filePath(fileName), dir.filePath(fileName + QStringLiteral(".tmp")), lines);
}

QString savedMessage(const QString& fileName) { return QStringLiteral("Fichier enregistré sous le nom : ") + fileName; }

PrintReport printReport(Printer& printer, const QStringList& lines, const QList<int>& keepTogether)
{
    if (!printer.choosePrinter())
        return {PrintOutcome::Cancelled, Result::success()};
    PrintJob job;
    job.lines = lines;
    job.keepTogether = keepTogether;
    const Result printed = printer.print(job);
    return {printed.ok ? PrintOutcome::Printed : PrintOutcome::Failed, printed};
}
