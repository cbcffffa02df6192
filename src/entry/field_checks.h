#pragma once
#include <QString>

struct Ligne_Log;

// The checks of the entry fields, as data: each returns the message shown to
// the operator, or an empty text when the field passes. The same functions
// run on Enter in each field and again, all of them, before a QSO is saved.
QString checkIndicatif(const QString& text);
QString checkPrenom(const QString& text);
QString checkDpt(const QString& text);                      // text already lower-cased
QString checkRef(const QString& text, const QString& dpt);  // both already lower-cased
QString checkDate(const QString& text);
QString checkHeure(const QString& text);
QString checkMode(const QString& text);
QString checkBande(const QString& text);
QString checkReport(const QString& text); // RST received or sent
QString checkRem(const QString& text);

enum class EntryField { Ind, Prenom, Dpt, Ref, Date, Heure, Mode, Bande, RST, RSTE, Rem };

struct EntryCheck {
    EntryField field = EntryField::Ind;
    QString message; // empty when every field passes
    bool ok() const { return message.isEmpty(); }
};

// Every field check in the order of entry; the first failure wins.
EntryCheck checkEntry(const Ligne_Log& qso);
