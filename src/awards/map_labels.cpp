#include "awards/map_labels.h"
#include <algorithm>
#include <cmath>

namespace {

// Pushes two overlapping boxes apart by half the overlap each, along the axis
// where they overlap least (a goes left or up when both share a centre).
// Returns false when they were already apart.
bool separate(QRectF& a, QRectF& b, qreal gap)
{
    const QRectF grownA = a.adjusted(-gap / 2, -gap / 2, gap / 2, gap / 2);
    const QRectF grownB = b.adjusted(-gap / 2, -gap / 2, gap / 2, gap / 2);
    if (!grownA.intersects(grownB))
        return false;
    const qreal dx = std::min(grownA.right(), grownB.right()) - std::max(grownA.left(), grownB.left());
    const qreal dy = std::min(grownA.bottom(), grownB.bottom()) - std::max(grownA.top(), grownB.top());
    const qreal step = (std::min(dx, dy) + 0.01) / 2;
    if (dx <= dy) {
        const qreal sign = a.center().x() != b.center().x() ? (a.center().x() < b.center().x() ? -1 : 1) : -1;
        a.translate(sign * step, 0);
        b.translate(-sign * step, 0);
    } else {
        const qreal sign = a.center().y() != b.center().y() ? (a.center().y() < b.center().y() ? -1 : 1) : -1;
        a.translate(0, sign * step);
        b.translate(0, -sign * step);
    }
    return true;
}

// Moves a box out of an area by the shortest way.
bool leave(QRectF& box, const QRectF& area)
{
    if (!box.intersects(area))
        return false;
    const qreal moves[] = {area.left() - box.right(), area.right() - box.left(), area.top() - box.bottom(),
                           area.bottom() - box.top()};
    const qreal* shortest = std::min_element(std::begin(moves), std::end(moves),
                                             [](qreal x, qreal y) { return std::abs(x) < std::abs(y); });
    const qreal step = *shortest + (*shortest < 0 ? -0.01 : 0.01);
    if (shortest - moves < 2)
        box.translate(step, 0);
    else
        box.translate(0, step);
    return true;
}

void keepInside(QRectF& box, const QRectF& area)
{
    box.moveLeft(std::clamp(box.left(), area.left(), std::max(area.left(), area.right() - box.width())));
    box.moveTop(std::clamp(box.top(), area.top(), std::max(area.top(), area.bottom() - box.height())));
}

} // namespace

QList<QRectF> placeLabels(const QList<LabelRequest>& requests, const QSizeF& size, const QList<QRectF>& keepClear,
                          qreal gap)
{
    QList<QRectF> boxes;
    for (const LabelRequest& request : requests)
        boxes.append(QRectF(request.anchor - QPointF(size.width() / 2, size.height() / 2), size));
    // Each round settles what the last one disturbed; a map needs a few dozen.
    constexpr int rounds = 400;
    for (int round = 0; round < rounds; ++round) {
        bool moved = false;
        for (qsizetype i = 0; i < boxes.size(); ++i)
            for (qsizetype j = i + 1; j < boxes.size(); ++j)
                moved |= separate(boxes[i], boxes[j], gap);
        for (qsizetype i = 0; i < boxes.size(); ++i) {
            for (const QRectF& area : keepClear)
                if (!area.contains(requests[i].anchor))
                    moved |= leave(boxes[i], area);
            const QRectF before = boxes[i];
            keepInside(boxes[i], requests[i].area);
            moved |= before != boxes[i];
        }
        if (!moved)
            break;
    }
    return boxes;
}

QPointF nearestOnRect(const QRectF& rect, const QPointF& point)
{
    return {std::clamp(point.x(), rect.left(), rect.right()), std::clamp(point.y(), rect.top(), rect.bottom())};
}
