#pragma once
#include <QString>

class Settings;

// The cluster node and login of a station, kept in the station's section.
namespace ClusterKeys {
inline const QString Noeud = QStringLiteral("Cluster Noeud");         // "host:port"
inline const QString Indicatif = QStringLiteral("Cluster Indicatif"); // login callsign
inline const QString Bip = QStringLiteral("Cluster Bip");             // "Oui" / "Non"
} // namespace ClusterKeys

struct ClusterNode {
    QString host;
    quint16 port = 0;
    QString text() const { return host + QLatin1Char(':') + QString::number(port); }
};

struct ClusterSetup {
    QString node;  // as typed, "host:port"
    QString login; // the station callsign with "/" when none is stored
    bool beep = false;
};

ClusterSetup readClusterSetup(const Settings& settings, const QString& station);
void writeClusterSetup(Settings& settings, const QString& station, const ClusterSetup& setup);

struct NodeRead {
    ClusterNode node;
    QString error; // French, empty when the text is a node
};
NodeRead readNode(const QString& text);
// Empty when the login is a callsign; otherwise the message for the operator.
QString checkLogin(const QString& login);
