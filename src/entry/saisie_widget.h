#pragma once
#include <QGroupBox>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class Main;

// Frame3 "Saisie ou modification d'un QSO": the entry fields of one QSO,
// checked one after the other on Enter, and the save and cancel buttons.
class SaisieFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit SaisieFrame(Main& main);

    // Resets every field for a new QSO.
    void Init_Saisie();

    QLineEdit* Ind_A = nullptr;
    QLineEdit* Dpt_A = nullptr;
    QLineEdit* Prenom_A = nullptr;
    QLineEdit* Ref_A = nullptr;
    QLineEdit* Date_A = nullptr;
    QLineEdit* Heure_A = nullptr;
    QComboBox* Mode_A = nullptr;
    QComboBox* Bande_A = nullptr;
    QLineEdit* RST_A = nullptr;
    QLineEdit* RSTE_A = nullptr;
    QLineEdit* Rem_A = nullptr;
    QCheckBox* QSL_A = nullptr;
    QPushButton* Valide_A = nullptr;
    QPushButton* Efface_A = nullptr;
    QLabel* Mode_Aff = nullptr;

    bool Modification_En_Cours = false;
    bool Insertion_En_Cours = false;
    bool Liste_Verrouillee = false;

private:
    void buildControls();

    Main& main;
};
