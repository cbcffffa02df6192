#pragma once
#include "logbook/log_check.h"
#include "logbook/app_context.h"
#include <QMainWindow>
#include <QPointer>

class QAction;
class QGroupBox;
class QLabel;
class QListView;
class QPushButton;
class QTimer;
class LogListModel;
class LogSession;
class SaisieFrame;

// The main window: clock, menus, the entry frame and the log list. It lives
// for the whole run; every other window is opened from it.
class Main : public QMainWindow {
    Q_OBJECT
public:
    explicit Main(AppContext& context, QWidget* parent = nullptr);
    ~Main() override;

    // Start-up in the order the program has always followed: lists, station,
    // preferences, first installation, log, entry reset.
    void load();

    // Reads the station's log into Liste_DFCF. False when the log could not be
    // read (the recovery window or a message has then been shown).
    bool Charge_Log();
    void selectLastLine();
    // Everything that reads or changes the log, off while no log is loaded.
    void setLogActionsEnabled(bool enabled);
    void selectRow(int row); // as if the operator clicked the row

    // Shows the station in I_Station and applies its band and mode choices.
    void showStation();
    void Init_Saisie();

    AppContext& context() { return ctx; }
    LogSession& session() { return *logSession; }
    LogListModel* logModel() const { return model; }
    QListView* logList() const { return Liste_DFCF; }
    SaisieFrame* entry() const { return Frame3; }

    // The open instance of a window among the main window's own children, if any.
    template <class W> QPointer<W> openWindow() { return QPointer<W>(findChild<W*>(QString(), Qt::FindDirectChildrenOnly)); }

    // "Paramètres", with the sentence saying why the operator is sent there.
    void openSettings(const QString& reason = {});
    // Whether the web pages of the award's (or the cluster's) server can be
    // asked for; if not, the settings window is opened and says why.
    bool serverReady(bool cluster);

    // Clock labels (Label33 date, Label37 UTC time, Label34 local time).
    QLabel* Label33 = nullptr;
    QLabel* Label37 = nullptr;
    QLabel* Label34 = nullptr;
    QLabel* I_Station = nullptr;

    QAction* Mnu_Quitter = nullptr;
    QAction* Mnu_ADIF = nullptr;
    QAction* Mnu_ADIF_Standard = nullptr;
    QAction* Mnu_Import_ADIF = nullptr;
    QAction* Mnu_Date_Auto = nullptr;
    QAction* Mnu_Date_Man = nullptr;
    QAction* Mnu_New_Indicatif = nullptr;
    QAction* Mnu_C_Contacte = nullptr;
    QAction* Mnu_Carte_HB = nullptr;
    QAction* Mnu_Score = nullptr;
    QAction* Mnu_Statistiques = nullptr;
    QAction* Mnu_Maj_Liste_DFCF = nullptr;
    QAction* Mnu_Maj_Nom_DFCF = nullptr;
    QAction* Mnu_Parametres = nullptr;
    QAction* Mnu_Poste_Radio = nullptr;
    QAction* Mnu_Spots = nullptr;
    QAction* Mnu_DFCF_HF = nullptr;
    QAction* Mnu_DFCF_VHF = nullptr;
    QAction* Mnu_DFCF_UHF = nullptr;
    QAction* Mnu_Non_Recue = nullptr;
    QAction* Mnu_Cluster = nullptr;
    QAction* Mnu_Apropos = nullptr;
    QAction* Mnu_Reglement = nullptr;
    QAction* Mnu_Historique = nullptr;

    QPushButton* Annule_Saisie = nullptr;
    QPushButton* Ajout_QSO = nullptr;
    QPushButton* Rechercher = nullptr;
    QPushButton* Command1 = nullptr;

signals:
    // The log was read again or changed (a QSO saved, another station).
    void logReloaded();
    // A row was selected by the program; it acts as a click on that row.
    void rowSelected(int row);

private:
    void buildControls();
    void buildMenus();
    void tick();
    void showAbout();
    void showHistory();

    // Each subsystem connects its own menu items and buttons to its windows
    // (shell/main_window_station.cpp, shell/main_window_awards.cpp, one file a menu).
    void wireStation();
    void wireAwards();
    void wireMaps();
    void wireCastles();
    void wireSearch();
    void wireEntry(); // main_window_entry.cpp: the list, its buttons, the date menu
    void wireAdifExport();  // main_window_adif_export.cpp
    void wireAdifImport();  // main_window_adif_import.cpp
    void wireStatistics();  // main_window_statistics.cpp
    void wireSettings();    // main_window_settings.cpp: the servers
    void wireRig();         // main_window_rig.cpp
    void wireCluster();     // main_window_cluster.cpp
    // Shows the log the session has just read, or says why it could not.
    bool showLog(const LogSession& session);
    // First installation: the message, then the station window, modally.
    void firstInstallation();
    // The log of the configured station is missing: the recovery window.
    void recoverMissingLog();

    AppContext& ctx;
    LogSession* logSession = nullptr;
    LogListModel* model = nullptr;
    QListView* Liste_DFCF = nullptr;
    QLabel* Label_Liste_DFCF = nullptr;
    SaisieFrame* Frame3 = nullptr;
    QTimer* Timer1 = nullptr;
    bool placeholderDfcfTold = false;
    bool placeholderClusterTold = false;
    NonQsoLinesNotices nonQsoLines;
};
