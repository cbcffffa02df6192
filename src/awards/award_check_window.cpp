#include "awards/award_check_window.h"
#include "widgets/named_widget.h"
#include "platform/messages.h"
#include "logbook/app_context.h"
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString avecLesQsl = QStringLiteral("avec les QSL des");

QLabel* namedLabel(const char* name, const QString& text = {})
{
    auto* label = new QLabel(text);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QFrame* namedFrame(const char* name)
{
    auto* frame = new QFrame;
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFrameShape(QFrame::StyledPanel);
    return frame;
}

const AwardRule* ruleNamed(const QString& group, const QString& nom)
{
    for (const AwardRule& rule : awardRules(group))
        if (rule.nom == nom)
            return &rule;
    return nullptr;
}

} // namespace

AwardCheckWindow::AwardCheckWindow(AppContext& context, const AwardWindowDesign& design, QWidget* parent)
    : QWidget(parent, Qt::Window), ctx(context), group(design.group)
{
    setWindowTitle(design.caption);
    auto* layout = new QVBoxLayout(this);

    layout->addWidget(titleFrame(design.titleFrame, design.titleLabel, design.title));

    QFrame* blocksFrame = namedFrame(design.blocksFrame);
    auto* blocksLayout = new QVBoxLayout(blocksFrame);
    blocks.reserve(design.blocks.size());
    for (int i = 0; i < design.blocks.size(); ++i) {
        if (i > 0 && i - 1 < design.lines.size()) {
            auto* line = new QFrame;
            line->setObjectName(QString::fromLatin1(design.lines[i - 1]));
            line->setFrameShape(QFrame::HLine);
            line->setFrameShadow(QFrame::Sunken);
            blocksLayout->addWidget(line);
        }
        blocks.append(Block{design.blocks[i]});
        blocksLayout->addWidget(buildBlock(blocks.last()));
    }
    layout->addWidget(blocksFrame);

    const FiguresRead read = readAwardFigures(ctx.dataDir, ctx.Indicatif_Station);
    if (!read.result.ok)
        ctx.messages->info(read.result.text());
    const GroupFigures* figures = read.figures.group(group);
    for (Block& block : blocks)
        if (const AwardRule* rule = ruleNamed(group, block.design.nom))
            fill(block, awardStatus(*rule, *figures));
}

QWidget* AwardCheckWindow::buildBlock(Block& block)
{
    const AwardBlockDesign& design = block.design;
    auto* widget = new QWidget;
    auto* layout = new QVBoxLayout(widget);
    block.status = namedLabel(design.status, design.designCaption);
    QFont bold = block.status->font();
    bold.setBold(true);
    block.status->setFont(bold);
    layout->addWidget(block.status);

    auto* detail = new QHBoxLayout;
    block.manque = namedLabel(design.manque, QStringLiteral("il vous manque "));
    detail->addWidget(block.manque);
    if (design.castleNumber) {
        block.castles = namedLabel(design.castleNumber);
        detail->addWidget(block.castles);
        detail->addWidget(namedLabel(design.castleText, design.castleCaption));
    }
    if (design.departmentNumber) {
        block.departments = namedLabel(design.departmentNumber);
        detail->addWidget(block.departments);
        detail->addWidget(namedLabel(design.departmentText, design.departmentCaption));
    }
    detail->addStretch();
    layout->addLayout(detail);

    block.button = new QPushButton(design.buttonCaption);
    block.button->setObjectName(QString::fromLatin1(design.button));
    block.button->setEnabled(false);
    const QString nom = design.nom;
    connect(block.button, &QPushButton::clicked, this, [this, nom] { requestList(nom); });
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(block.button);
    buttonRow->addStretch();
    layout->addLayout(buttonRow);
    return widget;
}

void AwardCheckWindow::fill(Block& block, const AwardStatus& status)
{
    if (block.castles)
        block.castles->setText(QString::number(status.castles));
    if (block.departments)
        block.departments->setText(QString::number(status.departments));
    if (!status.reached)
        return;
    QPalette palette = block.status->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 128, 0));
    block.status->setPalette(palette);
    block.status->setText(block.design.congratulation);
    block.manque->setText(avecLesQsl);
    block.button->setEnabled(true);
}

void AwardCheckWindow::requestList(const QString& nom)
{
    ctx.Groupe_Diplome = group;
    ctx.Nom_Diplome = nom;
    emit listRequested();
}
