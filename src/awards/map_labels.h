#pragma once
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

// Where the number boxes of the map go. Each box starts centred on its
// department; boxes that touch are pushed apart until none hides another, and
// kept inside their area. Works in the drawing's own units, once per drawing:
// the boxes then scale with the map and stay apart at every size.
struct LabelRequest {
    QPointF anchor; // where the box would like its centre
    QRectF area;    // where the box must stay
};

// keepClear: areas no box may enter unless its anchor lies inside them (the
// Paris inset, the tiny departments it enlarges). gap: the least space between two boxes.
QList<QRectF> placeLabels(const QList<LabelRequest>& requests, const QSizeF& size, const QList<QRectF>& keepClear,
                          qreal gap);

// The point of a box's outline nearest to an outside point: where a leader
// line from a moved box to its department starts.
QPointF nearestOnRect(const QRectF& rect, const QPointF& point);
