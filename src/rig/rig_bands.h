#pragma once
#include "logbook/band_edges.h"
#include "platform/rig.h"
#include <QList>
#include <QString>

// Mode_A text for a mode named by the rig library: SSB, CW, FM or AM; empty
// for data and other modes, which leave the operator's mode as it is.
QString modeForRig(const QString& rigMode);

// The status line of the main window: "Poste : 14,205 MHz SSB" or
// "Poste : non connecté (reason)".
QString rigStatusText(const RigReading& reading);
// The same line for a radio that may not be followed, or not read yet:
// "Poste : suivi arrêté", "Poste : connexion en cours", else rigStatusText.
QString rigStateText(bool following, const RigReading& last = {});
