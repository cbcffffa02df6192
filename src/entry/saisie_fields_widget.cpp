#include "castles/castle_list.h"
#include "entry/field_checks.h"
#include "entry/saisie_widget.h"
#include "logbook/app_context.h"
#include "logbook/bands.h"
#include "logbook/log_store.h"
#include "logbook/prenoms.h"
#include "platform/messages.h"
#include "platform/text_file.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

bool SaisieFrame::refuse(QWidget* field, const QString& message)
{
    if (message.isEmpty())
        return false;
    ctx().messages->info(message);
    field->setFocus();
    return true;
}

void SaisieFrame::moveOn(QWidget* done, QWidget* next)
{
    setDone(done);
    next->setEnabled(true);
    setActive(next);
    next->setFocus();
}

void SaisieFrame::enterPressed(QObject* field)
{
    if (field == Ind_A) {
        enterIndicatif();
    } else if (field == Prenom_A) {
        if (!refuse(Prenom_A, checkPrenom(Prenom_A->text())))
            moveOn(Prenom_A, Dpt_A);
    } else if (field == Dpt_A) {
        Dpt_A->setText(Dpt_A->text().toLower());
        if (!refuse(Dpt_A, checkDpt(Dpt_A->text())))
            moveOn(Dpt_A, Ref_A);
    } else if (field == Ref_A) {
        enterReference();
    } else if (field == Date_A) {
        if (!refuse(Date_A, checkDate(Date_A->text())))
            moveOn(Date_A, Heure_A);
    } else if (field == Heure_A) {
        if (!refuse(Heure_A, checkHeure(Heure_A->text())))
            moveOn(Heure_A, Mode_A);
    } else if (field == Mode_A) {
        if (!refuse(Mode_A, checkMode(Mode_A->currentText()))) {
            settleCombo(Mode_A);
            rememberIfChosen(Mode_A);
            moveOn(Mode_A, RST_A);
        }
    } else if (field == Bande_A) {
        // The band lies outside the chain: Enter sends the operator back to the callsign.
        if (!refuse(Bande_A, checkBande(Bande_A->currentText()))) {
            settleCombo(Bande_A);
            rememberIfChosen(Bande_A);
            RST_A->setEnabled(true);
            moveOn(Bande_A, Ind_A);
        }
    } else if (field == RST_A) {
        if (!refuse(RST_A, checkReport(RST_A->text())))
            moveOn(RST_A, RSTE_A);
    } else if (field == RSTE_A) {
        if (!refuse(RSTE_A, checkReport(RSTE_A->text()))) {
            moveOn(RSTE_A, Rem_A);
            Rem_A->end(false);
        }
    } else if (field == Rem_A) {
        if (!refuse(Rem_A, checkRem(Rem_A->text())))
            moveOn(Rem_A, QSL_A);
    } else if (field == QSL_A) {
        moveOn(QSL_A, Valide_A);
    }
}

void SaisieFrame::enterIndicatif()
{
    if (refuse(Ind_A, checkIndicatif(Ind_A->text())))
        return;
    if (!Modification_En_Cours) {
        const PrenomFound known = Cherche_Prenom(ctx().dataDir, Ind_A->text());
        if (known.listMissing)
            tellMissingPrenoms();
        if (known.found) {
            Dpt_A->setText(known.dpt);
            Prenom_A->setText(known.prenom);
        }
    }
    moveOn(Ind_A, Prenom_A);
}

void SaisieFrame::enterReference()
{
    Ref_A->setText(Ref_A->text().toLower());
    if (refuse(Ref_A, checkRef(Ref_A->text(), Dpt_A->text())))
        return;
    if (!Modification_En_Cours) {
        const QString Groupe_Saisie = bandGroup(Bande_A->currentText());
        const LogStore store = ctx().logStore();
        const LogStore::CastleContact earlier = store.Cherche_Chateau(Ref_A->text(), Groupe_Saisie);
        if (earlier.found) {
            ctx().messages->info(Ref_A->text() + QStringLiteral(" Chateau deja contacté le ") + earlier.date
                                 + QStringLiteral(" sur ") + earlier.band);
            Ref_A->clear();
            Init_Saisie();
            return;
        }
    }
    referenceAccepted();
}

void SaisieFrame::referenceAccepted()
{
    Dpt_A->setText(Ref_A->text().left(2));
    if (autoDate() && !Insertion_En_Cours && !Modification_En_Cours) {
        // Date and time are those of the clock at this moment; the castle
        // name is left to the later refresh of the names from the list.
        setDone(Ref_A);
        Date_A->setText(host.Label33->text());
        Heure_A->setText(host.Label37->text().left(5));
        Rem_A->setText(QStringLiteral("C. "));
        moveOn(Ref_A, Mode_A);
    } else {
        const CastleName castle = Cherche_Nom_Chateau(ctx().dataDir, Ref_A->text());
        if (castle.listMissing)
            tellMissingCastles();
        // An edited QSO keeps its castle name when the list does not know the castle.
        const bool unlisted = castle.name == QLatin1String("C.");
        if (!(Modification_En_Cours && unlisted))
            Rem_A->setText(upperWindows1252(castle.name));
        moveOn(Ref_A, Date_A);
    }
    Rem_A->end(false);
}

void SaisieFrame::tellMissingPrenoms()
{
    if (prenomListReported)
        return;
    prenomListReported = true;
    ctx().messages->info(QStringLiteral("Le fichier %1 est introuvable : les prénoms connus ne peuvent pas être proposés.\r\n"
                                        "Il sera créé à l'enregistrement du prochain QSO.")
                             .arg(prenomFileName));
}

void SaisieFrame::tellMissingCastles()
{
    if (castleListReported)
        return;
    castleListReported = true;
    ctx().messages->info(QStringLiteral("Le fichier %1 est introuvable : le nom des châteaux ne peut pas être trouvé.\r\n"
                                        "Les références peuvent être mises à jour depuis le menu \"Outils\".")
                             .arg(castleListFileName));
}
