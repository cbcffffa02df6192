#include "logbook/log_list_model.h"
#include "platform/file_lock.h"
#include "reports/adif_import_fixture.h"
#include "platform/data_dir.h"
#include "reports/adif_import_window.h"
#include "shell/main_window.h"
#include <QAction>
#include <QDeadlineTimer>
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
        return openChosen();
    }

    // The file is read and judged on a thread: its end is waited for, as the operator would.
    Import_ADIF* openChosen()
    {
        main.Mnu_Import_ADIF->trigger();
        QPointer<Import_ADIF> window = main.findChild<Import_ADIF*>();
        waitIdle(window);
        return window;
    }

    static void waitIdle(const QPointer<Import_ADIF>& window)
    {
        const QDeadlineTimer deadline(10000);
        while (window && window->isBusy() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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
    waitIdle(window);
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
    openChosen();
    writeFile("empty.adi", "rien ici");
    fileDialogs.answers << path("empty.adi");
    openChosen();
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

TEST_F(AdifImportWindowTest, ManyRefusedRecordsAreCountedNotListedAndAnnulerStopsTheThreadWritingNothing)
{
    // Two damaged records, then 5,000 refused ones, between two QSOs: the
    // first 3,000 refusals in file order are listed, the others counted.
    QByteArray many = qso("F6NEW", "75001", "20070101", "20m");
    for (int i = 0; i < 2; ++i)
        many += adifField("CALL", "F1BAD") + adifField("SIG", "DFCF") + "<NAME:40>x<EOR>\r\n";
    for (int i = 0; i < 5000; ++i)
        many += "<SIG:4>DFCF<EOR>";
    many += qso("F6END", "75003", "20070102", "20m");
    Import_ADIF* window = open(many);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->Compte->text(), QStringLiteral("À importer : 2    Déjà dans le log : 0    Château déjà contacté : 0    "
                                                     "Refusés : 5002    Non DFCF : 0"));
    ASSERT_EQ(window->Liste_Import->topLevelItemCount(), 3003);
    EXPECT_EQ(window->Liste_Import->topLevelItem(1)->text(7),
              QStringLiteral("Enregistrement abîmé : la longueur du champ NAME dépasse la fin de l'enregistrement"));
    EXPECT_EQ(window->Liste_Import->topLevelItem(3000)->text(6), QStringLiteral("refusé"));
    EXPECT_EQ(window->Liste_Import->topLevelItem(3001)->text(1), "F6END");
    EXPECT_EQ(window->Liste_Import->topLevelItem(3002)->text(0), QStringLiteral("… et 2\u202F002 autres"));
    QTest::mouseClick(window->Annuler, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // "Annuler" while the file is read: the window goes once its thread has stopped.
    writeFile("peer.adi", many);
    fileDialogs.answers << path("peer.adi");
    main.Mnu_Import_ADIF->trigger();
    QPointer<Import_ADIF> reading = main.findChild<Import_ADIF*>();
    ASSERT_TRUE(reading && reading->isBusy());
    QTest::mouseClick(reading->Annuler, Qt::LeftButton);
    waitIdle(reading);
    EXPECT_TRUE(reading.isNull());

    // "Annuler" while the import waits for the log's lock: nothing is written.
    QPointer<Import_ADIF> importing = open(file);
    ASSERT_TRUE(importing && importing->Importer->isEnabled());
    {
        const FileLock held(path(logName()));
        QTest::mouseClick(importing->Importer, Qt::LeftButton);
        QTest::mouseClick(importing->Annuler, Qt::LeftButton);
        EXPECT_EQ(importing->Compte->text(), QStringLiteral("Annulation…"));
    }
    waitIdle(importing);
    EXPECT_TRUE(importing.isNull());
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(logBytes(), joinLines({inLog}));

    // A QSO saved while the import waits for the lock is judged as in the log: never imported twice.
    importing = open(file);
    ASSERT_TRUE(importing && importing->Importer->isEnabled());
    const QString saved = qsoLine("F6NEW", "75", "75001", "01/01/07", "12:00", "14 Mhz", false, "C.", "CW");
    {
        const FileLock held(path(logName()));
        QTest::mouseClick(importing->Importer, Qt::LeftButton);
        ASSERT_TRUE(context.logStore().Insere_QSO_Date(saved));
    }
    waitIdle(importing);
    EXPECT_EQ(readLines(path(logName())).lines, QStringList({saved, inLog}));
    EXPECT_EQ(messages.shown, QStringList{QStringLiteral("Aucun QSO n'a été importé : le log les contient déjà.")});
}
