#pragma once
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// Lines of a log that are not QSO lines: anything but 107 columns (106 when
// the blank of an unconfirmed QSO was lost at the end). An empty last line is
// no fault. The lines are kept and shown as they are; the operator is told.
struct NonQsoLines {
    int count = 0;
    QList<int> first; // 1-based numbers of the first ones
};
NonQsoLines findNonQsoLines(const QStringList& lines);

// The French notice for the operator, empty when every line is a QSO line.
QString nonQsoLinesMessage(const QString& logName, const NonQsoLines& found);

// What a window loading logs tells: the notice the first time a log is loaded
// with such lines (and again only when their number changes); empty otherwise.
class NonQsoLinesNotices {
public:
    QString notice(const QString& logPath, const QStringList& lines);

private:
    QHash<QString, int> told; // log path -> number of lines told
};
