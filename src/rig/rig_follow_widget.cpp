#include "rig/rig_follow_widget.h"
#include "entry/saisie_widget.h"
#include "logbook/station.h"
#include "logbook/station_settings.h"
#include "platform/settings.h"
#include "rig/poste_radio_window.h"
#include "rig/rig_bands.h"
#include "rig/rig_control.h"
#include "rig/rig_settings.h"
#include "logbook/app_context.h"
#include "widgets/single_window.h"
#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

RigFollower::RigFollower(AppContext& context, SaisieFrame& entryFrame, QMainWindow& owner, RigControl& rigControl)
    : QObject(&owner), ctx(context), entry(entryFrame), mainWindow(owner), control(rigControl), status(new QLabel)
{
    status->setObjectName(QStringLiteral("Poste_Etat"));
    // The whole width of the bar, so that it never jumps as the text changes.
    mainWindow.statusBar()->addWidget(status, 1);
    mainWindow.statusBar()->setSizeGripEnabled(false);
    mainWindow.statusBar()->hide();
    connect(&control, &RigControl::readingChanged, this, &RigFollower::showReading);
    connect(&control, &RigControl::followingChanged, this, [this](bool on) {
        appliedBand.clear();
        appliedMode.clear();
        status->setText(on ? rigStateText(on) : QString());
        mainWindow.statusBar()->setVisible(on);
    });
}

void RigFollower::reconfigure()
{
    RigConfig config = loadRigConfig(*ctx.settings, ctx.stationSection());
    if (ctx.Indicatif_Station == noStation)
        config.follow = false;
    control.apply(config);
}

void RigFollower::openSettings()
{
    showSingle(window, [this] {
        auto* made = new PosteRadio(ctx, control);
        connect(made, &PosteRadio::saved, this, &RigFollower::reconfigure);
        return made;
    });
}

void RigFollower::showReading(const RigReading& reading)
{
    const QString text = rigStatusText(reading);
    if (status->text() != text)
        status->setText(text);
    applyToEntry(reading);
}

void RigFollower::applyToEntry(const RigReading& reading)
{
    if (!reading.ok || !entry.entryIdle()) {
        appliedBand.clear();
        appliedMode.clear();
        return;
    }
    if (const QString band = bandForFrequency(reading.hz); !band.isEmpty() && band != appliedBand) {
        choose(entry.Bande_A, band);
        appliedBand = band;
    }
    if (const QString mode = modeForRig(reading.mode); !mode.isEmpty() && mode != appliedMode) {
        choose(entry.Mode_A, mode);
        appliedMode = mode;
    }
}

void RigFollower::choose(QComboBox* combo, const QString& text)
{
    const int item = combo->findText(text);
    if (item < 0) {
        // A mode the list does not offer (AM) is typed in, as the operator may.
        combo->setCurrentIndex(-1);
        combo->setEditText(text);
        return;
    }
    combo->setCurrentIndex(item);
    combo->setEditText(text);
    StationSettings station(*ctx.settings, ctx.Indicatif_Station);
    if (combo == entry.Mode_A)
        station.setModeIndex(item);
    else
        station.setBandIndex(item);
}
