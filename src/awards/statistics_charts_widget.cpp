#include "awards/statistics_charts_widget.h"
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QGraphicsLayout>
#include <QLegendMarker>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>

namespace {

constexpr int uprightYearsFrom = 10;

const StatGroup awardGroups[] = {StatGroup::HF, StatGroup::VHF, StatGroup::UHF};

QColor groupColour(StatGroup g)
{
    switch (g) {
    case StatGroup::HF: return QColor(31, 96, 180);
    case StatGroup::VHF: return QColor(30, 140, 60);
    case StatGroup::UHF: return QColor(200, 80, 20);
    case StatGroup::Other: break;
    }
    return Qt::darkGray;
}

QString choiceName(GroupChoice group) { return group ? statGroupName(*group) : QStringLiteral("tous les groupes"); }

QChart* frenchChart(const QString& title)
{
    auto* chart = new QChart;
    chart->setTitle(title);
    QFont font = chart->titleFont();
    font.setBold(true);
    chart->setTitleFont(font);
    chart->setLocale(QLocale(QLocale::French, QLocale::France));
    // Every pixel counts at 200 % on a small screen.
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart->setBackgroundRoundness(0);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setAnimationOptions(QChart::NoAnimation);
    return chart;
}

QValueAxis* countAxis(const QString& title, int highest)
{
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setLabelFormat(QStringLiteral("%d"));
    axis->setRange(0, qMax(4, int(highest * 1.08) + 1));
    axis->applyNiceNumbers();
    return axis;
}

qint64 monthStart(int key)
{
    return QDateTime(QDate(yearOfMonth(key), monthOfMonth(key), 1), QTime(0, 0), Qt::UTC).toMSecsSinceEpoch();
}

void addThreshold(QChart* chart, const CastleThreshold& threshold, qint64 from, qint64 to)
{
    auto* line = new QLineSeries;
    line->setObjectName(QString::fromLatin1(thresholdSeriesName));
    line->setName(threshold.label);
    line->append(from, threshold.castles);
    line->append(to, threshold.castles);
    line->setPen(QPen(groupColour(threshold.group), 1.5, Qt::DashLine));
    chart->addSeries(line);
    chart->legend()->markers(line).constFirst()->setVisible(false);
}

// The limits are named on an axis of their own at the right of the plot,
// where no curve nor the date axis can run over their names. Limits closer
// than a line of text on the scale share one name.
void nameThresholds(QChart* chart, const QList<CastleThreshold>& thresholds, const QValueAxis* counts)
{
    QList<CastleThreshold> ordered = thresholds;
    std::sort(ordered.begin(), ordered.end(),
              [](const CastleThreshold& a, const CastleThreshold& b) { return a.castles < b.castles; });
    const double tooClose = (counts->max() - counts->min()) / 20;
    QList<std::pair<QString, int>> names;
    for (const CastleThreshold& threshold : ordered) {
        if (!names.isEmpty() && threshold.castles - names.last().second < tooClose)
            names.last() = {names.last().first + QStringLiteral(", ") + threshold.label, threshold.castles};
        else
            names.append({threshold.label, threshold.castles});
    }
    auto* axis = new QCategoryAxis;
    axis->setObjectName(QString::fromLatin1(thresholdSeriesName));
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setGridLineVisible(false);
    for (const auto& [label, castles] : names)
        axis->append(label, castles);
    axis->setRange(counts->min(), counts->max());
    chart->addAxis(axis, Qt::AlignRight);
}

void attach(QChart* chart, QAbstractAxis* x, QAbstractAxis* y)
{
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(x);
        series->attachAxis(y);
    }
}

QString shownLabel(const QString& label, const QString& empty) { return label.isEmpty() ? empty : label; }

QChart* countBars(const QString& title, const QString& setName, const QStringList& labels,
                  const QMap<QString, int>& counts, const QString& empty)
{
    QChart* chart = frenchChart(labels.isEmpty() ? title + QStringLiteral(" : aucun QSO") : title);
    auto* set = new QBarSet(setName);
    set->setLabelColor(Qt::black);
    QStringList categories;
    int highest = 0;
    for (const QString& label : labels) {
        *set << counts.value(label);
        categories << shownLabel(label, empty);
        highest = qMax(highest, counts.value(label));
    }
    auto* series = new QBarSeries;
    series->append(set);
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    chart->addSeries(series);
    auto* x = new QBarCategoryAxis;
    x->append(categories);
    attach(chart, x, countAxis(QStringLiteral("QSO"), highest));
    chart->legend()->setVisible(false);
    return chart;
}

