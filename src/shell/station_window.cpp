#include "shell/station_window.h"
#include "platform/messages.h"
#include "platform/text_file.h"
#include "shell/main_window.h"
#include "logbook/station_setup.h"
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

Station::Station(Main& owner) : QDialog(&owner), main(owner)
{
    setObjectName(QStringLiteral("Station"));
    setWindowTitle(QStringLiteral("Selection Indicaif"));
    buildControls();
    New_Indicatif->installEventFilter(this);
    connect(Validation, &QPushButton::clicked, this, &Station::validate);
    // Validated or dismissed, the window is gone: the next opening starts afresh.
    connect(this, &QDialog::finished, this, [this] {
        if (testAttribute(Qt::WA_DeleteOnClose))
            deleteLater();
    });
}

void Station::buildControls()
{
    auto* layout = new QVBoxLayout(this);
    auto* Frame1 = new QGroupBox;
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* titleLayout = new QVBoxLayout(Frame1);
    auto* Label2 = new QLabel(QStringLiteral("Indicatif de la Station"));
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAlignment(Qt::AlignCenter);
    QFont title = Label2->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.3);
    Label2->setFont(title);
    titleLayout->addWidget(Label2);
    layout->addWidget(Frame1);

    auto* Frame2 = new QGroupBox;
    Frame2->setObjectName(QStringLiteral("Frame2"));
    auto* entryLayout = new QVBoxLayout(Frame2);
    auto* line = new QHBoxLayout;
    auto* Label3 = new QLabel(QStringLiteral("Indicatif"));
    Label3->setObjectName(QStringLiteral("Label3"));
    New_Indicatif = new QLineEdit;
    New_Indicatif->setObjectName(QStringLiteral("New_Indicatif"));
    New_Indicatif->setMinimumWidth(New_Indicatif->fontMetrics().horizontalAdvance(QLatin1Char('W')) * 14);
    Label3->setBuddy(New_Indicatif);
    line->addWidget(Label3);
    line->addWidget(New_Indicatif, 1);
    entryLayout->addLayout(line);
    auto* Label5 = new QLabel(QStringLiteral("!!! Pour la saisie la '/' est remplacée par le '_'"));
    Label5->setObjectName(QStringLiteral("Label5"));
    entryLayout->addWidget(Label5);
    Validation = new QPushButton(QStringLiteral("Validez"));
    Validation->setObjectName(QStringLiteral("Validation"));
    entryLayout->addWidget(Validation, 0, Qt::AlignHCenter);
    layout->addWidget(Frame2);
}

bool Station::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != New_Indicatif || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        QPalette palette = New_Indicatif->palette();
        palette.setColor(QPalette::Base, Qt::white);
        New_Indicatif->setPalette(palette);
        Validation->setFocus();
        return true;
    }
    const QString typed = key->text();
    if (typed.size() != 1)
        return false;
    const QChar c = typed.front();
    if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) {
        New_Indicatif->insert(QString(c.toUpper()));
        return true;
    }
    if (c == QLatin1Char('/')) {
        New_Indicatif->insert(QStringLiteral("_"));
        return true;
    }
    return false;
}

void Station::refuse(const QString& message, bool clearEntry)
{
    main.context().messages->info(message);
    if (clearEntry)
        New_Indicatif->clear();
    New_Indicatif->setFocus();
}

void Station::validate()
{
    AppContext& ctx = main.context();
    const QString callsign = upperWindows1252(New_Indicatif->text());
    const CallsignCheck check = checkCallsign(callsign);
    if (!check.refusal.isEmpty()) {
        refuse(check.refusal, check.clearEntry);
        return;
    }
    // The station in force stays so until the new one has a log that can be read.
    const PreparedStation log = prepareStationLog(ctx.dataDir, callsign);
    if (!log.result) {
        refuse(log.result.text());
        return;
    }
    recordStation(*ctx.settings, callsign, log.created);
    ctx.Indicatif_Station = callsign;
    main.showStation();
    if (main.Charge_Log())
        main.selectLastLine();
    // A QSO being typed or edited belonged to the station just left.
    main.Init_Saisie();
    accept();
}
