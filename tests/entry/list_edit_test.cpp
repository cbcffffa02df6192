#include "entry/entry_fixture.h"
#include "logbook/log_list_model.h"
#include "platform/text_file.h"
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>

namespace {

// A line as an older version or a hand edit left it: castle name in lower case.
QString lowerCaseCastleLine()
{
    QString line = qsoLine("F6BBB", "77", "77121", "02/02/08", "11:00", "14 Mhz", true, "C. BLANDY");
    return line.replace("C. BLANDY", "C. Blandy");
}

} // namespace

TEST_F(EntryTest, EditingReplacesExactlyTheOpenedLineEvenWithALowerCaseCastleName)
{
    const QString a = qsoLine("F6AAA", "75", "75001", "01/02/08", "10:00", "14 Mhz");
    const QString b = lowerCaseCastleLine();
    const QString c = qsoLine("F6CCC", "75", "75001", "03/02/08", "10:00", "14 Mhz");
    start({a, b, c});

    clickRow(1);
    EXPECT_EQ(f->Ind_A->text(), "F6BBB");
    EXPECT_FALSE(f->Ind_A->isEnabled());
    EXPECT_TRUE(window->Annule_Saisie->isEnabled());
    EXPECT_EQ(f->Rem_A->text(), "C. Blandy");
    EXPECT_TRUE(f->QSL_A->isChecked());

    doubleClickRow(1);
    EXPECT_TRUE(f->Modification_En_Cours);
    EXPECT_EQ(f->Mode_Aff->text(), "Modification QSO");
    EXPECT_TRUE(f->Valide_A->isEnabled());
    EXPECT_EQ(focused(), f->Ind_A);
    // The list is locked while the QSO is open.
    clickRow(2);
    EXPECT_EQ(f->Ind_A->text(), "F6BBB");

    f->RST_A->setText("44");
    f->Valide_A->click();
    EXPECT_EQ(messages.shown, QStringList{"Voulez vous enregistrer ces données ?"});
    QString edited = b;
    edited.replace("C. Blandy", "C. BLANDY").replace(67, 3, "44 ");
    EXPECT_EQ(logLines(), (QStringList{a, edited, c}));
    EXPECT_EQ(f->Mode_Aff->text(), "Saisie QSO");
    EXPECT_FALSE(f->Liste_Verrouillee);
    // The selection now names a row of the reloaded list: the last one.
    EXPECT_EQ(f->selectedRow(), 2);
    EXPECT_EQ(f->selectedLine(), c);
}

TEST_F(EntryTest, SavingAnEditChecksEveryFieldAgainAndWritesNothingWhileOneFails)
{
    const QString a = qsoLine("F6AAA", "75", "75001", "01/02/08", "10:00", "14 Mhz");
    start({a});
    clickRow(0);
    doubleClickRow(0);
    const QByteArray before = logBytes();

    f->Mode_A->setEditText("RTTY");
    f->Valide_A->click();
    EXPECT_EQ(messages.shown, QStringList{"3 caracteres maxi pour le Mode"});
    EXPECT_EQ(focused(), f->Mode_A);

    f->Mode_A->setEditText("CW");
    f->Ind_A->setText("F6AAAAAAAAAAA");
    f->Bande_A->setEditText({});
    messages.shown.clear();
    f->Valide_A->click();
    EXPECT_EQ(messages.shown, QStringList{"12 caracteres maxi pour l'indicatif"});
    EXPECT_EQ(focused(), f->Ind_A);

    f->Ind_A->setText("F6AAA");
    messages.shown.clear();
    f->Valide_A->click();
    EXPECT_EQ(messages.shown, QStringList{"Entrez une QRG"});
    EXPECT_EQ(logBytes(), before);

    f->Bande_A->setEditText("7.0 mhz");
    messages.shown.clear();
    f->Valide_A->click();
    EXPECT_EQ(messages.shown, QStringList{"Voulez vous enregistrer ces données ?"});
    EXPECT_EQ(logLines(), QStringList{qsoLine("F6AAA", "75", "75001", "01/02/08", "10:00", "7.0 Mhz", false, "C. ", "CW")});
}

