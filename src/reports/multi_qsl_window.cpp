#include "reports/multi_qsl_window.h"
#include "widgets/named_widget.h"
#include "logbook/station.h"
#include "platform/messages.h"
#include "reports/report_file.h"
#include "logbook/app_context.h"
#include "logbook/log_session.h"
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

Multi_QSL::Multi_QSL(AppContext& context, LogSession& logSession, QWidget* parent)
    : QWidget(parent, Qt::Window), ctx(context), session(logSession)
{
    setObjectName(QStringLiteral("Multi_QSL"));
    setWindowTitle(QStringLiteral("QSL non reçues"));
    buildControls();
    Indicatif->setFocus();
}

void Multi_QSL::buildControls()
{
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QHBoxLayout;
    Indicatif = named(new QLineEdit, "Indicatif");
    Indicatif->installEventFilter(this);
    Recherche = named(new QPushButton(QStringLiteral("ICI")), "Recherche");
    prompt->addWidget(named(new QLabel(QStringLiteral("QSL's non reçues de")), "Label3"));
    prompt->addWidget(Indicatif);
    prompt->addWidget(named(new QLabel(QStringLiteral("Cliquez")), "Label6"));
    prompt->addWidget(Recherche);
    prompt->addWidget(named(new QLabel(QStringLiteral("pour les afficher")), "Label1"));
    prompt->addStretch();
    layout->addLayout(prompt);

    Label2 = named(new QLabel(QStringLiteral("QSL's non reçues")), "Label2");
    QFont bold = Label2->font();
    bold.setBold(true);
    Label2->setFont(bold);
    layout->addWidget(Label2);

    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    Liste_QSO = named(new QListWidget, "Liste_QSO");
    Liste_QSO->setFont(fixed);
    const QFontMetrics metrics(fixed);
    Liste_QSO->setMinimumSize(metrics.horizontalAdvance(QString(96, QLatin1Char('0'))), metrics.lineSpacing() * 18);
    layout->addWidget(Liste_QSO, 1);

    Imprimer = named(new QPushButton(QStringLiteral("Imprimer le dos d'une QSL avec la liste des QSO's cochés")), "Imprimer");
    layout->addWidget(Imprimer);

    connect(Recherche, &QPushButton::clicked, this, &Multi_QSL::Recherche_Non_Recues);
    connect(Imprimer, &QPushButton::clicked, this, &Multi_QSL::print);
}

bool Multi_QSL::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Indicatif && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            Recherche_Non_Recues();
            Recherche->setFocus();
            return true;
        }
        const QString text = key->text();
        if (text.size() == 1 && text[0] >= QLatin1Char('a') && text[0] <= QLatin1Char('z')) {
            Indicatif->insert(text.toUpper());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Multi_QSL::Recherche_Non_Recues()
{
    const UnconfirmedListing listing = ::Recherche_Non_Recues(*session.model(), Indicatif->text());
    if (!listing.message.isEmpty()) {
        ctx.messages->info(listing.message);
        return;
    }
    Label2->setText(listing.caption);
    Liste_QSO->clear();
    listedFor = Indicatif->text();
    listed = listing.qsos;
    for (const UnconfirmedQso& qso : listed) {
        auto* item = new QListWidgetItem(qso.text, Liste_QSO);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
}

void Multi_QSL::print()
{
    QStringList ticked;
    for (int i = 0; i < Liste_QSO->count() && i < listed.size(); ++i)
        if (Liste_QSO->item(i)->checkState() == Qt::Checked)
            ticked << listed[i].logLine;
    // A card with nothing ticked would be a blank page.
    if (ticked.isEmpty()) {
        ctx.messages->info(noQsoToPrintMessage());
        return;
    }
    const QStringList lines = qslCardLines(listedFor, displayedCallsign(ctx.Indicatif_Station), ticked);
    const PrintReport printed = printReport(*ctx.printer, lines, qslCardStarts(lines));
    if (printed.outcome == PrintOutcome::Failed)
        ctx.messages->info(printed.result.text());
}
