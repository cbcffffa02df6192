#pragma once
#include "awards/statistics_charts.h"
#include <QWidget>

class QPainter;

// Draws a chart of the "Statistiques" window, at any size.
class ChartView : public QWidget {
    Q_OBJECT
public:
    explicit ChartView(QWidget* parent = nullptr);

    void setChart(ChartDescription chart);
    const ChartDescription& chart() const { return description; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ChartDescription description;
};

QColor chartColour(ChartColour colour);
// Draws the chart into area, lettered in font: the same drawing for the
// screen, an image and paper.
void paintChart(QPainter& painter, const QRectF& area, const ChartDescription& chart, const QFont& font);
// The chart as a PNG of size at scale times its pixels, sharp enough for paper.
QByteArray chartPng(const ChartDescription& chart, const QSize& size, const QFont& font, qreal scale);
