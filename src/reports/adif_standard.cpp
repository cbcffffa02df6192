#include "reports/adif_standard.h"
#include "logbook/bands.h"
#include "logbook/dates.h"
#include "logbook/departments.h"
#include "logbook/log_line.h"
#include "reports/adif.h"
#include "reports/ascii_fold.h"
#include <QStringBuilder>
#include <array>

namespace {

bool isCallsign(const QString& call)
{
    if (call.isEmpty())
        return false;
    for (const QChar c : call)
        if (!(c.isDigit() || (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || c == QLatin1Char('/')))
            return false;
    return true;
}

QString quoted(const QString& text) { return QStringLiteral("«\u00A0%1\u00A0»").arg(text.trimmed()); }

// "JJ/MM/AA" -> "YYYYMMDD", the century as the log reads it; the date is valid.
QString adifDate(const QString& date)
{
    const QString century = widenYear(QStringView(date).mid(6, 2).toInt()) < 2000 ? QStringLiteral("19") : QStringLiteral("20");
    QString out(8, Qt::Uninitialized);
    const QChar digits[8] = {century[0], century[1], date[6], date[7], date[3], date[4], date[0], date[1]};
    std::copy(digits, digits + 8, out.begin());
    return out;
}

// "HH:MM" -> "HHMM"; the time is valid.
QString adifTime(const QString& time)
{
    QString out(4, Qt::Uninitialized);
    const QChar digits[4] = {time[0], time[1], time[3], time[4]};
    std::copy(digits, digits + 4, out.begin());
    return out;
}

// The ADIF band of a log band label, as shared text: no copy per QSO.
QString sharedBand(const QString& label)
{
    static const QList<std::pair<QString, QString>> bands = [] {
        QList<std::pair<QString, QString>> table;
        for (const QString& known : bandLabels())
            table.append({known, adifBand(known)});
        return table;
    }();
    for (const auto& [known, band] : bands)
        if (label == known)
            return band;
    return {};
}

void addText(QList<AdifField>& fields, const QString& tag, const QString& intlTag, const QString& text)
{
    if (text.isEmpty())
        return;
    fields.append({tag, foldToAscii(text)});
    fields.append({intlTag, text, true});
}

// "DFCF 91014 C. CHATEAU DE LAVARDIN": the reference as operators type it in
// other loggers, which keep COMMENT where they drop SIG_INFO.
QString castleComment(const QString& ref, const QString& castle)
{
    if (ref.isEmpty())
        return castle;
    if (castle.isEmpty())
        return QStringLiteral("DFCF ") % ref;
    return QStringLiteral("DFCF ") % ref % QLatin1Char(' ') % castle; // one allocation per QSO
}

void addLocation(QList<AdifField>& fields, const QString& department)
{
    const QString state = adifDepartment(department);
    if (state.isEmpty())
        return;
    const bool corsica = state[1].isLetter();
    static const QString france = QStringLiteral("France"), corse = QStringLiteral("Corsica");
    static const QString franceDxcc = QStringLiteral("227"), corseDxcc = QStringLiteral("214");
    fields.append({QStringLiteral("DXCC"), corsica ? corseDxcc : franceDxcc});
    fields.append({QStringLiteral("COUNTRY"), corsica ? corse : france});
    fields.append({QStringLiteral("STATE"), state});
}

} // namespace

QString adifCallsign(const QString& stored)
{
    QString call = foldToAscii(stored.trimmed().toUpper());
    if (call.contains(QLatin1Char('_')))
        call.replace(QLatin1Char('_'), QLatin1Char('/'));
    return call;
}

AdifMode adifMode(const QString& logMode)
{
    // log mode, ADIF mode, ADIF submode
    static const QList<std::array<QString, 3>> modes = {
        {"SSB", "SSB", ""}, {"CW", "CW", ""},    {"FM", "FM", ""},        {"AM", "AM", ""},
        {"FT8", "FT8", ""}, {"PSK", "PSK", ""},  {"RTY", "RTTY", ""},     {"USB", "SSB", "USB"},
        {"LSB", "SSB", "LSB"}, {"FT4", "MFSK", "FT4"},
    };
    const QString typed = logMode.trimmed();
    for (const auto& [log, mode, submode] : modes)
        if (typed.compare(log, Qt::CaseInsensitive) == 0)
            return {mode, submode, true};
    return {foldToAscii(typed), {}, false};
}

// Departments of mainland France, 01-95 without 20, and the two of Corsica.
QString adifDepartment(const QString& department)
{
    // Only the award's 96 departments have an ADIF subdivision; the same rule
    // as the map and the award counts.
    static const QStringList states = [] {
        QStringList labels;
        for (int index = 0; index <= 97; ++index)
            labels << departmentLabel(index).toUpper();
        return labels;
    }();
    const int index = awardDepartmentIndex(department.trimmed());
    return index < 0 ? QString() : states[index];
}

StandardRecord standardRecord(const QString& logLine, const QString& stationCallsign)
{
    const Ligne_Log qso = Ligne_Log::fromLine(logLine);
    StandardRecord record;
    const QString call = adifCallsign(qso.indicatif);
    const QString band = sharedBand(qso.qrg);
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
    f.append({QStringLiteral("TIME_ON"), adifTime(qso.qtr)});
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
    addText(f, QStringLiteral("COMMENT"), QStringLiteral("COMMENT_INTL"), castleComment(qso.ref, qso.chateau));
    f.append({QStringLiteral("STATION_CALLSIGN"), stationCallsign});
    addLocation(f, qso.dpt);
    return record;
}

QString standardFileName(const QString& callsign) { return callsign + QStringLiteral("_standard.adi"); }
