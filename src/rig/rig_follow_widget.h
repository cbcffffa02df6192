#pragma once
#include "platform/rig.h"
#include <QObject>
#include <QPointer>

struct AppContext;
class QMainWindow;
class SaisieFrame;
class PosteRadio;
class QComboBox;
class QLabel;
class RigControl;

// Joins the radio to the main window: the status label, the band and mode
// of the entry while no QSO is being typed, and the "Poste radio" window.
class RigFollower : public QObject {
    Q_OBJECT
public:
    // The status label goes into the window's status bar.
    RigFollower(AppContext& context, SaisieFrame& entry, QMainWindow& window, RigControl& control);

    // Reads the current station's choices and follows the radio, or stops.
    void reconfigure();
    void openSettings();

private:
    void showReading(const RigReading& reading);
    void applyToEntry(const RigReading& reading);
    // Selects the text in the list, remembering it as a hand choice would be.
    void choose(QComboBox* combo, const QString& text);

    AppContext& ctx;
    SaisieFrame& entry;
    QMainWindow& mainWindow;
    RigControl& control;
    QLabel* status;
    QPointer<PosteRadio> window;
    // What the radio last put into the entry; cleared whenever the entry is
    // busy or the radio lost, so the radio's choice comes back afterwards.
    QString appliedBand;
    QString appliedMode;
};
