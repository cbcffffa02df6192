#include "castles/castle_list.h"
#include "cluster/cluster_node.h"
#include "cluster/cluster_session.h"
#include "cluster/cluster_setup.h"
#include "cluster/spots_dfcf_window.h"
#include "cluster/spots_window_model.h"
#include "entry/saisie_widget.h"
#include "logbook/station.h"
#include "platform/text_file.h"
#include "shell/main_window.h"
#include "support/test_env.h"
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

namespace {

const QString station = QStringLiteral("F5ABC_P");

class SpotsWindowTest : public DataDirTest {
protected:
    void SetUp() override
    {
        context.Indicatif_Station = station;
        settings.write(Keys::commonSection, Keys::IndicatifStation, station);
        writeLog({qsoLine("F6AAA", "77", "77121", "01/02/08", "10:00", "14 Mhz"),
                  qsoLine("F6BBB", "91", "91045", "01/02/08", "10:05", "144 Mhz")});
        writeLines(castleListFileName, {"Rev 001 du 01/02/12", "77121;Château de Blandy;Blandy",
                                        "2a004;Tour de la Parata;Ajaccio", "75001;Conciergerie;Paris"});
        writeFile("Liste_Prenom.txt", {});
        main = std::make_unique<Main>(context);
        main->load();
        main->Mnu_Spots->trigger();
        spots = main->findChild<Spots_DFCF*>();
        ASSERT_NE(spots, nullptr);
        spots->beep = [this] { ++beeps; };
    }

    // Connects the window to the node as the operator does, with short delays.
    void connectToNode()
    {
        ClusterSession::Timing timing;
        timing.firstRetryMs = 20;
        spots->session()->setTiming(timing);
        spots->Noeud_CL->setText(node.address());
        spots->Bip_CL->setChecked(true);
        QTest::mouseClick(spots->Connecter_CL, Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] { return node.received.contains("\r\n"); }, 5000));
    }

    bool waitForRows(int rows)
    {
        return QTest::qWaitFor([&] { return spots->spots()->rowCount() >= rows; }, 5000);
    }
    QString cell(int row, int column) const
    {
        return spots->spots()->index(row, column).data().toString();
    }
    QColor colour(int row) const
    {
        return spots->spots()->index(row, SpotTableModel::Etat).data(Qt::BackgroundRole).value<QColor>();
    }
    void doubleClick(int row)
    {
        QTableView* table = spots->Liste_Spots;
        const QRect rect = table->visualRect(spots->spots()->index(row, SpotTableModel::Indicatif));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, rect.center());
    }

    LoopbackNode node;
    std::unique_ptr<Main> main;
    Spots_DFCF* spots = nullptr;
    int beeps = 0;
};

