#include "entry/saisie_widget.h"
#include "logbook/log_list_model.h"
#include "shell/main_window.h"
#include "shell/station_window.h"
#include "support/test_env.h"
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

const QString charRefusal = QStringLiteral("L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' ");

class StationTest : public DataDirTest {
protected:
    StationTest()
    {
        settings.write("Setup ", "Indicatif Station", "F5ABC");
        writeLog({qsoLine("F1AAA", "77", "77121", "05/02/08", "09:00", "14 Mhz")});
        main.Charge_Log();
    }

    Station* open()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // a window closed before
        main.Mnu_New_Indicatif->trigger();
        return main.findChild<Station*>();
    }

    // Key events carrying each character as typed, accented ones included.
    static void type(QWidget* field, const QString& typed)
    {
        for (const QChar c : typed) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(field, &press);
            QApplication::sendEvent(field, &release);
        }
    }

    void validate(Station* station, const QString& typed)
    {
        type(station->New_Indicatif, typed);
        QTest::mouseClick(station->Validation, Qt::LeftButton);
    }

    Main main{context};
};

TEST_F(StationTest, TypedPortableCallsignBecomesTheNewStationWithItsOwnLog)
{
    writeLines("FXXXX.txt", {qsoLine("F0TPL", "01", "01001", "01/01/08", "00:00", "7.0 Mhz")});
    Station* station = open();
    ASSERT_NE(station, nullptr);
    QTest::keyClicks(station->New_Indicatif, "f5abc/p");
    EXPECT_EQ(station->New_Indicatif->text(), "F5ABC_P");
    QTest::mouseClick(station->Validation, Qt::LeftButton);

    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(context.Indicatif_Station, "F5ABC_P");
    EXPECT_EQ(main.I_Station->text(), "F5ABC/P");
    EXPECT_EQ(readFile("F5ABC_P_DFCF.log"), readFile("FXXXX.txt")); // the template, byte for byte
    EXPECT_EQ(settings.read("Setup ", "Indicatif Station", ""), "F5ABC_P");
    EXPECT_EQ(settings.read("Setup F5ABC_P", "bande Utilisee", ""), "0");
    EXPECT_EQ(settings.read("Setup F5ABC_P", "Mode Utilise", ""), "0");
    EXPECT_EQ(main.entry()->Bande_A->currentText(), "1.8 Mhz");
    EXPECT_EQ(main.entry()->Mode_A->currentText(), "SSB");
    EXPECT_EQ(main.logModel()->rowCount(), 1);
    EXPECT_TRUE(main.logModel()->logLine(0).startsWith("F0TPL"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(main.findChild<Station*>(), nullptr); // closed and destroyed
}

TEST_F(StationTest, RefusedEntriesChangeNothingAndKeepTheWindowOpen)
{
    const QByteArray logBefore = logBytes();
    const auto settingsBefore = settings.values;
    Station* station = open();
    ASSERT_NE(station, nullptr);

    QTest::mouseClick(station->Validation, Qt::LeftButton);
    EXPECT_EQ(messages.last(), "Vous devez entrer un indicatif");

    validate(station, "F5ABCDEFGHIJK");
    EXPECT_EQ(messages.last(), "12 caracteres maximum pour l'indicatif");
    EXPECT_EQ(station->New_Indicatif->text(), "F5ABCDEFGHIJK"); // kept for correction

    station->New_Indicatif->clear();
    validate(station, "F5ABCDEFGHIJ"); // 12: accepted
    EXPECT_EQ(context.Indicatif_Station, "F5ABCDEFGHIJ");
    EXPECT_TRUE(exists("F5ABCDEFGHIJ_DFCF.log"));

    station = open();
    for (const QString& wrong : {QStringLiteral("f5é"), QStringLiteral("F5-ABC"), QStringLiteral("F5 AB")}) {
        messages.shown.clear();
        validate(station, wrong);
        EXPECT_EQ(messages.last(), charRefusal) << wrong.toStdString();
        EXPECT_TRUE(station->New_Indicatif->text().isEmpty());
        EXPECT_TRUE(station->isVisible());
    }
    EXPECT_EQ(context.Indicatif_Station, "F5ABCDEFGHIJ");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2); // no log for a refused entry
    EXPECT_EQ(readFile("F5ABC_DFCF.log"), logBefore);
    EXPECT_EQ(settingsBefore.value("Setup F5ABC/bande Utilisee"), settings.values.value("Setup F5ABC/bande Utilisee"));
}

TEST_F(StationTest, EnterMovesTheFocusToValidationWithoutValidating)
{
    Station* station = open();
    ASSERT_NE(station, nullptr);
    station->New_Indicatif->setFocus();
    QTest::keyClicks(station->New_Indicatif, "f6xyz");
    QTest::keyClick(station->New_Indicatif, Qt::Key_Return);
    EXPECT_EQ(station->focusWidget(), station->Validation);
    EXPECT_EQ(station->New_Indicatif->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(station->New_Indicatif->text(), "F6XYZ");
    EXPECT_TRUE(station->isVisible());
    EXPECT_EQ(context.Indicatif_Station, "F5ABC");
    EXPECT_FALSE(exists("F6XYZ_DFCF.log"));
    QTest::keyClick(station->Validation, Qt::Key_Return); // the next Enter validates
    EXPECT_EQ(context.Indicatif_Station, "F6XYZ");
}

TEST_F(StationTest, SwitchingBackAndForthShowsEachLogAndRestoresItsChoices)
{
    writeLines("F6XYZ_DFCF.log", {qsoLine("F2BBB", "2a", "2a004", "06/02/08", "10:00", "144 Mhz"),
                                  qsoLine("F3CCC", "13", "13001", "06/02/08", "11:00", "432 Mhz")});
    settings.write("Setup F5ABC", "bande Utilisee", "4");
    settings.write("Setup F5ABC", "Mode Utilise", "1");
    settings.write("Setup F6XYZ", "bande Utilisee", "10");
    settings.write("Setup F6XYZ", "Mode Utilise", "2");
    const QByteArray first = logBytes();
    const QByteArray second = readFile("F6XYZ_DFCF.log");

    validate(open(), "f6xyz");
    EXPECT_EQ(main.logModel()->rowCount(), 2);
    EXPECT_EQ(main.entry()->Bande_A->currentText(), "144 Mhz");
    EXPECT_EQ(main.entry()->Mode_A->currentText(), "FM");
    EXPECT_EQ(main.I_Station->text(), "F6XYZ");

    validate(open(), "F5ABC");
    EXPECT_EQ(main.logModel()->rowCount(), 1);
    EXPECT_EQ(main.entry()->Bande_A->currentText(), "14 Mhz");
    EXPECT_EQ(main.entry()->Mode_A->currentText(), "CW");
    EXPECT_EQ(settings.read("Setup F6XYZ", "bande Utilisee", ""), "10");
    EXPECT_EQ(logBytes(), first);
    EXPECT_EQ(readFile("F6XYZ_DFCF.log"), second);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(StationTest, ExistingLogIsNeverReplacedEvenWhenEmptyOrUnreadable)
{
    writeLines("FXXXX.txt", {qsoLine("F0TPL", "01", "01001", "01/01/08", "00:00", "7.0 Mhz")});
    writeFile("F6XYZ_DFCF.log", QByteArray());
    settings.write("Setup F6XYZ", "bande Utilisee", "9");
    validate(open(), "F6XYZ");
    EXPECT_EQ(readFile("F6XYZ_DFCF.log"), QByteArray()); // a known station keeps its (empty) log
    EXPECT_EQ(settings.read("Setup F6XYZ", "bande Utilisee", ""), "9");
    EXPECT_EQ(main.logModel()->rowCount(), 0);

    // A log that exists but cannot be read: the station in force stays.
    ASSERT_TRUE(QDir(dir.path()).mkdir("F7QRP_DFCF.log"));
    Station* station = open();
    validate(station, "F7QRP");
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.last().startsWith("Le log F7QRP_DFCF.log ne peut pas être lu : la station n'a pas été changée."));
    EXPECT_TRUE(QFileInfo(path("F7QRP_DFCF.log")).isDir());
    EXPECT_EQ(context.Indicatif_Station, "F6XYZ");
    EXPECT_EQ(settings.read("Setup ", "Indicatif Station", ""), "F6XYZ");
    EXPECT_FALSE(settings.contains("Setup F7QRP", "bande Utilisee"));
    EXPECT_EQ(main.I_Station->text(), "F6XYZ");
    EXPECT_TRUE(station->isVisible());
    EXPECT_FALSE(exists("Temporaire.txt"));
}

TEST_F(StationTest, ChangeOfStationAbandonsTheQsoBeingEdited)
{
    main.entry()->Ind_A->setText("F9EDIT");
    main.entry()->Modification_En_Cours = true;
    validate(open(), "F6XYZ");
    EXPECT_FALSE(main.entry()->Modification_En_Cours);
    EXPECT_TRUE(main.entry()->Ind_A->text().isEmpty());
    EXPECT_TRUE(main.entry()->isEnabled());
}

TEST_F(StationTest, MenuOpensOneWindowAtATimeFreshEachTime)
{
    Station* first = open();
    ASSERT_NE(first, nullptr);
    QTest::keyClicks(first->New_Indicatif, "F6");
    EXPECT_FALSE(first->isModal());
    EXPECT_EQ(first->windowTitle(), "Selection Indicaif");
    EXPECT_EQ(first->findChild<QLabel*>("Label2")->text(), "Indicatif de la Station");
    EXPECT_EQ(first->findChild<QLabel*>("Label3")->text(), "Indicatif");
    EXPECT_EQ(first->findChild<QLabel*>("Label5")->text(), "!!! Pour la saisie la '/' est remplacée par le '_'");
    EXPECT_EQ(first->Validation->text(), "Validez");
    main.Mnu_New_Indicatif->trigger();
    EXPECT_EQ(main.findChildren<Station*>().size(), 1);
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(main.findChildren<Station*>().isEmpty());
    Station* second = open();
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(second->New_Indicatif->text().isEmpty());
    EXPECT_EQ(context.Indicatif_Station, "F5ABC");
}

} // namespace
