#include "awards/aff_contacte_window.h"
#include "widgets/named_widget.h"
#include "logbook/bands.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "reports/report_file.h"
#include "widgets/column_header_widget.h"
#include "logbook/app_context.h"
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

Aff_Contacte::Aff_Contacte(AppContext& context, QWidget* parent) : QWidget(parent, Qt::Window), ctx(context)
{
    setObjectName(QStringLiteral("Aff_Contacte"));
    setWindowTitle(QStringLiteral("Liste alphanumérique des Chateaux contactés"));
    auto* layout = new QVBoxLayout(this);

    auto* Frame1 = named(new QGroupBox, "Frame1");
    auto* counts = new QGridLayout(Frame1);
    Compt_C = named(new QLabel, "Compt_C");
    Label3 = named(new QLabel(QStringLiteral("Chateaux contactés bande")), "Label3");
    Compt_V = named(new QLabel, "Compt_V");
    Label4 = named(new QLabel(QStringLiteral("Chateaux confirmés bande")), "Label4");
    for (QLabel* count : {Compt_C, Compt_V}) {
        count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        count->setMinimumWidth(count->fontMetrics().horizontalAdvance(QStringLiteral("000000")));
    }
    Bande_D = named(new QComboBox, "Bande_D");
    Bande_D->addItems(bandGroups());
    Bande_D->setCurrentIndex(0);
    Afficher = named(new QPushButton(QStringLiteral("Afficher")), "Afficher");
    counts->addWidget(Compt_C, 0, 0);
    counts->addWidget(Label3, 0, 1);
    counts->addWidget(Compt_V, 1, 0);
    counts->addWidget(Label4, 1, 1);
    counts->setColumnStretch(2, 1);
    counts->addWidget(Bande_D, 0, 3);
    counts->addWidget(Afficher, 1, 3);
    layout->addWidget(Frame1);

    auto* Frame2 = named(new QGroupBox, "Frame2");
    auto* listLayout = new QVBoxLayout(Frame2);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    Label2 = named(new ColumnHeader(QStringLiteral(" "), {}), "Label2");
    Label2->setFont(fixed);
    Liste_DFCF_Contacte = named(new QListWidget, "Liste_DFCF_Contacte");
    Liste_DFCF_Contacte->setFont(fixed);
    Liste_DFCF_Contacte->setUniformItemSizes(true);
    Liste_DFCF_Contacte->setStyleSheet(QStringLiteral("QListWidget { background-color: #ffffc0; color: black; }"));
    Liste_DFCF_Contacte->setMinimumSize(QFontMetrics(fixed).horizontalAdvance(QString(70, QLatin1Char('0'))) + 30,
                                        QFontMetrics(fixed).height() * 20);
    // The rows start inside the list's frame and item margin.
    Label2->setContentsMargins(Liste_DFCF_Contacte->frameWidth() + 3, 0, 0, 0);
    listLayout->addWidget(Label2);
    listLayout->addWidget(Liste_DFCF_Contacte, 1);
    layout->addWidget(Frame2, 1);

    auto* buttons = new QHBoxLayout;
    Enregistrer = named(new QPushButton(QStringLiteral("Enregistrer")), "Enregistrer");
    Imprimer = named(new QPushButton(QStringLiteral("Imprimer")), "Imprimer");
    Command1 = named(new QPushButton(QStringLiteral("Quitter")), "Command1");
    Enregistrer->setEnabled(false);
    Imprimer->setEnabled(false);
    for (QPushButton* button : {Enregistrer, Imprimer, Command1})
        buttons->addWidget(button);
    layout->addLayout(buttons);

    connect(Afficher, &QPushButton::clicked, this, &Aff_Contacte::showList);
    connect(Enregistrer, &QPushButton::clicked, this, &Aff_Contacte::save);
    connect(Imprimer, &QPushButton::clicked, this, &Aff_Contacte::print);
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);
}

QDate Aff_Contacte::today() const { return ctx.clock->now().toLocalTime().date(); }

void Aff_Contacte::showList()
{
    Label2->setCaption(contactedHeader(), contactedHeaderColumns());
    const ContactedRead read = readContactedList(ctx.dataDir, ctx.Indicatif_Station, Bande_D->currentText());
    if (!read.result) {
        ctx.messages->info(read.result.text());
        return;
    }
    listed = read.list;
    Liste_DFCF_Contacte->clear();
    Liste_DFCF_Contacte->addItems(listed.rows);
    Compt_C->setText(QString::number(listed.contacts));
    Compt_V->setText(QString::number(listed.confirmed));
    Enregistrer->setEnabled(true);
    Imprimer->setEnabled(true);
}

void Aff_Contacte::save()
{
    const QDate date = today();
    const QString name = contactedFileName(ctx.Indicatif_Station, listed.group, date);
    const Result saved = saveReport(ctx.dataDir, name, contactedFileLines(ctx.Indicatif_Station, listed, date));
    ctx.messages->info(saved ? savedMessage(name) : saved.text());
}

void Aff_Contacte::print()
{
    const PrintReport printed = printReport(*ctx.printer, contactedPrintLines(ctx.Indicatif_Station, listed, today()));
    if (printed.outcome == PrintOutcome::Failed)
        ctx.messages->info(printed.result.text());
}
