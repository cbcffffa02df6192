#include "logbook/log_list_model.h"
#include "logbook/list_row.h"

LogListModel::LogListModel(QObject* parent) : QAbstractListModel(parent) {}

void LogListModel::setLines(QStringList lines)
{
    beginResetModel();
    logLines = std::move(lines);
    endResetModel();
}

void LogListModel::insertLine(int row, const QString& line)
{
    beginInsertRows({}, row, row);
    logLines.insert(row, line);
    endInsertRows();
    renumberFrom(row + 1);
}

void LogListModel::replaceLine(int row, const QString& line)
{
    logLines[row] = line;
    emit dataChanged(index(row), index(row));
}

void LogListModel::removeLine(int row)
{
    beginRemoveRows({}, row, row);
    logLines.removeAt(row);
    endRemoveRows();
    renumberFrom(row);
}

// Each row shows its number: the rows after an inserted or removed one change.
void LogListModel::renumberFrom(int row)
{
    if (row < logLines.size())
        emit dataChanged(index(row), index(int(logLines.size()) - 1), {Qt::DisplayRole});
}

QString LogListModel::logLine(int row) const { return row >= 0 && row < logLines.size() ? logLines[row] : QString(); }

QString LogListModel::rowText(int row) const
{
    return row >= 0 && row < logLines.size() ? Ligne_Liste(row + 1, logLines[row]) : QString();
}

int LogListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(logLines.size()); }

QVariant LogListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= logLines.size())
        return {};
    if (role == Qt::DisplayRole)
        return rowText(index.row());
    if (role == LogLineRole)
        return logLines[index.row()];
    return {};
}
