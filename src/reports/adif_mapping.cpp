#include "reports/adif_mapping.h"
#include "castles/castle_list.h"
#include "entry/field_checks.h"
#include "logbook/bands.h"
#include "logbook/log_line.h"
#include "logbook/prenoms.h"
#include "logbook/station.h"
#include "platform/text_file.h"
#include "reports/adif.h"
#include "reports/ascii_fold.h"
#include <QLocale>
#include <algorithm>
#include <optional>

namespace {

inline char upper(char c) { return c >= 'a' && c <= 'z' ? char(c - 32) : c; }
inline bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

bool containsDfcf(QByteArrayView value)
{
    for (qsizetype i = 0; i + 4 <= value.size(); ++i)
        if (upper(value[i]) == 'D' && upper(value[i + 1]) == 'F' && upper(value[i + 2]) == 'C' && upper(value[i + 3]) == 'F')
            return true;
    return false;
}

bool isDfcfSig(QByteArrayView sig) { return sig.size() == 4 && containsDfcf(sig); }

// ADIF bands and their edges in MHz, for a record that gives only its frequency.
struct BandEdges {
    double low, high;
    const char* adif;
};
constexpr BandEdges bandEdges[] = {
    {1.8, 2.0, "160m"},  {3.5, 4.0, "80m"},     {5.06, 5.45, "60m"},  {7.0, 7.3, "40m"},
    {10.1, 10.15, "30m"}, {14.0, 14.35, "20m"}, {18.068, 18.168, "17m"}, {21.0, 21.45, "15m"},
    {24.89, 24.99, "12m"}, {28.0, 29.7, "10m"}, {50.0, 54.0, "6m"},   {144.0, 148.0, "2m"},
    {420.0, 450.0, "70cm"},
};

// Characters the log cannot hold are replaced by their base letter (Jiří -> JIRI), or left out.
QString storableText(const QString& text)
{
    const auto keep = [](QChar c) { return c.unicode() >= 0x20 && c.category() != QChar::Mark_NonSpacing && isWindows1252(c); };
    if (std::all_of(text.begin(), text.end(), keep))
        return text;
    QString out;
    for (const QChar c : text) {
        if (keep(c)) {
            out += c;
            continue;
        }
        for (const QChar part : QString(c).normalized(QString::NormalizationForm_D))
            if (keep(part))
                out += part;
    }
    return out;
}

bool allDigits(const QString& text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return isDigit(c); });
}

// "YYYYMMDD" -> "JJ/MM/AA"; the log's two-digit years stand for 1950 to 2049.
QString logDate(const QString& adif, QString* reason)
{
    if (adif.size() != 8 || !allDigits(adif)) {
        *reason = QStringLiteral("Date illisible : %1").arg(adif);
        return {};
    }
    const int year = adif.left(4).toInt();
    if (year < 1950 || year > 2049) {
        *reason = QStringLiteral("Date hors des années 1950 à 2049 que le log sait écrire : %1").arg(adif);
        return {};
    }
    return adif.mid(6, 2) + QLatin1Char('/') + adif.mid(4, 2) + QLatin1Char('/') + adif.mid(2, 2);
}

// "HHMM" or "HHMMSS" -> "HH:MM".
QString logTime(const QString& adif, QString* reason)
{
    if ((adif.size() != 4 && adif.size() != 6) || !allDigits(adif)) {
        *reason = QStringLiteral("Heure illisible : %1").arg(adif);
        return {};
    }
    return adif.left(2) + QLatin1Char(':') + adif.mid(2, 2);
}

QString logBand(const AdifRecord& record, QString* shown, QString* reason)
{
    const QString band = record.text(AdifTag::Band);
    const QString frequency = record.text(AdifTag::Freq);
    if (!band.isEmpty()) {
        *shown = band;
        const QString label = logBandOfAdif(band);
        if (label.isEmpty())
            *reason = QStringLiteral("Bande %1 inconnue du log").arg(band);
        return label;
    }
    if (frequency.isEmpty()) {
        *reason = QStringLiteral("Ni bande ni fréquence");
        return {};
    }
    *shown = frequency;
    const QString label = logBandOfFrequency(frequency);
    if (label.isEmpty())
        *reason = QStringLiteral("Fréquence %1 MHz hors des bandes du log").arg(frequency);
    return label;
}

// The castle name of the standard export's COMMENT, "DFCF 91014 C. CHATEAU
// DE LAVARDIN" (empty after "DFCF 91014"); none when COMMENT has another form.
std::optional<QString> nameAfterReference(const QString& comment, const QString& ref)
{
    constexpr qsizetype refStart = 5, refEnd = 10;
    if (ref.isEmpty() || !comment.startsWith(QLatin1String("DFCF "), Qt::CaseInsensitive)
        || castleReference(QStringView(comment).mid(refStart, refEnd - refStart)) != ref
        || (comment.size() > refEnd && comment[refEnd] != QLatin1Char(' ')))
        return std::nullopt;
    return comment.mid(refEnd).trimmed();
}

