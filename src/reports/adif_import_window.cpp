#include "reports/adif_import_window.h"
#include "castles/castle_list.h"
#include "logbook/log_store.h"
#include "platform/messages.h"
#include "platform/worker_thread.h"
#include "logbook/app_context.h"
#include "logbook/log_session.h"
#include "widgets/named_widget.h"
#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

// What the window and its thread share; the thread alone touches it while the window is busy.
struct Import_ADIF::Work {
    ImportProgress progress;
    ImportPreview preview;
    ImportDone done;
};

namespace {

// Says how the import went; false when the window has to stay open.
bool reportImport(Messages& messages, LogSession& session, const QString& callsign, const ImportDone& done)
{
    if (done.cancelled)
        return true;
    if (!done.result) {
        messages.info(done.result.text());
        return false;
    }
    if (done.imported > 0)
        session.reload(callsign);
    if (done.imported == 0) // the log changed since the preview and now holds them all
        messages.info(QStringLiteral("Aucun QSO n'a été importé : le log les contient déjà."));
    else if (done.imported == 1)
        messages.info(QStringLiteral("1 QSO a été importé dans le log."));
    else
        messages.info(QStringLiteral("%1 QSO ont été importés dans le log.").arg(done.imported));
    return true;
}

} // namespace

Import_ADIF::Import_ADIF(AppContext& context, LogSession& logSession, const QString& path, QWidget* parent)
    : QWidget(parent, Qt::Window), ctx(context), session(logSession), work(std::make_shared<Work>())
{
    setObjectName(QStringLiteral("Import_ADIF"));
    setWindowTitle(QStringLiteral("Importer un fichier ADIF"));
    buildControls(QFileInfo(path).fileName());
    setBusy(true, QStringLiteral("Lecture du fichier…"));
    runOnWorker(
        this, [work = work, dataDir = ctx.dataDir, path, store = ctx.logStore()] {
            work->preview = previewAdifFile(dataDir, path, store, &work->progress);
        },
        [this] { previewDone(); });
}

Import_ADIF::~Import_ADIF() { work->progress.cancelled = true; }

void Import_ADIF::buildControls(const QString& fileName)
{
    auto* layout = new QVBoxLayout(this);
    Fichier = named(new QLabel(QStringLiteral("Fichier : %1").arg(fileName)), "Fichier");
    Fichier->setTextFormat(Qt::PlainText);
    layout->addWidget(Fichier);
    Compte = named(new QLabel, "Compte");
    QFont bold = Compte->font();
    bold.setBold(true);
    Compte->setFont(bold);
    layout->addWidget(Compte);
    Liste_Absente = named(new QLabel(castleListMissingMessage()), "Liste_Absente");
    Liste_Absente->setWordWrap(true);
    Liste_Absente->hide();
    layout->addWidget(Liste_Absente);
    Progression = named(new QProgressBar, "Progression");
    layout->addWidget(Progression);
    progressTimer = new QTimer(this);
    progressTimer->setInterval(100);
    connect(progressTimer, &QTimer::timeout, this, [this] { Progression->setValue(work->progress.percent); });

    Liste_Import = named(new QTreeWidget, "Liste_Import");
    Liste_Import->setRootIsDecorated(false);
    Liste_Import->setUniformRowHeights(true);
    Liste_Import->setHeaderLabels({QStringLiteral("N°"), QStringLiteral("Indicatif"), QStringLiteral("Réf."), QStringLiteral("Date"),
                                   QStringLiteral("Heure"), QStringLiteral("Bande"), QStringLiteral("Sort"), QStringLiteral("Raison")});
    Liste_Import->setMinimumSize(1040, 360);
    layout->addWidget(Liste_Import, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    Importer = named(new QPushButton(QStringLiteral("Importer")), "Importer");
    Annuler = named(new QPushButton(QStringLiteral("Annuler")), "Annuler");
    buttons->addWidget(Importer);
    buttons->addWidget(Annuler);
    layout->addLayout(buttons);

    connect(Importer, &QPushButton::clicked, this, &Import_ADIF::import);
    connect(Annuler, &QPushButton::clicked, this, &QWidget::close);
}

void Import_ADIF::setBusy(bool working, const QString& what)
{
    busy = working;
    Progression->setVisible(working);
    Progression->setValue(0);
    if (working) {
        Compte->setText(what);
        Importer->setEnabled(false);
        progressTimer->start();
    } else {
        progressTimer->stop();
    }
}

void Import_ADIF::closeEvent(QCloseEvent* event)
{
    if (!busy) {
        QWidget::closeEvent(event);
        return;
    }
    work->progress.cancelled = true;
    Annuler->setEnabled(false);
    Compte->setText(QStringLiteral("Annulation…"));
    event->ignore();
}

void Import_ADIF::previewDone()
{
    setBusy(false, {});
    const ImportPreview& preview = work->preview;
    if (work->progress.cancelled || preview.scan.cancelled) {
        close();
        return;
    }
    if (!preview.scan.error.isEmpty()) {
        ctx.messages->info(preview.scan.error);
        close();
        return;
    }
    Liste_Absente->setVisible(preview.scan.castleListMissing);
    showScan();
    if (!preview.log) {
        Compte->setText(preview.log.text());
        Importer->setEnabled(false);
    }
}

void Import_ADIF::showScan()
{
    const AdifScan& scan = work->preview.scan;
    const ImportCounts counts = countFates(scan);
    Compte->setText(QStringLiteral("À importer : %1    Déjà dans le log : %2    Château déjà contacté : %3    "
                                   "Refusés : %4    Non DFCF : %5")
                        .arg(counts.toImport)
                        .arg(counts.alreadyInLog)
                        .arg(counts.castleContacted)
                        .arg(counts.refused)
                        .arg(counts.nonDfcf));
    QList<QTreeWidgetItem*> items;
    items.reserve(scan.entries.size());
    for (const ImportEntry& entry : scan.entries) {
        const MappedQso& q = entry.qso;
        auto* item = new QTreeWidgetItem(
            {QString::number(entry.record), q.call, q.ref, q.date, q.time, q.band, fateText(entry.fate), entry.reason});
        item->setToolTip(7, entry.reason); // a long reason is cut by the column
        items << item;
    }
    Liste_Import->clear();
    Liste_Import->addTopLevelItems(items);
    for (int column = 0; column < Liste_Import->columnCount() - 1; ++column)
        Liste_Import->resizeColumnToContents(column);
    if (scan.refusedUnlisted > 0) { // added once the columns are sized, across all of them
        const QString others = QLocale(QLocale::French).toString(scan.refusedUnlisted);
        Liste_Import->addTopLevelItem(new QTreeWidgetItem({QStringLiteral("… et %1 autres").arg(others)}));
        Liste_Import->setFirstColumnSpanned(Liste_Import->topLevelItemCount() - 1, {}, true);
    }
    Importer->setEnabled(counts.toImport > 0);
}

void Import_ADIF::import()
{
    setBusy(true, QStringLiteral("Importation…"));
    Progression->setRange(0, 0); // the import tells no progress
    LogStore store = ctx.logStore();
    // Told to the session, which outlives this window: a log rewritten is always reloaded.
    runOnWorker(
        &session, [work = work, store]() mutable { work->done = importScan(store, work->preview.scan, &work->progress); },
        [self = QPointer(this), &messages = *ctx.messages, &session = session, callsign = ctx.Indicatif_Station, work = work] {
            const bool over = reportImport(messages, session, callsign, work->done);
            if (!self)
                return;
            self->setBusy(false, {});
            self->Progression->setRange(0, 100);
            if (over)
                self->close();
            else
                self->showScan();
        });
}
