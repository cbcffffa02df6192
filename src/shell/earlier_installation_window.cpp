#include "shell/earlier_installation_window.h"
#include "logbook/earlier_installation.h"
#include "logbook/station.h"
#include "platform/file_dialogs.h"
#include "platform/messages.h"
#include "platform/settings.h"
#include "logbook/app_context.h"
#include <QDir>

namespace {
const QString offeredKey = QStringLiteral("Reprise Proposee");
}

void offerEarlierInstallation(AppContext& context)
{
    Settings& settings = *context.settings;
    if (settings.readYesNo(Keys::commonSection, offeredKey) || !holdsNoLog(context.dataDir))
        return;
    settings.writeYesNo(Keys::commonSection, offeredKey, true);
    if (!context.messages->askYesNo(
            QStringLiteral("Le dossier de données %1 ne contient encore aucun log.\r\n"
                           "Voulez-vous reprendre les fichiers d'une installation précédente de KOR_DFCF "
                           "(les logs INDICATIF_DFCF.log, Liste_DFCF.csv et Liste_Prenom.txt) ? "
                           "Ils seront copiés, jamais déplacés.")
                .arg(QDir::toNativeSeparators(context.dataDir))))
        return;
    for (;;) {
        const QString folder = context.fileDialogs->existingFolder(
            QStringLiteral("Dossier de l'installation précédente"), QDir::homePath());
        if (folder.isEmpty())
            return;
        const EarlierInstallation taken = takeEarlierInstallation(folder, context.dataDir);
        if (!taken.result) {
            context.messages->info(taken.result.text());
            continue;
        }
        if (storedStation(settings) == noStation)
            settings.write(Keys::commonSection, Keys::IndicatifStation, taken.station);
        context.messages->info(QStringLiteral("Fichiers repris de %1 :\r\n%2")
                                   .arg(QDir::toNativeSeparators(folder), taken.taken.join(QStringLiteral("\r\n"))));
        return;
    }
}
