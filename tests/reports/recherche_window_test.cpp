#include "entry/saisie_widget.h"
#include "logbook/log_list_model.h"
#include "reports/recherche_window.h"
#include "shell/main_window.h"
#include "support/qt_printers.h"
#include "support/test_env.h"
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

class RechercheWindowTest : public DataDirTest {
protected:
    RechercheWindowTest()
    {
        settings.write("Setup ", "Indicatif Station", "F5ABC");
        same = qsoLine("F6BBB", "2a", "2a004", "02/02/08", "11:00", "7 Mhz");
        writeLog({qsoLine("F5AAA", "77", "77121", "01/02/08", "10:00", "14 Mhz"), same,
                  qsoLine("DL1XX", "7", "07001", "03/02/08", "12:00", "14 Mhz"), same,
                  qsoLine("F5CCC", "07", "07002", "04/02/08", "13:00", "14 Mhz")});
        main.load();
        main.Rechercher->click();
        window = main.findChild<Recherche_Indicatif*>();
        messages.shown.clear();
    }

    QStringList results() const
    {
        QStringList rows;
        for (int i = 0; i < window->QSO_Effectues->count(); ++i)
            rows << window->QSO_Effectues->item(i)->text();
        return rows;
    }

    void enter(QLineEdit* box, const QString& text)
    {
        box->clear();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }

    QString same;
    Main main{context};
    Recherche_Indicatif* window = nullptr;
};

} // namespace

TEST_F(RechercheWindowTest, OpensOnceWithItsCaptions)
{
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Rechercher un QSO"));
    EXPECT_EQ(window->Label3->text(), QStringLiteral("Rechercher un QSO par ..."));
    EXPECT_EQ(window->Label13->text(), QStringLiteral("     N°   Indicatif            Dpt   Prenom                   Ref        Date      QTR  Mode   QRG  RSTR RSTE        Mom du Chateau               QSL"));
    EXPECT_TRUE(window->Option1_1->isChecked());
    EXPECT_EQ(window->QSO_Effectues->toolTip(), QStringLiteral("Double clique sur le QSO pour retour au log"));
    main.Rechercher->click();
    EXPECT_EQ(main.findChildren<Recherche_Indicatif*>().size(), 1);
}

TEST_F(RechercheWindowTest, CallsignSearchListsMainRowsAndEmptiesTheFields)
{
    window->Data->setText("77121");
    enter(window->Indica, "f5");
    EXPECT_EQ(results(), QStringList({main.logModel()->rowText(0), main.logModel()->rowText(4)}));
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_TRUE(window->Indica->text().isEmpty());
    EXPECT_TRUE(window->Data->text().isEmpty());

    enter(window->Indica, "ea8");
    EXPECT_TRUE(results().isEmpty());
    EXPECT_EQ(messages.shown, QStringList({"Pas de QSO trouvé"}));

    messages.shown.clear();
    QTest::keyClick(window->Indica, Qt::Key_Return);
    EXPECT_EQ(messages.shown, QStringList({"Entrez un indicatif"}));
    enter(window->Indica, "F5ABCDEFGHIJK");
    EXPECT_EQ(messages.last(), QStringLiteral("12 caracteres maxi pour l'indicatif"));
    EXPECT_EQ(window->Indica->text(), QStringLiteral("F5ABCDEFGHIJK"));
}

TEST_F(RechercheWindowTest, ReferenceAndDepartmentSearches)
{
    QTest::mouseClick(window->Data, Qt::LeftButton);
    EXPECT_TRUE(window->Option1_2->isChecked());
    enter(window->Data, "2a004");
    EXPECT_EQ(results(), QStringList({main.logModel()->rowText(1), main.logModel()->rowText(3)}));

    for (const QString& wrong : {QStringLiteral("7712"), QStringLiteral("771210")}) {
        messages.shown.clear();
        enter(window->Data, wrong);
        EXPECT_EQ(messages.shown, QStringList({"5 caracteres pour la référence ex: 93013"}));
        EXPECT_EQ(results().size(), 2) << "no search ran";
    }

    QTest::mouseClick(window->Depa, Qt::LeftButton);
    EXPECT_TRUE(window->Option1_3->isChecked());
    enter(window->Depa, "7");
    EXPECT_EQ(results(), QStringList({main.logModel()->rowText(2)}));
    enter(window->Depa, "2A");
    EXPECT_EQ(results().size(), 2);
    messages.shown.clear();
    enter(window->Depa, "2ab");
    EXPECT_EQ(window->Depa->text(), QStringLiteral("2ab"));
    EXPECT_EQ(messages.shown, QStringList({"2 caracteres maxi pour le département"}));
}

TEST_F(RechercheWindowTest, TheSelectedOptionDecidesWhichFieldIsSearched)
{
    window->Option1_3->click();
    EXPECT_TRUE(window->Depa->hasFocus() || !window->isActiveWindow());
    window->Indica->setFocus();
    enter(window->Indica, "F5");
    EXPECT_EQ(messages.shown, QStringList({"Entrez un departement"}));
    EXPECT_TRUE(results().isEmpty());

    window->Depa->setText("07");
    messages.shown.clear();
    enter(window->Indica, "F5");
    EXPECT_EQ(results(), QStringList({main.logModel()->rowText(4)}));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(RechercheWindowTest, DoubleClickSelectsExactlyThatQsoAndCloses)
{
    enter(window->Indica, "F6BBB");
    ASSERT_EQ(results().size(), 2);
    QListWidget* list = window->QSO_Effectues;
    QListWidgetItem* first = list->item(0);
    const QPoint at = list->visualItemRect(first).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(main.logList()->currentIndex().row(), 1);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(main.entry()->Ind_A->text(), QStringLiteral("F6BBB"));
}
