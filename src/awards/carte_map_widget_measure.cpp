#include "awards/carte_map_widget_measure.h"
#include "awards/map_labels.h"
#include "logbook/log_line.h"
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
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

QString elementId(int box) { return departmentLabel(box).toUpper(); }

struct Shape {
    QPointF innerCentre;
    qreal area = 0;
};

// The point of a shape farthest from its outline, found on a rendering of the
// shape alone: a number box there stays inside even a bent or island-strewn
// department, where the centre of the bounding box may fall in the sea.
Shape measureShape(QSvgRenderer& renderer, const QString& id)
{
    const QRectF bounds = renderer.boundsOnElement(id);
    const qreal largest = std::max(bounds.width(), bounds.height());
    if (largest <= 0)
        return {bounds.center(), 0};
    const qreal scale = std::clamp(100.0 / largest, 2.0, 12.0);
    const int width = int(std::ceil(bounds.width() * scale)) + 2;
    const int height = int(std::ceil(bounds.height() * scale)) + 2;
    QImage image(width, height, QImage::Format_Grayscale8);
    image.fill(255);
    {
        QPainter painter(&image);
        renderer.render(&painter, id, QRectF(1, 1, bounds.width() * scale, bounds.height() * scale));
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

MeasuredMap measureMap(QSvgRenderer& plain)
{
    MeasuredMap map;
    map.viewBox = plain.viewBoxF();
    std::array<QPointF, mapBoxCount> wishes{};
    for (int box = 1; box < mapBoxCount; ++box) {
        const QString id = elementId(box);
        if (!isVisibleBox(box) || !plain.elementExists(id))
            continue;
        const Shape shape = measureShape(plain, id);
        map.anchors[box] = shape.innerCentre;
        map.placed[box] = true;
        wishes[box] = labelWish(map, box, plain.boundsOnElement(id), shape.area);
        if (isParisBox(box))
            map.parisBounds |= plain.boundsOnElement(id);
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

QByteArray colouredSvg(const QByteArray& svg, const std::array<DepartmentState, mapBoxCount>& states, qreal stroke)
{
    const qsizetype open = svg.indexOf("<svg");
    const qsizetype openEnd = svg.indexOf('>', open);
    const qsizetype close = svg.lastIndexOf("</svg>");
    if (open < 0 || openEnd < 0 || close < openEnd)
        return svg;
    QByteArray out;
    out.reserve(svg.size() + 4096);
    out += svg.left(openEnd + 1);
    out += "<g fill=\"#ffffff\" stroke=\"#404040\" stroke-linejoin=\"round\" stroke-width=\"" + QByteArray::number(stroke)
           + "\">";
    qsizetype pos = openEnd + 1;
    for (;;) {
        const qsizetype at = svg.indexOf("id=\"", pos);
        if (at < 0 || at > close)
            break;
        const qsizetype quote = svg.indexOf('"', at + 4);
        if (quote < 0 || quote > close)
            break;
        out += svg.mid(pos, quote + 1 - pos);
        const bool attribute = at > 0 && QChar(svg[at - 1]).isSpace();
        const int box = attribute ? departmentIndex(QString::fromLatin1(svg.mid(at + 4, quote - at - 4))) : -1;
        if (box > 0 && box < mapBoxCount)
            out += " fill=\"" + stateColourOf(states[box]).name().toLatin1() + "\"";
        pos = quote + 1;
    }
    out += svg.mid(pos, close - pos);
    out += "</g>";
    out += svg.mid(close);
    return out;
}
