#include "awards/score_chateaux_window.h"
#include "widgets/named_widget.h"
#include "awards/award_figures.h"
#include "platform/messages.h"
#include "logbook/app_context.h"
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

struct GroupControls {
    const char* frame;
    const char* title;
    QString titleText;
    const char* contactedLabel;
    const char* confirmedLabel;
    const char* departmentsLabel;
    const char* contacted;
    const char* confirmed;
    const char* departments;
};

QLabel* namedLabel(const char* name, const QString& text)
{
    auto* label = new QLabel(text);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QLineEdit* numberBox(const char* name, int value)
{
    auto* box = new QLineEdit(QString::number(value));
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignRight);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12);
    return box;
}

QFrame* groupFrame(const GroupControls& names, const GroupFigures& figures)
{
    auto* frame = new QFrame;
    frame->setObjectName(QString::fromLatin1(names.frame));
    frame->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(frame);
    QLabel* title = namedLabel(names.title, names.titleText);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    grid->addWidget(title, 0, 0, 1, 2, Qt::AlignHCenter);
    grid->addWidget(namedLabel(names.contactedLabel, QStringLiteral("Nombre de Chateaux contactés")), 1, 0);
    grid->addWidget(numberBox(names.contacted, figures.contacted), 1, 1);
    grid->addWidget(namedLabel(names.confirmedLabel, QStringLiteral("Nombre de Chateaux confirmés")), 2, 0);
    grid->addWidget(numberBox(names.confirmed, figures.confirmed), 2, 1);
    grid->addWidget(namedLabel(names.departmentsLabel, QStringLiteral("Nombre de départements confirmés")), 3, 0);
    grid->addWidget(numberBox(names.departments, figures.confirmedDepartments), 3, 1);
    return frame;
}

} // namespace

Score_chateaux::Score_chateaux(AppContext& context, QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Score_chateaux"));
    setWindowTitle(QStringLiteral("Scores"));

    const FiguresRead read = readAwardFigures(context.dataDir, context.Indicatif_Station);
    if (!read.result.ok)
        context.messages->info(read.result.text());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(titleFrame("Frame1", "Label2", QStringLiteral("Scores DFCF")));

    const GroupControls groups[] = {
        {"Frame2", "Label1", QStringLiteral("DFCF HF"), "Label3", "Label4", "Label11", "HF_CT", "HF_CF", "HF_Dpt"},
        {"Frame3", "Label5", QStringLiteral("DFCF VHF"), "Label7", "Label9", "Label12", "VHF_CT", "VHF_CF", "VHF_Dpt"},
        {"Frame4", "Label6", QStringLiteral("DFCF UHF"), "Label8", "Label10", "Label13", "UHF_CT", "UHF_CF", "UHF_Dpt"},
    };
    const GroupFigures* figures[] = {&read.figures.hf, &read.figures.vhf, &read.figures.uhf};
    for (int i = 0; i < 3; ++i)
        layout->addWidget(groupFrame(groups[i], *figures[i]));
}
