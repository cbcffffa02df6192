#include "awards/statistics_charts_widget.h"
#include "awards/statistiques_window.h"
#include "shell/main_window.h"
#include "support/test_env.h"
#include <QAction>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace {

class StatistiquesTest : public DataDirTest {
protected:
    StatistiquesTest()
    {
        const auto qso = [](const QString& date, const QString& band, bool qsl) {
            return qsoLine("F6AAA", "77", "77121", date, "10:00", band, qsl);
        };
        writeLog({qso("15/03/08", "14 Mhz", true), qso("20/03/08", "144 Mhz", true), qso("22/03/08", "14 Mhz", false),
                  qso("05/05/08", "432 Mhz", true), qso("31/02/09", "14 Mhz", true), qso("        ", "10 Mhz", false)});
    }

    static QList<QLineSeries*> lines(QChart* chart, bool thresholds)
    {
        QList<QLineSeries*> found;
        for (QAbstractSeries* series : chart->series())
            if (auto* line = qobject_cast<QLineSeries*>(series))
                if ((line->objectName() == QLatin1String(thresholdSeriesName)) == thresholds)
                    found << line;
        return found;
    }
    static QStringList names(const QList<QLineSeries*>& series)
    {
        QStringList result;
        for (QLineSeries* s : series)
            result << s->name();
        return result;
    }
    static QChart* chart(Statistiques* window, const char* view)
    {
        return window->findChild<QChartView*>(view)->chart();
    }
};

} // namespace

TEST_F(StatistiquesTest, ChartsShowOneLinePerGroupTheirThresholdsAndTheBars)
{
    Main main(context);
    main.Mnu_Statistiques->trigger();
    main.Mnu_Statistiques->trigger();
    ASSERT_EQ(main.findChildren<Statistiques*>().size(), 1);
    Statistiques* window = main.findChild<Statistiques*>();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Statistiques");

    QChart* progress = chart(window, "Graphique_Progression");
    const QList<QLineSeries*> groups = lines(progress, false);
    EXPECT_EQ(names(groups), (QStringList{"HF", "VHF", "UHF"}));
    for (QLineSeries* line : groups)
        EXPECT_EQ(line->count(), 3) << line->name().toStdString(); // March, April, May 2008
    EXPECT_EQ(groups[2]->at(2).y(), 1);
    // Every group has one confirmation: its first award is its next goal.
    EXPECT_EQ(names(lines(progress, true)),
              (QStringList{"HF de Base : 30", "VHF de Base : 10", "UHF de Base : 5"}));
    // Their names stand on an axis right of the plot, never over a curve.
    for (QAbstractSeries* series : progress->series())
        EXPECT_FALSE(qobject_cast<QLineSeries*>(series)->pointLabelsVisible());
    auto* limitNames = qobject_cast<QCategoryAxis*>(progress->axes(Qt::Vertical).value(1));
    ASSERT_NE(limitNames, nullptr);
    EXPECT_EQ(limitNames->alignment(), Qt::AlignRight);
    EXPECT_EQ(limitNames->categoriesLabels(), (QStringList{"UHF de Base : 5", "VHF de Base : 10", "HF de Base : 30"}));

    auto* years = qobject_cast<QBarSeries*>(chart(window, "Graphique_Annees")->series().value(0));
    ASSERT_NE(years, nullptr);
    ASSERT_EQ(years->barSets().size(), 2);
    EXPECT_EQ(years->barSets()[0]->label(), "Contactés");
    EXPECT_EQ(years->barSets()[0]->at(0), 4);
    EXPECT_EQ(years->barSets()[1]->at(0), 3);
    auto* yearAxis = qobject_cast<QBarCategoryAxis*>(chart(window, "Graphique_Annees")->axes(Qt::Horizontal).value(0));
    EXPECT_EQ(yearAxis->labelsAngle(), 0);
    auto* bands = qobject_cast<QBarCategoryAxis*>(chart(window, "Graphique_Bandes")->axes(Qt::Horizontal).value(0));
    ASSERT_NE(bands, nullptr);
    EXPECT_EQ(bands->categories(), (QStringList{"10 Mhz", "14 Mhz", "144 Mhz", "432 Mhz"}));
    EXPECT_EQ(window->Label_Dates->text(),
              "2 QSO dont la date est illisible ne sont comptés ni par mois ni par année.");

    window->Groupe_Bandes->setCurrentIndex(1);
    progress = chart(window, "Graphique_Progression");
    EXPECT_EQ(names(lines(progress, false)), QStringList{"HF"});
    QList<int> limits;
    for (QLineSeries* line : lines(progress, true))
        limits << int(line->at(0).y());
    EXPECT_EQ(limits, (QList<int>{30, 1500, 3000}));
    EXPECT_EQ(qobject_cast<QCategoryAxis*>(progress->axes(Qt::Vertical).value(1))->categoriesLabels(),
              (QStringList{"HF de Base : 30", "HF Honneur : 1500", "HF Trophé : 3000"}));
    bands = qobject_cast<QBarCategoryAxis*>(chart(window, "Graphique_Bandes")->axes(Qt::Horizontal).value(0));
    EXPECT_EQ(bands->categories(), QStringList{"14 Mhz"});
}

