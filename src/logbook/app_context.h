#pragma once
#include "logbook/log_store.h"
#include "logbook/station.h"
#include <QString>

class Browser;
class Clock;
class FileDialogs;
class Http;
class Messages;
class Printer;
class Rig;
class RigControl;
class Settings;

// What every window is given: the platform services and the process-wide
// values shared between windows.
struct AppContext {
    QString dataDir;
    Messages* messages = nullptr;
    Settings* settings = nullptr;
    Clock* clock = nullptr;
    Printer* printer = nullptr;
    Http* http = nullptr;
    FileDialogs* fileDialogs = nullptr;
    Browser* browser = nullptr; // where web pages open in builds without a web view
    Rig* rig = nullptr; // the radio's control library; none in most tests
    // Follows the radio (set by the main window when a rig is given);
    // rigControl->tune(hz) tunes the radio while following is on.
    RigControl* rigControl = nullptr;

    // The current station; "FXXXX" while none is configured.
    QString Indicatif_Station = noStation;
    // Award hand-over from the award buttons to the award list.
    QString Groupe_Diplome;
    QString Nom_Diplome;

    QString stationSection() const { return Keys::stationSection(Indicatif_Station); }
    // The current station's log, backed up before the first change of the day.
    LogStore logStore() const;
};
