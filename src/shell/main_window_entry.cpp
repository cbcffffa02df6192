#include "entry/saisie_widget.h"
#include "shell/main_window.h"
#include <QAction>
#include <QPushButton>

void Main::wireEntry()
{
    Frame3->wireMain({Liste_DFCF, Annule_Saisie, Ajout_QSO, Mnu_Date_Auto, Mnu_Date_Man, Label33, Label37,
                      [this](int row) { selectRow(row); }});
    connect(this, &Main::rowSelected, Frame3, &SaisieFrame::clickRow);
    connect(this, &Main::logReloaded, Frame3, &SaisieFrame::forgetSelection);
}

void Main::setLogActionsEnabled(bool enabled)
{
    for (QPushButton* button : {Ajout_QSO, Rechercher})
        button->setEnabled(enabled);
    for (QAction* action : {Mnu_ADIF, Mnu_ADIF_Standard, Mnu_Import_ADIF, Mnu_Maj_Nom_DFCF, Mnu_C_Contacte, Mnu_Carte_HB,
                            Mnu_Score, Mnu_Statistiques, Mnu_DFCF_HF, Mnu_DFCF_VHF, Mnu_DFCF_UHF, Mnu_Non_Recue})
        action->setEnabled(enabled);
    // Delete stays off until a row is clicked, whatever the log.
    if (!enabled)
        Annule_Saisie->setEnabled(false);
}
