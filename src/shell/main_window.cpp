#include "shell/main_window.h"
#include "entry/saisie_widget.h"
#include "logbook/backup.h"
#include "logbook/dates.h"
#include "logbook/log_check.h"
#include "logbook/list_row.h"
#include "logbook/log_list_model.h"
#include "logbook/log_session.h"
#include "logbook/log_store.h"
#include "logbook/station_settings.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/settings.h"
#include "widgets/column_header_widget.h"
#include "widgets/single_window.h"
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString tooltipList = QStringLiteral("Un click sur un QSO pour l'afficher ou le supprimer, un double click pour l'editer");

QLabel* namedLabel(const char* name, const QString& text = {})
{
    auto* label = new QLabel(text);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QPushButton* namedButton(const char* name, const QString& text)
{
    auto* button = new QPushButton(text);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

Main::Main(AppContext& context, QWidget* parent) : QMainWindow(parent), ctx(context)
{
    setObjectName(QStringLiteral("Main"));
    logSession = new LogSession(ctx.dataDir, ctx.clock, this);
    model = logSession->model();
    // A change made through the session is the log read again, for the
    // windows that follow it; a full read says so itself (Charge_Log).
    connect(logSession, &LogSession::changed, this, [this](const LogChange& change) {
        if (change.kind == LogChange::Kind::Loaded)
            return;
        if (change.kind != LogChange::Kind::Reloaded) {
            emit logReloaded();
            return;
        }
        // A window had the whole log rewritten: the list shows it from its
        // last line, and the entry starts again.
        if (showLog(*logSession))
            selectLastLine();
        Init_Saisie();
    });
    buildControls();
    buildMenus();
    wireStation();
    wireAwards();
    wireMaps();
    wireCastles();
    wireSearch();
    wireEntry();
    wireAdifExport();
    wireAdifImport();
    wireStatistics();
    wireSettings();
    wireRig();
    wireCluster();
    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &Main::tick);
}

Main::~Main() = default;

void Main::buildControls()
{
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);

    auto* top = new QHBoxLayout;
    top->addWidget(namedLabel("Label2", QStringLiteral("INDICATIF DE LA STATION  : ")));
    I_Station = namedLabel("I_Station");
    QFont bold = I_Station->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    I_Station->setFont(bold);
    top->addWidget(I_Station);
    top->addStretch();
    Label33 = namedLabel("Label33");
    Label37 = namedLabel("Label37");
    Label34 = namedLabel("Label34");
    for (QLabel* clock : {Label33, Label37, Label34}) {
        clock->setFont(bold);
        top->addWidget(clock);
        top->addSpacing(12);
    }
    layout->addLayout(top);

    Frame3 = new SaisieFrame(ctx, *logSession);
    layout->addWidget(Frame3);

    auto* buttons = new QHBoxLayout;
    Annule_Saisie = namedButton("Annule_Saisie", QStringLiteral("Supprimer un QSO"));
    Annule_Saisie->setToolTip(QStringLiteral("Permet d'annuler la saisie d'un Code Postal contacté"));
    Ajout_QSO = namedButton("Ajout_QSO", QStringLiteral("Inserer un QSO"));
    Rechercher = namedButton("Rechercher", QStringLiteral("Rechercher un QSO"));
    Command1 = namedButton("Command1", QStringLiteral("Liste des DFCF"));
    for (QPushButton* button : {Annule_Saisie, Ajout_QSO, Rechercher, Command1})
        buttons->addWidget(button);
    buttons->addStretch();
    layout->addLayout(buttons);

    auto* L_Communes = new QGroupBox;
    L_Communes->setObjectName(QStringLiteral("L_Communes"));
    L_Communes->setToolTip(tooltipList);
    auto* listLayout = new QVBoxLayout(L_Communes);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    // Over the list's columns: N°, Indicatif, Dpt, Prenom, Ref, Date, QTR,
    // Mode, QRG, RSTR RSTE, castle name, QSL.
    Label_Liste_DFCF = new ColumnHeader(listHeader(), {4, 8, 22, 27, 43, 50, 60, 67, 72, 81, 97, 121});
    Label_Liste_DFCF->setObjectName(QStringLiteral("Label_Liste_DFCF"));
    Label_Liste_DFCF->setFont(fixed);
    Liste_DFCF = new QListView;
    Liste_DFCF->setObjectName(QStringLiteral("Liste_DFCF"));
    Liste_DFCF->setFont(fixed);
    Liste_DFCF->setToolTip(tooltipList);
    Liste_DFCF->setUniformItemSizes(true);
    Liste_DFCF->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Liste_DFCF->setSelectionMode(QAbstractItemView::SingleSelection);
    Liste_DFCF->setModel(model);
    // The rows start inside the list's frame and item margin.
    Label_Liste_DFCF->setContentsMargins(Liste_DFCF->frameWidth() + 3, 0, 0, 0);
    listLayout->addWidget(Label_Liste_DFCF);
    listLayout->addWidget(Liste_DFCF);
    layout->addWidget(L_Communes, 1);

    // On a small screen or at a large scale the window still fits the
    // screen: what does not fit scrolls.
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("Defilement"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(central);
    setCentralWidget(scroll);
}

void Main::buildMenus()
{
    const auto item = [this](QMenu* menu, QAction*& action, const char* name, const QString& caption) {
        action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
    };
    const auto menu = [this](const char* name, const QString& caption) {
        QMenu* m = menuBar()->addMenu(caption);
        m->setObjectName(QString::fromLatin1(name));
        return m;
    };
    QMenu* fichier = menu("Mnu_Fichier", QStringLiteral("Fichier"));
    item(fichier, Mnu_Quitter, "Mnu_Quitter", QStringLiteral("Quitter KOR DFCF"));
    item(fichier, Mnu_ADIF, "Mnu_ADIF", QStringLiteral("Exporter le log au format ADIF"));
    item(fichier, Mnu_ADIF_Standard, "Mnu_ADIF_Standard",
         QStringLiteral("Exporter le log pour un autre logiciel (ADIF standard)"));
    item(fichier, Mnu_Import_ADIF, "Mnu_Import_ADIF", QStringLiteral("Importer un fichier ADIF"));
    QMenu* date = menu("Mnu_Date", QStringLiteral("Date"));
    item(date, Mnu_Date_Auto, "Mnu_Date_Auto", QStringLiteral("Automatique"));
    item(date, Mnu_Date_Man, "Mnu_Date_Man", QStringLiteral("Manuelle"));
    Mnu_Date_Auto->setCheckable(true);
    Mnu_Date_Man->setCheckable(true);
    QMenu* station = menu("Mnu_Station", QStringLiteral("Station"));
    item(station, Mnu_New_Indicatif, "Mnu_New_Indicatif", QStringLiteral("Nouvel indicatif"));
    QMenu* affichage = menu("Mnu_Affichage", QStringLiteral("Liste"));
    item(affichage, Mnu_C_Contacte, "Mnu_C_Contacte", QStringLiteral("des châteaux contactés"));
    QMenu* carte = menu("Mnu_Carte", QStringLiteral("Carte"));
    item(carte, Mnu_Carte_HB, "Mnu_Carte_HB", QStringLiteral("des départements contactés"));
    QMenu* scores = menu("Mnu_Scores", QStringLiteral("Scores"));
    item(scores, Mnu_Score, "Mnu_Score", QStringLiteral("Scores"));
    item(scores, Mnu_Statistiques, "Mnu_Statistiques", QStringLiteral("Statistiques"));
    QMenu* outils = menu("Mnu_Outils", QStringLiteral("Outils"));
    item(outils, Mnu_Maj_Liste_DFCF, "Mnu_Maj_Liste_DFCF", QStringLiteral("Mise à jour des références DFCF"));
    item(outils, Mnu_Maj_Nom_DFCF, "Mnu_Maj_Nom_DFCF", QStringLiteral("Mise à jour du nom des chateaux du log DFCF"));
    outils->addSeparator();
    item(outils, Mnu_Parametres, "Mnu_Parametres", QStringLiteral("Paramètres"));
    item(outils, Mnu_Poste_Radio, "Mnu_Poste_Radio", QStringLiteral("Poste radio"));
    item(outils, Mnu_Spots, "Mnu_Spots", QStringLiteral("Spots DFCF"));
    QMenu* diplomes = menu("Mnu_Diplomes", QStringLiteral("Diplomes"));
    item(diplomes, Mnu_DFCF_HF, "Mnu_DFCF_HF", QStringLiteral("DFCF bande HF"));
    item(diplomes, Mnu_DFCF_VHF, "Mnu_DFCF_VHF", QStringLiteral("DFCF bande VHF"));
    item(diplomes, Mnu_DFCF_UHF, "Mnu_DFCF_UHF", QStringLiteral("DFCF bande UHF"));
    Mnu_Non_Recue = menuBar()->addAction(QStringLiteral("QSL's non reçues"));
    Mnu_Non_Recue->setObjectName(QStringLiteral("Mnu_Non_Recue"));
    Mnu_Cluster = menuBar()->addAction(QStringLiteral("Afficher Cluster"));
    Mnu_Cluster->setObjectName(QStringLiteral("Mnu_Cluster"));
    QMenu* aide = menu("Mnu_Aide", QStringLiteral("Aide"));
    item(aide, Mnu_Apropos, "Mnu_Apropos", QStringLiteral("A propos"));
    item(aide, Mnu_Reglement, "Mnu_Reglement", QStringLiteral("Reglement"));
    item(aide, Mnu_Historique, "Mnu_Historique", QStringLiteral("Historique"));

    connect(Mnu_Quitter, &QAction::triggered, qApp, &QApplication::closeAllWindows);
    connect(Mnu_Quitter, &QAction::triggered, qApp, &QApplication::quit);
    connect(Mnu_Apropos, &QAction::triggered, this, &Main::showAbout);
    connect(Mnu_Historique, &QAction::triggered, this, &Main::showHistory);
}

void Main::load()
{
    // The screen less room for the title bar and task bar: a larger screen
    // shows more of the log. Wider than the list's rows would only add blank.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->availableGeometry().size() - QSize(20, 60) : QSize(1260, 740);
    resize(room.boundedTo(QSize(1680, 1400)));
    centreOnScreen(this);
    ctx.Indicatif_Station = storedStation(*ctx.settings);
    showStation();
    const std::optional<bool> dateAuto = StationSettings(*ctx.settings, ctx.Indicatif_Station).dateAuto();
    Mnu_Date_Auto->setChecked(dateAuto == true);
    Mnu_Date_Man->setChecked(dateAuto == false);
    ctx.settings->write(Keys::commonSection, Keys::CheminRepertoire, ctx.dataDir);
    tick();
    Timer1->start();
    if (ctx.Indicatif_Station == noStation)
        firstInstallation();
    if (ctx.Indicatif_Station == noStation)
        setLogActionsEnabled(false);
    Frame3->Modification_En_Cours = false;
    show();
    setWindowTitle(QStringLiteral("  KOR_DFCF    Revision ") + Revision_Programme);
    bool loaded = true;
    if (ctx.Indicatif_Station != noStation)
        loaded = Charge_Log();
    if (!loaded)
        return;
    selectLastLine();
    ctx.settings->write(ctx.stationSection(), Keys::Revision, Revision_Programme);
    Init_Saisie();
}

void Main::showStation()
{
    I_Station->setText(displayedCallsign(ctx.Indicatif_Station));
    const StationSettings station(*ctx.settings, ctx.Indicatif_Station);
    Frame3->Bande_A->setCurrentIndex(station.bandIndex(Frame3->Bande_A->count()));
    Frame3->Mode_A->setCurrentIndex(station.modeIndex(Frame3->Mode_A->count()));
}

bool Main::Charge_Log()
{
    logSession->open(ctx.Indicatif_Station);
    return showLog(*logSession);
}

bool Main::showLog(const LogSession& session)
{
    const LogSession::Opened& log = session.lastOpened();
    if (!log) {
        Frame3->setEnabled(false);
        setLogActionsEnabled(false);
        if (log.status == ReadStatus::NotFound)
            recoverMissingLog();
        else
            ctx.messages->info(QStringLiteral("Impossible de lire le log %1.\r\n%2").arg(logFileName(ctx.Indicatif_Station), log.error));
        return false;
    }
    if (const QString notice = nonQsoLines.notice(session.path(), session.lines()); !notice.isEmpty())
        ctx.messages->info(notice);
    if (const QString warning = takeBackupWarning(); !warning.isEmpty())
        ctx.messages->info(warning);
    Frame3->setEnabled(true);
    Frame3->Ind_A->setEnabled(true);
    setLogActionsEnabled(true);
    emit logReloaded();
    return true;
}

void Main::selectLastLine() { selectRow(model->rowCount() - 1); }

void Main::selectRow(int row)
{
    if (row < 0 || row >= model->rowCount()) {
        Liste_DFCF->clearSelection();
        return;
    }
    const QModelIndex index = model->index(row);
    Liste_DFCF->setCurrentIndex(index);
    Liste_DFCF->scrollTo(index);
    emit rowSelected(row);
}

void Main::Init_Saisie() { Frame3->Init_Saisie(); }

void Main::tick()
{
    const QDateTime now = ctx.clock->now();
    Label37->setText(Heure_UTC(now).left(5) + QStringLiteral(" Utc"));
    Label34->setText(Heure_Locale(now).left(5) + QStringLiteral(" Loc"));
    Label33->setText(Date_UTC(now));
}

void Main::showAbout()
{
    ctx.messages->info(QStringLiteral("KOR_DFCF  Révision ") + Revision_Programme + QStringLiteral("\r\n\r\n")
                       + QStringLiteral("Carnet de trafic du diplôme des châteaux de France (DFCF)."));
}

void Main::showHistory() { ctx.messages->info(Texte_Historique()); }
