#include "awards/aff_contacte_window.h"
#include "awards/carte_window.h"
#include "shell/main_window.h"
#include "support/test_env.h"
#include <QAction>
#include <QDir>

using MapsMenus = DataDirTest;

TEST_F(MapsMenus, AdifMapAndContactedListOpenFromTheirMenus)
{
    copyAsset(Carte_Acti_DFCF::mapFileName());
    context.Indicatif_Station = "F5ABC_P";
    writeLog({qsoLine("F6AAA", "77", "77121", "01/02/08", "10:00", "14 Mhz", true)});
    Main main(context);

    main.Mnu_ADIF->trigger();
    EXPECT_EQ(messages.last(), QStringLiteral("Le fichier a été enregistré sous le nom : F5ABC_P_DFCF.adi\r\ndans le dossier : ") + QDir::toNativeSeparators(dir.path()));
    EXPECT_TRUE(readFile("F5ABC_P_DFCF.adi").contains("<call:5>F6AAA"));

    main.Mnu_Carte_HB->trigger();
    main.Mnu_Carte_HB->trigger();
    ASSERT_EQ(main.findChildren<Carte_Acti_DFCF*>().size(), 1);
    EXPECT_EQ(main.findChild<Carte_Acti_DFCF*>()->carte().confirmed, 1);

    main.Mnu_C_Contacte->trigger();
    main.Mnu_C_Contacte->trigger();
    ASSERT_EQ(main.findChildren<Aff_Contacte*>().size(), 1);
    main.findChild<Aff_Contacte*>()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(main.findChildren<Aff_Contacte*>().isEmpty());
    main.Mnu_C_Contacte->trigger();
    EXPECT_EQ(main.findChildren<Aff_Contacte*>().size(), 1);
}
