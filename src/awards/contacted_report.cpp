#include "awards/contacted_report.h"
#include "logbook/station_log.h"
#include "logbook/dates.h"
#include "logbook/log_line.h"
#include "reports/report_file.h"
#include <algorithm>

namespace {

const QString titleText = QStringLiteral(" Liste alphanumerique des Chateaux contactés bande ");

QString title(const QString& callsign, const QString& group, const QDate& today)
{
    return callsign + titleText + group + QStringLiteral(" au ") + shortDateFr(today);
}

// The order of a sorted list box: case folded first, so "2a" and "2A" castles
// stand together, then the exact text to keep the order stable.
bool listOrder(const QString& a, const QString& b)
{
    const int folded = a.compare(b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a < b;
}

QString padded(const QString& line, LogField field)
{
    return logField(line, field).leftJustified(logColumns(field).width, QLatin1Char(' '));
}

} // namespace

QString contactedRow(const QString& logLine)
{
    const QString gap = QStringLiteral("  ");
    return QLatin1Char(' ') + padded(logLine, LogField::Ref) + gap + padded(logLine, LogField::Chateau) + gap
           + padded(logLine, LogField::Date) + gap + padded(logLine, LogField::Indicatif) + gap
           + padded(logLine, LogField::QSL);
}

QString contactedHeader()
{
    return QStringLiteral("   Ref             Nom du Chateau                      Date      Indicatif         QSL");
}

QList<int> contactedHeaderColumns() { return {2, 9, 41, 51, 64}; }

ContactedList contactedList(const QStringList& logLines, const QString& group)
{
    ContactedList list;
    list.group = group;
    for (const QString& line : logLines) {
        const QString lineGroup = lineBandGroup(line);
        if (lineGroup.isEmpty() || lineGroup != group)
            continue;
        list.rows.append(contactedRow(line));
        ++list.contacts;
        if (isConfirmed(line))
            ++list.confirmed;
    }
    std::stable_sort(list.rows.begin(), list.rows.end(), listOrder);
    return list;
}

ContactedRead readContactedList(const QString& dataDir, const QString& callsign, const QString& group)
{
    const StationLog log = readStationLog(dataDir, callsign);
    if (!log.result)
        return {log.result, {}};
    return {Result::success(), contactedList(log.lines, group)};
}

QString contactedFileName(const QString& callsign, const QString& group, const QDate& today)
{
    return callsign + QStringLiteral("_Liste_Chateaux_Bande_") + group + QLatin1Char('_') + dateStamp(today)
           + QStringLiteral(".txt");
}

QStringList contactedFileLines(const QString& callsign, const ContactedList& list, const QDate& today)
{
    QStringList lines{QLatin1Char(' ') + title(callsign, list.group, today), QString(),
                      QStringLiteral("   N°   Ref        Nom du Chateau               Date    Indicatif    QSL"), QString()};
    for (int i = 0; i < list.rows.size(); ++i)
        lines.append(numberedRow(i + 1, list.rows[i]));
    lines << QString() << reportClosingLine();
    return lines;
}

QStringList contactedPrintLines(const QString& callsign, const ContactedList& list, const QDate& today)
{
    QStringList lines{QStringLiteral("     ") + title(callsign, list.group, today), QString(),
                      QStringLiteral("        N°  Ref         Nom du Chateau              Date   Indicatif     QSL"),
                      QString()};
    for (int i = 0; i < list.rows.size(); ++i)
        lines.append(QStringLiteral("    ") + numberedRow(i + 1, list.rows[i]));
    lines << QString() << QString() << reportClosingLine();
    return lines;
}