TEST_F(EntryTest, WalkingAnEditWithEnterNeedsNoDuplicateCheckAndKeepsAnUnlistedCastleName)
{
    const QString a = qsoLine("F6AAA", "75", "75002", "01/02/08", "10:00", "14 Mhz", false, "C. TOUR JEAN SANS PEUR");
    start({a});
    clickRow(0);
    doubleClickRow(0);
    for (int i = 0; i < 4; ++i)
        enter(); // callsign, first name, department, reference: the QSO itself is no duplicate
    EXPECT_EQ(focused(), f->Date_A);
    EXPECT_EQ(f->Rem_A->text(), "C. TOUR JEAN SANS PEUR");
    for (int i = 0; i < 8; ++i)
        QTest::keyClick(focused(), Qt::Key_Backspace);
    enter();
    EXPECT_EQ(messages.last(), "Entrez une date");
    EXPECT_EQ(focused(), f->Date_A);
    typeEnter("02/02/08");
    for (int i = 0; i < 7; ++i)
        enter(); // time, mode, reports, castle name, QSL, Valide_A
    EXPECT_EQ(logLines(), QStringList{qsoLine("F6AAA", "75", "75002", "02/02/08", "10:00", "14 Mhz", false,
                                              "C. TOUR JEAN SANS PEUR")});
}

TEST_F(EntryTest, DeletingRemovesTheClickedLineOnlyAndAnsweringNoKeepsIt)
{
    const QString a = qsoLine("F6AAA", "75", "75001", "01/02/08", "10:00", "14 Mhz");
    const QString b = lowerCaseCastleLine();
    start({a, b, a, a});

    clickRow(1);
    messages.answers = {false};
    window->Annule_Saisie->click();
    EXPECT_EQ(messages.shown, QStringList{"Voulez vous Supprimer ce QSO ?"});
    EXPECT_EQ(logLines(), (QStringList{a, b, a, a}));
    EXPECT_FALSE(window->Annule_Saisie->isEnabled());
    EXPECT_TRUE(f->Ind_A->text().isEmpty());
    EXPECT_TRUE(f->Ind_A->isEnabled());

    clickRow(1);
    window->Annule_Saisie->click();
    EXPECT_EQ(logLines(), (QStringList{a, a, a}));

    // One of identical QSOs (a double save): only the clicked one goes.
    clickRow(2);
    window->Annule_Saisie->click();
    EXPECT_EQ(logLines(), (QStringList{a, a}));
    EXPECT_EQ(window->logModel()->rowCount(), 2);

    // A row selected by the program acts as a click.
    window->selectRow(0);
    EXPECT_TRUE(window->Annule_Saisie->isEnabled());
    window->Annule_Saisie->click();
    EXPECT_EQ(logLines(), QStringList{a});
}

