#include "awards/carte_map_widget_measure.h"
#include "awards/map_drawing.h"
#include "awards/map_labels.h"
#include "logbook/log_line.h"
#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int parisBoxes[] = {75, 92, 93, 94};

// Number boxes, in the drawing's units: wide enough for "88" in bold and, at
// the map's least size, tall enough to be read.
constexpr QSizeF labelSize(26, 18);
constexpr qreal labelGap = 2;

// The inset stands in the open sea of the Channel, clear of Brittany and the Cotentin.
constexpr QRectF insetPlace(2, 2, 128, 128);

struct Shape {
    QPointF innerCentre;
    qreal area = 0;
};

// The point of a shape farthest from its outline, found on a rendering of the
// shape alone: a number box there stays inside even a bent or island-strewn
// department, where the centre of the bounding box may fall in the sea.
Shape measureShape(const QPainterPath& path)
{
    const QRectF bounds = path.boundingRect();
    const qreal largest = std::max(bounds.width(), bounds.height());
    if (largest <= 0)
        return {bounds.center(), 0};
    // A hand-drawn shape far larger than any department still fits a picture of bounded size.
    const qreal scale = std::min(std::clamp(100.0 / largest, 2.0, 12.0), 400.0 / largest);
    const int width = int(std::ceil(bounds.width() * scale)) + 2;
    const int height = int(std::ceil(bounds.height() * scale)) + 2;
    QImage image(width, height, QImage::Format_Grayscale8);
    image.fill(255);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(1, 1);
        painter.scale(scale, scale);
        painter.translate(-bounds.topLeft());
        painter.fillPath(path, Qt::black);
    }
    // Chamfer distance to the nearest pixel outside the shape, in two passes.
    constexpr int far = 1 << 28;
    std::vector<int> distance(size_t(width) * height);
    int inside = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool in = image.constScanLine(y)[x] < 128;
            distance[size_t(y) * width + x] = in ? far : 0;
            inside += in;
        }
    const qreal area = inside / (scale * scale);
    const auto at = [&](int x, int y) -> int& { return distance[size_t(y) * width + x]; };
    for (int y = 1; y < height - 1; ++y)
        for (int x = 1; x < width - 1; ++x)
            at(x, y) = std::min({at(x, y), at(x - 1, y) + 3, at(x, y - 1) + 3, at(x - 1, y - 1) + 4, at(x + 1, y - 1) + 4});
    int best = -1;
    QPoint bestPixel;
    for (int y = height - 2; y >= 1; --y)
        for (int x = width - 2; x >= 1; --x) {
            at(x, y) = std::min({at(x, y), at(x + 1, y) + 3, at(x, y + 1) + 3, at(x + 1, y + 1) + 4, at(x - 1, y + 1) + 4});
            if (at(x, y) > best) {
                best = at(x, y);
                bestPixel = QPoint(x, y);
            }
        }
    if (best <= 0)
        return {bounds.center(), area};
    return {{bounds.x() + (bestPixel.x() - 1 + 0.5) / scale, bounds.y() + (bestPixel.y() - 1 + 0.5) / scale}, area};
}

QPainterPath pathOf(const MapShape& shape)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill); // as SVG fills
    for (const QList<QPointF>& outline : shape.outlines)
        path.addPolygon(QPolygonF(outline));
    return path;
}

// A department smaller than its number box would vanish under it: the box
// goes beside it, on the side away from the middle of the map.
QPointF labelWish(const MeasuredMap& map, int box, const QRectF& bounds, qreal area)
{
    const QPointF centre = map.anchors[box];
    if (isParisBox(box) || area >= labelSize.width() * labelSize.height() * 0.8)
        return centre;
    const qreal side = centre.x() >= map.viewBox.center().x() ? 1 : -1;
    return {bounds.center().x() + side * (bounds.width() / 2 + labelSize.width() / 2 + labelGap), centre.y()};
}

void placeAllLabels(MeasuredMap& map, const std::array<QPointF, mapBoxCount>& wishes)
{
    QList<LabelRequest> requests;
    QList<int> boxes;
    for (int box = 1; box < mapBoxCount; ++box) {
        if (!map.placed[box])
            continue;
        requests.append({wishes[box], isParisBox(box) ? map.insetArea : map.viewBox});
        boxes.append(box);
    }
    const QList<QRectF> clear = {map.insetArea.adjusted(-labelGap, -labelGap, labelGap, labelGap),
                                 map.parisBounds.adjusted(-1, -1, 1, 1)};
    const QList<QRectF> placed = placeLabels(requests, labelSize, clear, labelGap);
    for (qsizetype i = 0; i < boxes.size(); ++i)
        map.labels[boxes[i]] = placed[i];
}

} // namespace

bool isParisBox(int box) { return std::find(std::begin(parisBoxes), std::end(parisBoxes), box) != std::end(parisBoxes); }

QPointF toInsetUnits(const MeasuredMap& map, const QPointF& user)
{
    return map.insetArea.topLeft() + (user - map.parisArea.topLeft()) * (map.insetArea.width() / map.parisArea.width());
}

MeasuredMap measureMap(const MapDrawing& drawing)
{
    MeasuredMap map;
    map.viewBox = drawing.viewBox;
    for (const MapShape& shape : drawing.shapes)
        map.outlines.append({departmentIndex(shape.id), pathOf(shape)});
    std::array<QPointF, mapBoxCount> wishes{};
    for (const MapOutline& outline : std::as_const(map.outlines)) {
        const int box = outline.box;
        if (!isVisibleBox(box) || map.placed[box])
            continue;
        const QRectF bounds = outline.path.boundingRect();
        const Shape shape = measureShape(outline.path);
        map.anchors[box] = shape.innerCentre;
        map.placed[box] = true;
        wishes[box] = labelWish(map, box, bounds, shape.area);
        if (isParisBox(box))
            map.parisBounds |= bounds;
    }
    // A square around the four departments with a margin, as the inset is square.
    const qreal side = std::max(map.parisBounds.width(), map.parisBounds.height()) * 1.25;
    map.parisArea = QRectF(map.parisBounds.center() - QPointF(side / 2, side / 2), QSizeF(side, side));
    map.insetArea = insetPlace;
    for (int box : parisBoxes)
        if (map.placed[box])
            wishes[box] = map.anchors[box] = toInsetUnits(map, map.anchors[box]);
    placeAllLabels(map, wishes);
    return map;
}

QColor stateColourOf(DepartmentState state)
{
    switch (state) {
    case DepartmentState::Confirmed: return {128, 255, 128};
    case DepartmentState::Unconfirmed: return {255, 192, 192};
    case DepartmentState::NotContacted: break;
    }
    return {255, 255, 128};
}
