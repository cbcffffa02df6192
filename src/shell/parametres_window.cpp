#include "shell/parametres_window.h"
#include "castles/castle_update.h"
#include "castles/web_pages.h"
#include "logbook/station.h"
#include "platform/http.h"
#include "platform/settings.h"
#include "logbook/app_context.h"
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QLabel* wrappedLabel(const char* name)
{
    auto* label = new QLabel;
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// Shows whether an address can be used, and which one will be.
bool showState(QLabel* state, const QString& typed)
{
    const ServerAddress address = parseServerAddress(typed);
    QPalette palette = state->palette();
    const bool example = address.ok() && isPlaceholderServer(typed);
    palette.setColor(QPalette::WindowText, !address.ok() ? QColor(190, 0, 0) : example ? QColor(160, 80, 0) : QColor(0, 110, 0));
    state->setPalette(palette);
    if (!address.ok())
        state->setText(QStringLiteral("Adresse inutilisable : ") + address.error + QLatin1Char('.'));
    else if (example)
        state->setText(QStringLiteral("Adresse d'exemple : elle ne mène à aucun serveur réel."));
    else
        state->setText(QStringLiteral("Adresse utilisée : ") + address.url.toString());
    return address.ok();
}

} // namespace

Parametres::Parametres(AppContext& context, QWidget* parent) : QDialog(parent), ctx(context)
{
    setObjectName(QStringLiteral("Parametres"));
    setWindowTitle(QStringLiteral("Paramètres"));
    buildControls();
    Serveur_DFCF->setText(ctx.settings->read(Keys::commonSection, ServerKeys::dfcf, defaultDfcfServer));
    Serveur_Cluster->setText(ctx.settings->read(Keys::commonSection, ServerKeys::cluster, defaultClusterServer));
    connect(Serveur_DFCF, &QLineEdit::textChanged, this, &Parametres::check);
    connect(Serveur_Cluster, &QLineEdit::textChanged, this, &Parametres::check);
    connect(Tester, &QPushButton::clicked, this, &Parametres::test);
    connect(Enregistrer, &QPushButton::clicked, this, &Parametres::save);
    connect(Annuler, &QPushButton::clicked, this, &QDialog::reject);
    check();
}

Parametres::~Parametres() = default;

void Parametres::buildControls()
{
    auto* layout = new QVBoxLayout(this);
    Raison = wrappedLabel("Raison");
    QFont bold = Raison->font();
    bold.setBold(true);
    Raison->setFont(bold);
    Raison->hide();
    layout->addWidget(Raison);

    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    const auto server = [&](QLineEdit*& edit, QLabel*& state, const char* name, const char* stateName, const QString& caption) {
        edit = new QLineEdit;
        edit->setObjectName(QString::fromLatin1(name));
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 48);
        state = wrappedLabel(stateName);
        // One line each: a wrapped label would not get its height back as the text changes.
        state->setWordWrap(false);
        auto* field = new QWidget;
        auto* column = new QVBoxLayout(field);
        column->setContentsMargins(0, 0, 0, 0);
        column->addWidget(edit);
        column->addWidget(state);
        form->addRow(caption, field);
    };
    server(Serveur_DFCF, Etat_DFCF, "Serveur_DFCF", "Etat_DFCF", ServerKeys::dfcf);
    server(Serveur_Cluster, Etat_Cluster, "Serveur_Cluster", "Etat_Cluster", ServerKeys::cluster);
    layout->addLayout(form);

    auto* hint = new QLabel(QStringLiteral("Formes acceptées : serveur.exemple.fr, serveur.exemple.fr:8080 ou "
                                           "http://serveur.exemple.fr/dossier"));
    hint->setObjectName(QStringLiteral("Label_Formes"));
    hint->setWordWrap(true);
    layout->addWidget(hint);

    auto* probe = new QHBoxLayout;
    Tester = new QPushButton(QStringLiteral("Tester"));
    Tester->setObjectName(QStringLiteral("Tester"));
    Tester->setToolTip(QStringLiteral("Demande au serveur DFCF la ligne de révision de la liste des châteaux"));
    Resultat_Test = wrappedLabel("Resultat_Test");
    probe->addWidget(Tester, 0, Qt::AlignTop);
    probe->addWidget(Resultat_Test, 1);
    layout->addLayout(probe);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    Enregistrer = new QPushButton(QStringLiteral("Enregistrer"));
    Enregistrer->setObjectName(QStringLiteral("Enregistrer"));
    Enregistrer->setDefault(true);
    Annuler = new QPushButton(QStringLiteral("Annuler"));
    Annuler->setObjectName(QStringLiteral("Annuler"));
    buttons->addWidget(Enregistrer);
    buttons->addWidget(Annuler);
    layout->addStretch();
    layout->addLayout(buttons);
}

void Parametres::setReason(const QString& reason)
{
    Raison->setText(reason);
    Raison->setVisible(!reason.isEmpty());
    adjustSize();
}

void Parametres::check()
{
    const bool dfcf = showState(Etat_DFCF, Serveur_DFCF->text());
    const bool cluster = showState(Etat_Cluster, Serveur_Cluster->text());
    Enregistrer->setEnabled(dfcf && cluster);
    Tester->setEnabled(dfcf && !transfer);
}

void Parametres::test()
{
    const QUrl url = pageUrl(Serveur_DFCF->text(), castleListPath);
    if (!url.isValid() || !ctx.http || transfer)
        return;
    Tester->setEnabled(false);
    Resultat_Test->setText(QStringLiteral("Essai en cours : %1").arg(url.toString()));
    // The answer is dealt with from the event loop, outside the transfer's own signals.
    transfer = ctx.http->get(url, {}, [this](const HttpReply& reply) {
        QTimer::singleShot(0, this, [this, reply] { tested(reply); });
    });
}

void Parametres::tested(const HttpReply& reply)
{
    transfer.reset();
    Resultat_Test->setText(describeListProbe(reply));
    check();
}

void Parametres::save()
{
    const ServerAddress dfcf = parseServerAddress(Serveur_DFCF->text());
    const ServerAddress cluster = parseServerAddress(Serveur_Cluster->text());
    if (!dfcf.ok() || !cluster.ok())
        return;
    ctx.settings->write(Keys::commonSection, ServerKeys::dfcf, dfcf.url.toString());
    ctx.settings->write(Keys::commonSection, ServerKeys::cluster, cluster.url.toString());
    accept();
}
