#include "awards/diplome_vhf_window.h"
#include "awards/diplomes_window.h"
#include "awards/score_chateaux_window.h"
#include "logbook/departments.h"
#include "logbook/log_line.h"
#include "support/test_env.h"
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

class AwardWindows : public DataDirTest {
protected:
    static QString text(const QWidget& window, const char* name)
    {
        if (const auto* label = window.findChild<QLabel*>(name))
            return label->text();
        if (const auto* box = window.findChild<QLineEdit*>(name))
            return box->text();
        ADD_FAILURE() << "no control " << name;
        return {};
    }
    static QPushButton* button(const QWidget& window, const char* name)
    {
        auto* found = window.findChild<QPushButton*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static bool green(const QWidget& window, const char* name)
    {
        return window.findChild<QLabel*>(name)->palette().color(QPalette::WindowText) == QColor(0, 128, 0);
    }
    // Confirmed records, one in each of the first count departments of the award.
    static QStringList confirmedInDepartments(int count, const QString& band)
    {
        QStringList lines;
        for (const QString& dpt : awardDepartments().mid(0, count))
            lines << qsoLine("F6AAA", dpt, dpt + "001", "01/02/08", "10:00", band, true);
        return lines;
    }
};

} // namespace

TEST_F(AwardWindows, ScoresOfAnEmptyLogAndOfAFilledOne)
{
    writeLog({});
    {
        Score_chateaux scores(context);
        EXPECT_EQ(scores.windowTitle(), "Scores");
        EXPECT_EQ(text(scores, "Label2"), "Scores DFCF");
        EXPECT_EQ(text(scores, "Label1"), "DFCF HF");
        EXPECT_EQ(text(scores, "Label5"), "DFCF VHF");
        EXPECT_EQ(text(scores, "Label6"), "DFCF UHF");
        EXPECT_EQ(text(scores, "Label8"), "Nombre de Chateaux contactés");
        EXPECT_EQ(text(scores, "Label10"), "Nombre de Chateaux confirmés");
        EXPECT_EQ(text(scores, "Label13"), "Nombre de départements confirmés");
        for (const char* box : {"HF_CT", "HF_CF", "HF_Dpt", "VHF_CT", "VHF_CF", "VHF_Dpt", "UHF_CT", "UHF_CF", "UHF_Dpt"})
            EXPECT_EQ(text(scores, box), "0") << box;
    }
    writeLog({
        qsoLine("F6AAA", "77", "77121", "01/02/08", "10:00", "14 Mhz", true),
        qsoLine("F6AAA", "77", "77121", "02/02/08", "10:00", "14 Mhz", true),
        qsoLine("F6AAA", "77", "77121", "03/02/08", "10:00", "14 Mhz", false),
        qsoLine("F6BBB", "2B", "2B001", "01/02/08", "10:00", "144 Mhz", true),
        qsoLine("F6BBB", "97", "97001", "01/02/08", "10:00", "144 Mhz", true),
        qsoLine("F6CCC", "2a", "2a001", "01/02/08", "10:00", "432 Mhz", true),
        qsoLine("F6DDD", "12", "12001", "01/02/08", "10:00", "10 Mhz", true),
    });
    Score_chateaux scores(context);
    EXPECT_EQ(text(scores, "HF_CT"), "3");
    EXPECT_EQ(text(scores, "HF_CF"), "2");
    EXPECT_EQ(text(scores, "HF_Dpt"), "1");
    EXPECT_EQ(text(scores, "VHF_CT"), "2");
    EXPECT_EQ(text(scores, "VHF_CF"), "2");
    EXPECT_EQ(text(scores, "VHF_Dpt"), "1");
    EXPECT_EQ(text(scores, "UHF_CT"), "1");
    EXPECT_EQ(text(scores, "UHF_CF"), "1");
    EXPECT_EQ(text(scores, "UHF_Dpt"), "1");
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(AwardWindows, ALogThatCannotBeOpenedIsNamedAndShowsZeros)
{
    Score_chateaux scores(context);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.last().contains("F5ABC_DFCF.log"));
    EXPECT_EQ(text(scores, "HF_CT"), "0");
    Diplomes hf(context);
    EXPECT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(text(hf, "Label5"), "30");
}

