#include "logbook/station.h"
#include "platform/settings.h"

bool isValidCallsign(const QString& callsign)
{
    if (callsign.isEmpty() || callsign.size() > 12)
        return false;
    for (const QChar c : callsign) {
        const bool ok = (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            || c == QLatin1Char('_');
        if (!ok)
            return false;
    }
    return true;
}

QString logFileName(const QString& callsign) { return callsign + QStringLiteral("_DFCF.log"); }

QString displayedCallsign(const QString& callsign)
{
    QString shown = callsign;
    return shown.replace(QLatin1Char('_'), QLatin1Char('/'));
}

QString loggedCallsign(const QString& written)
{
    return written.trimmed().toUpper().replace(QLatin1Char('/'), QLatin1Char('_'));
}

QString storedStation(const Settings& settings)
{
    const QString value = settings.read(Keys::commonSection, Keys::IndicatifStation, noStation);
    return isValidCallsign(value) ? value : noStation;
}

int storedIndex(const Settings& settings, const QString& section, const QString& key, int count)
{
    bool ok = false;
    const int index = settings.read(section, key, QStringLiteral("0")).trimmed().toInt(&ok);
    return ok && index >= 0 && index < count ? index : -1;
}

QString Texte_Historique()
{
    static const char* const lines[] = {
        "V1.0.0   le 03/02/2008 creation",
        "V1.0.1   le 05/02/2008 Ajout Cluster",
        "V1.0.2   le 06/02/2008 Ajout Liste des DFCF et réglement",
        "V1.0.3   le 10/02/2008 Ajout détection erreur 53",
        "V1.0.4   le 15/02/2008 Suppression du bouton 'Editer QSO'",
        "V1.0.5   le 06/03/2008 Correction erreur dans Impression log",
        "V1.0.6   le 07/04/2008 Ajout gestion DFCF VHF et UHF",
        "V1.0.7   le 21/10/2008 Ajout scores DFCF",
        "V1.0.8   le 06/11/2008 Ajout gestion des diplomes DFCF",
        "V1.0.9   le 14/12/2008 Ajout QSL's non reçues",
        "V1.1.0   le 01/12/2014 Sauvegarde adif Utilisant <STATE>, <SIG> et <SIG_INFO>",
        "V1.1.1   le 08/03/2019 Ajout mise à jour liste des DFCF",
    };
    QString text;
    for (const char* line : lines)
        text += QString::fromUtf8(line) + QStringLiteral("\r\n");
    return text;
}
