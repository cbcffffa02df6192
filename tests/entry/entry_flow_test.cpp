#include "entry/entry_fixture.h"
#include "logbook/log_list_model.h"
#include "logbook/prenoms.h"
#include "logbook/station.h"
#include "platform/qt_platform.h"
#include "platform/text_file.h"
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

QColor base(QWidget* field) { return field->palette().color(QPalette::Base); }

} // namespace

TEST_F(EntryTest, AutomaticDateQsoIsTypedWithTheKeyboardAloneAndAppended)
{
    const QString earlier = qsoLine("9A1AA", "75", "75001", "01/02/08", "10:00", "14 Mhz");
    start({earlier});
    EXPECT_EQ(focused(), f->Ind_A);
    EXPECT_FALSE(f->Prenom_A->isEnabled());
    EXPECT_FALSE(f->Valide_A->isEnabled());

    type("f5xyz");
    EXPECT_EQ(f->Ind_A->text(), "F5XYZ");
    enter();
    EXPECT_EQ(base(f->Ind_A), SaisieFrame::doneColour);
    EXPECT_EQ(base(f->Prenom_A), SaisieFrame::activeColour);
    EXPECT_EQ(focused(), f->Prenom_A);
    typeEnter("jean");
    typeEnter("77");
    typeEnter("77121");
    // The clock labels give the date and time; the castle name is left for later.
    EXPECT_EQ(focused(), f->Mode_A);
    EXPECT_EQ(f->Date_A->text(), "05/02/08");
    EXPECT_EQ(f->Heure_A->text(), "09:05");
    EXPECT_FALSE(f->Date_A->isEnabled());
    EXPECT_FALSE(f->Heure_A->isEnabled());
    EXPECT_EQ(f->Rem_A->text(), "C. ");
    enter();            // SSB
    enter();            // RST R 59
    QTest::keyClick(focused(), Qt::Key_Backspace);
    typeEnter("7");     // RST E 57
    EXPECT_EQ(focused(), f->Rem_A);
    typeEnter("blandy");
    EXPECT_EQ(focused(), f->QSL_A);
    QTest::keyClick(focused(), Qt::Key_Space);
    enter();
    EXPECT_EQ(focused(), f->Valide_A);
    EXPECT_EQ(f->Valide_A->palette().color(QPalette::Button), SaisieFrame::activeColour);
    enter();

    EXPECT_EQ(messages.shown, QStringList{"Voulez vous enregistrer ces données ?"});
    const QString saved = "F5XYZ        77   JEAN            77121 05/02/08 09:05 SSB 14 Mhz  59  57  C. BLANDY                      *";
    EXPECT_EQ(logBytes(), toWindows1252(earlier + "\r\n" + saved + "\r\n"));
    EXPECT_EQ(readFile(prenomFileName), QByteArray("F5XYZ        77 JEAN\r\n"));
    EXPECT_EQ(window->logModel()->rowCount(), 2);

    // Ready for the next QSO, the first name known from now on.
    EXPECT_EQ(focused(), f->Ind_A);
    EXPECT_TRUE(f->Ind_A->isEnabled());
    EXPECT_TRUE(f->Ind_A->text().isEmpty());
    EXPECT_TRUE(f->Date_A->text().isEmpty());
    EXPECT_EQ(f->Rem_A->text(), "C. ");
    EXPECT_EQ(f->RSTE_A->text(), "59");
    EXPECT_FALSE(f->QSL_A->isChecked());
    EXPECT_FALSE(f->Valide_A->isEnabled());
    EXPECT_EQ(f->Bande_A->currentText(), "14 Mhz");
    typeEnter("f5xyz");
    EXPECT_EQ(f->Dpt_A->text(), "77");
    EXPECT_EQ(f->Prenom_A->text(), "JEAN");
}

