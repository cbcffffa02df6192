#include "logbook/station_settings.h"
#include "logbook/station.h"
#include "platform/settings.h"

StationSettings::StationSettings(Settings& store, const QString& callsign)
    : settings(store), section(Keys::stationSection(callsign))
{
}

std::optional<bool> StationSettings::dateAuto() const
{
    const QString value = settings.read(section, Keys::DateAuto, QStringLiteral("Oui"));
    if (value == QLatin1String("Oui"))
        return true;
    if (value == QLatin1String("Non"))
        return false;
    return std::nullopt;
}

void StationSettings::setDateAuto(bool automatic)
{
    settings.write(section, Keys::DateAuto, automatic ? QStringLiteral("Oui") : QStringLiteral("Non"));
}

int StationSettings::bandIndex(int count) const { return storedIndex(settings, section, Keys::BandeUtilisee, count); }

int StationSettings::modeIndex(int count) const { return storedIndex(settings, section, Keys::ModeUtilise, count); }

void StationSettings::setBandIndex(int index) { settings.write(section, Keys::BandeUtilisee, QString::number(index)); }

void StationSettings::setModeIndex(int index) { settings.write(section, Keys::ModeUtilise, QString::number(index)); }
