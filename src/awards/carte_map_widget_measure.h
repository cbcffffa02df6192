#pragma once
#include "awards/map.h"
#include <QByteArray>
#include <QColor>
#include <QList>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <array>

struct MapDrawing;

// One path of the drawing, ready to paint, with the box of the department it
// shows (-1 for none).
struct MapOutline {
    int box = -1;
    QPainterPath path;
};

// What the map widget needs from its drawing, measured once per drawing, in
// the drawing's own units: the Paris inset, and where each number box goes.
struct MeasuredMap {
    QByteArray svg; // the file it was read from
    QRectF viewBox;
    QList<MapOutline> outlines;
    QRectF parisBounds; // the four departments of the inset, on the map
    QRectF parisArea;  // the part of the drawing the inset enlarges
    QRectF insetArea;  // where the inset is drawn
    std::array<bool, mapBoxCount> placed{};     // the drawing holds the department's shape
    std::array<QPointF, mapBoxCount> anchors{}; // inner centre of each shape, in the inset for Paris
    std::array<QRectF, mapBoxCount> labels{};   // the number boxes, apart from each other
};

MeasuredMap measureMap(const MapDrawing& drawing);

// Paris and its three neighbours are too small to read on the whole map: their
// numbers stand in the inset only.
bool isParisBox(int box);

// Where a point of the drawing lands in the inset.
QPointF toInsetUnits(const MeasuredMap& map, const QPointF& user);

QColor stateColourOf(DepartmentState state);
