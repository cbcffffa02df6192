#include "logbook/list_row.h"
#include "logbook/log_line.h"

namespace {

QString padded(const QString& line, LogField field)
{
    return logField(line, field).leftJustified(logColumns(field).width, QLatin1Char(' '));
}

} // namespace

QString Ligne_Liste(int number, const QString& logLine)
{
    QString row = QString::number(number).rightJustified(5, QLatin1Char(' '));
    row.reserve(122);
    row += QLatin1String("  ") + padded(logLine, LogField::Indicatif);
    row += QLatin1String("  ") + padded(logLine, LogField::Dpt);
    row += QLatin1Char(' ') + padded(logLine, LogField::Prenom);
    row += QLatin1Char(' ') + padded(logLine, LogField::Ref);
    row += QLatin1String("  ") + padded(logLine, LogField::Date);
    row += QLatin1String("  ") + padded(logLine, LogField::QTR);
    row += QLatin1String("  ") + padded(logLine, LogField::Mode);
    row += QLatin1String("  ") + padded(logLine, LogField::QRG);
    row += QLatin1String("  ") + padded(logLine, LogField::RSTR);
    row += QLatin1String("  ") + padded(logLine, LogField::RSTE);
    row += QLatin1Char(' ') + padded(logLine, LogField::Chateau);
    row += QLatin1String("  ") + padded(logLine, LogField::QSL);
    return row;
}

const QString& listHeader()
{
    static const QString header = QStringLiteral(
        "     N°   Indicatif           Dpt   Prenom                Ref       Date       QTR  Mode   QRG  RSTR RSTE        Mom du Chateau               QSL");
    return header;
}
