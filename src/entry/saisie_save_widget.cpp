#include "entry/field_checks.h"
#include "entry/saisie_widget.h"
#include "logbook/app_context.h"
#include "logbook/bands.h"
#include "logbook/log_line.h"
#include "logbook/log_list_model.h"
#include "logbook/log_session.h"
#include "logbook/prenoms.h"
#include "platform/messages.h"
#include "platform/text_file.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

Ligne_Log SaisieFrame::typedQso() const
{
    Ligne_Log qso;
    qso.indicatif = Ind_A->text();
    qso.dpt = Dpt_A->text();
    qso.prenom = Prenom_A->text();
    qso.ref = Ref_A->text();
    qso.date = Date_A->text();
    qso.qtr = Heure_A->text();
    qso.mode = Mode_A->currentText();
    qso.qrg = Bande_A->currentText();
    qso.rstr = RST_A->text();
    qso.rste = RSTE_A->text();
    qso.chateau = Rem_A->text();
    qso.qsl = QSL_A->isChecked();
    return qso;
}

// Fields stay editable once passed, and an edit opens all of them at once:
// nothing reaches the log without passing its check again.
bool SaisieFrame::recheckAll()
{
    Dpt_A->setText(Dpt_A->text().toLower());
    Ref_A->setText(Ref_A->text().toLower());
    const EntryCheck check = checkEntry(typedQso());
    if (!check.ok()) {
        QWidget* const fields[] = {Ind_A, Prenom_A, Dpt_A, Ref_A, Date_A, Heure_A, Mode_A, Bande_A, RST_A, RSTE_A, Rem_A};
        QWidget* field = fields[int(check.field)];
        field->setEnabled(true);
        refuse(field, check.message);
        return false;
    }
    if (Modification_En_Cours)
        return true;
    // The band may have been changed after the reference was entered.
    const CastleContact earlier = session.Cherche_Chateau(Ref_A->text(), bandGroup(Bande_A->currentText()));
    if (earlier.found) {
        refuse(Ref_A, Ref_A->text() + QStringLiteral(" Chateau deja contacté le ") + earlier.date + QStringLiteral(" sur ")
                          + earlier.band);
        return false;
    }
    return true;
}

void SaisieFrame::Valide()
{
    settleCombo(Mode_A);
    settleCombo(Bande_A);
    if (!recheckAll())
        return;
    if (!ctx().messages->askYesNo(QStringLiteral("Voulez vous enregistrer ces données ?"))) {
        resetAfterSaving();
        return;
    }
    Prenom_A->setText(upperWindows1252(Prenom_A->text()));
    if (Rem_A->text().trimmed().size() > 30)
        Rem_A->setText(Rem_A->text().trimmed().left(30));
    const BuiltLine line = buildLogLine(typedQso());
    if (!line.ok()) {
        ctx().messages->info(line.error);
        return;
    }
    // The first names are only a convenience: their failure is told, and the QSO is written all the same.
    const Result prenom = Maj_Prenom(ctx().dataDir, prenomRecord(Ind_A->text(), Dpt_A->text(), Prenom_A->text()));
    if (!prenom)
        ctx().messages->info(prenom.text());
    if (!writeQso(line.text))
        return;
    resetAfterSaving(savedRow());
}

// After an insert, the row of the QSO just written, so that the selection
// (and what a delete would act on) is that QSO; otherwise the last line.
int SaisieFrame::savedRow() const
{
    if (lastWrite == Write::Inserted)
        return session.lastRow();
    return session.model()->rowCount() - 1;
}

bool SaisieFrame::writeQso(const QString& line)
{
    LogSession& store = session;
    Result written;
    if (Modification_En_Cours) {
        lastWrite = Write::Replaced;
        written = store.Remplace_QSO(selectedPosition, Ligne_Selectionnee, line);
    } else if (!autoDate() || Insertion_En_Cours) {
        lastWrite = Write::Inserted;
        written = store.Insere_QSO_Date(line);
    } else {
        lastWrite = Write::Added;
        written = store.Ajoute_QSO(line);
    }
    if (!written) {
        ctx().messages->info(written.text() + QStringLiteral("\r\nLe QSO n'a pas été enregistré : la saisie est conservée."));
        Valide_A->setFocus();
    }
    return written.ok;
}

void SaisieFrame::resetAfterSaving(int row)
{
    // Selecting the line shows it in the fields; in manual-date mode the
    // date kept for the next QSO is the one just typed, not that line's.
    const QString typedDate = Date_A->text();
    Liste_Verrouillee = false; // so that the selected line is also the one a delete would act on
    if (row < 0)
        host.selectRow(int(session.model()->rowCount()) - 1);
    else
        host.selectRow(row);
    Date_A->setText(typedDate);
    resetFields(!autoDate());
}
