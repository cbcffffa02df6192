#pragma once
#include <QAbstractListModel>
#include <QStringList>

// The in-memory image of the log shown in Liste_DFCF. Each row carries its
// own log line, so selecting a row never depends on re-reading display columns.
class LogListModel : public QAbstractListModel {
    Q_OBJECT
public:
    static constexpr int LogLineRole = Qt::UserRole + 1;

    explicit LogListModel(QObject* parent = nullptr);
    void setLines(QStringList lines);
    // One row changed: the views move that row only, and renumber the rows after it.
    void insertLine(int row, const QString& line);
    void replaceLine(int row, const QString& line);
    void removeLine(int row);
    const QStringList& lines() const { return logLines; }
    QString logLine(int row) const;
    QString rowText(int row) const; // the Ligne_Liste of the row

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    void renumberFrom(int row);

    QStringList logLines;
};
