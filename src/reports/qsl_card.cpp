#include "reports/qsl_card.h"
#include "logbook/log_line.h"
#include "logbook/log_list_model.h"
#include "platform/text_file.h"

namespace {

QString padded(const QString& line, LogField field)
{
    return logField(line, field).leftJustified(logColumns(field).width, QLatin1Char(' '));
}

// A one-character department is padded so that every row keeps its columns.
QString department(const QString& line) { return logFieldTrimmed(line, LogField::Dpt).leftJustified(2, QLatin1Char(' ')); }

QString dateAndTime(const QString& line)
{
    return padded(line, LogField::Date) + QLatin1String("  ") + padded(line, LogField::QTR) + QLatin1String("  ");
}

QString referenceBlock(const QString& line)
{
    return department(line) + QLatin1String("   DFCF ") + logFieldTrimmed(line, LogField::Ref).leftJustified(5, QLatin1Char(' '))
        + QLatin1String("   ");
}

QString modeAndBand(const QString& line)
{
    return padded(line, LogField::Mode) + QLatin1String("  ") + padded(line, LogField::QRG) + QLatin1String("  ");
}

// The card's header names the report sent first.
QString cardRow(const QString& line)
{
    return QLatin1String("    ") + dateAndTime(line) + QLatin1Char(' ') + referenceBlock(line) + modeAndBand(line)
        + padded(line, LogField::RSTE) + QLatin1String("  ") + padded(line, LogField::RSTR);
}

void endCard(QStringList& lines)
{
    lines << QStringLiteral("                             signature :") << QStringLiteral("-");
}

} // namespace

QString unconfirmedRow(const QString& logLine)
{
    return dateAndTime(logLine) + QLatin1Char(' ') + referenceBlock(logLine) + modeAndBand(logLine)
        + padded(logLine, LogField::RSTR) + QLatin1String("  ") + padded(logLine, LogField::RSTE) + QLatin1String("   ")
        + padded(logLine, LogField::Chateau);
}

UnconfirmedListing Recherche_Non_Recues(const LogListModel& rows, const QString& typed)
{
    UnconfirmedListing listing;
    if (typed.isEmpty()) {
        listing.message = QStringLiteral("Entrez un indicatif");
        return listing;
    }
    listing.caption = QStringLiteral("QSL's non reçues de ") + typed;
    const QString wanted = upperWindows1252(typed);
    for (int row = 0; row < rows.rowCount(); ++row) {
        const QString line = rows.logLine(row);
        if (!isConfirmed(line) && logFieldTrimmed(line, LogField::Indicatif).contains(wanted))
            listing.qsos.append({row, line, unconfirmedRow(line)});
    }
    return listing;
}

QStringList qslCardLines(const QString& contacted, const QString& station, const QStringList& logLines)
{
    QStringList lines;
    int onCard = 0;
    for (const QString& line : logLines) {
        if (onCard == 0) {
            lines << QStringLiteral("    ") + contacted + QStringLiteral(" confirme les QSO's suivants avec la station ") + station
                  << QString()
                  << QStringLiteral("      Date    Debut   Dpt    N° DFCF    Mode  Bande  RstE RstR       |");
        }
        lines << cardRow(line);
        if (++onCard == qsosPerCard) {
            lines << QString();
            endCard(lines);
            lines << QString();
            onCard = 0;
        }
    }
    if (onCard != 0) {
        for (int i = onCard; i <= qsosPerCard; ++i)
            lines << QString();
        endCard(lines);
    }
    return lines;
}

QString noQsoToPrintMessage() { return QStringLiteral("Pas de QSO a imprimer"); }

QList<int> qslCardStarts(const QStringList& cardLines)
{
    // Every card but the last ends with a blank line after its "-".
    QList<int> starts;
    for (int i = 0; i < cardLines.size(); ++i)
        if (i == 0 || (cardLines[i - 1].isEmpty() && i >= 2 && cardLines[i - 2] == QStringLiteral("-")))
            starts << i;
    return starts;
}
