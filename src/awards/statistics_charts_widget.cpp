#include "awards/statistics_charts_widget.h"
#include <QBuffer>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

constexpr qreal gap = 6;

// Labels wider than the room between two of them: only one in every few is
// written, on round steps (every 2, 3, 6, 12 months...) so they read as a scale.
int labelEvery(qreal room, qreal needed)
{
    for (const int every : {1, 2, 3, 4, 6, 12, 24, 36, 60, 120, 240, 600})
        if (room * every >= needed)
            return every;
    return 1200;
}

class ChartPainter {
public:
    ChartPainter(QPainter& p, const ChartDescription& c, const QFont& f) : painter(p), chart(c), font(f)
    {
        titleFont = font;
        titleFont.setBold(true);
        titleFont.setPointSizeF(font.pointSizeF() * 1.15);
    }

    void draw(QRectF area)
    {
        area.adjust(gap, gap, -gap, -gap);
        drawTitle(area);
        if (chart.legend && !chart.series.isEmpty())
            drawLegend(area);
        layOutPlot(area);
        drawValueAxis();
        if (chart.kind == ChartDescription::Kind::Bars)
            drawBars();
        else
            drawLines();
        drawLimits();
    }

private:
    qreal line() const { return QFontMetricsF(font, painter.device()).height(); }
    qreal width(const QString& text) const { return QFontMetricsF(font, painter.device()).horizontalAdvance(text); }
    qreal y(int value) const { return plot.bottom() - plot.height() * value / chart.scale.top; }
    qreal slot() const { return plot.width() / std::max<qsizetype>(1, chart.categories.size()); }

    void drawTitle(QRectF& area)
    {
        painter.setFont(titleFont);
        painter.setPen(Qt::black);
        const QRectF used = painter.boundingRect(area, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, chart.title);
        painter.drawText(area, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, chart.title);
        area.setTop(used.bottom() + gap);
        painter.setFont(font);
    }

    void drawLegend(QRectF& area)
    {
        const qreal swatch = line() * 1.2;
        qreal total = 0;
        for (const ChartSeries& s : chart.series)
            total += swatch + gap / 2 + width(s.name) + 3 * gap;
        qreal x = area.center().x() - (total - 3 * gap) / 2;
        const qreal top = area.bottom() - line();
        for (const ChartSeries& s : chart.series) {
            const QRectF mark(x, top + line() * 0.25, swatch, line() * 0.5);
            if (chart.kind == ChartDescription::Kind::Lines)
                painter.fillRect(QRectF(mark.left(), mark.center().y() - 1.25, mark.width(), 2.5), chartColour(s.colour));
            else
                painter.fillRect(mark, chartColour(s.colour));
            x += swatch + gap / 2;
            painter.setPen(Qt::black);
            painter.drawText(QRectF(x, top, width(s.name) + 1, line()), Qt::AlignLeft | Qt::AlignVCenter, s.name);
            x += width(s.name) + 3 * gap;
        }
        area.setBottom(top - gap);
    }

    bool upright() const
    {
        if (chart.kind == ChartDescription::Kind::Lines)
            return false;
        qreal widest = 0;
        for (const QString& label : chart.categories)
            widest = std::max(widest, width(label));
        return chart.uprightLabels || widest + gap > slot();
    }

    void layOutPlot(const QRectF& area)
    {
        plot = area;
        plot.setLeft(plot.left() + line() + gap + width(QString::number(chart.scale.top)) + gap);
        // Half a line above the top, for its value written centred on it; a
        // whole one when counts stand over the bars.
        plot.setTop(plot.top() + (chart.valueLabels ? line() : line() / 2));
        namesWidth = 0;
        for (const ChartLimitName& name : chart.limitNames)
            namesWidth = std::max(namesWidth, width(name.text) + 1);
        // Long names wrap rather than squeeze the plot.
        namesWidth = std::min(namesWidth, area.width() * 0.3);
        plot.setRight(plot.right() - (namesWidth > 0 ? namesWidth + gap : gap));
        // The labels' room below depends on the plot's width just set.
        qreal below = line();
        if (upright()) {
            below = 0;
            for (const QString& label : chart.categories)
                below = std::max(below, width(label));
        }
        plot.setBottom(plot.bottom() - below - gap);
    }