TEST_F(EntryTest, ManualDateQsoGoesInDateOrderAndItsDateStaysForTheNext)
{
    const QString first = qsoLine("F6AAA", "75", "75001", "01/02/08", "10:00", "14 Mhz");
    const QString last = qsoLine("F6CCC", "75", "75001", "10/02/08", "10:00", "144 Mhz");
    start({first, last}, 4, "Non");
    EXPECT_FALSE(window->Mnu_Date_Auto->isChecked());

    typeHeader("f6bbb", "", "2A", "2A004");
    EXPECT_EQ(f->Dpt_A->text(), "2a");
    EXPECT_EQ(f->Ref_A->text(), "2a004");
    EXPECT_EQ(focused(), f->Date_A);
    EXPECT_EQ(f->Rem_A->text(), "C.TOUR DE LA PARATA");
    typeEnter("05/02/08");
    typeEnter("12:30");
    EXPECT_EQ(focused(), f->Mode_A);
    for (int i = 0; i < 5; ++i)
        enter(); // mode, reports, castle name, QSL
    ASSERT_EQ(focused(), f->Valide_A);
    QTest::keyClick(focused(), Qt::Key_Space);
    const QString inserted = qsoLine("F6BBB", "2a", "2a004", "05/02/08", "12:30", "14 Mhz", false, "C.TOUR DE LA PARATA");
    EXPECT_EQ(logLines(), (QStringList{first, inserted, last}));

    EXPECT_EQ(f->Date_A->text(), "05/02/08");
    typeHeader("f6ddd", "", "77", "77121");
    EXPECT_EQ(focused(), f->Date_A);
    EXPECT_EQ(f->Date_A->text(), "05/02/08");
    enter();
    EXPECT_EQ(focused(), f->Heure_A);
}

TEST_F(EntryTest, CastleAlreadyContactedInTheBandGroupIsRefusedButAnotherGroupIsFree)
{
    const QString earlier = qsoLine("F6AAA", "77", "77121", "01/02/08", "10:00", "28 Mhz");
    start({earlier}, 4);

    typeHeader("f5xyz", "paul", "77", "77121");
    EXPECT_EQ(messages.last(), "77121 Chateau deja contacté le 01/02/08 sur 28 Mhz");
    EXPECT_EQ(focused(), f->Ind_A);
    EXPECT_TRUE(f->Ind_A->text().isEmpty());
    EXPECT_TRUE(f->Ref_A->text().isEmpty());
    EXPECT_FALSE(f->Ref_A->isEnabled());
    EXPECT_EQ(logLines(), QStringList{earlier});

    // The band picked from its list is the band of this and the next QSOs.
    f->Bande_A->setCurrentIndex(10);
    emit f->Bande_A->activated(10);
    EXPECT_EQ(settings.read("Setup F5ABC", "bande Utilisee", {}), "10");
    messages.shown.clear();
    typeHeader("f5xyz", "paul", "77", "77121");
    EXPECT_EQ(focused(), f->Mode_A);
    for (int i = 0; i < 6; ++i)
        enter();
    EXPECT_EQ(messages.shown, QStringList{"Voulez vous enregistrer ces données ?"});
    EXPECT_EQ(logLines().size(), 2);
    EXPECT_EQ(logLines().last(), qsoLine("F5XYZ", "77", "77121", "05/02/08", "09:05", "144 Mhz", false, "C. ", "SSB", "PAUL"));
    EXPECT_EQ(f->Bande_A->currentText(), "144 Mhz");
}

TEST_F(EntryTest, EachFieldRefusesWhatItCannotHoldAndKeepsTheFocus)
{
    start({}, 4, "Non");
    const auto refused = [&](const QString& text, const char* message, QWidget* field) {
        messages.shown.clear();
        QLineEdit* edit = qobject_cast<QLineEdit*>(field);
        if (edit)
            edit->clear();
        else
            qobject_cast<QComboBox*>(field)->setEditText({});
        typeEnter(text);
        EXPECT_EQ(messages.shown, QStringList{QString::fromUtf8(message)}) << text.toStdString();
        EXPECT_EQ(focused(), field) << text.toStdString();
    };
    refused("", "Entrez un indicatif", f->Ind_A);
    refused("f5abcdefghijk", "12 caracteres maxi pour l'indicatif", f->Ind_A);
    EXPECT_FALSE(f->Prenom_A->isEnabled());
    f->Ind_A->clear();
    typeEnter("f5abcdefghij");
    refused("jean-christophe+", "15 caracteres maxi pour le Prenom", f->Prenom_A);
    f->Prenom_A->clear();
    enter();
    refused("775", "2 caracteres maxi pour le Departement", f->Dpt_A);
    f->Dpt_A->clear();
    typeEnter("75");
    refused("7512", "5 caracteres pour la reference ex: 77121", f->Ref_A);
    refused("77121", "Attention la référence ne correspond pas au N° du département", f->Ref_A);
    f->Ref_A->clear();
    typeEnter("75001");
    refused("05-02-08", "Le format de la date doit etre JJ/MM/AA", f->Date_A);
    refused("5/2/08", "8 caracteres pour la date ex: 01/02/08", f->Date_A);
    f->Date_A->clear();
    typeEnter("05/02/08");
    refused("24:00", "Le format de l'heure doit etre HH:MM", f->Heure_A);
    f->Heure_A->clear();
    typeEnter("23:59");
    refused("rtty", "3 caracteres maxi pour le Mode", f->Mode_A);
    EXPECT_EQ(f->Mode_A->currentText(), "RTTY");
    refused("olivia8", "6 caracteres maxi pour le Mode", f->Mode_A);
    f->Mode_A->setEditText({});
    typeEnter("cw");
    refused("659", "R (de RST)doit etre compris entre 0 et 5", f->RST_A);
    refused("a9", "R (de RST)doit etre compris entre 0 et 5", f->RST_A);
    refused("5999", "3 caracteres maxi pour le Report", f->RST_A);
    f->RST_A->clear();
    typeEnter("459");
    refused("", "Entrez un Report", f->RSTE_A);
    EXPECT_FALSE(f->Rem_A->isEnabled());
    EXPECT_EQ(logBytes(), QByteArray());
    // A typed mode that names a list item selects it and is remembered.
    EXPECT_EQ(settings.read("Setup F5ABC", "Mode Utilise", {}), "1");
}

