#include "entry/entry_fixture.h"
#include "logbook/log_list_model.h"
#include "logbook/station.h"
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>

namespace {

class EntryFaultsTest : public EntryTest {
protected:
    // Walks a QSO opened for insertion from the callsign to the mode,
    // replacing whatever a clicked row left in the fields.
    void typeInsertion()
    {
        for (QLineEdit* field : {f->Ind_A, f->Prenom_A, f->Dpt_A, f->Ref_A, f->Date_A, f->Heure_A})
            field->clear();
        typeEnter("f6bbb");
        enter();
        typeEnter("77");
        typeEnter("77121");
        typeEnter("05/02/08");
        typeEnter("08:00");
    }
};

} // namespace

TEST_F(EntryFaultsTest, InsertingDuringAnEditEndsTheEditAndSelectsTheInsertedQso)
{
    const QString a = qsoLine("F6AAA", "75", "75001", "01/02/08", "10:00", "14 Mhz");
    const QString c = qsoLine("F6CCC", "75", "75001", "10/02/08", "10:00", "14 Mhz");
    start({a, c});
    doubleClickRow(0);
    ASSERT_TRUE(f->Modification_En_Cours);
    window->Ajout_QSO->click();
    EXPECT_FALSE(f->Modification_En_Cours);
    EXPECT_FALSE(f->Liste_Verrouillee);
    EXPECT_TRUE(f->Insertion_En_Cours);
    EXPECT_EQ(f->Mode_Aff->text(), "Insertion QSO");
    EXPECT_TRUE(f->Ind_A->text().isEmpty());
    EXPECT_FALSE(window->Annule_Saisie->isEnabled());

    typeInsertion();
    for (int i = 0; i < 6; ++i)
        enter(); // mode, reports, castle name, QSL, save
    const QString b = qsoLine("F6BBB", "77", "77121", "05/02/08", "08:00", "14 Mhz", false, "C.CHÂTEAU DE BLANDY");
    EXPECT_EQ(logLines(), (QStringList{a, b, c}));
    // The QSO just entered is the one selected, and the one a delete would remove.
    EXPECT_EQ(f->selectedRow(), 1);
    EXPECT_EQ(f->selectedLine(), b);
    EXPECT_EQ(window->logList()->currentIndex().row(), 1);
    window->Annule_Saisie->click();
    EXPECT_EQ(logLines(), (QStringList{a, c}));
}

TEST_F(EntryFaultsTest, OnlyTheOperatorsOwnChoiceOfBandAndModeIsRemembered)
{
    const QString fm = qsoLine("F6AAA", "75", "75001", "01/02/08", "10:00", "144 Mhz", false, "C. ", "FM");
    start({fm});
    const QString section = Keys::stationSection("F5ABC");
    clickRow(0);
    window->Ajout_QSO->click();
    typeInsertion();
    ASSERT_EQ(focused(), f->Mode_A);
    for (int i = 0; i < 6; ++i)
        enter();
    ASSERT_EQ(logLines().size(), 2);
    EXPECT_TRUE(logLines().contains(qsoLine("F6BBB", "77", "77121", "05/02/08", "08:00", "144 Mhz", false,
                                            "C.CHÂTEAU DE BLANDY", "FM")));
    EXPECT_EQ(settings.read(section, Keys::BandeUtilisee, "?"), "4");
    EXPECT_EQ(settings.read(section, Keys::ModeUtilise, "?"), "?");
    EXPECT_EQ(f->Bande_A->currentText(), "14 Mhz");
    EXPECT_EQ(f->Mode_A->currentText(), "SSB");

    // Typed by the operator, the mode is remembered; picked from the list, the band too.
    typeHeader("f6ddd", "", "75", "75001");
    f->Mode_A->lineEdit()->selectAll();
    typeEnter("cw");
    EXPECT_EQ(settings.read(section, Keys::ModeUtilise, "?"), "1");
    f->Bande_A->setCurrentIndex(10);
    emit f->Bande_A->activated(10);
    EXPECT_EQ(settings.read(section, Keys::BandeUtilisee, "?"), "10");
}

TEST_F(EntryFaultsTest, FirstInstallationMessageComesOnlyForAKeyThatTypesSomething)
{
    start({});
    context.Indicatif_Station = noStation;
    for (Qt::Key key : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Tab, Qt::Key_Left, Qt::Key_F5})
        QTest::keyClick(f->Ind_A, key);
    EXPECT_TRUE(messages.shown.isEmpty());
    QTest::keyClick(f->Ind_A, Qt::Key_F, Qt::ShiftModifier);
    EXPECT_EQ(messages.shown.size(), 1);
    QTest::keyClick(f->Ind_A, Qt::Key_Return);
    EXPECT_EQ(messages.shown.size(), 2);
}

TEST_F(EntryFaultsTest, AnUnreadableLogLeavesEveryLogActionDisabledUntilOneIsLoaded)
{
    settings.write(Keys::commonSection, Keys::IndicatifStation, "F5ABC");
    ASSERT_TRUE(QDir(dir.path()).mkdir(logName())); // a folder where the log should be
    window = std::make_unique<Main>(context);
    window->load();
    f = window->entry();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_FALSE(f->isEnabled());
    for (QPushButton* button : {window->Annule_Saisie, window->Ajout_QSO, window->Rechercher})
        EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();
    for (QAction* action : {window->Mnu_ADIF, window->Mnu_Maj_Nom_DFCF, window->Mnu_Score, window->Mnu_DFCF_HF})
        EXPECT_FALSE(action->isEnabled()) << action->objectName().toStdString();
    const QColor before = f->Ind_A->palette().color(QPalette::Base);
    f->startInsertion();
    EXPECT_FALSE(f->Insertion_En_Cours);
    EXPECT_EQ(f->Ind_A->palette().color(QPalette::Base), before);

    ASSERT_TRUE(QDir(dir.path()).rmdir(logName()));
    writeLog({qsoLine("F6AAA", "75", "75001", "01/02/08", "10:00", "14 Mhz")});
    ASSERT_TRUE(window->Charge_Log());
    EXPECT_TRUE(window->Ajout_QSO->isEnabled());
    EXPECT_TRUE(window->Mnu_Score->isEnabled());
    EXPECT_FALSE(window->Annule_Saisie->isEnabled()); // armed by a click only
}
