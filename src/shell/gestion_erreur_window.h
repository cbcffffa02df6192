#pragma once
#include <QDialog>

class QLabel;
class QPushButton;
struct AppContext;

// "ERREUR 53": the log of the configured station is missing. Offers to
// create it empty, and to quit so that the program is started again.
class Gestion_Erreur : public QDialog {
    Q_OBJECT
public:
    // Result of exec() when the operator chose "Quitter".
    static constexpr int QuitRequested = 2;

    // callsign: the station whose log could not be found.
    Gestion_Erreur(AppContext& context, const QString& callsign, QWidget* parent = nullptr);

    QLabel* Ind_Station = nullptr;
    QLabel* Ind_Station1 = nullptr;
    QLabel* Err_Departement = nullptr;
    QPushButton* Initialisation = nullptr;
    QPushButton* Quitter = nullptr;

private:
    void buildControls();
    void initialise();

    AppContext& ctx;
    QString callsign;
};
