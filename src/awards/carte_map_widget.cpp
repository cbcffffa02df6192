#include "awards/carte_map_widget.h"
#include "awards/map_labels.h"
#include "logbook/log_line.h"
#include <QFile>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <cmath>

namespace {

// Heights of the drawing in screen pixels: below the least, the numbers
// would be too small to read; the hint leaves room to spare.
constexpr int leastMapPixels = 460;
constexpr int hintedMapPixels = 600;

// Beyond this height a number box grows no more: the numbers stay a label, not a poster.
constexpr qreal largestLabelHeight = 24;

} // namespace

DepartmentMapWidget::DepartmentMapWidget(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture1"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

DepartmentMapWidget::~DepartmentMapWidget() = default;

bool DepartmentMapWidget::loadMap(const QString& svgPath)
{
    QFile file(svgPath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    // Measuring the shapes and placing the boxes takes a moment: done once per drawing, not per opening.
    static MeasuredMap measured;
    if (measured.svg != bytes) {
        QSvgRenderer plain(bytes);
        if (!plain.isValid())
            return false;
        measured = measureMap(plain);
        measured.svg = bytes;
    }
    drawing = measured;
    rebuildRenderers();
    updateGeometry();
    update();
    return true;
}

void DepartmentMapWidget::setStates(const std::array<DepartmentState, mapBoxCount>& newStates)
{
    states = newStates;
    rebuildRenderers();
    update();
}

void DepartmentMapWidget::rebuildRenderers()
{
    if (drawing.svg.isEmpty())
        return;
    mainRenderer = std::make_unique<QSvgRenderer>(colouredSvg(drawing.svg, states, 0.6));
    const qreal insetScale = drawing.parisArea.width() > 0 ? drawing.insetArea.width() / drawing.parisArea.width() : 1;
    insetRenderer = std::make_unique<QSvgRenderer>(colouredSvg(drawing.svg, states, 0.8 / insetScale));
}

QSize DepartmentMapWidget::deviceIndependent(int deviceHeight) const
{
    // The numbers must be readable on the screen's own pixels, whatever the scale factor.
    const qreal height = deviceHeight / std::max<qreal>(1, devicePixelRatioF());
    const qreal ratio = drawing.viewBox.isEmpty() ? 613.0 / 585.0 : drawing.viewBox.width() / drawing.viewBox.height();
    return {int(std::ceil(height * ratio)) + 2, int(std::ceil(height)) + 2};
}

QSize DepartmentMapWidget::sizeHint() const { return deviceIndependent(hintedMapPixels); }
QSize DepartmentMapWidget::minimumSizeHint() const { return deviceIndependent(leastMapPixels); }

QRectF DepartmentMapWidget::mapRect() const
{
    if (drawing.viewBox.isEmpty())
        return rect();
    QSizeF size = drawing.viewBox.size();
    size.scale(QSizeF(width() - 2, height() - 2), Qt::KeepAspectRatio);
    return {QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size};
}

QPointF DepartmentMapWidget::toWidget(const QPointF& user) const
{
    const QRectF area = mapRect();
    const qreal k = area.width() / drawing.viewBox.width();
    return area.topLeft() + (user - drawing.viewBox.topLeft()) * k;
}

QRectF DepartmentMapWidget::toWidget(const QRectF& user) const
{
    return {toWidget(user.topLeft()), toWidget(user.bottomRight())};
}

QRectF DepartmentMapWidget::insetRect() const { return hasMap() ? toWidget(drawing.insetArea) : QRectF(); }

QRectF DepartmentMapWidget::labelRect(int box) const
{
    if (!hasMap() || box < 0 || box >= mapBoxCount || !drawing.placed[box])
        return {};
    const QRectF scaled = toWidget(drawing.labels[box]);
    if (scaled.height() <= largestLabelHeight)
        return scaled;
    const qreal shrink = largestLabelHeight / scaled.height();
    const QSizeF size(scaled.width() * shrink, largestLabelHeight);
    return {scaled.center() - QPointF(size.width() / 2, size.height() / 2), size};
}

void DepartmentMapWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!mainRenderer) {
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("Carte des départements introuvable"));
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    mainRenderer->render(&painter, mapRect());
    paintInset(painter);
    paintLabels(painter);
}

void DepartmentMapWidget::paintInset(QPainter& painter)
{
    const QRectF inset = insetRect();
    const QRectF marker = toWidget(drawing.parisBounds.adjusted(-1, -1, 1, 1));
    painter.setPen(QPen(QColor(90, 90, 90), 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(marker);
    painter.drawLine(inset.bottomRight(), marker.topLeft());
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(inset);
    painter.save();
    painter.setClipRect(inset.adjusted(1, 1, -1, -1));
    const qreal k = inset.width() / drawing.parisArea.width();
    insetRenderer->render(&painter, QRectF(inset.topLeft() - (drawing.parisArea.topLeft() - drawing.viewBox.topLeft()) * k,
                                           drawing.viewBox.size() * k));
    painter.restore();
}

void DepartmentMapWidget::paintLabels(QPainter& painter)
{
    const QSizeF size = labelRect(1).size();
    QFont boxFont = font();
    boxFont.setBold(true);
    boxFont.setPixelSize(std::max(6, int(size.height() * 0.8)));
    while (boxFont.pixelSize() > 6 && QFontMetricsF(boxFont).horizontalAdvance(QStringLiteral("88")) > size.width() - 2)
        boxFont.setPixelSize(boxFont.pixelSize() - 1);
    painter.setFont(boxFont);
    // A box pushed off its department points at it; the lines go under every box.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::black);
    for (int box = 1; box < mapBoxCount; ++box) {
        const QRectF label = labelRect(box);
        const QPointF anchor = toWidget(drawing.anchors[box]);
        if (label.isEmpty() || label.contains(anchor))
            continue;
        painter.drawLine(anchor, nearestOnRect(label, anchor));
        painter.drawEllipse(anchor, 1.5, 1.5);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int box = 1; box < mapBoxCount; ++box) {
        const QRectF label = labelRect(box);
        if (label.isEmpty())
            continue;
        painter.setBrush(stateColour(states[box]));
        painter.drawRect(label);
        painter.drawText(label, Qt::AlignCenter, departmentLabel(box));
    }
}
