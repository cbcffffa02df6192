#include "castles/castle_update_window.h"
#include "castles/cluster_window.h"
#include "castles/name_refresh_window.h"
#include "castles/web_pages.h"
#include "platform/messages.h"
#include "shell/main_window.h"
#include "logbook/log_session.h"
#include "widgets/single_window.h"
#ifdef DFCF_WEB_VIEW
#include "castles/liste_dfcf1_window.h"
#include "castles/reglement_window.h"
#endif
#include <QAction>
#include <QProgressDialog>
#include <QPushButton>

#ifndef DFCF_WEB_VIEW
namespace {
void showInBrowser(AppContext& ctx, const QUrl& url)
{
    if (const Result opened = openInBrowser(*ctx.browser, url); !opened)
        ctx.messages->info(opened.text());
}
} // namespace
#endif

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
    connect(Mnu_Maj_Nom_DFCF, &QAction::triggered, this, [this] { runNameRefresh(ctx, *logSession, this); });
    connect(Mnu_Cluster, &QAction::triggered, this, [this] {
        if (!serverReady(true))
            return;
        QPointer<Cluster> slot = openWindow<Cluster>();
        showSingle(slot, [this] { return new Cluster(ctx, this); });
    });
    connect(Mnu_Reglement, &QAction::triggered, this, [this] {
        if (!serverReady(false))
            return;
#ifdef DFCF_WEB_VIEW
        QPointer<Reglement> slot = openWindow<Reglement>();
        showSingle(slot, [this] { return new Reglement(ctx, this); });
#else
        showInBrowser(ctx, pageUrl(dfcfServer(*ctx.settings), reglementPath));
#endif
    });
    connect(Command1, &QPushButton::clicked, this, [this] {
        if (!serverReady(false))
            return;
#ifdef DFCF_WEB_VIEW
        auto* window = new Liste_DFCF1(ctx, this);
        window->setAttribute(Qt::WA_DeleteOnClose);
        centreOnScreen(window);
        window->exec();
#else
        showInBrowser(ctx, pageUrl(dfcfServer(*ctx.settings), selecdeptPath));
#endif
    });
}
