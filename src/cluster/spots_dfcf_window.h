#pragma once
#include "cluster/castle_reference.h"
#include "logbook/castle_contacts.h"
#include <QElapsedTimer>
#include <QWidget>
#include <functional>

struct AppContext;
class ClusterLink;
class ClusterSession;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class SpotTableModel;

// What a chosen spot gives the entry frame.
struct SpotEntry {
    QString call;
    QString dpt;
    QString ref;
    QString band;
};

// "Spots DFCF": the spots of a DX-cluster node, each castle announced marked
// as still to contact, already contacted or out of the award's bands, from
// the log held in memory. The connection lives as long as the window.
class Spots_DFCF : public QWidget {
    Q_OBJECT
public:
    // Takes the link; contacted is the log's castle index, kept up to date by
    // its owner (the log session) for as long as the window lives.
    Spots_DFCF(AppContext& context, ClusterLink* link, const ContactedCastles& contacted, QWidget* parent = nullptr);
    ~Spots_DFCF() override;

    QSize sizeHint() const override { return {1100, 640}; }
    // The log changed (a QSO saved or deleted, another station): marks again.
    void refreshLog();

    ClusterSession* session() const { return clusterSession; }
    SpotTableModel* spots() const { return model; }

    QLineEdit* Noeud_CL = nullptr;
    QLineEdit* Indicatif_CL = nullptr;
    QCheckBox* Bip_CL = nullptr;
    QPushButton* Connecter_CL = nullptr;
    QLabel* Etat_CL = nullptr;
    QTableView* Liste_Spots = nullptr;

    // Rings for a castle still to contact; the tests listen here.
    std::function<void()> beep;

signals:
    // The operator chose a spot: its frequency in hertz, for the radio.
    void tuneRequested(double hz);
    void entryRequested(const SpotEntry& entry);

private:
    void buildControls();
    void loadSetup();
    void connectOrDisconnect();
    bool startSession();
    void showState(const QString& text);
    void onLine(const QByteArray& line);
    void chooseSpot(int row);

    AppContext& ctx;
    ClusterSession* clusterSession;
    SpotTableModel* model;
    const ContactedCastles& contacted;
    CastleListed listed;
    QString station;
    QElapsedTimer lastBeep;
};