// As the file wrote it when it comes from this program, else from the castle list as entry finds it.
QString castleName(const AdifRecord& record, const DfcfMark& mark, const QString& ref, const CastleTable& castles)
{
    if (mark.source == DfcfSource::OwnExport)
        return record.preferred(AdifTag::SigInfo, AdifTag::SigInfoIntl);
    const QString comment = record.preferred(AdifTag::Comment, AdifTag::CommentIntl);
    if (const std::optional<QString> name = nameAfterReference(comment, ref)) {
        // No name after the reference is the log's own blank name when SIG_INFO
        // came along (our export read back); a logger that dropped it leaves the castle list to name it.
        if (!name->isEmpty() || castleReference(record.preferred(AdifTag::SigInfo, AdifTag::SigInfoIntl)) == ref)
            return *name;
    } else if (mark.source == DfcfSource::Sig && comment.startsWith(QLatin1String("C."), Qt::CaseInsensitive)) {
        return comment; // earlier standard exports wrote the name alone
    }
    return castles.Cherche_Nom_Chateau(ref);
}

// The name the first-name list keeps for the station, as typed entry fills
// it, when the file's is that name without its accents (an .adi, a logger
// that keeps ASCII only).
QString accentedPrenom(const QString& prenom, const QString& call, const PrenomTable& prenoms)
{
    const auto known = prenoms.constFind(call);
    if (prenom.isEmpty() || known == prenoms.cend() || *known == prenom)
        return prenom;
    return foldToAscii(*known) == foldToAscii(prenom) ? *known : prenom;
}

// "DFCF 91014", "DFCF 91-014", "DFCF:91014" in a remark, where every logger keeps it.
DfcfMark remarkMark(const AdifRecord& record)
{
    const std::pair<AdifTag, AdifTag> remarks[] = {{AdifTag::Comment, AdifTag::CommentIntl},
                                                   {AdifTag::Notes, AdifTag::NotesIntl},
                                                   {AdifTag::QslMsg, AdifTag::QslMsgIntl}};
    for (const auto& [plain, intl] : remarks) {
        if (!containsDfcf(record.raw(plain)) && !containsDfcf(record.raw(intl)))
            continue;
        const QString ref = referenceAfterDfcf(record.preferred(plain, intl));
        if (!ref.isEmpty())
            return {DfcfSource::Remark, ref};
    }
    return {};
}

// Loggers that keep a band as a number write its round value ("10", "18"):
// the number of each of the log's labels, in MHz.
const QList<std::pair<double, QString>>& nominalFrequencies()
{
    static const QList<std::pair<double, QString>> table = [] {
        QList<std::pair<double, QString>> values;
        for (const QString& label : bandLabels())
            values.append({QLocale::c().toDouble(label.section(QLatin1Char(' '), 0, 0)), label});
        return values;
    }();
    return table;
}

QString entryRefusal(const Ligne_Log& qso)
{
    const EntryCheck check = checkEntry(qso);
    if (check.ok())
        return {};
    const QString values[] = {qso.indicatif, qso.prenom, qso.dpt, qso.ref, qso.date, qso.qtr,
                              qso.mode,      qso.qrg,    qso.rstr, qso.rste, qso.chateau};
    const QString& value = values[int(check.field)];
    return value.isEmpty() ? check.message : check.message + QStringLiteral(" : ") + value;
}

} // namespace

DfcfMark findDfcf(const AdifRecord& record)
{
    const QByteArrayView sig = (record.has(AdifTag::SigIntl) ? record.raw(AdifTag::SigIntl) : record.raw(AdifTag::Sig)).trimmed();
    if (isDfcfSig(sig)) {
        const QString written = record.preferred(AdifTag::SigInfo, AdifTag::SigInfoIntl);
        if (!castleReference(written).isEmpty())
            return {DfcfSource::Sig, written};
        // A logger that keeps SIG but drops SIG_INFO still keeps the remarks.
        const DfcfMark remark = remarkMark(record);
        return remark.source == DfcfSource::None ? DfcfMark{DfcfSource::Sig, written} : remark;
    }
    if (!sig.isEmpty() && sig.size() <= 8) {
        const QString written = record.preferred(AdifTag::Sig, AdifTag::SigIntl);
        if (!castleReference(written).isEmpty())
            return {DfcfSource::OwnExport, written};
    }
    return remarkMark(record);
}

QString castleReference(QStringView written)
{
    QString ref;
    for (const QChar c : written) {
        if (c == QLatin1Char('-') || c.isSpace())
            continue;
        if (ref.size() == 5)
            return {};
        ref += c.toLower();
    }
    if (ref.size() != 5 || !isDigit(ref[0]) || !isDigit(ref[2]) || !isDigit(ref[3]) || !isDigit(ref[4]))
        return {};
    const bool corsica = ref[0] == QLatin1Char('2') && (ref[1] == QLatin1Char('a') || ref[1] == QLatin1Char('b'));
    return isDigit(ref[1]) || corsica ? ref : QString();
}

