#include "entry/field_checks.h"
#include "logbook/log_line.h"
#include <gtest/gtest.h>

namespace {

std::string s(const QString& text) { return text.toStdString(); }

Ligne_Log validQso()
{
    Ligne_Log q;
    q.indicatif = "F6ABC";
    q.dpt = "77";
    q.ref = "77121";
    q.date = "05/02/08";
    q.qtr = "09:05";
    q.mode = "SSB";
    q.qrg = "14 Mhz";
    q.rstr = "59";
    q.rste = "59";
    q.chateau = "C. ";
    return q;
}

} // namespace

TEST(FieldChecks, LengthsAreCountedInCharactersAtTheirLimits)
{
    EXPECT_EQ(s(checkIndicatif("")), "Entrez un indicatif");
    EXPECT_EQ(s(checkIndicatif("F5ABCDEFGHIJ")), "");
    EXPECT_EQ(s(checkIndicatif("F5ABCDEFGHIJK")), "12 caracteres maxi pour l'indicatif");
    EXPECT_EQ(s(checkPrenom("")), "");
    EXPECT_EQ(s(checkPrenom("ÉÉÉÉÉÉÉÉÉÉÉÉÉÉÉ")), "");
    EXPECT_EQ(s(checkPrenom("JEAN-CHRISTOPHER")), "15 caracteres maxi pour le Prenom");
    EXPECT_EQ(s(checkDpt("")), "Entrez un Departement");
    EXPECT_EQ(s(checkDpt("775")), "2 caracteres maxi pour le Departement");
    EXPECT_EQ(s(checkRef("7712", "77")), "5 caracteres pour la reference ex: 77121");
    EXPECT_EQ(s(checkRem(QString(30, 'X'))), "");
    EXPECT_EQ(s(checkRem(QString(31, 'X'))), "30 caracteres maxi pour le nom du Chateau");
    EXPECT_EQ(s(checkBande("")), "Entrez une QRG");
    EXPECT_EQ(s(checkBande("1296 Mhz")), "7 caracteres maxi pour la QRG");
}

TEST(FieldChecks, ModeMustFitItsThreeColumnsAfterTheSixCharacterCheck)
{
    EXPECT_EQ(s(checkMode("")), "Entrez un Mode");
    EXPECT_EQ(s(checkMode("CW")), "");
    EXPECT_EQ(s(checkMode("SSB")), "");
    EXPECT_EQ(s(checkMode("RTTY")), "3 caracteres maxi pour le Mode");
    EXPECT_EQ(s(checkMode("PSK31X")), "3 caracteres maxi pour le Mode");
    EXPECT_EQ(s(checkMode("OLIVIA8")), "6 caracteres maxi pour le Mode");
}

TEST(FieldChecks, DatesTimesAndReportsAreCheckedForFormatAndRange)
{
    EXPECT_EQ(s(checkDate("")), "Entrez une date");
    EXPECT_EQ(s(checkDate("1/2/08")), "8 caracteres pour la date ex: 01/02/08");
    EXPECT_EQ(s(checkDate("01-02-08")), "Le format de la date doit etre JJ/MM/AA");
    EXPECT_EQ(s(checkDate("31/02/08")), "Le format de la date doit etre JJ/MM/AA");
    EXPECT_EQ(s(checkDate("29/02/08")), "");
    EXPECT_EQ(s(checkHeure("")), "Entrez une Heure");
    EXPECT_EQ(s(checkHeure("8:45")), "5 caracteres pour l'heure ex: 08:45");
    EXPECT_EQ(s(checkHeure("24:00")), "Le format de l'heure doit etre HH:MM");
    EXPECT_EQ(s(checkHeure("23:59")), "");
    EXPECT_EQ(s(checkReport("")), "Entrez un Report");
    EXPECT_EQ(s(checkReport("5999")), "3 caracteres maxi pour le Report");
    EXPECT_EQ(s(checkReport("459")), "");
    EXPECT_EQ(s(checkReport("059")), "");
    EXPECT_EQ(s(checkReport("659")), "R (de RST)doit etre compris entre 0 et 5");
    EXPECT_EQ(s(checkReport("A9")), "R (de RST)doit etre compris entre 0 et 5");
    EXPECT_EQ(s(checkReport(" 59")), "R (de RST)doit etre compris entre 0 et 5");
}

TEST(FieldChecks, ReferenceMustBelongToTheDepartmentAsTyped)
{
    EXPECT_EQ(s(checkRef("77121", "77")), "");
    EXPECT_EQ(s(checkRef("2a004", "2a")), "");
    EXPECT_EQ(s(checkRef("77121", "75")), "Attention la référence ne correspond pas au N° du département");
    EXPECT_EQ(s(checkRef("01001", "1")), "Attention la référence ne correspond pas au N° du département");
}

TEST(FieldChecks, WholeEntryReportsTheFirstFailingFieldInEntryOrder)
{
    EXPECT_TRUE(checkEntry(validQso()).ok());

    Ligne_Log q = validQso();
    q.mode = "RTTY";
    q.rste = "9";
    EntryCheck check = checkEntry(q);
    EXPECT_EQ(check.field, EntryField::Mode);
    EXPECT_EQ(s(check.message), "3 caracteres maxi pour le Mode");

    q = validQso();
    q.indicatif = "F5ABCDEFGHIJK";
    q.qrg = "";
    check = checkEntry(q);
    EXPECT_EQ(check.field, EntryField::Ind);

    q = validQso();
    q.qrg = "";
    check = checkEntry(q);
    EXPECT_EQ(check.field, EntryField::Bande);
    EXPECT_EQ(s(check.message), "Entrez une QRG");

    q = validQso();
    q.rste = "9";
    EXPECT_EQ(checkEntry(q).field, EntryField::RSTE);
}
