#pragma once
#include "cluster/spot_mark.h"
#include <QAbstractTableModel>
#include <QColor>
#include <QList>
#include <QTimer>

// The rows of the spots window: newest first, at most the last 500.
class SpotTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Heure, Frequence, Bande, Indicatif, Reference, Etat, Spotteur, Commentaire, ColumnCount };
    static constexpr int maxRows = 500;

    static QColor colourOf(SpotMark mark);

    explicit SpotTableModel(QObject* parent = nullptr);
    // A spot after a quiet spell shows at once; those that follow within
    // showEveryMs show together, newest first.
    void add(const MarkedSpot& spot);
    static constexpr int showEveryMs = 250;
    // The marks again, after the log changed.
    void remarkAll(const ContactedCastles& log);
    const MarkedSpot& spot(int row) const { return rows.at(row); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString text(const MarkedSpot& spot, int column) const;
    void showWaiting();
    void prepend(const QList<MarkedSpot>& oldestFirst);

    QList<MarkedSpot> rows;
    QList<MarkedSpot> waiting; // oldest first
    QTimer nextShow;
};
