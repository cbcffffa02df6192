#include "entry/saisie_widget.h"
#include "logbook/app_context.h"
#include "logbook/log_line.h"
#include "logbook/log_list_model.h"
#include "logbook/log_session.h"
#include "logbook/station.h"
#include "logbook/station_settings.h"
#include "platform/messages.h"
#include "platform/settings.h"
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

void SaisieFrame::wireMain(SaisieHost controls)
{
    host = std::move(controls);
    QListView* list = host.list;
    connect(list, &QListView::clicked, this, [this](const QModelIndex& index) { clickRow(index.row()); });
    connect(list, &QListView::doubleClicked, this, [this](const QModelIndex& index) { doubleClickRow(index.row()); });
    // Moving through the list with the arrow keys shows each QSO, as a click does.
    connect(list->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this, list](const QModelIndex& index) {
        if (list->hasFocus() && index.isValid())
            clickRow(index.row());
    });
    connect(host.Annule_Saisie, &QPushButton::clicked, this, &SaisieFrame::deleteSelected);
    connect(host.Ajout_QSO, &QPushButton::clicked, this, &SaisieFrame::startInsertion);
    connect(host.Mnu_Date_Auto, &QAction::triggered, this, &SaisieFrame::chooseDateAuto);
    connect(host.Mnu_Date_Man, &QAction::triggered, this, &SaisieFrame::chooseDateMan);
}

// A reloaded list may no longer hold the row last clicked; a QSO being
// edited keeps its own, which the store checks before replacing it.
void SaisieFrame::forgetSelection()
{
    if (Liste_Verrouillee)
        return;
    selectedPosition = -1;
    Ligne_Selectionnee.clear();
    host.Annule_Saisie->setEnabled(false);
}

void SaisieFrame::fillFrom(const QString& logLine)
{
    modeChosen = bandeChosen = false;
    const Ligne_Log qso = Ligne_Log::fromLine(logLine);
    Ind_A->setText(qso.indicatif);
    Dpt_A->setText(qso.dpt);
    Prenom_A->setText(qso.prenom);
    Ref_A->setText(qso.ref);
    Date_A->setText(qso.date);
    Heure_A->setText(qso.qtr);
    Mode_A->setEditText(qso.mode);
    Bande_A->setEditText(qso.qrg);
    RST_A->setText(qso.rstr);
    RSTE_A->setText(qso.rste);
    Rem_A->setText(qso.chateau);
    QSL_A->setChecked(qso.qsl);
}

void SaisieFrame::clickRow(int row)
{
    if (Liste_Verrouillee || row < 0 || row >= session.model()->rowCount())
        return;
    selectedPosition = row;
    Ligne_Selectionnee = session.model()->logLine(row);
    host.Annule_Saisie->setEnabled(true);
    fillFrom(Ligne_Selectionnee);
    Ind_A->setEnabled(false); // shown, not opened for editing
}

void SaisieFrame::doubleClickRow(int row)
{
    Q_UNUSED(row); // the double click always follows the click that selected the row
    if (Liste_Verrouillee)
        return;
    Liste_Verrouillee = true;
    if (selectedPosition < 0) {
        ctx().messages->info(QStringLiteral("Cliquez sur une ligne pour l'editer"));
        return;
    }
    Modification_En_Cours = true;
    for (QWidget* field : std::initializer_list<QWidget*>{Ind_A, Dpt_A, Prenom_A, Ref_A, Date_A, Heure_A, Mode_A, Bande_A,
                                                          RST_A, RSTE_A, Rem_A, QSL_A, Valide_A})
        field->setEnabled(true);
    Mode_Aff->setText(QStringLiteral("Modification QSO"));
    fillFrom(Ligne_Selectionnee);
    setActive(Ind_A);
    Ind_A->setFocus();
}

void SaisieFrame::deleteSelected()
{
    if (selectedPosition < 0) {
        ctx().messages->info(QStringLiteral("Cliquez sur une ligne pour l'effacerer"));
        return;
    }
    if (ctx().messages->askYesNo(QStringLiteral("Voulez vous Supprimer ce QSO ?"))) {
        const Result deleted = session.Supprime_QSO(selectedPosition, Ligne_Selectionnee);
        if (deleted) {
            host.selectRow(int(session.model()->rowCount()) - 1);
        } else {
            ctx().messages->info(deleted.text());
        }
    }
    host.Annule_Saisie->setEnabled(false);
    Init_Saisie();
}

void SaisieFrame::startInsertion()
{
    if (!isEnabled())
        return; // no log loaded: nothing to insert into
    // An insertion never replaces the QSO being edited: the edit ends first.
    if (Modification_En_Cours)
        Init_Saisie();
    Insertion_En_Cours = true;
    Mode_Aff->setText(QStringLiteral("Insertion QSO"));
    // A click on the list leaves the callsign disabled; it must take the focus now.
    Ind_A->setEnabled(true);
    setActive(Ind_A);
    Ind_A->setFocus();
}

void SaisieFrame::chooseDateAuto()
{
    host.Mnu_Date_Auto->setChecked(true);
    host.Mnu_Date_Man->setChecked(false);
    Date_A->clear();
    StationSettings(*ctx().settings, ctx().Indicatif_Station).setDateAuto(true);
}

void SaisieFrame::chooseDateMan()
{
    host.Mnu_Date_Auto->setChecked(false);
    host.Mnu_Date_Man->setChecked(true);
    StationSettings(*ctx().settings, ctx().Indicatif_Station).setDateAuto(false);
}
