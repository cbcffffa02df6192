#pragma once
#include <QString>
#include <optional>

class Settings;

// The entry's choices kept for one station (section "Setup <INDICATIF>"):
// the one place that knows their keys, their values and their defaults.
// The radio's and the cluster's keys have their own (rig_settings,
// cluster_setup).
class StationSettings {
public:
    StationSettings(Settings& settings, const QString& callsign);

    // "Date Auto": Oui (the default) is automatic, Non manual; any other
    // value is neither.
    std::optional<bool> dateAuto() const;
    void setDateAuto(bool automatic);

    // The entry's band and mode as list positions, the first when none is
    // kept; -1 when the one kept is not a position of a list of count items.
    int bandIndex(int count) const;
    int modeIndex(int count) const;
    void setBandIndex(int index);
    void setModeIndex(int index);

private:
    Settings& settings;
    QString section;
};
