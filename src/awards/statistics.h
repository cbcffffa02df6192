#pragma once
#include "platform/result.h"
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <array>

// The figures the "Statistiques" window draws, gathered in one pass over the
// log. Counts are of records, as the scores and awards count them.

// Band groups of the charts: the three award groups, then the bands that
// belong to none ("10 Mhz", a label typed by hand).
enum class StatGroup { HF, VHF, UHF, Other };
constexpr int statGroupCount = 4;

// A month as one number, so months sort and step: year * 12 + month - 1.
constexpr int monthKey(int year, int month) { return year * 12 + month - 1; }
constexpr int yearOfMonth(int key) { return key / 12; }
constexpr int monthOfMonth(int key) { return key % 12 + 1; }

struct YearCount {
    int contacted = 0;
    int confirmed = 0;
};

struct GroupStatistics {
    int qsos = 0;
    int confirmed = 0;
    int undated = 0;                   // records whose date cannot be read
    QMap<int, int> confirmedByMonth;   // month key -> confirmed records dated that month
    QMap<int, YearCount> byYear;       // four-digit year -> records of that year
    QMap<QString, int> byBand;         // trimmed band label -> records
    QMap<QString, int> byMode;         // trimmed mode -> records
};

struct LogStatistics {
    std::array<GroupStatistics, statGroupCount> groups;
    int firstMonth = 0; // range of the dated records of every group; both 0 when none
    int lastMonth = 0;

    const GroupStatistics& group(StatGroup g) const { return groups[int(g)]; }
    bool hasDatedRecords() const { return firstMonth != 0; }
    int undated() const;
    // Every group added together, for the "all groups" choice.
    GroupStatistics allGroups() const;
    // Running total of confirmed records at the end of each month from
    // firstMonth to lastMonth: one value per month, empty when nothing is dated.
    QList<int> cumulativeConfirmed(StatGroup g) const;
};

LogStatistics computeStatistics(const QStringList& logLines);

struct StatisticsRead {
    Result result;
    LogStatistics statistics;
};
// The statistics of the station's log; all empty, with a French message
// naming the file, when it cannot be read.
StatisticsRead readStatistics(const QString& dataDir, const QString& callsign);

// "HF", "VHF", "UHF" or "Autres bandes".
QString statGroupName(StatGroup g);
// Band labels in the order of the band list, then the others alphabetically.
QStringList orderedBands(const QMap<QString, int>& byBand);
// Modes in the order of the mode list, then the others alphabetically.
QStringList orderedModes(const QMap<QString, int>& byMode);

// A castle limit of an award, drawn as a horizontal line on the progress chart.
struct CastleThreshold {
    StatGroup group;
    QString label; // "HF Honneur : 1500"
    int castles = 0;
};
// The castle limits of the group's awards, lowest first (an award asking only
// for departments has none). With nextOnly, only the next goal (the highest
// once all are reached): three groups on one chart stay readable.
QList<CastleThreshold> castleThresholds(StatGroup g, int confirmed, bool nextOnly);