    void drawValueAxis()
    {
        painter.setFont(font);
        for (int value = 0; value <= chart.scale.top; value += chart.scale.step) {
            painter.setPen(QPen(value == 0 ? QColor(90, 90, 90) : QColor(225, 225, 225), 1));
            painter.drawLine(QPointF(plot.left(), y(value)), QPointF(plot.right(), y(value)));
            painter.setPen(Qt::black);
            painter.drawText(QRectF(plot.left() - 200 - gap, y(value) - line() / 2, 200, line()),
                             Qt::AlignRight | Qt::AlignVCenter, QString::number(value));
        }
        painter.setPen(QColor(90, 90, 90));
        painter.drawLine(plot.bottomLeft(), plot.topLeft());
        painter.save();
        painter.translate(plot.left() - width(QString::number(chart.scale.top)) - 2 * gap - line(), plot.center().y());
        painter.rotate(-90);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(-plot.height() / 2, 0, plot.height(), line()), Qt::AlignCenter, chart.valueTitle);
        painter.restore();
    }

    // The label of category i centred under x, kept inside the plot's width;
    // returns where it ends on the right.
    qreal drawCategory(int i, qreal x, bool turned)
    {
        const QString& label = chart.categories[i];
        painter.setPen(Qt::black);
        if (turned) {
            painter.save();
            painter.translate(x, plot.bottom() + gap);
            painter.rotate(-90);
            painter.drawText(QRectF(-width(label) - 1, -line() / 2, width(label) + 1, line()),
                             Qt::AlignRight | Qt::AlignVCenter, label);
            painter.restore();
            return x + line() / 2;
        }
        const qreal w = width(label) + 1;
        const qreal left = std::clamp(x - w / 2, plot.left() - gap, plot.right() + gap - w);
        painter.drawText(QRectF(left, plot.bottom() + gap / 2, w, line()), Qt::AlignCenter, label);
        return left + w;
    }

    void drawBars()
    {
        const qreal room = slot();
        const bool turned = upright();
        const int every = labelEvery(room, turned ? line() : 0);
        const int bars = std::max<qsizetype>(1, chart.series.size());
        const qreal barWidth = room * 0.75 / bars;
        for (int i = 0; i < chart.categories.size(); ++i) {
            const qreal left = plot.left() + i * room + room * 0.125;
            for (int s = 0; s < chart.series.size(); ++s) {
                const ChartSeries& series = chart.series[s];
                const int value = series.values.value(i - series.start);
                const QRectF bar(left + s * barWidth, y(value), barWidth, plot.bottom() - y(value));
                painter.fillRect(bar, chartColour(series.colour));
                const QString count = QString::number(value);
                if (chart.valueLabels && width(count) <= room / bars) {
                    painter.setPen(Qt::black);
                    painter.drawText(QRectF(bar.center().x() - room / bars / 2, bar.top() - line(), room / bars, line()),
                                     Qt::AlignHCenter | Qt::AlignBottom, count);
                }
            }
            if (i % every == 0)
                drawCategory(i, plot.left() + (i + 0.5) * room, turned);
        }
    }

    qreal monthX(int i) const
    {
        const qsizetype n = chart.categories.size();
        return n < 2 ? plot.center().x() : plot.left() + plot.width() * i / (n - 1);
    }

    void drawLines()
    {
        const qsizetype n = chart.categories.size();
        const qreal room = n < 2 ? plot.width() : plot.width() / (n - 1);
        const int every = labelEvery(room, width(QStringLiteral("00/0000")) + 2 * gap);
        qreal written = -1e9;
        for (int i = 0; i < n; i += every) {
            painter.setPen(QColor(90, 90, 90));
            painter.drawLine(QPointF(monthX(i), plot.bottom()), QPointF(monthX(i), plot.bottom() + gap / 2));
            // The first and last labels are pulled inside the plot's width: one may now touch its neighbour.
            if (monthX(i) - width(chart.categories[i]) / 2 > written + gap)
                written = drawCategory(i, monthX(i), false);
        }
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        for (const ChartSeries& s : chart.series) {
            const QColor colour = chartColour(s.colour);
            QPainterPath path;
            for (int i = 0; i < s.values.size(); ++i) {
                const QPointF point(monthX(s.start + i), y(s.values[i]));
                i == 0 ? path.moveTo(point) : path.lineTo(point);
            }
            painter.setPen(QPen(colour, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.drawPath(path);
            if (s.values.size() == 1) {
                painter.setBrush(colour);
                painter.drawEllipse(path.currentPosition(), 4, 4);
                painter.setBrush(Qt::NoBrush);
            }
        }
        painter.restore();
    }

    // Dashed lines across the plot, named at its right; a name that would run
    // into the one below it moves up.
    void drawLimits()
    {
        for (const ChartLimit& limit : chart.limits) {
            painter.setPen(QPen(chartColour(limit.colour), 1.5, Qt::DashLine));
            painter.drawLine(QPointF(plot.left(), y(limit.castles)), QPointF(plot.right(), y(limit.castles)));
        }
        painter.setPen(Qt::black);
        const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;
        qreal lowestFree = plot.bottom() + line();
        for (const ChartLimitName& name : chart.limitNames) {
            const qreal height = painter.boundingRect(QRectF(0, 0, namesWidth, 1000), flags, name.text).height();
            const qreal centre = std::min(y(name.castles), lowestFree - height / 2);
            painter.drawText(QRectF(plot.right() + gap, centre - height / 2, namesWidth, height), flags, name.text);
            lowestFree = centre - height / 2;
        }
    }

    QPainter& painter;
    const ChartDescription& chart;
    QFont font;
    QFont titleFont;
    QRectF plot;
    qreal namesWidth = 0;
};


} // namespace

QColor chartColour(ChartColour colour)
{
    switch (colour) {
    case ChartColour::HF: return QColor(31, 96, 180);
    case ChartColour::VHF: return QColor(30, 140, 60);
    case ChartColour::UHF: return QColor(200, 80, 20);
    case ChartColour::Contacted: return QColor(120, 160, 210);
    case ChartColour::Confirmed: return QColor(30, 140, 60);
    case ChartColour::Count: return QColor(60, 120, 190);
    case ChartColour::Other: break;
    }
    return QColor(110, 110, 110);
}

void paintChart(QPainter& painter, const QRectF& area, const ChartDescription& chart, const QFont& font)
{
    painter.save();
    painter.fillRect(area, Qt::white);
    ChartPainter(painter, chart, font).draw(area);
    painter.restore();
}

QByteArray chartPng(const ChartDescription& chart, const QSize& size, const QFont& font, qreal scale)
{
    QImage image((QSizeF(size) * scale).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintChart(painter, QRectF(QPointF(0, 0), QSizeF(size)), chart, font);
    painter.end();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

ChartView::ChartView(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(300, 180);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartView::setChart(ChartDescription chart)
{
    description = std::move(chart);
    update();
}

void ChartView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintChart(painter, rect(), description, font());
}
