#include "logbook/bands.h"

const QList<BandEntry>& Groupe_Bande()
{
    static const QList<BandEntry> table = {
        {"1.8 Mhz", "HF"}, {"3.5 Mhz", "HF"}, {"7.0 Mhz", "HF"}, {"10 Mhz", ""},
        {"14 Mhz", "HF"},  {"18 Mhz", "HF"},  {"21 Mhz", "HF"},  {"24 Mhz", "HF"},
        {"28 Mhz", "HF"},  {"50 Mhz", "HF"},  {"144 Mhz", "VHF"}, {"432 Mhz", "UHF"},
    };
    return table;
}

QStringList bandLabels()
{
    QStringList labels;
    for (const BandEntry& entry : Groupe_Bande())
        labels << entry.label;
    return labels;
}

QString bandGroup(const QString& label)
{
    const QString wanted = label.trimmed();
    for (const BandEntry& entry : Groupe_Bande())
        if (entry.label == wanted)
            return entry.group;
    return {};
}

const QStringList& bandGroups()
{
    static const QStringList groups = {"HF", "VHF", "UHF"};
    return groups;
}

const QStringList& modeList()
{
    static const QStringList modes = {"SSB", "CW", "FM"};
    return modes;
}
