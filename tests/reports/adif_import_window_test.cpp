#include "logbook/log_list_model.h"
#include "reports/adif_import_fixture.h"
#include "platform/data_dir.h"
#include "reports/adif_import_window.h"
#include "shell/main_window.h"
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {

class AdifImportWindowTest : public AdifImportTest {
protected:
    AdifImportWindowTest()
    {
        settings.write("Setup ", "Indicatif Station", "F5ABC");
        writeLog({inLog});
        main.load();
        messages.shown.clear();
    }

    Import_ADIF* open(const QByteArray& adif)
    {
        writeFile("peer.adi", adif);
        fileDialogs.answers << path("peer.adi");
        main.Mnu_Import_ADIF->trigger();
        return main.findChild<Import_ADIF*>();
    }

    static QByteArray qso(const QByteArray& call, const QByteArray& ref, const QByteArray& date, const QByteArray& band)
    {
        return adifField("CALL", call) + adifField("QSO_DATE", date) + adifField("TIME_ON", "1200") + adifField("BAND", band)
             + adifField("MODE", "CW") + adifField("SIG", "DFCF") + adifField("SIG_INFO", ref) + "<EOR>\r\n";
    }

    const QString inLog = qsoLine("F5AAA", "77", "77121", "01/02/08", "12:00", "14 Mhz");
    const QByteArray file = qso("F5AAA", "77121", "20080201", "20m") + qso("F6NEW", "75001", "20070101", "20m")
                          + qso("F6BAD", "75002", "20070101", "60m") + adifField("CALL", "F1XYZ") + "<eor>";
    Main main{context};
};

} // namespace

TEST_F(AdifImportWindowTest, PreviewShowsEveryFateAndImporterWritesAndReloadsTheList)
{
    Import_ADIF* window = open(file);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(fileDialogs.proposed, QStringList{operatorFolder()});
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Importer un fichier ADIF"));
    EXPECT_EQ(window->Fichier->text(), QStringLiteral("Fichier : peer.adi"));
    EXPECT_EQ(window->Compte->text(), QStringLiteral("À importer : 1    Déjà dans le log : 1    Château déjà contacté : 0    "
                                                     "Refusés : 1    Non DFCF : 1"));
    ASSERT_EQ(window->Liste_Import->topLevelItemCount(), 3);
    const QTreeWidgetItem* refused = window->Liste_Import->topLevelItem(2);
    EXPECT_EQ(refused->text(1), "F6BAD");
    EXPECT_EQ(refused->text(6), QStringLiteral("refusé"));
    EXPECT_EQ(refused->text(7), QStringLiteral("Bande 60m inconnue du log"));
    EXPECT_EQ(window->Liste_Import->topLevelItem(1)->text(6), QStringLiteral("à importer"));
    EXPECT_EQ(logBytes(), joinLines({inLog})); // nothing written before "Importer"

    QTest::mouseClick(window->Importer, Qt::LeftButton);
    const QString imported = qsoLine("F6NEW", "75", "75001", "01/01/07", "12:00", "14 Mhz", false, "C.", "CW");
    EXPECT_EQ(readLines(path(logName())).lines, QStringList({imported, inLog}));
    EXPECT_EQ(main.logModel()->lines(), QStringList({imported, inLog}));
    EXPECT_EQ(messages.shown, QStringList{QStringLiteral("1 QSO a été importé dans le log.")});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(main.findChild<Import_ADIF*>(), nullptr);

    // The same file again: nothing left to import.
    window = open(file);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->Importer->isEnabled());
}

TEST_F(AdifImportWindowTest, AnnulerCancelledChooserAndUnreadableFilesChangeNothing)
{
    Import_ADIF* window = open(file);
    ASSERT_NE(window, nullptr);
    QTest::mouseClick(window->Annuler, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(main.findChild<Import_ADIF*>(), nullptr);

    main.Mnu_Import_ADIF->trigger(); // the chooser is cancelled
    EXPECT_EQ(main.findChild<Import_ADIF*>(), nullptr);

    fileDialogs.answers << path("absent.adi");
    main.Mnu_Import_ADIF->trigger();
    writeFile("empty.adi", "rien ici");
    fileDialogs.answers << path("empty.adi");
    main.Mnu_Import_ADIF->trigger();
    EXPECT_EQ(messages.shown, QStringList({QStringLiteral("Impossible de lire le fichier absent.adi : rien n'a été importé."),
                                           QStringLiteral("Ce fichier ne contient aucun QSO au format ADIF : rien n'a été importé.")}));
    EXPECT_EQ(main.findChild<Import_ADIF*>(), nullptr);
    EXPECT_EQ(logBytes(), joinLines({inLog}));

    // A log that cannot be read is said so in the preview, which then imports nothing.
    QFile::remove(path(logName()));
    QDir(dir.path()).mkdir(logName());
    window = open(file);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->Compte->text().startsWith(QStringLiteral("Impossible de lire le log F5ABC_DFCF.log : rien n'a été importé.")));
    EXPECT_FALSE(window->Importer->isEnabled());
}
