#include "castles/web_pages.h"
#include "platform/settings.h"
#include "logbook/station.h"

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
    QString base = server.trimmed();
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    return QUrl(base + path);
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
