#include "platform/data_dir.h"
#include "shell/main_window.h"
#include "support/test_env.h"
#include <QAction>

using StandardAdifMenu = DataDirTest;

TEST_F(StandardAdifMenu, OffersTheOperatorsFolderAndTellsWhatWasWritten)
{
    writeLog({qsoLine("F5XYZ", "77", "77121", "05/03/09", "14:32", "14 Mhz", true, "Château de Vaux", "CW", "Émile")});
    Main main(context);
    messages.shown.clear();

    main.Mnu_ADIF_Standard->trigger(); // cancelled: nothing written, nothing said
    EXPECT_EQ(fileDialogs.proposed, QStringList{QDir(operatorFolder()).filePath("F5ABC_standard.adi")});
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_FALSE(exists("F5ABC_standard.adi"));

    fileDialogs.answers = {path("F5ABC_standard.adi")};
    main.Mnu_ADIF_Standard->trigger();
    EXPECT_TRUE(readFile("F5ABC_standard.adi").contains("<NAME:5>EMILE <QSL_RCVD:1>Y <SIG:4>DFCF <SIG_INFO:5>77121 "));
    EXPECT_EQ(messages.last(), QStringLiteral("Le fichier a été enregistré sous le nom : %1\r\n"
                                              "1 QSO écrit.\r\nAucune ligne laissée de côté.")
                                   .arg(QDir::toNativeSeparators(path("F5ABC_standard.adi"))));
    EXPECT_FALSE(exists("F5ABC_DFCF.adi")) << "the DFCF export is another entry";

    fileDialogs.answers = {path("log.txt")};
    main.Mnu_ADIF_Standard->trigger();
    EXPECT_EQ(messages.last(), QStringLiteral("Choisissez un nom de fichier terminé par .adi ou .adx.\r\n%1")
                                   .arg(QDir::toNativeSeparators(path("log.txt"))));
}
