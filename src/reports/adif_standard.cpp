#include "reports/adif_standard.h"
#include "awards/station_log.h"
#include "logbook/dates.h"
#include "logbook/log_line.h"
#include "platform/text_file.h"
#include "reports/adif.h"
#include "reports/ascii_fold.h"
#include <QDir>
#include <QFileInfo>

namespace {

// Callsigns in old logs keep "/" as "_"; the file needs the real callsign.
QString adifCallsign(const QString& stored)
{
    QString call = foldToAscii(stored.trimmed().toUpper());
    call.replace(QLatin1Char('_'), QLatin1Char('/'));
    return call;
}

bool isCallsign(const QString& call)
{
    if (call.isEmpty())
        return false;
    for (const QChar c : call)
        if (!(c.isDigit() || (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || c == QLatin1Char('/')))
            return false;
    return true;
}

QString quoted(const QString& text) { return QStringLiteral("« %1 »").arg(text.trimmed()); }

// "JJ/MM/AA" -> "YYYYMMDD", the century as the log reads it; the date is valid.
QString adifDate(const QString& date)
{
    return QString::number(widenYear(date.mid(6, 2).toInt())) + date.mid(3, 2) + date.left(2);
}

void addText(QList<AdifField>& fields, const QString& tag, const QString& intlTag, const QString& text)
{
    if (text.isEmpty())
        return;
    fields.append({tag, foldToAscii(text)});
    fields.append({intlTag, text, true});
}

void addLocation(QList<AdifField>& fields, const QString& department)
{
    const QString state = adifDepartment(department);
    if (state.isEmpty())
        return;
    const bool corsica = state.startsWith(QLatin1Char('2')) && state[1].isLetter();
    static const QString france = QStringLiteral("France"), corse = QStringLiteral("Corsica");
    static const QString franceDxcc = QStringLiteral("227"), corseDxcc = QStringLiteral("214");
    fields.append({QStringLiteral("DXCC"), corsica ? corseDxcc : franceDxcc});
    fields.append({QStringLiteral("COUNTRY"), corsica ? corse : france});
    fields.append({QStringLiteral("STATE"), state});
}

} // namespace

AdifMode adifMode(const QString& logMode)
{
    const QString mode = logMode.trimmed().toUpper();
    static const QStringList asTyped = {"SSB", "CW", "FM", "AM", "FT8", "PSK"};
    if (asTyped.contains(mode))
        return {mode, {}, true};
    if (mode == QLatin1String("RTY"))
        return {QStringLiteral("RTTY"), {}, true};
    if (mode == QLatin1String("USB") || mode == QLatin1String("LSB"))
        return {QStringLiteral("SSB"), mode, true};
    if (mode == QLatin1String("FT4"))
        return {QStringLiteral("MFSK"), mode, true};
    return {foldToAscii(logMode.trimmed()), {}, false};
}

// Departments of mainland France, 01-95 without 20, and the two of Corsica.
QString adifDepartment(const QString& department)
{
    const int index = departmentIndex(department.trimmed());
    if (index == 96 || index == 97)
        return index == 96 ? QStringLiteral("2A") : QStringLiteral("2B");
    if (index < 1 || index > 95 || index == 20)
        return {};
    return departmentLabel(index);
}

StandardRecord standardRecord(const QString& logLine, const QString& stationCallsign)
{
    const Ligne_Log qso = Ligne_Log::fromLine(logLine);
    StandardRecord record;
    const QString call = adifCallsign(qso.indicatif);
    const QString band = adifBand(qso.qrg);
    if (!isCallsign(call))
        record.problem = QStringLiteral("indicatif illisible ") + quoted(qso.indicatif);
    else if (!Verif_Date(qso.date))
        record.problem = QStringLiteral("date illisible ") + quoted(qso.date);
    else if (!Verif_Heure(qso.qtr))
        record.problem = QStringLiteral("heure illisible ") + quoted(qso.qtr);
    else if (band.isEmpty())
        record.problem = QStringLiteral("bande inconnue ") + quoted(qso.qrg);
    if (!record.problem.isEmpty())
        return record;

    const AdifMode mode = adifMode(qso.mode);
    record.unknownMode = !mode.ok;
    record.typedMode = qso.mode;
    static const QString yes = QStringLiteral("Y"), no = QStringLiteral("N"), dfcf = QStringLiteral("DFCF");

    QList<AdifField>& f = record.fields;
    f.reserve(20);
    f.append({QStringLiteral("CALL"), call});
    f.append({QStringLiteral("QSO_DATE"), adifDate(qso.date)});
    f.append({QStringLiteral("TIME_ON"), qso.qtr.left(2) + qso.qtr.right(2)});
    f.append({QStringLiteral("BAND"), band});
    if (!mode.mode.isEmpty())
        f.append({QStringLiteral("MODE"), mode.mode});
    if (!mode.submode.isEmpty())
        f.append({QStringLiteral("SUBMODE"), mode.submode});
    if (!qso.rstr.isEmpty())
        f.append({QStringLiteral("RST_RCVD"), foldToAscii(qso.rstr)});
    if (!qso.rste.isEmpty())
        f.append({QStringLiteral("RST_SENT"), foldToAscii(qso.rste)});
    addText(f, QStringLiteral("NAME"), QStringLiteral("NAME_INTL"), qso.prenom);
    f.append({QStringLiteral("QSL_RCVD"), qso.qsl ? yes : no});
    if (!qso.ref.isEmpty()) {
        f.append({QStringLiteral("SIG"), dfcf});
        f.append({QStringLiteral("SIG_INFO"), foldToAscii(qso.ref)});
    }
    addText(f, QStringLiteral("COMMENT"), QStringLiteral("COMMENT_INTL"), qso.chateau);
    f.append({QStringLiteral("STATION_CALLSIGN"), adifCallsign(stationCallsign)});
    addLocation(f, qso.dpt);
    return record;
}

QString standardFileName(const QString& callsign) { return callsign + QStringLiteral("_standard.adi"); }