TEST_F(AwardWindows, HfAwardsOfAnEmptyLog)
{
    writeLog({});
    Diplomes window(context);
    EXPECT_EQ(window.windowTitle(), "Diplomes DFCF bande HF");
    EXPECT_EQ(text(window, "Label2"), "Diplomes DFCF bande HF");
    EXPECT_EQ(text(window, "Label4"), "Vous ne pouvez pas encore obtenir le diplome DFCF de base");
    EXPECT_EQ(text(window, "Label7"), "Vous ne pouvez pas encore obtenir le diplome DFCF Honneur");
    EXPECT_EQ(text(window, "Label12"), "Vous ne pouvez pas encore obtenir le trophé DFCF");
    EXPECT_EQ(text(window, "Label15"), "Vous ne pouvez pas encore obtenir le diplome DFCF Excellence");
    EXPECT_EQ(text(window, "Label18"), "il vous manque ");
    EXPECT_EQ(text(window, "Label6"), "Chateaux confirmés");
    EXPECT_EQ(text(window, "Label9"), "Chateaux confirmés et");
    EXPECT_EQ(text(window, "Label23"), "départements confirmés");
    EXPECT_EQ(text(window, "Label17"), "Départements confirmés");
    EXPECT_EQ(text(window, "Label5"), "30");
    EXPECT_EQ(text(window, "Label8"), "1500");
    EXPECT_EQ(text(window, "Label10"), "90");
    EXPECT_EQ(text(window, "Label13"), "3000");
    EXPECT_EQ(text(window, "Label22"), "90");
    EXPECT_EQ(text(window, "Label16"), "95");
    for (const char* name : {"HF_Base", "HF_Honneur", "HF_Trophe", "HF_Excellence"}) {
        EXPECT_FALSE(button(window, name)->isEnabled()) << name;
        EXPECT_EQ(button(window, name)->text(), "Voir la liste");
    }
    EXPECT_FALSE(green(window, "Label4"));
}

TEST_F(AwardWindows, ReachedHfAwardsCongratulateAndHandOverToTheList)
{
    QStringList lines = confirmedInDepartments(95, "14 Mhz");
    lines << qsoLine("F6ZZZ", "77", "77121", "01/02/08", "10:00", "144 Mhz", true);
    writeLog(lines);
    Diplomes window(context);
    EXPECT_EQ(text(window, "Label4"), "Bravo vous pouvez obtenir le diplome DFCF de base");
    EXPECT_TRUE(green(window, "Label4"));
    EXPECT_EQ(text(window, "Label18"), "avec les QSL des");
    EXPECT_EQ(text(window, "Label5"), "95");
    EXPECT_EQ(text(window, "Label15"), "Bravo vous pouvez obtenir le Diplome DFCF Excellence");
    EXPECT_EQ(text(window, "Label21"), "avec les QSL des");
    EXPECT_EQ(text(window, "Label16"), "95");
    EXPECT_TRUE(button(window, "HF_Base")->isEnabled());
    EXPECT_TRUE(button(window, "HF_Excellence")->isEnabled());
    // Honneur: castles missing, departments already enough.
    EXPECT_EQ(text(window, "Label7"), "Vous ne pouvez pas encore obtenir le diplome DFCF Honneur");
    EXPECT_FALSE(green(window, "Label7"));
    EXPECT_EQ(text(window, "Label19"), "il vous manque ");
    EXPECT_EQ(text(window, "Label8"), "1405");
    EXPECT_EQ(text(window, "Label10"), "0");
    EXPECT_FALSE(button(window, "HF_Honneur")->isEnabled());
    EXPECT_FALSE(button(window, "HF_Trophe")->isEnabled());

    QSignalSpy requested(&window, &AwardCheckWindow::listRequested);
    QTest::mouseClick(button(window, "HF_Excellence"), Qt::LeftButton);
    EXPECT_EQ(requested.count(), 1);
    EXPECT_EQ(context.Groupe_Diplome, "HF");
    EXPECT_EQ(context.Nom_Diplome, "Excellence");
    QTest::mouseClick(button(window, "HF_Base"), Qt::LeftButton);
    EXPECT_EQ(context.Nom_Diplome, "de Base");
}

