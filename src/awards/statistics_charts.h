#pragma once
#include "awards/statistics.h"
#include <optional>

// What each chart of the "Statistiques" window shows, worked out from the
// figures of one pass over the log. The window only draws it, so what a chart
// says is tested here without drawing, and the same description is drawn on
// screen, in a PNG and on paper.

// A group of std::nullopt means every group.
using GroupChoice = std::optional<StatGroup>;

// Colours are chosen by the drawing; the description says what a mark is.
enum class ChartColour { HF, VHF, UHF, Other, Contacted, Confirmed, Count };

struct ChartSeries {
    QString name; // in the legend
    ChartColour colour;
    int start = 0;      // index of the category of the first value
    QList<int> values;  // one per category from start
};

// A limit drawn across the plot as a dashed line at its castle count.
struct ChartLimit {
    ChartColour colour; // that of its group
    int castles = 0;
};

// The names of the limits, at the right of the plot: limits closer than a
// line of text on the scale share one name.
struct ChartLimitName {
    QString text;
    int castles = 0;
};

struct ChartScale {
    int top = 4;  // the scale runs from 0 to top
    int step = 1; // one grid line every step
};

struct ChartDescription {
    enum class Kind { Lines, Bars };
    Kind kind = Kind::Bars;
    QString title;
    QString valueTitle;     // "Châteaux", "QSO"
    QStringList categories; // months ("03/2008") for lines, one label per group of bars
    QList<ChartSeries> series;
    QList<ChartLimit> limits;
    QList<ChartLimitName> limitNames;
    ChartScale scale;
    bool uprightLabels = false; // category labels turned a quarter, to stay whole
    bool valueLabels = false;   // each bar's count above it
    bool legend = true;
};

// Confirmed castles by month, cumulated: one line per award group (or the
// chosen one) and the castle limits of their awards.
ChartDescription progressChart(const LogStatistics& stats, GroupChoice group);
// Contacted and confirmed records per year.
ChartDescription yearsChart(const LogStatistics& stats, GroupChoice group);
// QSOs per band and per mode.
ChartDescription bandsChart(const LogStatistics& stats, GroupChoice group);
ChartDescription modesChart(const LogStatistics& stats, GroupChoice group);

// A scale from 0 with about five grid lines on round numbers (1, 2 or 5 times
// a power of ten), a little above the highest value so no bar touches the top.
ChartScale niceScale(int highest);
