#include "castles/name_refresh_window.h"
#include "castles/name_refresh.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "logbook/app_context.h"
#include "logbook/log_session.h"
#include <QProgressDialog>

void runNameRefresh(AppContext& ctx, LogSession& session, QWidget* parent)
{
    ctx.messages->info(refreshWarning());

    QProgressDialog progress(QStringLiteral("Mise à jour du nom des châteaux du log..."), QString(), 0, 0, parent);
    progress.setObjectName(QStringLiteral("Progression_Nom_DFCF"));
    progress.setWindowTitle(QStringLiteral("Mise à jour du nom des chateaux du log DFCF"));
    // Application-modal: a QSO saved from any window meanwhile would be lost
    // when the rewritten log replaces the one read.
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(500);
    progress.setMinimumWidth(420);
    const Result result = Maj_Nom_DFCF(ctx.dataDir, ctx.Indicatif_Station, [&](qsizetype done, qsizetype total) {
        progress.setMaximum(int(total));
        progress.setValue(int(done));
    }, ctx.clock->now().toUTC().date());
    progress.close();
    if (!result) {
        ctx.messages->info(result.text());
        return;
    }
    session.reload(ctx.Indicatif_Station);
    ctx.messages->info(refreshDoneMessage);
}
