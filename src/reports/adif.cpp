#include "reports/adif.h"
#include "awards/station_log.h"
#include "logbook/dates.h"
#include "logbook/log_line.h"
#include "logbook/station.h"
#include "platform/text_file.h"
#include <QDir>

namespace {

struct BandName {
    const char* label;
    const char* adif;
};

// Every band of the program has its ADIF name, so no record leaves the band empty.
constexpr BandName adifBands[] = {
    {"1.8 Mhz", "160m"}, {"3.5 Mhz", "80m"}, {"7.0 Mhz", "40m"}, {"10 Mhz", "30m"},
    {"14 Mhz", "20m"},   {"18 Mhz", "17m"},  {"21 Mhz", "15m"},  {"24 Mhz", "12m"},
    {"28 Mhz", "10m"},   {"50 Mhz", "6m"},   {"144 Mhz", "2m"},  {"432 Mhz", "70cm"},
};

void appendField(QString& record, QLatin1StringView tag, const QString& value)
{
    record += QLatin1Char('<');
    record += tag;
    record += QLatin1Char(':');
    record += QString::number(value.size());
    record += QLatin1Char('>');
    record += value;
}

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// "JJ/MM/AA" -> "YYYYMMDD" by character position; the century follows the
// rule of the log (50-99 -> 19xx, 00-49 -> 20xx), "20" when the year is no number.
QString adifDate(const QString& date)
{
    if (date.isEmpty())
        return {};
    const QString year = date.mid(6, 2);
    QString century = QStringLiteral("20");
    if (year.size() == 2 && isDigit(year[0]) && isDigit(year[1]))
        century = QString::number(widenYear(year.toInt()) / 100);
    return century + year + date.mid(3, 2) + date.left(2);
}

// "HH:MM" -> "HHMM": the first two characters and the last two.
QString adifTime(const QString& time) { return time.size() < 4 ? time : time.left(2) + time.right(2); }

const QString programName = QStringLiteral("KOR_DFCF");

} // namespace

QString adifBand(const QString& label)
{
    const QString wanted = label.trimmed();
    for (const BandName& band : adifBands)
        if (wanted == QLatin1StringView(band.label))
            return QString::fromLatin1(band.adif);
    return {};
}

QString ADIF_SP(const QString& line)
{
    const auto field = [&line](LogField f) { return logFieldTrimmed(line, f); };
    QString record;
    record.reserve(200);
    appendField(record, QLatin1StringView("call"), field(LogField::Indicatif));
    appendField(record, QLatin1StringView("STATE"), logField(line, LogField::Dpt).left(2).trimmed());
    appendField(record, QLatin1StringView("name"), field(LogField::Prenom));
    appendField(record, QLatin1StringView("SIG"), field(LogField::Ref));
    appendField(record, QLatin1StringView("qso_date"), adifDate(field(LogField::Date)));
    appendField(record, QLatin1StringView("time_on"), adifTime(field(LogField::QTR)));
    appendField(record, QLatin1StringView("mode"), field(LogField::Mode));
    appendField(record, QLatin1StringView("band"), adifBand(field(LogField::QRG)));
    appendField(record, QLatin1StringView("rst_rcvd"), field(LogField::RSTR));
    appendField(record, QLatin1StringView("rst_sent"), field(LogField::RSTE));
    appendField(record, QLatin1StringView("SIG_INFO"), field(LogField::Chateau));
    appendField(record, QLatin1StringView("QSL_RCVD"),
                field(LogField::QSL) == QLatin1String("*") ? QStringLiteral("Y") : QStringLiteral("N"));
    record += QLatin1String("<eor>");
    return record;
}

QStringList adifHeader(const QString& callsign)
{
    const QString version = Revision_Programme.trimmed();
    // Free text first; the standard header fields let importers name the file's origin.
    const QString program = QStringLiteral("Fichier créé par %1 Révision %2, carnet de trafic du diplôme DFCF "
                                           "<ADIF_VER:5>3.1.4 <PROGRAMID:%3>%1 <PROGRAMVERSION:%4>%2")
                                .arg(programName, version)
                                .arg(programName.size())
                                .arg(version.size());
    return {QStringLiteral("Exportation du log de la station ") + displayedCallsign(callsign) + QStringLiteral(" au format ADIF"),
            QString(),
            program,
            QString(),
            QString(),
            QStringLiteral("<eoh>")};
}

QByteArray adifDocument(const QString& callsign, const QStringList& logLines)
{
    QStringList lines = adifHeader(callsign);
    lines.reserve(lines.size() + logLines.size());
    for (const QString& line : logLines)
        if (!line.trimmed().isEmpty()) // a blank line would be a record with no callsign
            lines.append(ADIF_SP(line));
    return joinLines(lines);
}

QString adifFileName(const QString& callsign) { return callsign + QStringLiteral("_DFCF.adi"); }

AdifExport exportAdif(const QString& dataDir, const QString& callsign)
{
    const StationLog log = readStationLog(dataDir, callsign);
    if (!log.result)
        return {log.result, {}, {}};
    const QString name = adifFileName(callsign);
    const QDir dir(dataDir);
    const Result written =
        writeFileAtomically(dir.filePath(name), dir.filePath(name + QStringLiteral(".tmp")), adifDocument(callsign, log.lines));
    if (!written)
        return {written, {}, {}};
    return {Result::success(), name, QStringLiteral("Le fichier a été enregistré sous le nom : ") + name};
}
