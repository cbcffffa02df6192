#include "awards/statistics_charts.h"
#include <QMap>
#include <algorithm>
#include <cmath>

namespace {

// Past this many years side by side, "2024" no longer fits under its bars.
constexpr int uprightYearsFrom = 10;
// Past this many years, the counts over the bars run into each other.
constexpr int yearCountsUpTo = 12;

const StatGroup awardGroups[] = {StatGroup::HF, StatGroup::VHF, StatGroup::UHF};

ChartColour groupColour(StatGroup g)
{
    switch (g) {
    case StatGroup::HF: return ChartColour::HF;
    case StatGroup::VHF: return ChartColour::VHF;
    case StatGroup::UHF: return ChartColour::UHF;
    case StatGroup::Other: break;
    }
    return ChartColour::Other;
}

QString choiceName(GroupChoice group) { return group ? statGroupName(*group) : QStringLiteral("tous les groupes"); }

GroupStatistics chosen(const LogStatistics& stats, GroupChoice group)
{
    return group ? stats.group(*group) : stats.allGroups();
}

QString monthLabel(int key)
{
    return QStringLiteral("%1/%2").arg(monthOfMonth(key), 2, 10, QLatin1Char('0')).arg(yearOfMonth(key));
}

QList<ChartLimitName> limitNames(const QList<CastleThreshold>& thresholds, const ChartScale& scale)
{
    QList<CastleThreshold> ordered = thresholds;
    std::sort(ordered.begin(), ordered.end(),
              [](const CastleThreshold& a, const CastleThreshold& b) { return a.castles < b.castles; });
    const double tooClose = scale.top / 20.0;
    QList<ChartLimitName> names;
    for (const CastleThreshold& threshold : ordered) {
        if (!names.isEmpty() && threshold.castles - names.last().castles < tooClose)
            names.last() = {names.last().text + QStringLiteral(", ") + threshold.label, threshold.castles};
        else
            names.append({threshold.label, threshold.castles});
    }
    return names;
}

ChartDescription countBars(const QString& title, const QStringList& labels, const QMap<QString, int>& counts,
                           const QString& empty)
{
    ChartDescription chart;
    chart.title = labels.isEmpty() ? title + QStringLiteral(" : aucun QSO") : title;
    chart.valueTitle = QStringLiteral("QSO");
    ChartSeries bars{QStringLiteral("QSO"), ChartColour::Count, 0, {}};
    int highest = 0;
    for (const QString& label : labels) {
        chart.categories << (label.isEmpty() ? empty : label);
        bars.values << counts.value(label);
        highest = std::max(highest, counts.value(label));
    }
    chart.series << bars;
    chart.scale = niceScale(highest);
    chart.valueLabels = true;
    chart.legend = false;
    return chart;
}

} // namespace

ChartScale niceScale(int highest)
{
    const int wanted = std::max(4, int(highest * 1.08) + 1);
    const double rough = wanted / 4.0;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    int step = 1;
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        if (factor * power >= rough) {
            step = std::max(1, int(std::lround(factor * power)));
            break;
        }
    }
    return {(wanted + step - 1) / step * step, step};
}

ChartDescription progressChart(const LogStatistics& stats, GroupChoice group)
{
    ChartDescription chart;
    chart.kind = ChartDescription::Kind::Lines;
    chart.title = QStringLiteral("Châteaux confirmés par mois, en cumul (%1)").arg(choiceName(group));
    chart.valueTitle = QStringLiteral("Châteaux");
    // A single month would give the month axis no width: its neighbours frame it.
    const int widen = stats.firstMonth == stats.lastMonth ? 1 : 0;
    if (!stats.hasDatedRecords())
        chart.title += QStringLiteral(" : aucun QSO daté");
    else
        for (int month = stats.firstMonth - widen; month <= stats.lastMonth + widen; ++month)
            chart.categories << monthLabel(month);
    int highest = 0;
    QList<CastleThreshold> thresholds;
    for (StatGroup g : awardGroups) {
        if (group && *group != g)
            continue;
        const QList<int> values = stats.cumulativeConfirmed(g);
        if (!values.isEmpty()) // nothing dated
            chart.series << ChartSeries{statGroupName(g), groupColour(g), widen, values};
        const int reached = values.isEmpty() ? 0 : values.last();
        highest = std::max(highest, reached);
        thresholds += castleThresholds(g, reached, !group);
    }
    for (const CastleThreshold& threshold : thresholds) {
        chart.limits << ChartLimit{groupColour(threshold.group), threshold.castles};
        highest = std::max(highest, threshold.castles);
    }
    chart.scale = niceScale(highest);
    chart.limitNames = limitNames(thresholds, chart.scale);
    return chart;
}

ChartDescription yearsChart(const LogStatistics& stats, GroupChoice group)
{
    const GroupStatistics figures = chosen(stats, group);
    ChartDescription chart;
    chart.title = QStringLiteral("Châteaux contactés et confirmés par année (%1)").arg(choiceName(group));
    if (figures.byYear.isEmpty())
        chart.title += QStringLiteral(" : aucun QSO daté");
    chart.valueTitle = QStringLiteral("Châteaux");
    ChartSeries contacted{QStringLiteral("Contactés"), ChartColour::Contacted, 0, {}};
    ChartSeries confirmed{QStringLiteral("Confirmés"), ChartColour::Confirmed, 0, {}};
    int highest = 0;
    for (auto it = figures.byYear.cbegin(); it != figures.byYear.cend(); ++it) {
        chart.categories << QString::number(it.key());
        contacted.values << it.value().contacted;
        confirmed.values << it.value().confirmed;
        highest = std::max(highest, it.value().contacted);
    }
    chart.series << contacted << confirmed;
    chart.scale = niceScale(highest);
    chart.uprightLabels = chart.categories.size() > uprightYearsFrom;
    chart.valueLabels = chart.categories.size() <= yearCountsUpTo;
    return chart;
}

ChartDescription bandsChart(const LogStatistics& stats, GroupChoice group)
{
    const GroupStatistics figures = chosen(stats, group);
    return countBars(QStringLiteral("QSO par bande (%1)").arg(choiceName(group)), orderedBands(figures.byBand),
                     figures.byBand, QStringLiteral("(sans bande)"));
}

ChartDescription modesChart(const LogStatistics& stats, GroupChoice group)
{
    const GroupStatistics figures = chosen(stats, group);
    return countBars(QStringLiteral("QSO par mode (%1)").arg(choiceName(group)), orderedModes(figures.byMode),
                     figures.byMode, QStringLiteral("(sans mode)"));
}
