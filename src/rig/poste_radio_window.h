#pragma once
#include "platform/rig.h"
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class RigControl;
struct AppContext;

// "Poste radio": the rig model, its serial line or network address, and
// whether the program follows the radio, for the current station.
class PosteRadio : public QWidget {
    Q_OBJECT
public:
    PosteRadio(AppContext& context, RigControl& control, QWidget* parent = nullptr);

    QComboBox* Modele = nullptr;
    QComboBox* Port_Serie = nullptr;
    QComboBox* Vitesse = nullptr;
    QLineEdit* Adresse = nullptr;
    QCheckBox* Suivre = nullptr;
    QLabel* Etat = nullptr;
    QPushButton* Enregistrer = nullptr;
    QPushButton* Fermer = nullptr;

    // Checks and stores the choices; false (and a message) when one is wrong.
    bool save();

signals:
    void saved();

private:
    void buildControls();
    void fill(const RigConfig& config);
    void modelChosen();
    RigPort chosenPort() const;

    AppContext& ctx;
    RigControl& control;
    QList<RigModel> models;
};
