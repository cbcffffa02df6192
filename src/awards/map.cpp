#include "awards/map.h"
#include "logbook/station_log.h"
#include "logbook/bands.h"
#include "logbook/departments.h"
#include "logbook/log_line.h"

CarteDepartements Colore_Carte(const QStringList& logLines, const QString& group)
{
    CarteDepartements carte;
    carte.group = group;
    if (group.isEmpty())
        return carte; // lines of no group never match
    for (const QString& line : logLines) {
        if (lineBandGroup(line) != group)
            continue;
        const QString department = logFieldTrimmed(line, LogField::Dpt);
        const int box = awardDepartmentIndex(department);
        if (box < 0) {
            ++carte.outsideQsos;
            if (!carte.outsideDepartments.contains(department))
                carte.outsideDepartments.append(department);
            continue;
        }
        DepartmentState& state = carte.Dep[box];
        if (isConfirmed(line))
            state = DepartmentState::Confirmed;
        else if (state != DepartmentState::Confirmed)
            state = DepartmentState::Unconfirmed;
    }
    carte.outsideDepartments.sort();
    for (int box = 1; box < mapBoxCount; ++box) {
        const DepartmentState state = carte.Dep[box];
        if (state == DepartmentState::NotContacted)
            continue;
        ++carte.contacted;
        if (state == DepartmentState::Confirmed)
            ++carte.confirmed;
        else
            ++carte.unconfirmed;
    }
    return carte;
}

CarteRead Colore_Carte(const QString& dataDir, const QString& callsign, const QString& group)
{
    const StationLog log = readStationLog(dataDir, callsign);
    if (!log.result)
        return {log.result, {}};
    return {Result::success(), Colore_Carte(log.lines, group)};
}

bool isVisibleBox(int index) { return index > 0 && index < 98 && index != 20; }

QString signOrBlank(int count) { return count < 0 ? QString::number(count) : QLatin1Char(' ') + QString::number(count); }

namespace {

// Names the odd departments so that the operator can find and mend the lines.
QString outsideText(const CarteDepartements& carte)
{
    if (carte.outsideQsos == 0)
        return {};
    QStringList shown;
    for (const QString& department : carte.outsideDepartments)
        shown << (department.isEmpty() ? QStringLiteral("vide") : QLatin1Char('"') + department + QLatin1Char('"'));
    constexpr int listedAtMost = 6;
    if (shown.size() > listedAtMost) {
        shown = shown.mid(0, listedAtMost);
        shown << QStringLiteral("…");
    }
    return QStringLiteral("%1 QSO en %2 avec un département hors des 96 (%3) : %4 sur la carte.")
        .arg(carte.outsideQsos)
        .arg(carte.group, shown.join(QStringLiteral(", ")),
             carte.outsideQsos == 1 ? QStringLiteral("non compté") : QStringLiteral("non comptés"));
}

} // namespace

CarteTexts carteTexts(const CarteDepartements& carte)
{
    const int notContacted = visibleDepartments - (carte.confirmed + carte.unconfirmed);
    return {QString::number(carte.contacted), signOrBlank(carte.confirmed) + QStringLiteral(" Dpt confirmés"),
            signOrBlank(carte.unconfirmed) + QStringLiteral(" Dpt non confirmés"),
            signOrBlank(notContacted) + QStringLiteral(" Dpt non contactés"), outsideText(carte)};
}

QString noBandMessage() { return QStringLiteral("Selectionnez une bande"); }
