#include "entry/saisie_widget.h"
#include "logbook/app_context.h"
#include "platform/messages.h"
#include <QComboBox>
#include <QLineEdit>

void SaisieFrame::startEntry(const QString& call, const QString& dpt, const QString& ref, const QString& band)
{
    if (!isEnabled())
        return;
    if (Modification_En_Cours) {
        ctx().messages->info(QStringLiteral("Un QSO est en cours de modification : enregistrez-le ou annulez la saisie "
                                            "avant d'en commencer un autre."));
        return;
    }
    // Without a band the QSO would be stored on whatever band the entry showed.
    if (band.isEmpty())
        return;
    Init_Saisie();
    Bande_A->setEditText(band);
    enterPressed(Bande_A); // a label of the band list always passes
    // Each step succeeds when it opened the next field of the chain.
    const auto typeEnter = [this](QLineEdit* field, const QString& text, QWidget* next) {
        field->setText(text);
        enterPressed(field);
        return next->isEnabled();
    };
    if (!typeEnter(Ind_A, call.toUpper(), Prenom_A) || !typeEnter(Prenom_A, Prenom_A->text(), Dpt_A) || dpt.isEmpty())
        return;
    if (!typeEnter(Dpt_A, dpt, Ref_A) || ref.isEmpty())
        return;
    Ref_A->setText(ref);
    enterPressed(Ref_A); // the duplicate-castle check, then the castle name or the clock
}
