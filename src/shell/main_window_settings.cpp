#include "castles/web_pages.h"
#include "shell/main_window.h"
#include "shell/parametres_window.h"
#include "widgets/single_window.h"
#include <QAction>

namespace {

QString placeholderReason(bool cluster, const QString& address)
{
    if (cluster)
        return QStringLiteral("L'adresse du « Serveur Cluster » est encore l'adresse d'exemple (%1) : « Afficher Cluster » "
                              "ne peut rien montrer. Entrez l'adresse du site du DX-cluster, puis « Enregistrer ».")
            .arg(address);
    return QStringLiteral("L'adresse du « Serveur DFCF » est encore l'adresse d'exemple (%1) : « Reglement », « Liste des "
                          "DFCF » et la mise à jour des références ne peuvent pas fonctionner. Entrez l'adresse du site du "
                          "diplôme DFCF, puis « Enregistrer ».")
        .arg(address);
}

} // namespace

void Main::wireSettings()
{
    connect(Mnu_Parametres, &QAction::triggered, this, [this] { openSettings(); });
}

void Main::openSettings(const QString& reason)
{
    QPointer<Parametres> slot(findChild<Parametres*>(QString(), Qt::FindDirectChildrenOnly));
    showSingle(slot, [this] { return new Parametres(ctx, this); })->setReason(reason);
    centreOnScreen(slot);
}

bool Main::serverReady(bool cluster)
{
    const QString address = cluster ? clusterServer(*ctx.settings) : dfcfServer(*ctx.settings);
    const ServerAddress parsed = parseServerAddress(address);
    if (!parsed.ok()) {
        openSettings(unusableServerMessage(cluster ? ServerKeys::cluster : ServerKeys::dfcf, address, parsed.error));
        return false;
    }
    // Sent once per run: an operator who keeps the example address has been told.
    bool& told = cluster ? placeholderClusterTold : placeholderDfcfTold;
    if (!isPlaceholderServer(address) || told)
        return true;
    told = true;
    openSettings(placeholderReason(cluster, address));
    return false;
}
