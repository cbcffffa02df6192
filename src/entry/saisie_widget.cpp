#include "entry/saisie_widget.h"
#include "logbook/bands.h"
#include "shell/main_window.h"
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

SaisieFrame::SaisieFrame(Main& owner) : QGroupBox(QStringLiteral("Saisie ou modification d'un QSO")), main(owner)
{
    setObjectName(QStringLiteral("Frame3"));
    buildControls();
}

void SaisieFrame::buildControls()
{
    auto* grid = new QGridLayout(this);
    const auto field = [&](QWidget* control, const char* name, const char* labelName, const QString& caption, int column,
                           int span = 1) {
        control->setObjectName(QString::fromLatin1(name));
        auto* label = new QLabel(caption);
        label->setObjectName(QString::fromLatin1(labelName));
        label->setBuddy(control);
        grid->addWidget(label, 0, column, 1, span);
        grid->addWidget(control, 1, column, 1, span);
    };
    Ind_A = new QLineEdit;
    Dpt_A = new QLineEdit;
    Prenom_A = new QLineEdit;
    Ref_A = new QLineEdit;
    Date_A = new QLineEdit;
    Heure_A = new QLineEdit;
    Mode_A = new QComboBox;
    Bande_A = new QComboBox;
    RST_A = new QLineEdit(QStringLiteral("59"));
    RSTE_A = new QLineEdit(QStringLiteral("59"));
    Rem_A = new QLineEdit(QStringLiteral("C. "));
    QSL_A = new QCheckBox;
    Mode_A->setEditable(true);
    Bande_A->setEditable(true);
    field(Ind_A, "Ind_A", "Label8", QStringLiteral("Indicatif"), 0);
    field(Prenom_A, "Prenom_A", "Label6", QStringLiteral("Prénom (optionnel)"), 1);
    field(Dpt_A, "Dpt_A", "Label36", QStringLiteral("Dpt"), 2);
    field(Ref_A, "Ref_A", "Label1", QStringLiteral("Ref Chateau"), 3);
    field(Date_A, "Date_A", "Label5", QStringLiteral("Date"), 4);
    field(Heure_A, "Heure_A", "Label40", QStringLiteral("Heure UTC"), 5);
    field(Mode_A, "Mode_A", "Label16", QStringLiteral("Mode"), 6);
    field(Bande_A, "Bande_A", "Label26", QStringLiteral("Bande"), 7);
    field(RST_A, "RST_A", "Label41", QStringLiteral("RST R"), 8);
    field(RSTE_A, "RSTE_A", "Label9", QStringLiteral("RST E"), 9);
    field(Rem_A, "Rem_A", "Label4", QStringLiteral("Nom du Chateau (optionnel)"), 10);
    field(QSL_A, "QSL_A", "Label3", QStringLiteral("QSL"), 11);
    grid->setColumnStretch(10, 3);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    Mode_A->addItems(modeList());
    Bande_A->addItems(bandLabels());

    Valide_A = new QPushButton(QStringLiteral("Valider le QSO"));
    Valide_A->setObjectName(QStringLiteral("Valide_A"));
    Efface_A = new QPushButton(QStringLiteral("Annuler saisie en cours"));
    Efface_A->setObjectName(QStringLiteral("Efface_A"));
    auto* Label10 = new QLabel(QStringLiteral("Mode de saisie"));
    Label10->setObjectName(QStringLiteral("Label10"));
    Mode_Aff = new QLabel(QStringLiteral("Saisie QSO"));
    Mode_Aff->setObjectName(QStringLiteral("Mode_Aff"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Label10);
    buttons->addWidget(Mode_Aff);
    buttons->addStretch();
    buttons->addWidget(Efface_A);
    buttons->addWidget(Valide_A);
    grid->addLayout(buttons, 2, 0, 1, 12);
}

void SaisieFrame::Init_Saisie()
{
    Ind_A->clear();
    Ind_A->setEnabled(true);
    Ind_A->setFocus();
    Modification_En_Cours = Insertion_En_Cours = Liste_Verrouillee = false;
    Mode_Aff->setText(QStringLiteral("Saisie QSO"));
}
