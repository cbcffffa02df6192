#include "awards/map.h"
#include "awards/station_log.h"
#include "logbook/bands.h"
#include "logbook/log_line.h"

CarteDepartements Colore_Carte(const QStringList& logLines, const QString& group)
{
    CarteDepartements carte;
    if (group.isEmpty())
        return carte; // lines of no group never match
    for (const QString& line : logLines) {
        if (lineBandGroup(line) != group)
            continue;
        const int box = departmentIndex(logFieldTrimmed(line, LogField::Dpt));
        if (box < 0 || box >= mapBoxCount)
            continue;
        DepartmentState& state = carte.Dep[box];
        if (isConfirmed(line))
            state = DepartmentState::Confirmed;
        else if (state != DepartmentState::Confirmed)
            state = DepartmentState::Unconfirmed;
    }
    // Box 0 is never counted; the hidden 20, 98 and 99 are.
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

CarteTexts carteTexts(const CarteDepartements& carte)
{
    const int notContacted = visibleDepartments - (carte.confirmed + carte.unconfirmed);
    return {QString::number(carte.contacted), signOrBlank(carte.confirmed) + QStringLiteral(" Dpt confirmés"),
            signOrBlank(carte.unconfirmed) + QStringLiteral(" Dpt non confirmés"),
            signOrBlank(notContacted) + QStringLiteral(" Dpt non contactés")};
}

QString noBandMessage() { return QStringLiteral("Selectionnez une bande"); }
