#include "cluster/spots_dfcf_window.h"
#include "castles/castle_list.h"
#include "cluster/cluster_session.h"
#include "cluster/spot_line.h"
#include "cluster/spots_window_model.h"
#include "platform/cluster_link.h"
#include "platform/messages.h"
#include "logbook/station.h"
#include "platform/settings.h"
#include "logbook/app_context.h"
#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// A burst of needed castles rings once, not once a spot.
constexpr qint64 quietBetweenBeepsMs = 2000;

} // namespace

Spots_DFCF::Spots_DFCF(AppContext& context, ClusterLink* clusterLink, const ContactedCastles& logCastles, QWidget* parent)
    : QWidget(parent, Qt::Window), ctx(context), contacted(logCastles)
{
    setObjectName(QStringLiteral("Spots_DFCF"));
    setWindowTitle(QStringLiteral("Spots DFCF"));
    beep = [] { QApplication::beep(); };
    clusterLink->setParent(this);
    clusterSession = new ClusterSession(clusterLink, this);
    model = new SpotTableModel(this);
    // The castle list is read once: a bare reference in a comment counts only when listed.
    bool listMissing = false;
    auto castles = std::make_shared<CastleTable>(CastleTable::load(ctx.dataDir, &listMissing));
    if (!listMissing)
        listed = [castles](const QString& ref) { return !castles->Nom_Du_DFCF(ref).isEmpty(); };
    buildControls();
    connect(clusterSession, &ClusterSession::stateChanged, this, &Spots_DFCF::showState);
    connect(clusterSession, &ClusterSession::lineReceived, this, &Spots_DFCF::onLine);
    connect(Connecter_CL, &QPushButton::clicked, this, &Spots_DFCF::connectOrDisconnect);
    connect(Bip_CL, &QCheckBox::toggled, this, [this](bool on) {
        ctx.settings->writeYesNo(Keys::stationSection(station), ClusterKeys::Bip, on);
    });
    connect(Liste_Spots, &QTableView::doubleClicked, this, [this](const QModelIndex& index) { chooseSpot(index.row()); });
    loadSetup();
    if (!Noeud_CL->text().isEmpty())
        startSession();
}

Spots_DFCF::~Spots_DFCF() { clusterSession->stop(); }

void Spots_DFCF::buildControls()
{
    auto* Frame_CL = new QGroupBox(QStringLiteral("Nœud du cluster"));
    Frame_CL->setObjectName(QStringLiteral("Frame_CL"));
    Noeud_CL = new QLineEdit;
    Noeud_CL->setObjectName(QStringLiteral("Noeud_CL"));
    Noeud_CL->setPlaceholderText(QStringLiteral("adresse:port"));
    Indicatif_CL = new QLineEdit;
    Indicatif_CL->setObjectName(QStringLiteral("Indicatif_CL"));
    Bip_CL = new QCheckBox(QStringLiteral("Bip pour un château à contacter"));
    Bip_CL->setObjectName(QStringLiteral("Bip_CL"));
    Connecter_CL = new QPushButton(QStringLiteral("Connecter"));
    Connecter_CL->setObjectName(QStringLiteral("Connecter_CL"));
    Etat_CL = new QLabel(QStringLiteral("Déconnecté"));
    Etat_CL->setObjectName(QStringLiteral("Etat_CL"));
    QFont bold = Etat_CL->font();
    bold.setBold(true);
    Etat_CL->setFont(bold);

    auto* grid = new QGridLayout(Frame_CL);
    grid->addWidget(new QLabel(QStringLiteral("Nœud (adresse:port)")), 0, 0);
    grid->addWidget(Noeud_CL, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Indicatif de connexion")), 0, 2);
    grid->addWidget(Indicatif_CL, 0, 3);
    grid->addWidget(Connecter_CL, 0, 4);
    grid->addWidget(Bip_CL, 1, 0, 1, 2);
    grid->addWidget(Etat_CL, 1, 2, 1, 3);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(3, 1);

    Liste_Spots = new QTableView;
    Liste_Spots->setObjectName(QStringLiteral("Liste_Spots"));
    Liste_Spots->setModel(model);
    Liste_Spots->setToolTip(QStringLiteral("Un double clic sur un spot prépare le QSO dans la fenêtre principale"));
    Liste_Spots->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Liste_Spots->setSelectionBehavior(QAbstractItemView::SelectRows);
    Liste_Spots->setSelectionMode(QAbstractItemView::SingleSelection);
    Liste_Spots->verticalHeader()->hide();
    Liste_Spots->verticalHeader()->setDefaultSectionSize(Liste_Spots->fontMetrics().height() + 6);
    QHeaderView* header = Liste_Spots->horizontalHeader();
    header->setStretchLastSection(true);
    const QList<int> widths = {80, 120, 75, 110, 85, 110, 100};
    for (int column = 0; column < widths.size(); ++column)
        header->resizeSection(column, widths[column]);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame_CL);
    layout->addWidget(Liste_Spots, 1);
}

