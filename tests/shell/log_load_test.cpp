#include "logbook/log_list_model.h"
#include "shell/main_window.h"
#include "support/test_env.h"
#include <QDir>
#include <random>

// What the operator is told when the log cannot be shown as a log.
using LogLoadTest = DataDirTest;

TEST_F(LogLoadTest, ALogOfRandomBytesIsToldOnceAndLeftAsItIs)
{
    settings.write("Setup ", "Indicatif Station", "F5ABC");
    std::mt19937 random(13);
    QByteArray bytes;
    for (int i = 0; i < 20000; ++i)
        bytes += char(random());
    writeFile(logName(), bytes);
    Main window(context);
    window.load();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].startsWith(QStringLiteral("Le log F5ABC_DFCF.log contient ")));
    EXPECT_TRUE(messages.shown[0].contains(QStringLiteral(" lignes qui ne sont pas des QSO (lignes 1, 2, 3,")));
    EXPECT_GT(window.logModel()->rowCount(), 0);
    EXPECT_EQ(logBytes(), bytes);
    window.Charge_Log(); // a reload after a change says nothing more
    EXPECT_EQ(messages.shown.size(), 1);
}

TEST_F(LogLoadTest, ALogThatCannotBeReadIsToldInFrenchOnly)
{
    settings.write("Setup ", "Indicatif Station", "F5ABC");
    QDir(dir.path()).mkdir(logName());
    Main window(context);
    window.load();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0], QStringLiteral("Impossible de lire le log F5ABC_DFCF.log.\r\nUn dossier porte le nom de "
                                                "ce fichier (F5ABC_DFCF.log) : renommez ou déplacez ce dossier puis "
                                                "recommencez."));
}
