#include "entry/saisie_widget.h"
#include "logbook/app_context.h"
#include "logbook/bands.h"
#include "logbook/station.h"
#include "logbook/station_settings.h"
#include "platform/messages.h"
#include "platform/settings.h"
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

const QColor SaisieFrame::activeColour(192, 255, 192);
const QColor SaisieFrame::doneColour(255, 255, 192);

namespace {

const QString firstInstallationText = QStringLiteral("\r\n") + QStringLiteral("         Premiere installation, vous devez entrer votre Indicatif")
    + QStringLiteral("\r\n\r\n") + QStringLiteral("Pour cela dans la barre des menus allez dans Station puis Nouvel Indicatif.");

void paint(QWidget* field, const QColor& colour)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Button, colour);
    palette.setColor(QPalette::Window, colour);
    field->setPalette(palette);
    field->setAutoFillBackground(qobject_cast<QCheckBox*>(field) != nullptr);
}

} // namespace

SaisieFrame::SaisieFrame(AppContext& appContext, LogSession& logSession)
    : QGroupBox(QStringLiteral("Saisie ou modification d'un QSO")), context(appContext), session(logSession)
{
    setObjectName(QStringLiteral("Frame3"));
    buildControls();
    for (QWidget* field : std::initializer_list<QWidget*>{Ind_A, Prenom_A, Dpt_A, Ref_A, Date_A, Heure_A, Mode_A, Bande_A,
                                                          RST_A, RSTE_A, Rem_A, QSL_A, Valide_A, Efface_A})
        field->installEventFilter(this);
    connect(Mode_A, &QComboBox::activated, this, [this] {
        modeChosen = true;
        rememberIndex(Mode_A);
    });
    connect(Bande_A, &QComboBox::activated, this, [this] {
        bandeChosen = true;
        rememberIndex(Bande_A);
    });
    connect(Mode_A->lineEdit(), &QLineEdit::textEdited, this, [this] { modeChosen = true; });
    connect(Bande_A->lineEdit(), &QLineEdit::textEdited, this, [this] { bandeChosen = true; });
    connect(Valide_A, &QPushButton::clicked, this, &SaisieFrame::Valide);
    connect(Efface_A, &QPushButton::clicked, this, &SaisieFrame::Init_Saisie);
}

void SaisieFrame::buildControls()
{
    auto* grid = new QGridLayout(this);
    // Short fields are as wide as their text or caption; the callsign, first
    // name and castle name share what is left.
    const auto field = [&](QWidget* control, const char* name, const char* labelName, const QString& caption, int column,
                           int chars, int stretch = 0) {
        control->setObjectName(QString::fromLatin1(name));
        auto* label = new QLabel(caption);
        label->setObjectName(QString::fromLatin1(labelName));
        label->setBuddy(control);
        const int textWidth = control->fontMetrics().horizontalAdvance(QString(chars, QLatin1Char('0'))) + 14;
        if (qobject_cast<QLineEdit*>(control) && stretch == 0)
            control->setFixedWidth(std::max(textWidth, label->sizeHint().width()));
        else if (qobject_cast<QLineEdit*>(control))
            control->setMinimumWidth(textWidth);
        grid->addWidget(label, 0, column);
        grid->addWidget(control, 1, column);
        grid->setColumnStretch(column, stretch);
    };
    Ind_A = new QLineEdit;
    Dpt_A = new QLineEdit;
    Prenom_A = new QLineEdit;
    Ref_A = new QLineEdit;
    Date_A = new QLineEdit;
    Heure_A = new QLineEdit;
    Mode_A = new QComboBox;
    Bande_A = new QComboBox;
    RST_A = new QLineEdit(QStringLiteral("59"));
    RSTE_A = new QLineEdit(QStringLiteral("59"));
    Rem_A = new QLineEdit(QStringLiteral("C. "));
    QSL_A = new QCheckBox;
    for (QComboBox* combo : {Mode_A, Bande_A}) {
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    }
    field(Ind_A, "Ind_A", "Label8", QStringLiteral("Indicatif"), 0, 8, 2);
    field(Prenom_A, "Prenom_A", "Label6", QStringLiteral("Prénom (optionnel)"), 1, 9, 2);
    field(Dpt_A, "Dpt_A", "Label36", QStringLiteral("Dpt"), 2, 2);
    field(Ref_A, "Ref_A", "Label1", QStringLiteral("Ref Chateau"), 3, 5);
    field(Date_A, "Date_A", "Label5", QStringLiteral("Date"), 4, 8);
    field(Heure_A, "Heure_A", "Label40", QStringLiteral("Heure UTC"), 5, 5);
    field(Mode_A, "Mode_A", "Label16", QStringLiteral("Mode"), 6, 3);
    field(Bande_A, "Bande_A", "Label26", QStringLiteral("Bande"), 7, 7);
    field(RST_A, "RST_A", "Label41", QStringLiteral("RST R"), 8, 3);
    field(RSTE_A, "RSTE_A", "Label9", QStringLiteral("RST E"), 9, 3);
    field(Rem_A, "Rem_A", "Label4", QStringLiteral("Nom du Chateau (optionnel)"), 10, 16, 4);
    field(QSL_A, "QSL_A", "Label3", QStringLiteral("QSL"), 11, 1);

    Mode_A->setMinimumContentsLength(4);
    Mode_A->addItems(modeList());
    Bande_A->addItems(bandLabels());

    Valide_A = new QPushButton(QStringLiteral("Valider le QSO"));
    Valide_A->setObjectName(QStringLiteral("Valide_A"));
    Efface_A = new QPushButton(QStringLiteral("Annuler saisie en cours"));
    Efface_A->setObjectName(QStringLiteral("Efface_A"));
    auto* Label10 = new QLabel(QStringLiteral("Mode de saisie"));
    Label10->setObjectName(QStringLiteral("Label10"));
    Mode_Aff = new QLabel(QStringLiteral("Saisie QSO"));
    Mode_Aff->setObjectName(QStringLiteral("Mode_Aff"));
    QFont bold = Mode_Aff->font();
    bold.setBold(true);
    Mode_Aff->setFont(bold);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Label10);
    buttons->addWidget(Mode_Aff);
    buttons->addStretch();
    buttons->addWidget(Efface_A);
    buttons->addWidget(Valide_A);
    grid->addLayout(buttons, 2, 0, 1, 12);

    // Tab follows the order of entry; the band, set when changing band, last.
    const QList<QWidget*> order = {Ind_A, Prenom_A, Dpt_A, Ref_A, Date_A, Heure_A, Mode_A, RST_A,
                                   RSTE_A, Rem_A, QSL_A, Valide_A, Efface_A, Bande_A};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

