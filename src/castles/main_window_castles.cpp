#include "castles/castle_update_window.h"
#include "castles/cluster_window.h"
#include "castles/liste_dfcf1_window.h"
#include "castles/name_refresh_window.h"
#include "castles/reglement_window.h"
#include "shell/main_window.h"
#include <QAction>
#include <QProgressDialog>
#include <QPushButton>

void Main::wireCastles()
{
    connect(Mnu_Maj_Liste_DFCF, &QAction::triggered, this, [this] {
        if (!serverReady(false))
            return;
        // One download at a time: a second click brings the running one forward.
        if (auto* running = findChild<CastleListUpdate*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (QProgressDialog* progress = running->progressDialog())
                progress->raise();
            return;
        }
        CastleListUpdate::start(ctx, this);
    });
    connect(Mnu_Maj_Nom_DFCF, &QAction::triggered, this, [this] { runNameRefresh(*this); });
    connect(Mnu_Cluster, &QAction::triggered, this, [this] {
        if (!serverReady(true))
            return;
        QPointer<Cluster> slot = openWindow<Cluster>();
        showSingle(slot, [this] { return new Cluster(ctx, this); });
    });
    connect(Mnu_Reglement, &QAction::triggered, this, [this] {
        if (!serverReady(false))
            return;
        QPointer<Reglement> slot = openWindow<Reglement>();
        showSingle(slot, [this] { return new Reglement(ctx, this); });
    });
    connect(Command1, &QPushButton::clicked, this, [this] {
        if (!serverReady(false))
            return;
        auto* window = new Liste_DFCF1(ctx, this);
        window->setAttribute(Qt::WA_DeleteOnClose);
        centreOnScreen(window);
        window->exec();
    });
}
