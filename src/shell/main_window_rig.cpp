#include "rig/rig_control.h"
#include "rig/rig_follow_widget.h"
#include "shell/main_window.h"
#include <QAction>

void Main::wireRig()
{
    if (!ctx.rig) {
        Mnu_Poste_Radio->setEnabled(false);
        return;
    }
    ctx.rigControl = new RigControl(*ctx.rig, this);
    connect(ctx.rigControl, &QObject::destroyed, [context = &ctx] { context->rigControl = nullptr; });
    auto* follower = new RigFollower(ctx, *Frame3, *this, *ctx.rigControl);
    connect(Mnu_Poste_Radio, &QAction::triggered, follower, &RigFollower::openSettings);
    // Loading a log follows a start-up or a change of station, whose choices may differ.
    connect(this, &Main::logReloaded, follower, &RigFollower::reconfigure);
}
