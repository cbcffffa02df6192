#include "logbook/log_line.h"
#include "logbook/bands.h"
#include "platform/text_file.h"

FieldSpan logColumns(LogField field)
{
    switch (field) {
    case LogField::Indicatif: return {0, 12};
    case LogField::Dpt: return {13, 4};
    case LogField::Prenom: return {18, 15};
    case LogField::Ref: return {34, 5};
    case LogField::Date: return {40, 8};
    case LogField::QTR: return {49, 5};
    case LogField::Mode: return {55, 3};
    case LogField::QRG: return {59, 7};
    case LogField::RSTR: return {67, 3};
    case LogField::RSTE: return {71, 3};
    case LogField::Chateau: return {75, 30};
    case LogField::QSL: return {106, 1};
    }
    return {0, 0};
}

QString logField(const QString& line, LogField field)
{
    const FieldSpan span = logColumns(field);
    return line.mid(span.start, span.width);
}

QString logFieldTrimmed(const QString& line, LogField field) { return logField(line, field).trimmed(); }

bool isConfirmed(const QString& line) { return line.size() > 106 && line[106] == QLatin1Char('*'); }

QString lineBandGroup(const QString& line) { return bandGroup(logField(line, LogField::QRG)); }

int departmentIndex(const QString& department)
{
    if (department.compare(QLatin1String("2a"), Qt::CaseInsensitive) == 0)
        return 96;
    if (department.compare(QLatin1String("2b"), Qt::CaseInsensitive) == 0)
        return 97;
    if (department.isEmpty() || department.size() > 2)
        return -1;
    for (const QChar c : department)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
    return department.toInt();
}

QString departmentLabel(int index)
{
    if (index == 96)
        return QStringLiteral("2a");
    if (index == 97)
        return QStringLiteral("2b");
    return QStringLiteral("%1").arg(index, 2, 10, QLatin1Char('0'));
}

Ligne_Log Ligne_Log::fromLine(const QString& line)
{
    Ligne_Log q;
    q.indicatif = logFieldTrimmed(line, LogField::Indicatif);
    q.dpt = logFieldTrimmed(line, LogField::Dpt);
    q.prenom = logFieldTrimmed(line, LogField::Prenom);
    q.ref = logFieldTrimmed(line, LogField::Ref);
    q.date = logField(line, LogField::Date);
    q.qtr = logField(line, LogField::QTR);
    q.mode = logFieldTrimmed(line, LogField::Mode);
    q.qrg = logFieldTrimmed(line, LogField::QRG);
    q.rstr = logFieldTrimmed(line, LogField::RSTR);
    q.rste = logFieldTrimmed(line, LogField::RSTE);
    q.chateau = logFieldTrimmed(line, LogField::Chateau);
    q.qsl = isConfirmed(line);
    return q;
}

QString castleNameForLine(const QString& typed) { return upperWindows1252(typed.trimmed().left(30)); }

namespace {

bool storable(const QString& text)
{
    for (const QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || !isWindows1252(c))
            return false;
    return true;
}

} // namespace

BuiltLine buildLogLine(const Ligne_Log& qso)
{
    struct Part {
        LogField field;
        QString value;
        const char* name;
    };
    const Part parts[] = {
        {LogField::Indicatif, qso.indicatif, "l'indicatif"},
        {LogField::Dpt, qso.dpt, "le département"},
        {LogField::Prenom, upperWindows1252(qso.prenom), "le prénom"},
        {LogField::Ref, qso.ref, "la référence"},
        {LogField::Date, qso.date, "la date"},
        {LogField::QTR, qso.qtr, "l'heure"},
        {LogField::Mode, qso.mode, "le mode"},
        {LogField::QRG, qso.qrg, "la bande"},
        {LogField::RSTR, qso.rstr, "le report reçu"},
        {LogField::RSTE, qso.rste, "le report envoyé"},
        {LogField::Chateau, castleNameForLine(qso.chateau), "le nom du château"},
    };
    QString line;
    line.reserve(logLineLength);
    for (const Part& part : parts) {
        const int width = logColumns(part.field).width;
        if (part.value.size() > width)
            return {{}, QStringLiteral("%1 caracteres maxi pour %2").arg(width).arg(QString::fromUtf8(part.name))};
        if (!storable(part.value))
            return {{}, QStringLiteral("Caractère non autorisé dans %1").arg(QString::fromUtf8(part.name))};
        line += part.value.leftJustified(width, QLatin1Char(' ')) + QLatin1Char(' ');
    }
    line += qso.qsl ? QLatin1Char('*') : QLatin1Char(' ');
    return {line, {}};
}