TEST_F(SpotsWindowTest, LogsInMarksEachCastleSpottedAndIgnoresGarbage)
{
    EXPECT_EQ(spots->Indicatif_CL->text(), "F5ABC/P");
    EXPECT_EQ(spots->Etat_CL->text(), QString::fromUtf8("Déconnecté"));
    connectToNode();
    EXPECT_EQ(node.received, "F5ABC/P\r\n");
    EXPECT_EQ(settings.read("Setup F5ABC_P", ClusterKeys::Noeud, ""), node.address());
    EXPECT_EQ(settings.read("Setup F5ABC_P", ClusterKeys::Indicatif, ""), "F5ABC/P");
    EXPECT_TRUE(spots->Etat_CL->text().startsWith(QString::fromUtf8("Connecté à ")));

    node.send("DX de F5XYZ:     7012.0  F6CCC        DFCF 77-121 Blandy             1200Z JN18\r\n"
              "DX de F5XYZ:   144300.0  F6DDD        dfcf 77121                     1201Z\r\n"
              "To ALL de F5XYZ: salut\r\n" + QByteArray("\x01\x02\xff\xfe\0 binaire\r\n", 15)
              + QByteArray(3000, 'x') + "\r\nDX de broken\r\n"
              "DX de F5XYZ:     5357.0  F6EEE        DFCF 75001                     1202Z\r\n"
              "DX de F5XYZ:    10120.0  F6EEE        DFCF 75001                     1202Z\r\n"
              "DX de F5XYZ:    14025.0  F6FFF        CQ 2a-004 chateau              1203Z\r\n"
              "DX de F5XYZ:    14030.0  F6GGG        CQ CQ                          1204Z\r\n");
    ASSERT_TRUE(waitForRows(6));
    QTest::qWait(50);
    ASSERT_EQ(spots->spots()->rowCount(), 6);

    const QStringList marks = {"", QString::fromUtf8("à contacter"), QString::fromUtf8("hors bande"),
                               QString::fromUtf8("hors bande"), QString::fromUtf8("à contacter"),
                               QString::fromUtf8("déjà contacté")};
    const QStringList calls = {"F6GGG", "F6FFF", "F6EEE", "F6EEE", "F6DDD", "F6CCC"};
    for (int row = 0; row < 6; ++row) {
        EXPECT_EQ(cell(row, SpotTableModel::Indicatif), calls[row]);
        EXPECT_EQ(cell(row, SpotTableModel::Etat), marks[row]) << row;
    }
    EXPECT_EQ(cell(1, SpotTableModel::Reference), "2a004");
    EXPECT_EQ(cell(2, SpotTableModel::Bande), "10 Mhz");
    EXPECT_EQ(cell(3, SpotTableModel::Bande), "");
    EXPECT_EQ(cell(4, SpotTableModel::Frequence), "144300,0");
    EXPECT_EQ(cell(5, SpotTableModel::Heure), "12:00");
    EXPECT_EQ(colour(1), QColor(192, 255, 192));
    EXPECT_EQ(colour(2), QColor(255, 224, 192));
    EXPECT_EQ(colour(5), QColor(224, 224, 224));
    EXPECT_FALSE(spots->spots()->index(0, 0).data(Qt::BackgroundRole).isValid());
    EXPECT_EQ(beeps, 1); // two castles to contact in a burst ring once
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(SpotsWindowTest, ABurstIsShownTogetherNewestFirstAndOnlyTheLast500Stay)
{
    connectToNode();
    QSignalSpy inserts(spots->spots(), &QAbstractItemModel::rowsInserted);
    QByteArray burst;
    for (int i = 0; i < 600; ++i)
        burst += QStringLiteral("DX de F5XYZ:    14025.0  F%1AAA        DFCF 75001                     1203Z\r\n")
                     .arg(i, 3, 10, QLatin1Char('0')).toLatin1();
    node.send(burst);
    ASSERT_TRUE(QTest::qWaitFor([&] { return cell(0, SpotTableModel::Indicatif) == "F599AAA"; }, 5000));
    EXPECT_EQ(spots->spots()->rowCount(), 500);
    EXPECT_EQ(cell(499, SpotTableModel::Indicatif), "F100AAA");
    // The first spot at once, the rest in a few draws rather than 600.
    EXPECT_LE(inserts.size(), 6);
}

TEST_F(SpotsWindowTest, ReconnectsAfterADropAndLogsInAgainWithoutAMessageBox)
{
    connectToNode();
    node.received.clear();
    node.drop();
    ASSERT_TRUE(QTest::qWaitFor([&] { return node.connections == 2 && node.received.contains("\r\n"); }, 5000));
    EXPECT_EQ(node.received, "F5ABC/P\r\n");
    node.send("DX de F5XYZ:   144300.0  F6DDD        DFCF 77121                     1201Z\r\n");
    ASSERT_TRUE(waitForRows(1));
    EXPECT_TRUE(messages.shown.isEmpty());

    QTest::mouseClick(spots->Connecter_CL, Qt::LeftButton);
    EXPECT_EQ(spots->Etat_CL->text(), QString::fromUtf8("Déconnecté"));
    EXPECT_EQ(spots->Connecter_CL->text(), "Connecter");
}

TEST_F(SpotsWindowTest, DoubleClickStartsTheEntryAndASavedQsoChangesTheMark)
{
    connectToNode();
    QSignalSpy tune(spots, &Spots_DFCF::tuneRequested);
    node.send("DX de F5XYZ:     7012.0  F6CCC        DFCF 77-121                    1200Z\r\n"
              "DX de F5XYZ:   144300.0  F6DDD        dfcf 77121                     1201Z\r\n");
    ASSERT_TRUE(waitForRows(2));
    SaisieFrame* f = main->entry();

    // Already contacted in HF: the entry's own duplicate check speaks.
    doubleClick(1);
    EXPECT_EQ(messages.last(), QString::fromUtf8("77121 Chateau deja contacté le 01/02/08 sur 14 Mhz"));
    EXPECT_EQ(f->Ind_A->text(), "");

    doubleClick(0);
    ASSERT_EQ(tune.size(), 2);
    EXPECT_DOUBLE_EQ(tune.last().at(0).toDouble(), 144300000.0);
    EXPECT_EQ(f->Ind_A->text(), "F6DDD");
    EXPECT_EQ(f->Dpt_A->text(), "77");
    EXPECT_EQ(f->Ref_A->text(), "77121");
    EXPECT_EQ(f->Bande_A->currentText(), "144 Mhz");
    EXPECT_EQ(f->Date_A->text(), "05/02/08"); // automatic date, from the clock
    EXPECT_TRUE(f->Mode_A->isEnabled());
    EXPECT_EQ(cell(0, SpotTableModel::Etat), QString::fromUtf8("à contacter"));

    f->Valide();
    EXPECT_TRUE(fromWindows1252(logBytes()).contains("F6DDD"));
    EXPECT_EQ(cell(0, SpotTableModel::Etat), QString::fromUtf8("déjà contacté"));
    EXPECT_EQ(colour(0), QColor(224, 224, 224));
}

TEST_F(SpotsWindowTest, ASpotOnNoBandOfTheLogLeavesTheEntryAndTheRadioAsTheyWere)
{
    connectToNode();
    QSignalSpy tune(spots, &Spots_DFCF::tuneRequested);
    node.send("DX de F5XYZ:     5357.0  F5AFE        DFCF 77501 chateau donjon      1200Z\r\n"
              "DX de F5XYZ:  1296200.0  F6HHH        DFCF 11119                     1201Z\r\n");
    ASSERT_TRUE(waitForRows(2));
    SaisieFrame* f = main->entry();
    f->Bande_A->setCurrentIndex(f->Bande_A->findText("14 Mhz"));
    const QString band = f->Bande_A->currentText();
    ASSERT_EQ(band, "14 Mhz");

    doubleClick(1);
    EXPECT_EQ(messages.last(), QString::fromUtf8("Ce spot est hors des bandes du log : 5357,0 kHz. Aucun QSO n'est préparé."));
    EXPECT_EQ(f->Ind_A->text(), "");
    EXPECT_EQ(f->Bande_A->currentText(), band);

    // A QSO being typed is not lost either, and no duplicate check runs.
    QTest::keyClicks(f->Ind_A, "F6XYZ");
    doubleClick(0);
    EXPECT_EQ(messages.last(), QString::fromUtf8("Ce spot est hors des bandes du log : 1296200,0 kHz. Aucun QSO n'est préparé."));
    EXPECT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(f->Ind_A->text(), "F6XYZ");
    EXPECT_EQ(f->Bande_A->currentText(), band);
    EXPECT_EQ(tune.size(), 0);
}

} // namespace
