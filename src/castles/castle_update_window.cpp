#include "castles/castle_update_window.h"
#include "castles/castle_update.h"
#include "castles/web_pages.h"
#include "platform/messages.h"
#include "logbook/app_context.h"
#include <QProgressDialog>
#include <QTimer>
#include <QWidget>

CastleListUpdate* CastleListUpdate::start(AppContext& context, QWidget* parent)
{
    return new CastleListUpdate(context, parent);
}

CastleListUpdate::CastleListUpdate(AppContext& context, QWidget* parent) : QObject(parent), ctx(context)
{
    progress = new QProgressDialog(QStringLiteral("Téléchargement de la liste des châteaux..."),
                                   QStringLiteral("Annuler"), 0, 0, parent);
    progress->setObjectName(QStringLiteral("Progression_Liste_DFCF"));
    progress->setWindowTitle(QStringLiteral("Mise à jour des références DFCF"));
    progress->setWindowModality(Qt::WindowModal);
    progress->setAutoClose(false);
    progress->setAutoReset(false);
    progress->setMinimumDuration(0);
    progress->setMinimumWidth(420);
    progress->show();
    const QString address = dfcfServer(*ctx.settings);
    if (const ServerAddress server = parseServerAddress(address); !server.ok()) {
        const QString message = unusableServerMessage(ServerKeys::dfcf, address, server.error);
        QTimer::singleShot(0, this, [this, message] { tell(message); });
        return;
    }
    if (!ctx.http) {
        QTimer::singleShot(0, this, [this] { finish(HttpReply{}); });
        return;
    }
    // The answer is dealt with from the event loop, outside the transfer's
    // own signals, so that the message box never runs inside them.
    transfer = ctx.http->get(
        castleListUrl(*ctx.settings), [this](qint64 received, qint64 total) { onProgress(received, total); },
        [this](const HttpReply& reply) { QTimer::singleShot(0, this, [this, reply] { finish(reply); }); });
    connect(progress, &QProgressDialog::canceled, this, [this] {
        if (transfer)
            transfer->cancel();
    });
}

CastleListUpdate::~CastleListUpdate()
{
    if (progress)
        progress->deleteLater();
}

void CastleListUpdate::onProgress(qint64 received, qint64 total)
{
    if (!progress)
        return;
    if (total > 0 && total <= std::numeric_limits<int>::max()) {
        progress->setMaximum(int(total));
        progress->setValue(int(std::min(received, total)));
    }
}

void CastleListUpdate::finish(const HttpReply& reply)
{
    if (progress) {
        disconnect(progress, nullptr, this, nullptr);
        progress->hide();
    }
    tell(Maj_Liste_DFCF(ctx.dataDir, *ctx.settings, ctx.stationSection(), reply).message);
}

void CastleListUpdate::tell(const QString& message)
{
    if (progress)
        progress->hide();
    ctx.messages->info(message);
    emit finished();
    deleteLater();
}