TEST_F(EntryTest, FirstInstallationAnswersEveryKeyInTheCallsignWithTheWayToConfigure)
{
    start({});
    context.Indicatif_Station = noStation;
    QTest::keyClick(f->Ind_A, Qt::Key_A);
    QTest::keyClick(f->Ind_A, Qt::Key_Return);
    const QString text = "\r\n         Premiere installation, vous devez entrer votre Indicatif\r\n\r\n"
                         "Pour cela dans la barre des menus allez dans Station puis Nouvel Indicatif.";
    EXPECT_EQ(messages.shown, (QStringList{text, text}));
    EXPECT_EQ(f->Ind_A->text(), "a");
    EXPECT_FALSE(f->Prenom_A->isEnabled());
}

TEST_F(EntryTest, MissingFirstNameAndCastleListsAreToldOnceAndTheQsoIsSavedAnyway)
{
    start({}, 4, "Non");
    QFile::remove(path(prenomFileName));
    QFile::remove(path("Liste_DFCF.csv"));
    for (const char* call : {"f5xyz", "f6abc"}) {
        typeHeader(call, "", "77", "77121");
        EXPECT_EQ(f->Rem_A->text(), "C.");
        f->Efface_A->click();
    }
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_TRUE(messages.shown[0].startsWith("Le fichier Liste_Prenom.txt est introuvable"));
    EXPECT_TRUE(messages.shown[1].contains("Liste_DFCF.csv"));
    EXPECT_TRUE(messages.shown[1].contains("\"Outils\""));

    messages.shown.clear();
    typeHeader("f5xyz", "", "77", "77121");
    typeEnter("05/02/08");
    typeEnter("10:00");
    for (int i = 0; i < 6; ++i)
        enter();
    EXPECT_EQ(messages.shown, QStringList{"Voulez vous enregistrer ces données ?"});
    EXPECT_EQ(readFile(prenomFileName), QByteArray("F5XYZ        77 \r\n"));
    EXPECT_EQ(logLines().size(), 1);
}

TEST_F(EntryTest, RealConfirmationBoxSavesOnEnterOnItsDefaultButton)
{
    QtMessages boxes(QStringLiteral("KOR_DFCF"));
    context.messages = &boxes;
    start({});
    typeHeader("f5xyz", "", "77", "77121");
    for (int i = 0; i < 5; ++i)
        enter();
    ASSERT_EQ(focused(), f->Valide_A);
    bool answered = false;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        answered = true;
        QTest::keyClick(box, Qt::Key_Return);
    });
    enter();
    EXPECT_TRUE(answered);
    EXPECT_EQ(logLines().size(), 1);
}

TEST_F(EntryTest, TabFollowsTheOrderOfEntry)
{
    start({});
    const QList<QWidget*> order = {f->Ind_A, f->Prenom_A, f->Dpt_A, f->Ref_A, f->Date_A, f->Heure_A, f->Mode_A,
                                   f->RST_A, f->RSTE_A, f->Rem_A, f->QSL_A, f->Valide_A, f->Efface_A, f->Bande_A};
    QList<QWidget*> chain;
    for (QWidget* w = f->Ind_A; chain.size() < order.size(); w = w->nextInFocusChain())
        if (order.contains(w) && !chain.contains(w))
            chain << w;
    EXPECT_EQ(chain, order);
}
