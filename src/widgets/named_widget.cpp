#include "widgets/named_widget.h"
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>

QFrame* titleFrame(const char* frameName, const char* labelName, const QString& title)
{
    auto* frame = named(new QFrame, frameName);
    frame->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QHBoxLayout(frame);
    auto* label = named(new QLabel(title), labelName);
    QFont big = label->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    label->setFont(big);
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
    return frame;
}
