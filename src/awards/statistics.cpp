#include "awards/statistics.h"
#include "awards/award_figures.h"
#include "logbook/bands.h"
#include "logbook/dates.h"
#include "logbook/log_line.h"
#include "logbook/station.h"
#include "platform/text_file.h"
#include <QDate>
#include <QDir>
#include <QStringView>

namespace {

StatGroup statGroupOf(QStringView label)
{
    for (const BandEntry& entry : Groupe_Bande()) {
        if (entry.label != label)
            continue;
        if (entry.group == QLatin1String("HF"))
            return StatGroup::HF;
        if (entry.group == QLatin1String("VHF"))
            return StatGroup::VHF;
        if (entry.group == QLatin1String("UHF"))
            return StatGroup::UHF;
        break;
    }
    return StatGroup::Other;
}

QStringView fieldView(const QString& line, LogField field)
{
    const FieldSpan span = logColumns(field);
    return QStringView(line).mid(span.start, span.width).trimmed();
}

int digit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9') ? c.unicode() - '0' : -1; }

// Month key of a "JJ/MM/AA" date that names a real calendar day; 0 otherwise.
int dateMonth(const QString& line)
{
    const FieldSpan span = logColumns(LogField::Date);
    if (line.size() < span.start + span.width)
        return 0;
    const QChar* d = line.constData() + span.start;
    if (d[2] != QLatin1Char('/') || d[5] != QLatin1Char('/'))
        return 0;
    int n[6];
    const int at[6] = {0, 1, 3, 4, 6, 7};
    for (int i = 0; i < 6; ++i)
        if ((n[i] = digit(d[at[i]])) < 0)
            return 0;
    const int day = n[0] * 10 + n[1];
    const int month = n[2] * 10 + n[3];
    const int year = widenYear(n[4] * 10 + n[5]);
    return QDate::isValid(year, month, day) ? monthKey(year, month) : 0;
}

// Counts per label without building a string for every line: the few
// distinct labels are kept in a short list and compared as views.
struct LabelCounts {
    QList<QPair<QString, int>> counts;
    void add(QStringView label)
    {
        for (auto& entry : counts)
            if (entry.first == label) {
                ++entry.second;
                return;
            }
        counts.append({label.toString(), 1});
    }
    void addTo(QMap<QString, int>& map) const
    {
        for (const auto& entry : counts)
            map[entry.first] += entry.second;
    }
};

struct GroupPass {
    LabelCounts bands, modes;
};

QStringList ordered(const QMap<QString, int>& counts, const QStringList& known)
{
    QStringList result;
    for (const QString& label : known)
        if (counts.contains(label))
            result << label;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (!known.contains(it.key()))
            result << it.key();
    return result;
}

} // namespace

LogStatistics computeStatistics(const QStringList& logLines)
{
    LogStatistics stats;
    std::array<GroupPass, statGroupCount> pass;
    for (const QString& line : logLines) {
        const QStringView band = fieldView(line, LogField::QRG);
        const int g = int(statGroupOf(band));
        GroupStatistics& group = stats.groups[g];
        const bool confirmed = isConfirmed(line);
        ++group.qsos;
        group.confirmed += confirmed;
        pass[g].bands.add(band);
        pass[g].modes.add(fieldView(line, LogField::Mode));
        const int month = dateMonth(line);
        if (month == 0) {
            ++group.undated;
            continue;
        }
        stats.firstMonth = stats.firstMonth == 0 ? month : qMin(stats.firstMonth, month);
        stats.lastMonth = qMax(stats.lastMonth, month);
        YearCount& year = group.byYear[yearOfMonth(month)];
        ++year.contacted;
        if (confirmed) {
            ++year.confirmed;
            ++group.confirmedByMonth[month];
        }
    }
    for (int g = 0; g < statGroupCount; ++g) {
        pass[g].bands.addTo(stats.groups[g].byBand);
        pass[g].modes.addTo(stats.groups[g].byMode);
    }
    return stats;
}

int LogStatistics::undated() const
{
    int total = 0;
    for (const GroupStatistics& g : groups)
        total += g.undated;
    return total;
}

GroupStatistics LogStatistics::allGroups() const
{
    GroupStatistics all;
    for (const GroupStatistics& g : groups) {
        all.qsos += g.qsos;
        all.confirmed += g.confirmed;
        all.undated += g.undated;
        for (auto it = g.confirmedByMonth.cbegin(); it != g.confirmedByMonth.cend(); ++it)
            all.confirmedByMonth[it.key()] += it.value();
        for (auto it = g.byYear.cbegin(); it != g.byYear.cend(); ++it) {
            all.byYear[it.key()].contacted += it.value().contacted;
            all.byYear[it.key()].confirmed += it.value().confirmed;
        }
        for (auto it = g.byBand.cbegin(); it != g.byBand.cend(); ++it)
            all.byBand[it.key()] += it.value();
        for (auto it = g.byMode.cbegin(); it != g.byMode.cend(); ++it)
            all.byMode[it.key()] += it.value();
    }
    return all;
}

QList<int> LogStatistics::cumulativeConfirmed(StatGroup g) const
{
    QList<int> values;
    if (!hasDatedRecords())
        return values;
    const QMap<int, int>& byMonth = group(g).confirmedByMonth;
    int total = 0;
    for (int month = firstMonth; month <= lastMonth; ++month) {
        total += byMonth.value(month);
        values << total;
    }
    return values;
}

StatisticsRead readStatistics(const QString& dataDir, const QString& callsign)
{
    const QString name = logFileName(callsign);
    const LinesRead read = readLines(QDir(dataDir).filePath(name));
    switch (read.status) {
    case ReadStatus::Ok: return {Result::success(), computeStatistics(read.lines)};
    case ReadStatus::NotFound:
        return {Result::failure(QStringLiteral("Le log %1 est introuvable : les statistiques sont vides.").arg(name)), {}};
    case ReadStatus::Error: break;
    }
    return {Result::failure(QStringLiteral("Impossible de lire le log %1 : les statistiques sont vides.").arg(name),
                            read.error),
            {}};
}

QString statGroupName(StatGroup g)
{
    switch (g) {
    case StatGroup::HF: return QStringLiteral("HF");
    case StatGroup::VHF: return QStringLiteral("VHF");
    case StatGroup::UHF: return QStringLiteral("UHF");
    case StatGroup::Other: break;
    }
    return QStringLiteral("Autres bandes");
}

QStringList orderedBands(const QMap<QString, int>& byBand) { return ordered(byBand, bandLabels()); }

QStringList orderedModes(const QMap<QString, int>& byMode) { return ordered(byMode, modeList()); }

QList<CastleThreshold> castleThresholds(StatGroup g, int confirmed, bool nextOnly)
{
    QList<CastleThreshold> thresholds;
    const QString group = statGroupName(g);
    for (const AwardRule& rule : awardRules(group)) {
        if (rule.castles == 0)
            continue;
        // "Trophe" is the award list's key; the operator reads "Trophé".
        const QString nom = rule.nom == QLatin1String("Trophe") ? QStringLiteral("Trophé") : rule.nom;
        thresholds << CastleThreshold{g, QStringLiteral("%1 %2 : %3").arg(group, nom).arg(rule.castles),
                                      rule.castles};
        if (nextOnly && rule.castles > confirmed)
            return {thresholds.last()};
    }
    if (nextOnly && !thresholds.isEmpty())
        return {thresholds.last()};
    return thresholds;
}
