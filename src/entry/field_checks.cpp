#include "entry/field_checks.h"
#include "logbook/dates.h"
#include "logbook/log_line.h"

QString checkIndicatif(const QString& text)
{
    if (text.isEmpty())
        return QStringLiteral("Entrez un indicatif");
    if (text.size() > 12)
        return QStringLiteral("12 caracteres maxi pour l'indicatif");
    return {};
}

QString checkPrenom(const QString& text)
{
    return text.size() > 15 ? QStringLiteral("15 caracteres maxi pour le Prenom") : QString();
}

QString checkDpt(const QString& text)
{
    if (text.isEmpty())
        return QStringLiteral("Entrez un Departement");
    if (text.size() > 2)
        return QStringLiteral("2 caracteres maxi pour le Departement");
    return {};
}

QString checkRef(const QString& text, const QString& dpt)
{
    if (text.size() != 5)
        return QStringLiteral("5 caracteres pour la reference ex: 77121");
    if (text.left(2) != dpt)
        return QStringLiteral("Attention la référence ne correspond pas au N° du département");
    return {};
}

QString checkDate(const QString& text)
{
    if (text.isEmpty())
        return QStringLiteral("Entrez une date");
    if (text.size() != 8)
        return QStringLiteral("8 caracteres pour la date ex: 01/02/08");
    if (!Verif_Date(text))
        return QStringLiteral("Le format de la date doit etre JJ/MM/AA");
    return {};
}

QString checkHeure(const QString& text)
{
    if (text.isEmpty())
        return QStringLiteral("Entrez une Heure");
    if (text.size() != 5)
        return QStringLiteral("5 caracteres pour l'heure ex: 08:45");
    if (!Verif_Heure(text))
        return QStringLiteral("Le format de l'heure doit etre HH:MM");
    return {};
}

QString checkMode(const QString& text)
{
    if (text.isEmpty())
        return QStringLiteral("Entrez un Mode");
    if (text.size() > 6)
        return QStringLiteral("6 caracteres maxi pour le Mode");
    // The log line holds the mode in 3 columns; a wider mode would shift them.
    if (text.size() > 3)
        return QStringLiteral("3 caracteres maxi pour le Mode");
    return {};
}

QString checkBande(const QString& text)
{
    if (text.isEmpty())
        return QStringLiteral("Entrez une QRG");
    if (text.size() > 7)
        return QStringLiteral("7 caracteres maxi pour la QRG");
    return {};
}

QString checkReport(const QString& text)
{
    if (text.isEmpty())
        return QStringLiteral("Entrez un Report");
    if (text.size() > 3)
        return QStringLiteral("3 caracteres maxi pour le Report");
    // Only the first character is read, as a number: a letter cannot be a readability.
    const QChar first = text.front();
    if (first < QLatin1Char('0') || first > QLatin1Char('5'))
        return QStringLiteral("R (de RST)doit etre compris entre 0 et 5");
    return {};
}

QString checkRem(const QString& text)
{
    return text.size() > 30 ? QStringLiteral("30 caracteres maxi pour le nom du Chateau") : QString();
}

EntryCheck checkEntry(const Ligne_Log& qso)
{
    const std::pair<EntryField, QString> checks[] = {
        {EntryField::Ind, checkIndicatif(qso.indicatif)},
        {EntryField::Prenom, checkPrenom(qso.prenom)},
        {EntryField::Dpt, checkDpt(qso.dpt)},
        {EntryField::Ref, checkRef(qso.ref, qso.dpt)},
        {EntryField::Date, checkDate(qso.date)},
        {EntryField::Heure, checkHeure(qso.qtr)},
        {EntryField::Mode, checkMode(qso.mode)},
        {EntryField::Bande, checkBande(qso.qrg)},
        {EntryField::RST, checkReport(qso.rstr)},
        {EntryField::RSTE, checkReport(qso.rste)},
        {EntryField::Rem, checkRem(qso.chateau)},
    };
    for (const auto& [field, message] : checks)
        if (!message.isEmpty())
            return {field, message};
    return {};
}
