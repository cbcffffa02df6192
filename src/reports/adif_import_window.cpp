#include "reports/adif_import_window.h"
#include "castles/castle_list.h"
#include "logbook/log_store.h"
#include "platform/messages.h"
#include "shell/main_window.h"
#include "shell/named_widget.h"
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

Import_ADIF::Import_ADIF(Main& mainWindow, const QString& fileName, AdifScan scanned)
    : QWidget(&mainWindow, Qt::Window), main(mainWindow), scan(std::move(scanned))
{
    setObjectName(QStringLiteral("Import_ADIF"));
    setWindowTitle(QStringLiteral("Importer un fichier ADIF"));
    buildControls(fileName);
    const ImportLog log = readImportLog(main.context().logStore());
    classifyAgainstLog(scan, log.lines);
    showScan();
    if (!log.result) {
        Compte->setText(log.result.text());
        Importer->setEnabled(false);
    }
}

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
    if (scan.castleListMissing) {
        auto* missing = named(new QLabel(castleListMissingMessage()), "Liste_Absente");
        missing->setWordWrap(true);
        layout->addWidget(missing);
    }

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

void Import_ADIF::showScan()
{
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
    Importer->setEnabled(counts.toImport > 0);
}

void Import_ADIF::import()
{
    AppContext& ctx = main.context();
    LogStore store = ctx.logStore();
    const ImportDone done = importScan(store, scan);
    if (!done.result) {
        ctx.messages->info(done.result.text());
        return;
    }
    if (done.imported > 0 && main.Charge_Log())
        main.selectLastLine();
    if (done.imported == 0) // the log changed since the preview and now holds them all
        ctx.messages->info(QStringLiteral("Aucun QSO n'a été importé : le log les contient déjà."));
    else if (done.imported == 1)
        ctx.messages->info(QStringLiteral("1 QSO a été importé dans le log."));
    else
        ctx.messages->info(QStringLiteral("%1 QSO ont été importés dans le log.").arg(done.imported));
    close();
}
