#include "reports/adif.h"
#include "logbook/station_log.h"
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

void appendLength(QString& out, qsizetype length)
{
    char16_t digits[20];
    int n = 0;
    do {
        digits[n++] = char16_t(u'0' + length % 10);
        length /= 10;
    } while (length > 0);
    while (n > 0)
        out += QChar(digits[--n]);
}

// <tag:length>value, the value given in pieces; appended in place, as an
// export writes a hundred thousand of them.
void appendField(QString& out, QLatin1StringView tag, std::initializer_list<QStringView> value)
{
    qsizetype length = 0;
    for (const QStringView piece : value)
        length += piece.size();
    out += QLatin1Char('<');
    out += tag;
    out += QLatin1Char(':');
    appendLength(out, length);
    out += QLatin1Char('>');
    for (const QStringView piece : value)
        out += piece;
}

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

QStringView fieldOf(QStringView line, LogField field)
{
    const FieldSpan span = logColumns(field);
    return line.size() > span.start ? line.mid(span.start, span.width).trimmed() : QStringView();
}

QLatin1StringView bandOf(QStringView label)
{
    for (const BandName& band : adifBands)
        if (label == QLatin1StringView(band.label))
            return QLatin1StringView(band.adif);
    return {};
}

void appendRecord(QString& out, QStringView line)
{
    static const QString century19 = QStringLiteral("19");
    static const QString century20 = QStringLiteral("20");
    static const QString yes = QStringLiteral("Y");
    static const QString no = QStringLiteral("N");

    appendField(out, QLatin1StringView("call"), {fieldOf(line, LogField::Indicatif)});
    const FieldSpan dpt = logColumns(LogField::Dpt);
    appendField(out, QLatin1StringView("STATE"), {line.size() > dpt.start ? line.mid(dpt.start, 2).trimmed() : QStringView()});
    appendField(out, QLatin1StringView("name"), {fieldOf(line, LogField::Prenom)});
    appendField(out, QLatin1StringView("SIG"), {fieldOf(line, LogField::Ref)});

    // "JJ/MM/AA" -> "YYYYMMDD" by character position; the century follows the
    // rule of the log (50-99 -> 19xx, 00-49 -> 20xx), "20" when the year is no number.
    const QStringView date = fieldOf(line, LogField::Date);
    const QStringView year = date.size() > 6 ? date.mid(6, 2) : QStringView();
    const bool numericYear = year.size() == 2 && isDigit(year[0]) && isDigit(year[1]);
    const QString& century = numericYear && widenYear(year.toInt()) < 2000 ? century19 : century20;
    if (date.isEmpty())
        appendField(out, QLatin1StringView("qso_date"), {});
    else
        appendField(out, QLatin1StringView("qso_date"),
                    {century, year, date.size() > 3 ? date.mid(3, 2) : QStringView(), date.left(2)});

    // "HH:MM" -> "HHMM": the first two characters and the last two.
    const QStringView time = fieldOf(line, LogField::QTR);
    if (time.size() < 4)
        appendField(out, QLatin1StringView("time_on"), {time});
    else
        appendField(out, QLatin1StringView("time_on"), {time.left(2), time.right(2)});

    appendField(out, QLatin1StringView("mode"), {fieldOf(line, LogField::Mode)});
    const QLatin1StringView band = bandOf(fieldOf(line, LogField::QRG));
    out += QLatin1String("<band:");
    appendLength(out, band.size());
    out += QLatin1Char('>');
    out += band;
    appendField(out, QLatin1StringView("rst_rcvd"), {fieldOf(line, LogField::RSTR)});
    appendField(out, QLatin1StringView("rst_sent"), {fieldOf(line, LogField::RSTE)});
    appendField(out, QLatin1StringView("SIG_INFO"), {fieldOf(line, LogField::Chateau)});
    appendField(out, QLatin1StringView("QSL_RCVD"), {fieldOf(line, LogField::QSL) == QLatin1String("*") ? yes : no});
    out += QLatin1String("<eor>");
}

const QString programName = QStringLiteral("KOR_DFCF");

} // namespace

QString adifBand(const QString& label) { return bandOf(QStringView(label).trimmed()); }

QString ADIF_SP(const QString& line)
{
    QString record;
    record.reserve(200);
    appendRecord(record, line);
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
    QString text = adifHeader(callsign).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    text.reserve(text.size() + logLines.size() * 200);
    for (const QString& line : logLines) {
        if (QStringView(line).trimmed().isEmpty())
            continue; // a blank line would be a record with no callsign
        appendRecord(text, line);
        text += QLatin1String("\r\n");
    }
    return toWindows1252(text);
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
    return {Result::success(), name,
            QStringLiteral("Le fichier a été enregistré sous le nom : ") + name + QStringLiteral("\r\ndans le dossier : ")
                + QDir::toNativeSeparators(dir.absolutePath())};
}
