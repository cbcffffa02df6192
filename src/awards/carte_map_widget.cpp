#include "awards/carte_map_widget.h"
#include "awards/map_drawing.h"
#include "awards/map_labels.h"
#include "logbook/log_line.h"
#include <QFile>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

// Heights of the drawing in screen pixels: below the least, the numbers
// would be too small to read; the hint leaves room to spare.
constexpr int leastMapPixels = 460;
constexpr int hintedMapPixels = 600;

// Beyond this height a number box grows no more: the numbers stay a label, not a poster.
constexpr qreal largestLabelHeight = 24;

// Outline widths in units of the whole map: the inset enlarges the shapes but
// not their outlines, which it only draws a little bolder.
constexpr qreal mapStroke = 0.6;
constexpr qreal insetStroke = 0.8;
const QColor outlineColour(64, 64, 64);

// Places the drawing's point `from` at `at` in the widget, `scale` pixels to a unit.
QTransform placing(const QPointF& at, qreal scale, const QPointF& from)
{
    return QTransform::fromTranslate(at.x(), at.y()).scale(scale, scale).translate(-from.x(), -from.y());
}

} // namespace

DepartmentMapWidget::DepartmentMapWidget(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture1"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

bool DepartmentMapWidget::loadMap(const QString& svgPath)
{
    QFile file(svgPath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    // Measuring the shapes and placing the boxes takes a moment: done once per drawing, not per opening.
    static MeasuredMap measured;
    if (measured.svg != bytes) {
        const std::optional<MapDrawing> read = readMapDrawing(bytes);
        if (!read)
            return false;
        measured = measureMap(*read);
        measured.svg = bytes;
    }
    drawing = measured;
    updateGeometry();
    update();
    return true;
}

void DepartmentMapWidget::setStates(const std::array<DepartmentState, mapBoxCount>& newStates)
{
    states = newStates;
    update();
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
    if (!hasMap()) {
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("Carte des départements introuvable"));
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = mapRect();
    paintShapes(painter, placing(area.topLeft(), area.width() / drawing.viewBox.width(), drawing.viewBox.topLeft()),
                mapStroke);
    paintInset(painter);
    paintLabels(painter);
}

void DepartmentMapWidget::paintShapes(QPainter& painter, const QTransform& toWidget, qreal stroke) const
{
    painter.save();
    painter.setTransform(toWidget, true);
    painter.setPen(QPen(outlineColour, stroke, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    for (const MapOutline& outline : drawing.outlines) {
        painter.setBrush(outline.box > 0 ? stateColour(states[outline.box]) : QColor(Qt::white));
        painter.drawPath(outline.path);
    }
    painter.restore();
}

void DepartmentMapWidget::paintInset(QPainter& painter)
{
    if (drawing.parisArea.isEmpty())
        return; // a drawing without Paris has nothing to enlarge
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
    const qreal insetScale = drawing.insetArea.width() / drawing.parisArea.width();
    paintShapes(painter, placing(inset.topLeft(), inset.width() / drawing.parisArea.width(), drawing.parisArea.topLeft()),
                insetStroke / insetScale);
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