TEST_F(StatistiquesTest, TheShownChartIsSavedAsPngAndPrintedAsAPicture)
{
    Statistiques window(context);
    window.resize(800, 500);
    window.Graphiques->setCurrentIndex(2);
    fileDialogs.answers << path("bandes");
    QTest::mouseClick(window.Enregistrer_Image, Qt::LeftButton);
    EXPECT_EQ(fileDialogs.proposed, QStringList{path("F5ABC_Statistiques_Bandes_05_02_08.png")});
    EXPECT_TRUE(readFile("bandes.png").startsWith("\x89PNG"));
    EXPECT_FALSE(exists("bandes.png.part"));
    EXPECT_EQ(messages.last(), "Image enregistrée sous le nom : " + path("bandes.png"));

    QTest::mouseClick(window.Enregistrer_Image, Qt::LeftButton); // cancelled
    EXPECT_EQ(messages.shown.size(), 1);

    printer.accept = false;
    QTest::mouseClick(window.Imprimer, Qt::LeftButton);
    EXPECT_TRUE(printer.jobs.isEmpty());
    printer.accept = true;
    printer.outcome = Result::failure("L'impression n'a pas pu démarrer : vérifiez l'imprimante choisie.");
    QTest::mouseClick(window.Imprimer, Qt::LeftButton);
    ASSERT_EQ(printer.jobs.size(), 1);
    EXPECT_EQ(printer.jobs[0].lines.value(0), "KOR_DFCF  F5ABC  05/02/2008");
    EXPECT_TRUE(printer.jobs[0].image.startsWith("\x89PNG"));
    EXPECT_EQ(messages.last(), "L'impression n'a pas pu démarrer : vérifiez l'imprimante choisie.");
}

TEST_F(DataDirTest, StatisticsOfAMissingOrOneMonthLogDrawWithoutData)
{
    Statistiques empty(context);
    EXPECT_EQ(messages.last(), "Le log F5ABC_DFCF.log est introuvable : les statistiques sont vides.");
    QChart* progress = empty.findChild<QChartView*>("Graphique_Progression")->chart();
    EXPECT_TRUE(progress->title().endsWith(" : aucun QSO daté"));
    for (QAbstractSeries* series : progress->series())
        if (series->objectName() != QLatin1String(thresholdSeriesName))
            EXPECT_EQ(qobject_cast<QLineSeries*>(series)->count(), 0);
    EXPECT_FALSE(empty.Label_Dates->isVisibleTo(&empty));

    writeLog({qsoLine("F6AAA", "77", "77121", "15/03/08", "10:00", "432 Mhz", true)});
    Statistiques oneMonth(context);
    oneMonth.Groupe_Bandes->setCurrentIndex(3);
    progress = oneMonth.findChild<QChartView*>("Graphique_Progression")->chart();
    ASSERT_EQ(progress->series().size(), 3); // UHF and its two limits
    EXPECT_EQ(qobject_cast<QLineSeries*>(progress->series()[0])->count(), 1);
    EXPECT_EQ(qobject_cast<QLineSeries*>(progress->series()[1])->at(0).y(), 5);
}

TEST(StatisticsCharts, ThirtyTwoYearsAndCloseLimitsKeepTheirLabelsWhole)
{
    QStringList log;
    for (int year = 1994; year < 2026; ++year)
        log << qsoLine("F6AAA", "77", "77121", QStringLiteral("01/01/%1").arg(year % 100, 2, 10, QLatin1Char('0')),
                       "10:00", "14 Mhz", true);
    const LogStatistics stats = computeStatistics(log);
    std::unique_ptr<QChart> years(yearsChart(stats, std::nullopt));
    auto* axis = qobject_cast<QBarCategoryAxis*>(years->axes(Qt::Horizontal).value(0));
    EXPECT_EQ(axis->count(), 32);
    EXPECT_EQ(axis->labelsAngle(), -90);

    // 32 HF confirmations on a scale of about 1600: the next VHF and UHF
    // limits (10 and 5) would print one over the other.
    std::unique_ptr<QChart> progress(progressChart(stats, std::nullopt));
    auto* names = qobject_cast<QCategoryAxis*>(progress->axes(Qt::Vertical).value(1));
    ASSERT_NE(names, nullptr);
    EXPECT_EQ(names->categoriesLabels(), (QStringList{"UHF de Base : 5, VHF de Base : 10", "HF Honneur : 1500"}));
}
