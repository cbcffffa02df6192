#include "rig/rig_settings.h"
#include "platform/settings.h"

namespace {

int readNumber(const Settings& settings, const QString& section, const QString& key, int fallback)
{
    bool ok = false;
    const int value = settings.read(section, key, QString()).trimmed().toInt(&ok);
    return ok && value > 0 ? value : fallback;
}

} // namespace

RigConfig loadRigConfig(const Settings& settings, const QString& section)
{
    RigConfig config;
    config.follow = settings.readYesNo(section, RigKeys::Suivre);
    config.model = readNumber(settings, section, RigKeys::Modele, config.model);
    config.serialPort = settings.read(section, RigKeys::Port, config.serialPort);
    config.baudRate = readNumber(settings, section, RigKeys::Vitesse, config.baudRate);
    const QString address = settings.read(section, RigKeys::Adresse, config.address).trimmed();
    if (checkRigAddress(address).isEmpty())
        config.address = address;
    return config;
}

void saveRigConfig(Settings& settings, const QString& section, const RigConfig& config)
{
    settings.write(section, RigKeys::Modele, QString::number(config.model));
    settings.write(section, RigKeys::Port, config.serialPort);
    settings.write(section, RigKeys::Vitesse, QString::number(config.baudRate));
    settings.write(section, RigKeys::Adresse, config.address);
    settings.writeYesNo(section, RigKeys::Suivre, config.follow);
}

QString checkRigAddress(const QString& address)
{
    const qsizetype colon = address.lastIndexOf(QLatin1Char(':'));
    bool ok = false;
    const int port = colon > 0 ? address.mid(colon + 1).toInt(&ok) : 0;
    const QString host = colon > 0 ? address.left(colon) : QString();
    if (!ok || port < 1 || port > 65535 || host.trimmed().isEmpty() || host.contains(QLatin1Char(' ')))
        return QStringLiteral("L'adresse du poste doit être de la forme hôte:port, par exemple 127.0.0.1:4532.");
    return {};
}

const QList<int>& rigBaudRates()
{
    static const QList<int> rates = {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};
    return rates;
}
