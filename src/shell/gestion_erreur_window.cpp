#include "shell/gestion_erreur_window.h"
#include "logbook/station.h"
#include "platform/messages.h"
#include "platform/settings.h"
#include "logbook/app_context.h"
#include "logbook/station_setup.h"
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* namedLabel(const char* name, const QString& text)
{
    auto* label = new QLabel(text);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

} // namespace

Gestion_Erreur::Gestion_Erreur(AppContext& context, const QString& station, QWidget* parent)
    : QDialog(parent), ctx(context), callsign(station)
{
    setObjectName(QStringLiteral("Gestion_Erreur"));
    setWindowTitle(QStringLiteral("Form1"));
    setModal(true);
    buildControls();
    connect(Initialisation, &QPushButton::clicked, this, &Gestion_Erreur::initialise);
    connect(Quitter, &QPushButton::clicked, this, [this] { done(QuitRequested); });
}

void Gestion_Erreur::buildControls()
{
    auto* layout = new QVBoxLayout(this);
    auto* Frame1 = new QGroupBox;
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* titleLayout = new QVBoxLayout(Frame1);
    QLabel* Label2 = namedLabel("Label2", QStringLiteral("ERREUR 53"));
    Label2->setAlignment(Qt::AlignCenter);
    QFont title = Label2->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.6);
    Label2->setFont(title);
    titleLayout->addWidget(Label2);
    layout->addWidget(Frame1);

    auto* Frame2 = new QGroupBox;
    Frame2->setObjectName(QStringLiteral("Frame2"));
    auto* text = new QVBoxLayout(Frame2);
    auto* station = new QHBoxLayout;
    station->setSpacing(0);
    station->addWidget(namedLabel("Label3", QStringLiteral("KOR_DFCF a trouvé dans la base de registre l'indicatif  : ")));
    Ind_Station = namedLabel("Ind_Station", callsign);
    station->addWidget(Ind_Station);
    station->addStretch();
    text->addLayout(station);
    text->addWidget(namedLabel("Label6", QStringLiteral("Il n'a par contre pas trouvé dans son répértoire le fichier :")));
    // The two halves side by side read as the missing file's name.
    auto* fileName = new QHBoxLayout;
    fileName->setSpacing(0);
    Ind_Station1 = namedLabel("Ind_Station1", callsign);
    Err_Departement = namedLabel("Err_Departement", QString());
    fileName->addWidget(Ind_Station1);
    fileName->addWidget(Err_Departement);
    fileName->addStretch();
    text->addLayout(fileName);
    QFont bold = Ind_Station->font();
    bold.setBold(true);
    for (QLabel* label : {Ind_Station, Ind_Station1, Err_Departement})
        label->setFont(bold);
    text->addSpacing(8);
    text->addWidget(namedLabel("Label7",
                               QStringLiteral("Pour remèdier à cet état, cliquez sur \"Initialiser\" puis sur \"Quitter\"")));
    text->addWidget(namedLabel("Label9",
                               QStringLiteral("une boite de dialogue vous demandera alors de spécifier votre indicatif")));
    text->addWidget(namedLabel("Label1", QStringLiteral("Relancez KOR_DFCF ")));
    layout->addWidget(Frame2);

    auto* buttons = new QHBoxLayout;
    Initialisation = new QPushButton(QStringLiteral("Initialiser"));
    Initialisation->setObjectName(QStringLiteral("Initialisation"));
    Quitter = new QPushButton(QStringLiteral("Quitter"));
    Quitter->setObjectName(QStringLiteral("Quitter"));
    Initialisation->setAutoDefault(false);
    Quitter->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(Initialisation);
    buttons->addWidget(Quitter);
    buttons->addStretch();
    layout->addLayout(buttons);
}

void Gestion_Erreur::initialise()
{
    ctx.settings->write(Keys::commonSection, Keys::IndicatifStation, callsign);
    const Result created = createMissingLog(ctx.dataDir, callsign);
    if (!created)
        ctx.messages->info(created.text());
}