AppContext& SaisieFrame::ctx() const { return context; }

bool SaisieFrame::autoDate() const { return host.Mnu_Date_Auto->isChecked(); }

void SaisieFrame::setActive(QWidget* field) { paint(field, activeColour); }

void SaisieFrame::setDone(QWidget* field) { paint(field, doneColour); }

bool SaisieFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || retyping)
        return QGroupBox::eventFilter(watched, event);
    auto* field = qobject_cast<QWidget*>(watched);
    if (!field || !field->isEnabled())
        return QGroupBox::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    // Shift, Tab or an arrow type nothing: only a character (or Enter) calls for the message.
    const bool typesSomething = (!key->text().isEmpty() && key->text()[0].isPrint()) || key->key() == Qt::Key_Return
                                || key->key() == Qt::Key_Enter;
    if (field == Ind_A && ctx().Indicatif_Station == noStation && typesSomething) {
        ctx().messages->info(firstInstallationText);
        return false; // the key itself reaches the field unchanged
    }
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        if (auto* button = qobject_cast<QPushButton*>(field))
            button->click();
        else
            enterPressed(field);
        return true;
    }
    const bool upperCased = field != Dpt_A && field != Ref_A && field != QSL_A && !qobject_cast<QPushButton*>(field);
    const QString text = key->text();
    if (upperCased && text.size() == 1 && text[0] >= QLatin1Char('a') && text[0] <= QLatin1Char('z')) {
        QKeyEvent capital(QEvent::KeyPress, key->key(), key->modifiers(), text.toUpper(), key->isAutoRepeat());
        retyping = true;
        QCoreApplication::sendEvent(field, &capital);
        retyping = false;
        return true;
    }
    return false;
}

void SaisieFrame::settleCombo(QComboBox* combo)
{
    const int item = combo->findText(combo->currentText().trimmed(), Qt::MatchFixedString);
    if (item >= 0) {
        combo->setCurrentIndex(item);
        combo->setEditText(combo->itemText(item));
    }
}

void SaisieFrame::rememberIfChosen(QComboBox* combo)
{
    bool& chosen = combo == Mode_A ? modeChosen : bandeChosen;
    if (chosen)
        rememberIndex(combo);
    chosen = false;
}

void SaisieFrame::rememberIndex(QComboBox* combo)
{
    // A QSO being edited keeps the operator's own band and mode.
    if (Modification_En_Cours || combo->currentIndex() < 0 || combo->currentText() != combo->itemText(combo->currentIndex()))
        return;
    StationSettings station(*ctx().settings, ctx().Indicatif_Station);
    if (combo == Mode_A)
        station.setModeIndex(combo->currentIndex());
    else
        station.setBandIndex(combo->currentIndex());
}

void SaisieFrame::restoreIndexes()
{
    const StationSettings station(*ctx().settings, ctx().Indicatif_Station);
    Mode_A->setCurrentIndex(station.modeIndex(Mode_A->count()));
    Bande_A->setCurrentIndex(station.bandIndex(Bande_A->count()));
}

void SaisieFrame::resetFields(bool keepDate)
{
    Modification_En_Cours = Insertion_En_Cours = Liste_Verrouillee = false;
    modeChosen = bandeChosen = false;
    for (QLineEdit* field : {Dpt_A, Prenom_A, Ref_A, Date_A, Heure_A, RST_A, RSTE_A, Rem_A}) {
        if (field != Date_A || !keepDate)
            field->clear();
        field->setEnabled(false);
        setDone(field);
    }
    RST_A->setText(QStringLiteral("59"));
    RSTE_A->setText(QStringLiteral("59"));
    Rem_A->setText(QStringLiteral("C. "));
    restoreIndexes();
    Mode_A->setEnabled(false);
    setDone(Mode_A);
    setDone(Bande_A);
    QSL_A->setChecked(false);
    QSL_A->setEnabled(false);
    setDone(QSL_A);
    Valide_A->setEnabled(false);
    setDone(Valide_A);
    Mode_Aff->setText(QStringLiteral("Saisie QSO"));
    Ind_A->clear();
    Ind_A->setEnabled(true);
    setActive(Ind_A);
    Ind_A->setFocus();
}

void SaisieFrame::Init_Saisie()
{
    resetFields(false);
    host.Annule_Saisie->setEnabled(false);
}

bool SaisieFrame::entryIdle() const
{
    const auto busy = [](const QComboBox* combo) {
        return combo->view()->isVisible() || (combo->hasFocus() && combo->currentText() != combo->itemText(combo->currentIndex()));
    };
    return isEnabled() && !Modification_En_Cours && !Insertion_En_Cours && !Liste_Verrouillee && Ind_A->text().isEmpty()
        && !Prenom_A->isEnabled() && !busy(Bande_A) && !busy(Mode_A);
}
