#include "awards/statistiques_window.h"
#include "awards/statistics_charts_widget.h"
#include "logbook/dates.h"
#include "platform/clock.h"
#include "platform/file_dialogs.h"
#include "platform/messages.h"
#include "platform/printer.h"
#include "platform/text_file.h"
#include "logbook/app_context.h"
#include "widgets/named_widget.h"
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

struct ChartPage {
    const char* view;
    QString tab;
    QString fileTag; // part of the proposed image name
    ChartDescription (*build)(const LogStatistics&, GroupChoice);
};

const QList<ChartPage>& chartPages()
{
    static const QList<ChartPage> pages = {
        {"Graphique_Progression", QStringLiteral("Progression"), QStringLiteral("Progression"), progressChart},
        {"Graphique_Annees", QStringLiteral("Par année"), QStringLiteral("Annees"), yearsChart},
        {"Graphique_Bandes", QStringLiteral("Par bande"), QStringLiteral("Bandes"), bandsChart},
        {"Graphique_Modes", QStringLiteral("Par mode"), QStringLiteral("Modes"), modesChart},
    };
    return pages;
}

GroupChoice groupAt(int index)
{
    static const GroupChoice choices[] = {std::nullopt, StatGroup::HF, StatGroup::VHF, StatGroup::UHF};
    return index >= 0 && index < 4 ? choices[index] : std::nullopt;
}

} // namespace

Statistiques::Statistiques(AppContext& context, QWidget* parent) : QWidget(parent, Qt::Window), ctx(context)
{
    setObjectName(QStringLiteral("Statistiques"));
    setWindowTitle(QStringLiteral("Statistiques"));
    const StatisticsRead read = readStatistics(ctx.dataDir, ctx.Indicatif_Station);
    if (!read.result.ok)
        ctx.messages->info(read.result.text());
    stats = read.statistics;
    buildControls();
    drawCharts();
}

void Statistiques::buildControls()
{
    // One row of controls above the charts: on a small screen at 200 % the
    // charts need all the height there is.
    auto* layout = new QVBoxLayout(this);
    auto* controls = new QHBoxLayout;
    controls->addWidget(named(new QLabel(QStringLiteral("Groupe de bandes :")), "Label2"));
    Groupe_Bandes = named(new QComboBox, "Groupe_Bandes");
    Groupe_Bandes->addItems({QStringLiteral("Tous les groupes"), QStringLiteral("HF"), QStringLiteral("VHF"),
                             QStringLiteral("UHF")});
    controls->addWidget(Groupe_Bandes);
    controls->addStretch();
    Enregistrer_Image = named(new QPushButton(QStringLiteral("Enregistrer l'image")), "Enregistrer_Image");
    Imprimer = named(new QPushButton(QStringLiteral("Imprimer")), "Imprimer");
    controls->addWidget(Enregistrer_Image);
    controls->addWidget(Imprimer);
    layout->addLayout(controls);

    Graphiques = named(new QTabWidget, "Graphiques");
    for (const ChartPage& page : chartPages()) {
        auto* view = named(new ChartView, page.view);
        Graphiques->addTab(view, page.tab);
        views << view;
    }
    layout->addWidget(Graphiques, 1);

    Label_Dates = named(new QLabel, "Label_Dates");
    Label_Dates->setWordWrap(true);
    const int undated = stats.undated();
    Label_Dates->setText(undated == 1
                             ? QStringLiteral("1 QSO dont la date est illisible n'est compté ni par mois ni par année.")
                             : QStringLiteral("%1 QSO dont la date est illisible ne sont comptés ni par mois ni par année.")
                                   .arg(undated));
    Label_Dates->setVisible(undated > 0);
    layout->addWidget(Label_Dates);

    connect(Groupe_Bandes, &QComboBox::currentIndexChanged, this, &Statistiques::drawCharts);
    connect(Enregistrer_Image, &QPushButton::clicked, this, &Statistiques::saveImage);
    connect(Imprimer, &QPushButton::clicked, this, &Statistiques::print);
}

void Statistiques::drawCharts()
{
    const GroupChoice group = groupAt(Groupe_Bandes->currentIndex());
    for (int i = 0; i < views.size(); ++i)
        views[i]->setChart(chartPages()[i].build(stats, group));
}

ChartView* Statistiques::shownChart() const { return views.value(Graphiques->currentIndex()); }

void Statistiques::saveImage()
{
    const ChartPage& page = chartPages()[Graphiques->currentIndex()];
    const QString proposed = QDir(ctx.dataDir).filePath(QStringLiteral("%1_Statistiques_%2_%3.png")
                                                            .arg(ctx.Indicatif_Station, page.fileTag,
                                                                 dateStamp(ctx.clock->now().toUTC().date())));
    QString target = ctx.fileDialogs->saveFileName(QStringLiteral("Enregistrer l'image"), proposed,
                                                   QStringLiteral("Images PNG (*.png)"));
    if (target.isEmpty())
        return;
    if (QFileInfo(target).suffix().compare(QLatin1String("png"), Qt::CaseInsensitive) != 0)
        target += QStringLiteral(".png");
    const Result written = writeFileAtomically(target, target + QStringLiteral(".part"), shownPng(1.0));
    if (!written.ok) {
        ctx.messages->info(QStringLiteral("L'image n'a pas été enregistrée.\r\n") + written.text());
        return;
    }
    ctx.messages->info(QStringLiteral("Image enregistrée sous le nom : ") + QDir::toNativeSeparators(target));
}

void Statistiques::print()
{
    if (!ctx.printer->choosePrinter())
        return;
    PrintJob job;
    job.pointSize = 11;
    job.lines << QStringLiteral("KOR_DFCF  %1  %2").arg(ctx.Indicatif_Station, shortDateFr(ctx.clock->now().toUTC().date()))
              << QString();
    job.image = shownPng(3.0);
    const Result printed = ctx.printer->print(job);
    if (!printed.ok)
        ctx.messages->info(printed.text());
}

QByteArray Statistiques::shownPng(qreal scale) const
{
    const ChartView* view = shownChart();
    return chartPng(view->chart(), view->size(), view->font(), scale);
}
