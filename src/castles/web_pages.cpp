#include "castles/web_pages.h"
#include "platform/browser.h"
#include "platform/settings.h"
#include "logbook/station.h"
#include <QRegularExpression>

namespace {

QString serverAddress(const Settings& settings, const char* variable, const QString& key, const QString& fallback)
{
    const QString overridden = qEnvironmentVariable(variable).trimmed();
    if (!overridden.isEmpty())
        return overridden;
    const QString stored = settings.read(Keys::commonSection, key, fallback).trimmed();
    return stored.isEmpty() ? fallback : stored;
}

} // namespace

QString dfcfServer(const Settings& settings)
{
    return serverAddress(settings, "DFCF_SERVER_URL", ServerKeys::dfcf, defaultDfcfServer);
}

QString clusterServer(const Settings& settings)
{
    return serverAddress(settings, "DFCF_CLUSTER_URL", ServerKeys::cluster, defaultClusterServer);
}

QUrl pageUrl(const QString& server, const QString& path)
{
    const ServerAddress address = parseServerAddress(server);
    if (!address.ok())
        return {};
    QUrl url = address.url;
    url.setPath(url.path() + path);
    return url;
}

ServerAddress parseServerAddress(const QString& typed)
{
    QString text = typed.trimmed();
    if (text.isEmpty())
        return {{}, QStringLiteral("l'adresse est vide (exemple : serveur.exemple.fr ou serveur.exemple.fr:8080)")};
    if (text.contains(QRegularExpression(QStringLiteral("\\s"))))
        return {{}, QStringLiteral("une adresse ne contient pas d'espace")};
    const qsizetype schemeEnd = text.indexOf(QStringLiteral("://"));
    if (schemeEnd < 0)
        text.prepend(QStringLiteral("http://"));
    else if (const QString scheme = text.left(schemeEnd).toLower(); scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        return {{}, QStringLiteral("seules les adresses http:// ou https:// sont acceptées")};
    if (text.contains(QLatin1Char('?')) || text.contains(QLatin1Char('#')))
        return {{}, QStringLiteral("l'adresse d'un serveur ne contient ni « ? » ni « # »")};
    const QString authority = text.mid(text.indexOf(QStringLiteral("://")) + 3).section(QLatin1Char('/'), 0, 0);
    if (authority.contains(QLatin1Char('@')))
        return {{}, QStringLiteral("l'adresse ne doit pas contenir de nom d'utilisateur")};
    static const QRegularExpression hostPort(QStringLiteral("^([^:\\[\\]]*|\\[[0-9A-Fa-f:.]+\\])(:(.*))?$"));
    const QRegularExpressionMatch parts = hostPort.match(authority);
    if (!parts.hasMatch() || parts.captured(1).isEmpty())
        return {{}, QStringLiteral("le nom du serveur manque")};
    if (parts.hasCaptured(2)) {
        bool number = false;
        const int port = parts.captured(3).toInt(&number);
        if (!number || port < 1 || port > 65535)
            return {{}, QStringLiteral("le port, après « : », doit être un nombre de 1 à 65535")};
    }
    static const QRegularExpression hostName(
        QStringLiteral("^([A-Za-z0-9]([A-Za-z0-9-]*[A-Za-z0-9])?)(\\.[A-Za-z0-9]([A-Za-z0-9-]*[A-Za-z0-9])?)*\\.?$"));
    QUrl url(text, QUrl::StrictMode);
    const bool bracketed = parts.captured(1).startsWith(QLatin1Char('['));
    if (!url.isValid() || (!bracketed && !hostName.match(url.host(QUrl::FullyEncoded)).hasMatch()))
        return {{}, QStringLiteral("« %1 » n'est pas un nom de serveur valable").arg(parts.captured(1))};
    url.setScheme(url.scheme().toLower());
    QString path = url.path();
    while (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    url.setPath(path);
    return {url, {}};
}

bool isPlaceholderServer(const QString& address)
{
    const ServerAddress parsed = parseServerAddress(address);
    if (!parsed.ok())
        return false;
    const QString host = parsed.url.host().toLower();
    return host == QUrl(defaultDfcfServer).host() || host == QUrl(defaultClusterServer).host();
}

QString unusableServerMessage(const QString& setting, const QString& address, const QString& reason)
{
    return QStringLiteral("L'adresse du « %1 » (%2) n'est pas utilisable : %3.\r\n"
                          "Corrigez-la dans le menu Outils, Paramètres.")
        .arg(setting, address.trimmed(), reason);
}

const QList<ClusterBand>& clusterBands()
{
    static const QList<ClusterBand> bands = {
    {QStringLiteral("All HF"), QStringLiteral("HF")},
    {QStringLiteral("1.8 Mhz"), QStringLiteral("1.8")},
    {QStringLiteral("3.5 Mhz"), QStringLiteral("3.5")},
    {QStringLiteral("7.0 Mhz"), QStringLiteral("7")},
    {QStringLiteral("10 Mhz"), QStringLiteral("10")},
    {QStringLiteral("14 Mhz"), QStringLiteral("14")},
    {QStringLiteral("18 Mhz"), QStringLiteral("18")},
    {QStringLiteral("21 Mhz"), QStringLiteral("21")},
    {QStringLiteral("24 Mhz"), QStringLiteral("24")},
    {QStringLiteral("28 Mhz"), QStringLiteral("28")},
    {QStringLiteral("50 Mhz"), QStringLiteral("50")},
    {QStringLiteral("144 Mhz"), QStringLiteral("144")},
    {QStringLiteral("432 Mhz"), QStringLiteral("430")},
    {QStringLiteral("All VHF"), QStringLiteral("VHF")},
    };
    return bands;
}

int clusterBandIndex(const QString& stored)
{
    bool ok = false;
    const int index = stored.trimmed().toInt(&ok);
    return ok && index >= 0 && index < clusterBands().size() ? index : 0;
}

QString clusterPath(int index)
{
    if (index < 0 || index >= clusterBands().size())
        index = 0;
    const QString& code = clusterBands()[index].code;
    if (code == QLatin1String("HF") || code == QLatin1String("VHF"))
        return QStringLiteral("/dxc/top_250_") + code + QStringLiteral(".html");
    return QStringLiteral("/dxc/top_50_") + code + QStringLiteral("_MHz.html");
}

Result openInBrowser(Browser& browser, const QUrl& url)
{
    if (browser.open(url))
        return Result::success();
    return Result::failure(QStringLiteral("Aucun navigateur Internet n'a pu ouvrir la page %1 : vérifiez qu'un "
                                          "navigateur est installé et choisi comme navigateur par défaut, puis "
                                          "recommencez.")
                               .arg(url.toString()));
}
