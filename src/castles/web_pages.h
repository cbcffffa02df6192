#pragma once
#include "platform/result.h"
#include <QList>
#include <QString>
#include <QUrl>

class Settings;

// The web pages the program shows: the award's server (castle list, rules,
// castle list by department) and the DX-cluster server. Both are plain HTTP
// addresses kept in section "Setup "; an environment variable overrides each
// one (DFCF_SERVER_URL, DFCF_CLUSTER_URL), which is how tests reach a local server.
namespace ServerKeys {
inline const QString dfcf = QStringLiteral("Serveur DFCF");
inline const QString cluster = QStringLiteral("Serveur Cluster");
} // namespace ServerKeys

inline const QString defaultDfcfServer = QStringLiteral("http://dfcf.example.org");
inline const QString defaultClusterServer = QStringLiteral("http://dxcluster.example.org");

QString dfcfServer(const Settings& settings);
QString clusterServer(const Settings& settings);
// The server address followed by the path, whatever the address ends with;
// an invalid URL when the address cannot be used.
QUrl pageUrl(const QString& server, const QString& path);

// An address as the operator types it: "host", "host:port" or
// "http://host[:port][/folder]" (https too). The URL without its trailing
// "/", or why the address cannot be used.
struct ServerAddress {
    QUrl url;
    QString error;
    bool ok() const { return error.isEmpty(); }
};
ServerAddress parseServerAddress(const QString& typed);
// The example addresses the program ships with, which reach no real server.
bool isPlaceholderServer(const QString& address);
// What the operator reads when the address of a server (setting name, as
// "Serveur DFCF") cannot be used.
QString unusableServerMessage(const QString& setting, const QString& address, const QString& reason);

inline const QString reglementPath = QStringLiteral("/reglement.html");
inline const QString selecdeptPath = QStringLiteral("/selecdept.html");

// Entries of Bande_CL, in order, with the band code of each listing page.
struct ClusterBand {
    QString entry;
    QString code;
};
const QList<ClusterBand>& clusterBands();
// Index of the stored "bande Cluster" text; anything but 0..13 gives 0.
int clusterBandIndex(const QString& stored);
// Page of the entry at index (an index outside the list gives entry 0).
QString clusterPath(int index);

class Browser;
// Opens a page in the operator's browser; a failure says so in French.
Result openInBrowser(Browser& browser, const QUrl& url);
