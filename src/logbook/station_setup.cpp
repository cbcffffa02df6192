#include "logbook/station_setup.h"
#include "logbook/log_store.h"
#include "logbook/station.h"
#include "platform/settings.h"
#include "platform/text_file.h"
#include <QDir>
#include <QFileInfo>

namespace {

bool allowedCallsignCharacter(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
        || c == QLatin1Char('_');
}

} // namespace

CallsignCheck checkCallsign(const QString& upperEntry)
{
    if (upperEntry.isEmpty())
        return {QStringLiteral("Vous devez entrer un indicatif")};
    if (upperEntry.size() > 12)
        return {QStringLiteral("12 caracteres maximum pour l'indicatif")};
    for (const QChar c : upperEntry) {
        if (!allowedCallsignCharacter(c))
            return {QStringLiteral("L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' "), true};
    }
    return {};
}

PreparedStation prepareStationLog(const QString& dataDir, const QString& callsign)
{
    PreparedStation outcome;
    const LogStore store(dataDir, callsign);
    outcome.created = !QFileInfo::exists(store.path()) && !QFileInfo(store.path()).isSymLink();
    if (outcome.created) {
        outcome.result = LogStore::Creer_Log(dataDir, callsign);
        if (!outcome.result)
            return outcome;
    }
    const LinesRead log = store.read();
    if (log.status != ReadStatus::Ok)
        outcome.result = Result::failure(
            QStringLiteral("Le log %1 ne peut pas être lu : la station n'a pas été changée.").arg(logFileName(callsign)),
            log.error);
    return outcome;
}

void recordStation(Settings& settings, const QString& callsign, bool newStation)
{
    settings.write(Keys::commonSection, Keys::IndicatifStation, callsign);
    if (!newStation)
        return;
    const QString section = Keys::stationSection(callsign);
    settings.write(section, Keys::BandeUtilisee, QStringLiteral("0"));
    settings.write(section, Keys::ModeUtilise, QStringLiteral("0"));
}

Result createMissingLog(const QString& dataDir, const QString& callsign)
{
    const QDir directory(dataDir);
    const QString target = directory.filePath(logFileName(callsign));
    const QFileInfo existing(target);
    if (existing.exists() || existing.isSymLink())
        return Result::success();
    return writeFileAtomically(target, directory.filePath(QStringLiteral("Temporaire.txt")), QByteArray());
}
