#include "awards/diplome_vhf_window.h"
#include "awards/diplomes_window.h"
#include "awards/score_chateaux_window.h"
#include "logbook/departments.h"
#include "awards/liste_hf_window.h"
#include "shell/main_window.h"
#include "support/test_env.h"
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

class AwardMenus : public DataDirTest {
protected:
    void click(QWidget* window, const char* name)
    {
        auto* button = window->findChild<QPushButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    static void destroyClosed() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

} // namespace

TEST_F(AwardMenus, ScoresOpenOnceAndRecomputeAfterClosing)
{
    writeLog({qsoLine("F6AAA", "77", "77121", "01/02/08", "10:00", "14 Mhz", true)});
    Main main(context);
    main.Mnu_Score->trigger();
    main.Mnu_Score->trigger();
    ASSERT_EQ(main.findChildren<Score_chateaux*>().size(), 1);
    Score_chateaux* scores = main.findChild<Score_chateaux*>();
    EXPECT_TRUE(scores->isVisible());
    EXPECT_EQ(scores->findChild<QLineEdit*>("HF_CF")->text(), "1");

    writeLog({});
    scores->close();
    destroyClosed();
    EXPECT_TRUE(main.findChildren<Score_chateaux*>().isEmpty());
    main.Mnu_Score->trigger();
    EXPECT_EQ(main.findChild<Score_chateaux*>()->findChild<QLineEdit*>("HF_CF")->text(), "0");
}

TEST_F(AwardMenus, AnotherAwardButtonRebuildsTheOpenList)
{
    QStringList log;
    for (const QString& dpt : awardDepartments().mid(0, 95))
        log << qsoLine("F6AAA", dpt, dpt + "001", "01/02/08", "10:00", "14 Mhz", true);
    for (int i = 0; i < 10; ++i)
        log << qsoLine("F6BBB", "77", "77121", "01/02/08", "10:00", "144 Mhz", true);
    writeLog(log);
    Main main(context);
    main.Mnu_DFCF_HF->trigger();
    Diplomes* hf = main.findChild<Diplomes*>();
    ASSERT_NE(hf, nullptr);

    click(hf, "HF_Base");
    ASSERT_EQ(main.findChildren<Liste_HF*>().size(), 1);
    Liste_HF* list = main.findChild<Liste_HF*>();
    EXPECT_EQ(list->findChild<QLabel*>("Label4")->text(), "Diplome DFCF HF de Base");
    EXPECT_EQ(list->findChild<QLabel*>("Label3")->text(), " 95 châteaux confirmés");

    click(hf, "HF_Excellence");
    EXPECT_EQ(main.findChildren<Liste_HF*>().size(), 1);
    EXPECT_EQ(main.findChild<Liste_HF*>(), list);
    EXPECT_EQ(list->findChild<QLabel*>("Label4")->text(), "Diplome DFCF HF Excellence");
    EXPECT_EQ(list->findChild<QLabel*>("Label3")->text(), " 95 départements confirmés");

    main.Mnu_DFCF_VHF->trigger();
    Diplome_VHF* vhf = main.findChild<Diplome_VHF*>();
    ASSERT_NE(vhf, nullptr);
    click(vhf, "VHF_Base");
    EXPECT_EQ(list->windowTitle(), "Liste DFCF bande VHF");
    EXPECT_EQ(list->groupe(), "VHF");
    EXPECT_EQ(list->nom(), "de Base");
    click(list, "Enregistrer");
    EXPECT_EQ(messages.last(), "Fichier enregistré sous le nom : F5ABC_Diplome_DFCF_de_Base_Bande_VHF_05_02_08.txt");

    main.Mnu_DFCF_UHF->trigger();
    EXPECT_NE(main.findChild<Diplome_UHF*>(), nullptr);
    EXPECT_FALSE(main.findChild<Diplome_UHF*>()->findChild<QPushButton*>("UHF_Base")->isEnabled());
}
