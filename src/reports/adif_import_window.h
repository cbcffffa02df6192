#pragma once
#include "reports/adif_import.h"
#include <QWidget>
#include <memory>

struct AppContext;
class LogSession;
class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;
class QTreeWidget;

// Import_ADIF "Importer un fichier ADIF": what the file would bring, before
// anything is written: the counts, and every DFCF QSO with its fate and the
// reason; "Importer" writes the log once, "Annuler" leaves it alone. The file
// is read and judged on a thread of its own, "Annuler" stopping it.
class Import_ADIF : public QWidget {
    Q_OBJECT
public:
    Import_ADIF(AppContext& context, LogSession& session, const QString& path, QWidget* parent);
    ~Import_ADIF() override;

    // Reading, judging or importing on its thread.
    bool isBusy() const { return busy; }

    QLabel* Fichier = nullptr;
    QLabel* Compte = nullptr;
    QLabel* Liste_Absente = nullptr;
    QProgressBar* Progression = nullptr;
    QTreeWidget* Liste_Import = nullptr;
    QPushButton* Importer = nullptr;
    QPushButton* Annuler = nullptr;

protected:
    // While a thread works, closing asks it to stop and waits for its end.
    void closeEvent(QCloseEvent* event) override;

private:
    struct Work;

    void buildControls(const QString& fileName);
    void setBusy(bool working, const QString& what);
    void previewDone();
    void showScan();
    void import();

    AppContext& ctx;
    LogSession& session;
    std::shared_ptr<Work> work; // shared with the thread, which may outlive the window
    QTimer* progressTimer = nullptr;
    bool busy = false;
};
