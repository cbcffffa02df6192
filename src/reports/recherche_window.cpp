#include "reports/recherche_window.h"
#include "widgets/named_widget.h"
#include "logbook/log_list_model.h"
#include "platform/messages.h"
#include "widgets/column_header_widget.h"
#include "logbook/app_context.h"
#include "logbook/log_session.h"
#include <QButtonGroup>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString header = QStringLiteral(
    "     N°   Indicatif            Dpt   Prenom                   Ref        Date      QTR  Mode   QRG  RSTR RSTE        Mom du Chateau               QSL");

bool isEnter(const QKeyEvent* key) { return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter; }

bool isLowerAscii(const QString& text)
{
    return text.size() == 1 && text[0] >= QLatin1Char('a') && text[0] <= QLatin1Char('z');
}

} // namespace

Recherche_Indicatif::Recherche_Indicatif(AppContext& context, LogSession& logSession, QWidget* parent)
    : QWidget(parent, Qt::Window), ctx(context), session(logSession)
{
    setObjectName(QStringLiteral("Recherche_Indicatif"));
    setWindowTitle(QStringLiteral("Rechercher un QSO"));
    buildControls();
    Option1_1->setChecked(true);
    Indica->clear();
    Indica->setFocus();
}

void Recherche_Indicatif::buildControls()
{
    auto* layout = new QVBoxLayout(this);
    Label3 = named(new QLabel(QStringLiteral("Rechercher un QSO par ...")), "Label3");
    layout->addWidget(Label3);

    Option1 = new QButtonGroup(this);
    Option1->setObjectName(QStringLiteral("Option1"));
    Option1_1 = named(new QRadioButton(QStringLiteral("Indicatif")), "Option1_1");
    Option1_2 = named(new QRadioButton(QStringLiteral("N° DFCF")), "Option1_2");
    Option1_3 = named(new QRadioButton(QStringLiteral("Dpt")), "Option1_3");
    Indica = named(new QLineEdit, "Indica");
    Data = named(new QLineEdit, "Data");
    Depa = named(new QLineEdit, "Depa");
    Command1 = named(new QPushButton(QStringLiteral("Quitter")), "Command1");
    auto* options = new QHBoxLayout;
    int id = 1;
    const QList<QPair<QRadioButton*, QLineEdit*>> pairs = {{Option1_1, Indica}, {Option1_2, Data}, {Option1_3, Depa}};
    for (const auto& [option, box] : pairs) {
        Option1->addButton(option, id++);
        options->addWidget(option);
        options->addWidget(box);
        options->addSpacing(16);
        box->installEventFilter(this);
    }
    options->addStretch();
    options->addWidget(Command1);
    layout->addLayout(options);

    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    // The caption is drawn with each of its words over the row column it names.
    const QList<int> columns = {4, 8, 22, 27, 43, 50, 60, 67, 72, 81, 97, 121};
    auto* columnHeader = named(new ColumnHeader(header, columns), "Label13");
    columnHeader->setFont(fixed);
    columnHeader->setCaption(header, columns);
    Label13 = columnHeader;
    layout->addWidget(Label13);
    QSO_Effectues = named(new QListWidget, "QSO_Effectues");
    QSO_Effectues->setFont(fixed);
    QSO_Effectues->setToolTip(QStringLiteral("Double clique sur le QSO pour retour au log"));
    QSO_Effectues->setUniformItemSizes(true);
    const QFontMetrics metrics(fixed);
    QSO_Effectues->setMinimumSize(metrics.horizontalAdvance(QString(126, QLatin1Char('0'))), metrics.lineSpacing() * 16);
    layout->addWidget(QSO_Effectues, 1);

    connect(Option1, &QButtonGroup::idClicked, this, &Recherche_Indicatif::optionChosen);
    connect(QSO_Effectues, &QListWidget::itemDoubleClicked, this, &Recherche_Indicatif::returnToLog);
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);
}

SearchOption Recherche_Indicatif::selectedOption() const
{
    if (Option1_2->isChecked())
        return SearchOption::Reference;
    if (Option1_3->isChecked())
        return SearchOption::Departement;
    return SearchOption::Indicatif;
}

QLineEdit* Recherche_Indicatif::boxOf(SearchOption option) const
{
    switch (option) {
    case SearchOption::Reference: return Data;
    case SearchOption::Departement: return Depa;
    case SearchOption::Indicatif: break;
    }
    return Indica;
}

void Recherche_Indicatif::optionChosen(int id)
{
    QLineEdit* boxes[] = {Indica, Data, Depa};
    boxes[qBound(1, id, 3) - 1]->setFocus();
}

bool Recherche_Indicatif::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress) {
        QRadioButton* option = box == Indica ? Option1_1 : box == Data ? Option1_2 : Option1_3;
        option->setChecked(true);
    } else if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (isEnter(key)) {
            enterPressed(box);
            return true;
        }
        if (box != Depa && isLowerAscii(key->text())) {
            box->insert(key->text().toUpper());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Recherche_Indicatif::enterPressed(QLineEdit* box)
{
    QString refused;
    if (box == Indica) {
        refused = checkTypedCallsign(Indica->text());
    } else if (box == Data) {
        refused = checkTypedReference(Data->text());
    } else {
        Depa->setText(typedDepartment(Depa->text()));
        refused = checkTypedDepartment(Depa->text());
    }
    if (!refused.isEmpty()) {
        ctx.messages->info(refused);
        return;
    }
    Recherche_QSO();
}

void Recherche_Indicatif::Recherche_QSO()
{
    QSO_Effectues->clear();
    hits.clear();
    const SearchOption option = selectedOption();
    QLineEdit* box = boxOf(option);
    box->setText(withoutLeadingLineBreak(box->text()));
    const SearchOutcome outcome = ::Recherche_QSO(*session.model(), option, box->text());
    hits = outcome.hits;
    for (const SearchHit& hit : hits)
        QSO_Effectues->addItem(hit.text);
    if (!outcome.message.isEmpty())
        ctx.messages->info(outcome.message);
    if (outcome.clearFields) {
        Indica->clear();
        Data->clear();
        Depa->clear();
    }
}

void Recherche_Indicatif::returnToLog(QListWidgetItem* item)
{
    const int index = QSO_Effectues->row(item);
    if (index < 0 || index >= hits.size())
        return;
    const int row = hitRow(*session.model(), hits[index]);
    if (row < 0) {
        ctx.messages->info(qsoGoneMessage());
        return;
    }
    emit rowChosen(row);
    close();
}