QString referenceAfterDfcf(QStringView text)
{
    const auto separator = [](QChar c) { return c.isSpace() || QStringView(u":=#.-").contains(c); };
    const auto referenceChar = [](QChar c) { return c == QLatin1Char('-') || (c.unicode() < 0x80 && c.isLetterOrNumber()); };
    for (qsizetype at = text.indexOf(QLatin1String("DFCF"), 0, Qt::CaseInsensitive); at >= 0;
         at = text.indexOf(QLatin1String("DFCF"), at + 1, Qt::CaseInsensitive)) {
        qsizetype start = at + 4;
        while (start < text.size() && separator(text[start]))
            ++start;
        qsizetype end = start;
        while (end < text.size() && referenceChar(text[end]))
            ++end;
        const QString ref = castleReference(text.sliced(start, end - start));
        if (!ref.isEmpty())
            return ref;
    }
    return {};
}

QString logBandOfAdif(const QString& band)
{
    const QString wanted = band.trimmed();
    for (const QString& label : bandLabels())
        if (adifBand(label).compare(wanted, Qt::CaseInsensitive) == 0)
            return label;
    return {};
}

QString logBandOfFrequency(const QString& megahertz)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(QString(megahertz).replace(QLatin1Char(','), QLatin1Char('.')).trimmed(), &ok);
    if (!ok)
        return {};
    for (const auto& [nominal, label] : nominalFrequencies())
        if (value == nominal)
            return label;
    for (const BandEdges& edges : bandEdges)
        if (value >= edges.low && value <= edges.high)
            return logBandOfAdif(QString::fromLatin1(edges.adif));
    return {};
}

QString logModeOfAdif(const QString& mode, const QString& submode)
{
    const QString m = mode.trimmed().toUpper();
    const QString sub = submode.trimmed().toUpper();
    if (m == QLatin1String("RTTY"))
        return QStringLiteral("RTY");
    if (m == QLatin1String("USB") || m == QLatin1String("LSB"))
        return QStringLiteral("SSB");
    if (m == QLatin1String("MFSK") && !sub.isEmpty())
        return sub; // FT4, JS8, Q65 are MFSK submodes in ADIF
    return m;
}

MappedQso mapRecord(const AdifRecord& record, const DfcfMark& mark, const CastleTable& castles, const PrenomTable& prenoms)
{
    MappedQso mapped;
    QString reason;
    Ligne_Log qso;
    qso.indicatif = loggedCallsign(record.text(AdifTag::Call));
    qso.ref = castleReference(mark.written);
    if (qso.ref.isEmpty())
        reason = QStringLiteral("Référence DFCF illisible : %1").arg(mark.written);
    qso.dpt = qso.ref.left(2);
    const QString prenom = storableText(upperWindows1252(record.preferred(AdifTag::Name, AdifTag::NameIntl)));
    qso.prenom = accentedPrenom(prenom, qso.indicatif, prenoms).left(15);
    const QString date = record.text(AdifTag::QsoDate);
    const QString time = record.text(AdifTag::TimeOn);
    QString dateReason, timeReason, bandReason, band;
    qso.date = logDate(date, &dateReason);
    qso.qtr = logTime(time, &timeReason);
    qso.mode = logModeOfAdif(record.text(AdifTag::Mode), record.text(AdifTag::Submode));
    qso.qrg = logBand(record, &band, &bandReason);
    // An absent report is what the entry fields hold before any typing.
    qso.rstr = record.has(AdifTag::RstRcvd) ? record.text(AdifTag::RstRcvd) : QStringLiteral("59");
    qso.rste = record.has(AdifTag::RstSent) ? record.text(AdifTag::RstSent) : QStringLiteral("59");
    qso.chateau = storableText(castleName(record, mark, qso.ref, castles).trimmed()).left(30);
    qso.qsl = record.text(AdifTag::QslRcvd).compare(QLatin1String("Y"), Qt::CaseInsensitive) == 0;

    mapped.call = qso.indicatif;
    mapped.ref = qso.ref.isEmpty() ? mark.written : qso.ref;
    mapped.date = qso.date.isEmpty() ? date : qso.date;
    mapped.time = qso.qtr.isEmpty() ? time : qso.qtr;
    mapped.band = qso.qrg.isEmpty() ? band : qso.qrg;
    for (const QString* found : {&reason, &dateReason, &timeReason, &bandReason})
        if (reason.isEmpty())
            reason = *found;
    if (reason.isEmpty())
        reason = entryRefusal(qso);
    if (reason.isEmpty()) {
        const BuiltLine line = buildLogLine(qso);
        reason = line.error;
        mapped.line = line.text;
    }
    mapped.reason = reason;
    if (!reason.isEmpty())
        mapped.line.clear();
    return mapped;
}