void Spots_DFCF::loadSetup()
{
    station = ctx.Indicatif_Station;
    const ClusterSetup setup = readClusterSetup(*ctx.settings, station);
    Noeud_CL->setText(setup.node);
    Indicatif_CL->setText(setup.login);
    const QSignalBlocker quiet(Bip_CL);
    Bip_CL->setChecked(setup.beep);
}

void Spots_DFCF::connectOrDisconnect()
{
    if (clusterSession->running())
        clusterSession->stop();
    else
        startSession();
}

bool Spots_DFCF::startSession()
{
    const NodeRead node = readNode(Noeud_CL->text());
    QString problem = node.error;
    if (problem.isEmpty())
        problem = checkLogin(Indicatif_CL->text());
    if (!problem.isEmpty()) {
        ctx.messages->info(problem);
        return false;
    }
    Indicatif_CL->setText(Indicatif_CL->text().trimmed().toUpper());
    writeClusterSetup(*ctx.settings, station, {Noeud_CL->text(), Indicatif_CL->text(), Bip_CL->isChecked()});
    clusterSession->start(node.node, Indicatif_CL->text());
    return true;
}

void Spots_DFCF::showState(const QString& text)
{
    Etat_CL->setText(text);
    Connecter_CL->setText(clusterSession->running() ? QStringLiteral("Déconnecter") : QStringLiteral("Connecter"));
}

void Spots_DFCF::onLine(const QByteArray& line)
{
    const std::optional<Spot> spot = readSpotLine(line);
    if (!spot)
        return;
    const MarkedSpot marked = markSpot(*spot, castleReferenceIn(spot->comment, listed), contacted);
    model->add(marked);
    if (marked.mark != SpotMark::Needed || !Bip_CL->isChecked())
        return;
    if (lastBeep.isValid() && lastBeep.elapsed() < quietBetweenBeepsMs)
        return;
    lastBeep.start();
    beep();
}

void Spots_DFCF::refreshLog()
{
    model->remarkAll(contacted);
    if (ctx.Indicatif_Station == station)
        return;
    // Another station: its own node, login and beep.
    const bool wasRunning = clusterSession->running();
    clusterSession->stop();
    loadSetup();
    if (wasRunning && !Noeud_CL->text().isEmpty())
        startSession();
}

void Spots_DFCF::chooseSpot(int row)
{
    if (row < 0 || row >= model->rowCount())
        return;
    const MarkedSpot& chosen = model->spot(row);
    // No band of the log could hold this QSO: neither the entry nor the radio
    // leaves the band the entry shows.
    if (chosen.band.isEmpty()) {
        const QString khz = model->index(row, SpotTableModel::Frequence).data().toString();
        ctx.messages->info(QStringLiteral("Ce spot est hors des bandes du log : %1 kHz. Aucun QSO n'est préparé.").arg(khz));
        return;
    }
    emit tuneRequested(chosen.spot.khz * 1000.0);
    emit entryRequested({chosen.spot.call, chosen.ref.left(2), chosen.ref, chosen.band});
}