TEST_F(AwardWindows, VhfAndUhfWindowsOfAnEmptyLog)
{
    writeLog({});
    Diplome_VHF vhf(context);
    EXPECT_EQ(vhf.windowTitle(), "Diplome DFCF bande VHF");
    EXPECT_EQ(text(vhf, "Label2"), "Diplomes DFCF bande VHF");
    EXPECT_EQ(text(vhf, "Label28"), "10");
    EXPECT_EQ(text(vhf, "Label31"), "150");
    EXPECT_EQ(text(vhf, "Label33"), "45");
    EXPECT_EQ(button(vhf, "VHF_Base")->text(), "Voir la liste");
    EXPECT_EQ(button(vhf, "VHF_Honneur")->text(), "Voire la liste");
    EXPECT_FALSE(button(vhf, "VHF_Base")->isEnabled());
    EXPECT_FALSE(button(vhf, "VHF_Honneur")->isEnabled());
    EXPECT_NE(vhf.findChild<QWidget*>("Frame1"), nullptr);

    Diplome_UHF uhf(context);
    EXPECT_EQ(uhf.windowTitle(), "Dîplome DFCF bande UHF");
    EXPECT_EQ(text(uhf, "Label1"), "Diplomes DFCF bande UHF");
    EXPECT_NE(uhf.findChild<QWidget*>("Frame2"), nullptr);
    EXPECT_EQ(text(uhf, "Label28"), "5");
    EXPECT_EQ(text(uhf, "Label31"), "75");
    EXPECT_EQ(text(uhf, "Label33"), "20");
    EXPECT_EQ(text(uhf, "Label25"), "Vous ne pouvez pas encore obtenir le diplome DFCF de base");
    EXPECT_EQ(text(uhf, "Label32"), "Chateaux confirmés et");
    EXPECT_EQ(button(uhf, "UHF_Honneur")->text(), "Voire la liste");
    EXPECT_FALSE(button(uhf, "UHF_Base")->isEnabled());
}

TEST_F(AwardWindows, FiveUhfRecordsReachUhfDeBaseOnly)
{
    QStringList lines = confirmedInDepartments(5, "432 Mhz");
    lines << qsoLine("F6ZZZ", "77", "77121", "01/02/08", "10:00", "50 Mhz", true);
    writeLog(lines);
    Diplome_UHF uhf(context);
    EXPECT_EQ(text(uhf, "Label25"), "Bravo vous pouvez obtenir le diplome DFCF de base");
    EXPECT_TRUE(green(uhf, "Label25"));
    EXPECT_EQ(text(uhf, "Label27"), "avec les QSL des");
    EXPECT_EQ(text(uhf, "Label28"), "5");
    EXPECT_TRUE(button(uhf, "UHF_Base")->isEnabled());
    EXPECT_EQ(text(uhf, "Label31"), "70");
    EXPECT_EQ(text(uhf, "Label33"), "15");
    EXPECT_FALSE(button(uhf, "UHF_Honneur")->isEnabled());
    Diplome_VHF vhf(context);
    EXPECT_EQ(text(vhf, "Label28"), "10");
    EXPECT_FALSE(button(vhf, "VHF_Base")->isEnabled());

    QTest::mouseClick(button(uhf, "UHF_Base"), Qt::LeftButton);
    EXPECT_EQ(context.Groupe_Diplome, "UHF");
    EXPECT_EQ(context.Nom_Diplome, "de Base");
}

TEST_F(AwardWindows, VhfHonneurMetAtItsLimits)
{
    QStringList lines = confirmedInDepartments(45, "144 Mhz");
    for (int i = 0; i < 105; ++i)
        lines << lines[i % 45];
    writeLog(lines);
    Diplome_VHF vhf(context);
    EXPECT_EQ(text(vhf, "Label26"), "Bravo vous pouvez obtenir le diplome DFCF Honneur");
    EXPECT_EQ(text(vhf, "Label30"), "avec les QSL des");
    EXPECT_EQ(text(vhf, "Label31"), "150");
    EXPECT_EQ(text(vhf, "Label33"), "45");
    EXPECT_TRUE(button(vhf, "VHF_Honneur")->isEnabled());
    QTest::mouseClick(button(vhf, "VHF_Honneur"), Qt::LeftButton);
    EXPECT_EQ(context.Groupe_Diplome, "VHF");
    EXPECT_EQ(context.Nom_Diplome, "Honneur");
}