GroupStatistics chosen(const LogStatistics& stats, GroupChoice group)
{
    return group ? stats.group(*group) : stats.allGroups();
}

} // namespace

QChart* progressChart(const LogStatistics& stats, GroupChoice group)
{
    QChart* chart = frenchChart(QStringLiteral("Châteaux confirmés par mois, en cumul (%1)").arg(choiceName(group)));
    if (!stats.hasDatedRecords())
        chart->setTitle(chart->title() + QStringLiteral(" : aucun QSO daté"));
    int first = stats.hasDatedRecords() ? stats.firstMonth : monthKey(QDate::currentDate().year(), 1);
    int last = stats.hasDatedRecords() ? stats.lastMonth : first;
    // A single month would give the date axis no width.
    if (first == last) {
        --first;
        ++last;
    }
    int highest = 0;
    QList<CastleThreshold> thresholds;
    for (StatGroup g : awardGroups) {
        if (group && *group != g)
            continue;
        auto* line = new QLineSeries;
        line->setName(statGroupName(g));
        line->setPen(QPen(groupColour(g), 2.5));
        line->setPointsVisible(stats.firstMonth == stats.lastMonth);
        const QList<int> values = stats.cumulativeConfirmed(g);
        for (int i = 0; i < values.size(); ++i)
            line->append(monthStart(stats.firstMonth + i), values[i]);
        chart->addSeries(line);
        const int reached = values.isEmpty() ? 0 : values.last();
        highest = qMax(highest, reached);
        thresholds += castleThresholds(g, reached, !group);
    }
    for (const CastleThreshold& threshold : thresholds) {
        addThreshold(chart, threshold, monthStart(first), monthStart(last));
        highest = qMax(highest, threshold.castles);
    }
    auto* x = new QDateTimeAxis;
    x->setFormat(QStringLiteral("MM/yyyy"));
    x->setRange(QDateTime::fromMSecsSinceEpoch(monthStart(first), Qt::UTC),
                QDateTime::fromMSecsSinceEpoch(monthStart(last), Qt::UTC));
    x->setTickCount(qBound(2, last - first + 1, 5));
    QValueAxis* counts = countAxis(QStringLiteral("Châteaux"), highest);
    attach(chart, x, counts);
    if (!thresholds.isEmpty())
        nameThresholds(chart, thresholds, counts);
    return chart;
}

QChart* yearsChart(const LogStatistics& stats, GroupChoice group)
{
    const GroupStatistics figures = chosen(stats, group);
    const QString title = QStringLiteral("Châteaux contactés et confirmés par année (%1)").arg(choiceName(group));
    QChart* chart = frenchChart(figures.byYear.isEmpty() ? title + QStringLiteral(" : aucun QSO daté") : title);
    auto* contacted = new QBarSet(QStringLiteral("Contactés"));
    auto* confirmed = new QBarSet(QStringLiteral("Confirmés"));
    contacted->setColor(QColor(120, 160, 210));
    confirmed->setColor(QColor(30, 140, 60));
    contacted->setLabelColor(Qt::black);
    confirmed->setLabelColor(Qt::black);
    QStringList years;
    int highest = 0;
    for (auto it = figures.byYear.cbegin(); it != figures.byYear.cend(); ++it) {
        years << QString::number(it.key());
        *contacted << it.value().contacted;
        *confirmed << it.value().confirmed;
        highest = qMax(highest, it.value().contacted);
    }
    auto* series = new QBarSeries;
    series->append({contacted, confirmed});
    series->setLabelsVisible(years.size() <= 12);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    chart->addSeries(series);
    auto* x = new QBarCategoryAxis;
    x->append(years);
    // Many years side by side leave each label less room than "2024" needs:
    // upright, they stay whole.
    if (years.size() > uprightYearsFrom)
        x->setLabelsAngle(-90);
    attach(chart, x, countAxis(QStringLiteral("Châteaux"), highest));
    return chart;
}

QChart* bandsChart(const LogStatistics& stats, GroupChoice group)
{
    const GroupStatistics figures = chosen(stats, group);
    return countBars(QStringLiteral("QSO par bande (%1)").arg(choiceName(group)), QStringLiteral("QSO"),
                     orderedBands(figures.byBand), figures.byBand, QStringLiteral("(sans bande)"));
}

QChart* modesChart(const LogStatistics& stats, GroupChoice group)
{
    const GroupStatistics figures = chosen(stats, group);
    return countBars(QStringLiteral("QSO par mode (%1)").arg(choiceName(group)), QStringLiteral("QSO"),
                     orderedModes(figures.byMode), figures.byMode, QStringLiteral("(sans mode)"));
}
