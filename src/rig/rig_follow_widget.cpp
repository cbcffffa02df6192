#include "rig/rig_follow_widget.h"
#include "entry/saisie_widget.h"
#include "logbook/station.h"
#include "logbook/station_settings.h"
#include "platform/settings.h"
#include "rig/poste_radio_window.h"
#include "rig/rig_bands.h"
#include "rig/rig_control.h"
#include "rig/rig_settings.h"
#include "shell/main_window.h"
#include <QComboBox>
#include <QLabel>
#include <QStatusBar>

RigFollower::RigFollower(Main& owner, RigControl& rigControl)
    : QObject(&owner), main(owner), control(rigControl), status(new QLabel)
{
    status->setObjectName(QStringLiteral("Poste_Etat"));
    // The whole width of the bar, so that it never jumps as the text changes.
    main.statusBar()->addWidget(status, 1);
    main.statusBar()->setSizeGripEnabled(false);
    main.statusBar()->hide();
    connect(&control, &RigControl::readingChanged, this, &RigFollower::showReading);
    connect(&control, &RigControl::followingChanged, this, [this](bool on) {
        appliedBand.clear();
        appliedMode.clear();
        status->setText(on ? rigStateText(on) : QString());
        main.statusBar()->setVisible(on);
    });
}

void RigFollower::reconfigure()
{
    AppContext& ctx = main.context();
    RigConfig config = loadRigConfig(*ctx.settings, ctx.stationSection());
    if (ctx.Indicatif_Station == noStation)
        config.follow = false;
    control.apply(config);
}

void RigFollower::openSettings()
{
    main.showSingle(window, [this] {
        auto* made = new PosteRadio(main.context(), control);
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
    if (!reading.ok || !main.entry()->entryIdle()) {
        appliedBand.clear();
        appliedMode.clear();
        return;
    }
    SaisieFrame* entry = main.entry();
    if (const QString band = bandForFrequency(reading.hz); !band.isEmpty() && band != appliedBand) {
        choose(entry->Bande_A, band);
        appliedBand = band;
    }
    if (const QString mode = modeForRig(reading.mode); !mode.isEmpty() && mode != appliedMode) {
        choose(entry->Mode_A, mode);
        appliedMode = mode;
    }
}

void RigFollower::choose(QComboBox* combo, const QString& text)
{
    AppContext& ctx = main.context();
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
    if (combo == main.entry()->Mode_A)
        station.setModeIndex(item);
    else
        station.setBandIndex(item);
}
