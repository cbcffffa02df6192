#include "cluster/spots_dfcf_window.h"
#include "entry/saisie_widget.h"
#include "logbook/log_session.h"
#include "platform/qt_cluster_link.h"
#include "rig/rig_control.h"
#include "shell/main_window.h"
#include "widgets/single_window.h"
#include <QAction>

void Main::wireCluster()
{
    connect(Mnu_Spots, &QAction::triggered, this, [this] {
        QPointer<Spots_DFCF> slot = openWindow<Spots_DFCF>();
        showSingle(slot, [this] {
            auto* window = new Spots_DFCF(ctx, new QtClusterLink, logSession->castles(), this);
            connect(logSession, &LogSession::changed, window, &Spots_DFCF::refreshLog);
            connect(window, &Spots_DFCF::entryRequested, this, [this](const SpotEntry& spot) {
                raise();
                activateWindow();
                Frame3->startEntry(spot.call, spot.dpt, spot.ref, spot.band);
            });
            // The radio goes to the spot's frequency when the program follows it.
            connect(window, &Spots_DFCF::tuneRequested, this, [this](double hz) {
                if (ctx.rigControl)
                    ctx.rigControl->tune(hz);
            });
            return window;
        });
    });
}
