#include "cluster/spots_window_model.h"
#include <QLocale>
#include <algorithm>
#include <utility>

namespace {

QString frequencyText(double khz)
{
    static const QLocale french = [] {
        QLocale locale(QLocale::French, QLocale::France);
        locale.setNumberOptions(QLocale::OmitGroupSeparator);
        return locale;
    }();
    return french.toString(khz, 'f', 1);
}

} // namespace

QColor SpotTableModel::colourOf(SpotMark mark)
{
    switch (mark) {
    case SpotMark::Needed:
        return {192, 255, 192};
    case SpotMark::Contacted:
        return {224, 224, 224};
    case SpotMark::OutOfBand:
        return {255, 224, 192};
    case SpotMark::None:
        break;
    }
    return {};
}

// Drawing the table again for every spot took a third of a core at 100
// spots a second; a few times a second is as much as an operator can read.
SpotTableModel::SpotTableModel(QObject* parent) : QAbstractTableModel(parent)
{
    nextShow.setSingleShot(true);
    nextShow.setInterval(showEveryMs);
    connect(&nextShow, &QTimer::timeout, this, &SpotTableModel::showWaiting);
}

void SpotTableModel::add(const MarkedSpot& spot)
{
    if (nextShow.isActive()) {
        waiting << spot;
        return;
    }
    prepend({spot});
    nextShow.start();
}

void SpotTableModel::showWaiting()
{
    if (waiting.isEmpty())
        return;
    prepend(std::exchange(waiting, {}));
    nextShow.start();
}

void SpotTableModel::prepend(const QList<MarkedSpot>& oldestFirst)
{
    const int added = int(std::min<qsizetype>(oldestFirst.size(), maxRows));
    const int kept = std::min(int(rows.size()), maxRows - added);
    if (kept < rows.size()) {
        beginRemoveRows({}, kept, int(rows.size()) - 1);
        rows.resize(kept);
        endRemoveRows();
    }
    beginInsertRows({}, 0, added - 1);
    QList<MarkedSpot> newestFirst(oldestFirst.crbegin(), oldestFirst.crbegin() + added);
    rows = newestFirst + rows;
    endInsertRows();
}

void SpotTableModel::remarkAll(const ContactedCastles& log)
{
    // Spots still waiting were marked against the log as it was.
    showWaiting();
    for (MarkedSpot& spot : rows)
        remark(spot, log);
    if (!rows.isEmpty())
        emit dataChanged(index(0, 0), index(int(rows.size()) - 1, ColumnCount - 1));
}

int SpotTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(rows.size()); }

int SpotTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QString SpotTableModel::text(const MarkedSpot& spot, int column) const
{
    switch (column) {
    case Heure:
        return spot.spot.time;
    case Frequence:
        return frequencyText(spot.spot.khz);
    case Bande:
        return spot.band;
    case Indicatif:
        return spot.spot.call;
    case Reference:
        return spot.ref;
    case Etat:
        return spotMarkText(spot.mark);
    case Spotteur:
        return spot.spot.spotter;
    case Commentaire:
        return spot.spot.comment;
    default:
        return {};
    }
}

QVariant SpotTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rows.size())
        return {};
    const MarkedSpot& spot = rows[index.row()];
    if (role == Qt::DisplayRole)
        return text(spot, index.column());
    if (role == Qt::BackgroundRole && spot.mark != SpotMark::None)
        return colourOf(spot.mark);
    if (role == Qt::ToolTipRole && spot.earlier.found)
        return QStringLiteral("Château déjà contacté le %1 sur %2").arg(spot.earlier.date, spot.earlier.band);
    if (role == Qt::TextAlignmentRole && index.column() == Frequence)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant SpotTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const QStringList titles = {QStringLiteral("Heure UTC"), QStringLiteral("Fréquence (kHz)"), QStringLiteral("Bande"),
                                       QStringLiteral("Indicatif"), QStringLiteral("Référence"), QStringLiteral("DFCF"),
                                       QStringLiteral("Spotteur"), QStringLiteral("Commentaire")};
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < titles.size())
        return titles[section];
    return QAbstractTableModel::headerData(section, orientation, role);
}
