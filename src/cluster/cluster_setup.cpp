#include "cluster/cluster_setup.h"
#include "logbook/station.h"
#include "platform/settings.h"
#include <QRegularExpression>

ClusterSetup readClusterSetup(const Settings& settings, const QString& station)
{
    const QString section = Keys::stationSection(station);
    ClusterSetup setup;
    setup.node = settings.read(section, ClusterKeys::Noeud, QString()).trimmed();
    setup.login = settings.read(section, ClusterKeys::Indicatif, QString()).trimmed();
    if (setup.login.isEmpty() && station != noStation)
        setup.login = displayedCallsign(station);
    setup.beep = settings.readYesNo(section, ClusterKeys::Bip);
    return setup;
}

void writeClusterSetup(Settings& settings, const QString& station, const ClusterSetup& setup)
{
    const QString section = Keys::stationSection(station);
    settings.write(section, ClusterKeys::Noeud, setup.node.trimmed());
    settings.write(section, ClusterKeys::Indicatif, setup.login.trimmed().toUpper());
    settings.writeYesNo(section, ClusterKeys::Bip, setup.beep);
}

NodeRead readNode(const QString& text)
{
    static const QRegularExpression shape(QStringLiteral(R"(^([A-Za-z0-9.-]{1,253}|\[[0-9A-Fa-f:.]+\]):(\d{1,5})$)"));
    const QRegularExpressionMatch match = shape.match(text.trimmed());
    const int port = match.hasMatch() ? match.captured(2).toInt() : 0;
    if (port < 1 || port > 65535)
        return {{}, QStringLiteral("Le nœud du cluster s'écrit adresse:port, par exemple dxc.exemple.org:7300.")};
    QString host = match.captured(1);
    if (host.startsWith(QLatin1Char('[')))
        host = host.mid(1, host.size() - 2);
    return {{host, quint16(port)}, {}};
}

QString checkLogin(const QString& login)
{
    static const QRegularExpression callsign(QStringLiteral("^[A-Z0-9/-]{3,15}$"));
    if (callsign.match(login.trimmed().toUpper()).hasMatch())
        return {};
    return QStringLiteral("L'indicatif de connexion au cluster doit compter de 3 à 15 lettres, chiffres ou \"/\".");
}