TEST_F(EntryTest, InsertAfterAClickOpensTheCallsignAndSavesInDateOrder)
{
    const QString a = qsoLine("F6AAA", "75", "75001", "01/02/08", "10:00", "14 Mhz");
    const QString c = qsoLine("F6CCC", "75", "75001", "10/02/08", "10:00", "14 Mhz");
    start({a, c});
    clickRow(0);
    EXPECT_FALSE(f->Ind_A->isEnabled());
    window->Ajout_QSO->click();
    EXPECT_TRUE(f->Ind_A->isEnabled());
    EXPECT_EQ(focused(), f->Ind_A);
    EXPECT_EQ(f->Mode_Aff->text(), "Insertion QSO");

    f->Ind_A->clear();
    typeEnter("f6bbb");
    f->Prenom_A->clear();
    enter();
    f->Dpt_A->clear();
    typeEnter("77");
    f->Ref_A->clear();
    typeEnter("77121");
    EXPECT_EQ(focused(), f->Date_A);
    EXPECT_EQ(f->Rem_A->text(), "C.CHÂTEAU DE BLANDY");
    f->Date_A->clear();
    typeEnter("05/02/08");
    f->Heure_A->clear();
    typeEnter("08:00");
    for (int i = 0; i < 6; ++i)
        enter();
    const QString b = qsoLine("F6BBB", "77", "77121", "05/02/08", "08:00", "14 Mhz", false, "C.CHÂTEAU DE BLANDY");
    EXPECT_EQ(logLines(), (QStringList{a, b, c}));
    EXPECT_EQ(f->Mode_Aff->text(), "Saisie QSO");
    // In automatic-date mode the date is not kept.
    EXPECT_TRUE(f->Date_A->text().isEmpty());
}

TEST_F(EntryTest, DateMenuSwitchesTheModeAndRemembersIt)
{
    start({});
    EXPECT_TRUE(window->Mnu_Date_Auto->isChecked());
    window->Mnu_Date_Man->trigger();
    EXPECT_FALSE(window->Mnu_Date_Auto->isChecked());
    EXPECT_TRUE(window->Mnu_Date_Man->isChecked());
    EXPECT_EQ(settings.read("Setup F5ABC", "Date Auto", {}), "Non");
    f->Date_A->setText("05/02/08");
    window->Mnu_Date_Man->trigger();
    EXPECT_TRUE(window->Mnu_Date_Man->isChecked());
    EXPECT_EQ(f->Date_A->text(), "05/02/08");
    window->Mnu_Date_Auto->trigger();
    EXPECT_TRUE(window->Mnu_Date_Auto->isChecked());
    EXPECT_FALSE(window->Mnu_Date_Man->isChecked());
    EXPECT_TRUE(f->Date_A->text().isEmpty());
    EXPECT_EQ(settings.read("Setup F5ABC", "Date Auto", {}), "Oui");

    // Nothing clicked yet.
    f->doubleClickRow(0);
    EXPECT_EQ(messages.last(), "Cliquez sur une ligne pour l'editer");
    window->Annule_Saisie->setEnabled(true);
    window->Annule_Saisie->click();
    EXPECT_EQ(messages.last(), "Cliquez sur une ligne pour l'effacerer");
}

TEST_F(EntryTest, StoreFailureIsToldAndTheTypedQsoIsKept)
{
    const QString a = qsoLine("F6AAA", "75", "75001", "01/02/08", "10:00", "14 Mhz");
    start({a});
    ASSERT_TRUE(QDir(dir.path()).mkdir("Temporaire.txt")); // the scratch file cannot be written
    typeHeader("f5xyz", "jean", "77", "77121");
    for (int i = 0; i < 6; ++i)
        enter();
    EXPECT_EQ(logLines(), QStringList{a});
    ASSERT_FALSE(messages.shown.isEmpty());
    EXPECT_TRUE(messages.last().contains("Le QSO n'a pas été enregistré : la saisie est conservée."));
    EXPECT_TRUE(messages.last().startsWith("Impossible d'enregistrer le fichier"));
    EXPECT_EQ(f->Ind_A->text(), "F5XYZ");
    EXPECT_EQ(f->Ref_A->text(), "77121");
    EXPECT_TRUE(f->Valide_A->isEnabled());

    ASSERT_TRUE(QDir(dir.path()).rmdir("Temporaire.txt"));
    messages.shown.clear();
    f->Valide_A->click();
    EXPECT_EQ(messages.shown, QStringList{"Voulez vous enregistrer ces données ?"});
    EXPECT_EQ(logLines().size(), 2);
    EXPECT_EQ(readFile("Liste_Prenom.txt"), QByteArray("F5XYZ        77 JEAN\r\n"));
}
