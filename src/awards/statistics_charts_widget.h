#pragma once
#include "awards/statistics.h"
#include <optional>

class QChart;

// The charts of the "Statistiques" window, built from the figures of one
// pass over the log. A group of std::nullopt means every group.
using GroupChoice = std::optional<StatGroup>;

// Confirmed records by month, cumulated: one line per award group (or the
// chosen one) and the castle limits of their awards as dashed lines.
QChart* progressChart(const LogStatistics& stats, GroupChoice group);
// Contacted and confirmed records per year.
QChart* yearsChart(const LogStatistics& stats, GroupChoice group);
// QSOs per band and per mode.
QChart* bandsChart(const LogStatistics& stats, GroupChoice group);
QChart* modesChart(const LogStatistics& stats, GroupChoice group);

// Thresholds are QLineSeries of this object name; the data lines are not.
inline constexpr const char* thresholdSeriesName = "Seuil";
