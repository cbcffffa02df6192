#include "castles/cluster_window.h"
#include "castles/web_pages.h"
#include "logbook/station.h"
#include "platform/messages.h"
#include "platform/settings.h"
#include "logbook/app_context.h"
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#ifdef DFCF_WEB_VIEW
#include "platform/qt_web_menu.h"
#include <QWebEngineView>
#endif

Cluster::Cluster(AppContext& context, QWidget* parent) : QWidget(parent, Qt::Window), ctx(context)
{
    setObjectName(QStringLiteral("Cluster"));
    const QString server = clusterServer(*ctx.settings);
    setWindowTitle(QStringLiteral("DX Cluster - ") + parseServerAddress(server).url.host());

    auto* Frame1 = new QGroupBox;
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* Label2 = new QLabel(QStringLiteral("Cluster (DxCluster)"));
    Label2->setObjectName(QStringLiteral("Label2"));
    QFont bold = Label2->font();
    bold.setBold(true);
    Label2->setFont(bold);
    auto* Label1 = new QLabel(QStringLiteral("Cluster remis a jour toutes les minutes"));
    Label1->setObjectName(QStringLiteral("Label1"));
    auto* Label3 = new QLabel(QStringLiteral("Bande"));
    Label3->setObjectName(QStringLiteral("Label3"));
    Bande_CL = new QComboBox;
    Bande_CL->setObjectName(QStringLiteral("Bande_CL"));
    for (const ClusterBand& band : clusterBands())
        Bande_CL->addItem(band.entry);
    Afficher = new QPushButton(QStringLiteral("Afficher"));
    Afficher->setObjectName(QStringLiteral("Afficher"));

    auto* bar = new QHBoxLayout(Frame1);
    bar->addWidget(Label2);
    bar->addSpacing(16);
    bar->addWidget(Label1);
    bar->addStretch();
    bar->addWidget(Label3);
    bar->addWidget(Bande_CL);
    bar->addWidget(Afficher);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
#ifdef DFCF_WEB_VIEW
    WebBrowser1 = new QWebEngineView;
    useFrenchWebMenu(WebBrowser1);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    layout->addWidget(WebBrowser1, 1);
#else
    // The page opens in the operator's browser: the window keeps the band choice only.
    layout->addStretch();
#endif

    connect(Afficher, &QPushButton::clicked, this, &Cluster::Afficher_Cluster);
    Bande_CL->setCurrentIndex(clusterBandIndex(ctx.settings->read(ctx.stationSection(), Keys::BandeCluster, QStringLiteral("0"))));
    Afficher_Cluster();
}

void Cluster::Afficher_Cluster()
{
    const int index = Bande_CL->currentIndex();
    ctx.settings->write(ctx.stationSection(), Keys::BandeCluster, QString::number(index));
    shown = pageUrl(clusterServer(*ctx.settings), clusterPath(index));
#ifdef DFCF_WEB_VIEW
    WebBrowser1->load(shown);
#else
    if (const Result opened = openInBrowser(*ctx.browser, shown); !opened)
        ctx.messages->info(opened.text());
#endif
}
