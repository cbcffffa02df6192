#pragma once
#include <QString>

// Per-user settings store: string values by section and key, read with a default.
class Settings {
public:
    virtual ~Settings() = default;
    virtual QString read(const QString& section, const QString& key, const QString& fallback) const = 0;
    virtual void write(const QString& section, const QString& key, const QString& value) = 0;
    virtual bool contains(const QString& section, const QString& key) const = 0;

    // A switch stored as "Oui" or "Non"; anything else reads as "Non".
    bool readYesNo(const QString& section, const QString& key) const
    {
        return read(section, key, QStringLiteral("Non")) == QLatin1String("Oui");
    }
    void writeYesNo(const QString& section, const QString& key, bool on)
    {
        write(section, key, on ? QStringLiteral("Oui") : QStringLiteral("Non"));
    }
};
