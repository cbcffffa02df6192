#pragma once
#include "awards/map.h"
#include <QWidget>

struct AppContext;
class DepartmentMapWidget;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The map of the departments contacted on one band group, with the title
// line and the legend of the three states.
class Carte_Acti_DFCF : public QWidget {
    Q_OBJECT
public:
    explicit Carte_Acti_DFCF(AppContext& context, QWidget* parent = nullptr);

    // The drawing's file, shipped beside the program.
    static QString mapFileName();

    void Afficher_Carte();
    const CarteDepartements& carte() const { return shown; }

private:
    void buildControls();
    void showCounts();
    QString mapPath() const;

    AppContext& ctx;
    CarteDepartements shown;

    QLabel* NB_Dep = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Bande_Carte = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* Bande_A = nullptr;
    QPushButton* Afficher = nullptr;
    DepartmentMapWidget* Picture1 = nullptr;
    QLineEdit* Nb_Conf = nullptr;
    QLineEdit* Nb_Nconf = nullptr;
    QLineEdit* Nb_Ncont = nullptr;
    QLabel* Hors_Dpt = nullptr; // QSOs whose department is none of the 96
};
