#include "awards/statistics_charts_widget.h"
#include "awards/statistiques_window.h"
#include "shell/main_window.h"
#include "support/test_env.h"
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
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

    static const ChartDescription& chart(const QWidget* window, const char* view)
    {
        return window->findChild<ChartView*>(view)->chart();
    }
};

QStringList names(const ChartDescription& chart)
{
    QStringList result;
    for (const ChartSeries& s : chart.series)
        result << s.name;
    return result;
}

QStringList limitNames(const ChartDescription& chart)
{
    QStringList result;
    for (const ChartLimitName& name : chart.limitNames)
        result << name.text;
    return result;
}

// Pixels of about the colour: the drawing smooths the edges of lines.
int pixelsOf(const QImage& image, ChartColour colour)
{
    const QColor wanted = chartColour(colour);
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += std::abs(c.red() - wanted.red()) + std::abs(c.green() - wanted.green()) +
                             std::abs(c.blue() - wanted.blue()) < 30;
        }
    return count;
}

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

    ChartDescription progress = chart(window, "Graphique_Progression");
    EXPECT_EQ(names(progress), (QStringList{"HF", "VHF", "UHF"}));
    EXPECT_EQ(progress.categories, (QStringList{"03/2008", "04/2008", "05/2008"}));
    for (const ChartSeries& line : progress.series)
        EXPECT_EQ(line.values.size(), 3) << line.name.toStdString();
    EXPECT_EQ(progress.series[2].values, (QList<int>{0, 0, 1}));
    // Every group has one confirmation: its first award is its next goal,
    // named right of the plot, lowest first, never over a curve.
    EXPECT_EQ(progress.limits.size(), 3);
    EXPECT_EQ(limitNames(progress), (QStringList{"UHF de Base : 5", "VHF de Base : 10", "HF de Base : 30"}));
    // Each group's line is drawn in its colour.
    const QImage drawn = window->shownChart()->grab().toImage();
    for (ChartColour colour : {ChartColour::HF, ChartColour::VHF, ChartColour::UHF})
        EXPECT_GT(pixelsOf(drawn, colour), 20) << int(colour);

    const ChartDescription years = chart(window, "Graphique_Annees");
    ASSERT_EQ(names(years), (QStringList{"Contactés", "Confirmés"}));
    EXPECT_EQ(years.categories, QStringList{"2008"}); // 31/02/09 has no year
    EXPECT_EQ(years.series[0].values.value(0), 4);
    EXPECT_EQ(years.series[1].values.value(0), 3);
    EXPECT_FALSE(years.uprightLabels);
    window->Graphiques->setCurrentIndex(2);
    EXPECT_EQ(chart(window, "Graphique_Bandes").categories, (QStringList{"10 Mhz", "14 Mhz", "144 Mhz", "432 Mhz"}));
    EXPECT_GT(pixelsOf(window->shownChart()->grab().toImage(), ChartColour::Count), 100);
    EXPECT_EQ(window->Label_Dates->text(),
              "2 QSO dont la date est illisible ne sont comptés ni par mois ni par année.");

    window->Groupe_Bandes->setCurrentIndex(1);
    progress = chart(window, "Graphique_Progression");
    EXPECT_EQ(names(progress), QStringList{"HF"});
    QList<int> limits;
    for (const ChartLimit& limit : progress.limits)
        limits << limit.castles;
    EXPECT_EQ(limits, (QList<int>{30, 1500, 3000}));
    EXPECT_EQ(limitNames(progress), (QStringList{"HF de Base : 30", "HF Honneur : 1500", "HF Trophé : 3000"}));
    EXPECT_EQ(chart(window, "Graphique_Bandes").categories, QStringList{"14 Mhz"});
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
    EXPECT_EQ(messages.last(), "Image enregistrée sous le nom : " + QDir::toNativeSeparators(path("bandes.png")));

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
    const ChartDescription& nothing = empty.findChild<ChartView*>("Graphique_Progression")->chart();
    EXPECT_TRUE(nothing.title.endsWith(" : aucun QSO daté"));
    EXPECT_TRUE(nothing.series.isEmpty());
    EXPECT_TRUE(nothing.categories.isEmpty());
    EXPECT_FALSE(empty.Label_Dates->isVisibleTo(&empty));
    empty.resize(800, 500);
    EXPECT_TRUE(empty.shownChart()->grab().toImage().pixelColor(5, 5) == Qt::white);

    writeLog({qsoLine("F6AAA", "77", "77121", "15/03/08", "10:00", "432 Mhz", true)});
    Statistiques oneMonth(context);
    oneMonth.Groupe_Bandes->setCurrentIndex(3);
    const ChartDescription& progress = oneMonth.findChild<ChartView*>("Graphique_Progression")->chart();
    // The month between its neighbours, so the axis has a width.
    EXPECT_EQ(progress.categories, (QStringList{"02/2008", "03/2008", "04/2008"}));
    ASSERT_EQ(progress.series.size(), 1);
    EXPECT_EQ(progress.series[0].start, 1);
    EXPECT_EQ(progress.series[0].values, QList<int>{1});
    ASSERT_EQ(progress.limits.size(), 2); // UHF's two awards
    EXPECT_EQ(progress.limits[0].castles, 5);
}

TEST(StatisticsCharts, ThirtyTwoYearsAndCloseLimitsKeepTheirLabelsWhole)
{
    QStringList log;
    for (int year = 1994; year < 2026; ++year)
        log << qsoLine("F6AAA", "77", "77121", QStringLiteral("01/01/%1").arg(year % 100, 2, 10, QLatin1Char('0')),
                       "10:00", "14 Mhz", true);
    const LogStatistics stats = computeStatistics(log);
    const ChartDescription years = yearsChart(stats, std::nullopt);
    EXPECT_EQ(years.categories.size(), 32);
    EXPECT_EQ(years.categories.first(), "1994");
    EXPECT_TRUE(years.uprightLabels);
    EXPECT_FALSE(years.valueLabels);
    // Even at the smallest size, drawn and turned into a picture.
    QImage picture;
    ASSERT_TRUE(picture.loadFromData(chartPng(years, QSize(300, 180), QFont(), 2.0), "PNG"));
    EXPECT_EQ(picture.size(), QSize(600, 360));
    EXPECT_GT(pixelsOf(picture, ChartColour::Confirmed), 100);

    // 32 HF confirmations on a scale of about 1600: the next VHF and UHF
    // limits (10 and 5) would print one over the other.
    const ChartDescription progress = progressChart(stats, std::nullopt);
    EXPECT_EQ(limitNames(progress), (QStringList{"UHF de Base : 5, VHF de Base : 10", "HF Honneur : 1500"}));
    EXPECT_EQ(progress.scale.top, 2000);
    EXPECT_EQ(progress.scale.step, 500);
    EXPECT_EQ(niceScale(0).top, 4);
    EXPECT_EQ(niceScale(30).top, 40);
    EXPECT_EQ(niceScale(30).step, 10);
}
