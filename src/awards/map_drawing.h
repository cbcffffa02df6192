#pragma once
#include <QByteArray>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <optional>

// The department map's drawing, read from its file: an SVG picture made only
// of straight-edged paths, one per department, named by the department
// ("01", "2A"). Each outline is a run of points in the drawing's units; a
// closed one ends on its first point.
struct MapShape {
    QString id;
    QList<QList<QPointF>> outlines;
};

struct MapDrawing {
    QRectF viewBox;
    QList<MapShape> shapes;
};

// Nothing when the file holds what a map of straight edges cannot be drawn
// from: curves, arcs, other elements, a broken number or no department at all.
std::optional<MapDrawing> readMapDrawing(const QByteArray& svg);

// The outlines of one path's "d" text; nothing when it is not moves, lines and closes.
std::optional<QList<QList<QPointF>>> readPathOutlines(QStringView data);
