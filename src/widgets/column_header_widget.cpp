#include "widgets/column_header_widget.h"
#include <QPainter>
#include <QRegularExpression>
#include <QStyle>

ColumnHeader::ColumnHeader(const QString& caption, QList<int> starts, QWidget* parent) : QLabel(parent)
{
    setCaption(caption, std::move(starts));
}

void ColumnHeader::setCaption(const QString& caption, QList<int> starts)
{
    columns = std::move(starts);
    setText(caption);
    // Room for the aligned text, which may be longer than the caption.
    setMinimumWidth(fontMetrics().horizontalAdvance(alignedText()) + 2 * margin());
    update();
}

QString ColumnHeader::alignedText() const
{
    static const QRegularExpression gap(QStringLiteral("\\s{2,}"));
    const QStringList groups = text().trimmed().split(gap, Qt::SkipEmptyParts);
    if (groups.size() != columns.size())
        return text();
    QString line;
    for (int i = 0; i < groups.size(); ++i) {
        const int start = columns[i] - 1;
        if (line.size() < start)
            line = line.leftJustified(start, QLatin1Char(' '));
        else if (!line.isEmpty())
            line += QLatin1Char(' ');
        line += groups[i];
    }
    return line;
}

void ColumnHeader::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(contentsRect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, alignedText());
}
