#include "awards/liste_hf_window.h"
#include "widgets/column_header_widget.h"
#include "widgets/named_widget.h"
#include "awards/award_figures.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "reports/report_file.h"
#include "logbook/app_context.h"
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

Liste_HF::Liste_HF(AppContext& context, const QString& groupe, const QString& nom, QWidget* parent)
    : QWidget(parent, Qt::Window), ctx(context)
{
    setObjectName(QStringLiteral("Liste_HF"));
    setWindowTitle(QStringLiteral("Diplôme DFCF bande"));
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);

    auto* layout = new QVBoxLayout(this);
    Label4 = named(new QLabel(QStringLiteral("Chateaux confirmés")), "Label4");
    QFont bold = Label4->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    Label4->setFont(bold);
    Label4->setAlignment(Qt::AlignCenter);
    layout->addWidget(Label4);

    Label2 = named(new ColumnHeader(QString(), {}), "Label2");
    Label2->setFont(fixed);
    layout->addWidget(Label2);
    Liste_DFCF_Contacte = named(new QListWidget, "Liste_DFCF_Contacte");
    // The rows start inside the list's frame and item margin.
    Label2->setContentsMargins(Liste_DFCF_Contacte->frameWidth() + 3, 0, 0, 0);
    Liste_DFCF_Contacte->setFont(fixed);
    Liste_DFCF_Contacte->setUniformItemSizes(true);
    // Wide enough for a department row (the longer of the two) and a scroll bar.
    const int rowWidth = QFontMetrics(fixed).horizontalAdvance(QString(80, QLatin1Char('0')));
    Liste_DFCF_Contacte->setMinimumSize(rowWidth + 40, 420);
    layout->addWidget(Liste_DFCF_Contacte, 1);

    Label3 = named(new QLabel(QStringLiteral("Chateaux confirmés")), "Label3");
    layout->addWidget(Label3);

    auto* buttons = new QHBoxLayout;
    Enregistrer = named(new QPushButton(QStringLiteral("Enregistrer")), "Enregistrer");
    Imprimer = named(new QPushButton(QStringLiteral("Imprimer")), "Imprimer");
    Command1 = named(new QPushButton(QStringLiteral("Quitter")), "Command1");
    Enregistrer->setEnabled(false);
    Imprimer->setEnabled(false);
    buttons->addWidget(Enregistrer);
    buttons->addWidget(Imprimer);
    buttons->addStretch();
    buttons->addWidget(Command1);
    layout->addLayout(buttons);

    connect(Enregistrer, &QPushButton::clicked, this, &Liste_HF::save);
    connect(Imprimer, &QPushButton::clicked, this, &Liste_HF::print);
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);
    load(groupe, nom);
}

void Liste_HF::load(const QString& groupe, const QString& nom)
{
    const FiguresRead read = readAwardFigures(ctx.dataDir, ctx.Indicatif_Station);
    if (!read.result.ok)
        ctx.messages->info(read.result.text());
    static const GroupFigures none;
    const GroupFigures* figures = read.figures.group(groupe);
    list = buildAwardList(figures ? *figures : none, groupe, nom);

    setWindowTitle(list.caption);
    Label4->setText(list.title);
    Label2->setCaption(list.header, list.headerColumns);
    Liste_DFCF_Contacte->clear();
    Liste_DFCF_Contacte->addItems(list.rows);
    Label3->setText(list.count);
    Enregistrer->setEnabled(true);
    Imprimer->setEnabled(true);
}

void Liste_HF::save()
{
    const QDate today = ctx.clock->now().toLocalTime().date();
    const QString fileName = awardFileName(ctx.Indicatif_Station, list, today);
    const Result saved = saveReport(ctx.dataDir, fileName, savedAwardLines(list, ctx.Indicatif_Station, today));
    ctx.messages->info(saved.ok ? savedMessage(fileName) : saved.text());
}

void Liste_HF::print()
{
    const QDate today = ctx.clock->now().toLocalTime().date();
    const PrintReport printed = printReport(*ctx.printer, printedAwardLines(list, ctx.Indicatif_Station, today));
    if (printed.outcome == PrintOutcome::Failed)
        ctx.messages->info(printed.result.text());
}
