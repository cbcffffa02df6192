#pragma once
#include "awards/map.h"
#include <QByteArray>
#include <QColor>
#include <QPointF>
#include <QRectF>
#include <array>

class QSvgRenderer;

// What the map widget needs from its drawing, measured once per drawing, in
// the drawing's own units: the Paris inset, and where each number box goes.
struct MeasuredMap {
    QByteArray svg;
    QRectF viewBox;
    QRectF parisBounds; // the four departments of the inset, on the map
    QRectF parisArea;  // the part of the drawing the inset enlarges
    QRectF insetArea;  // where the inset is drawn
    std::array<bool, mapBoxCount> placed{};     // the drawing holds the department's shape
    std::array<QPointF, mapBoxCount> anchors{}; // inner centre of each shape, in the inset for Paris
    std::array<QRectF, mapBoxCount> labels{};   // the number boxes, apart from each other
};

MeasuredMap measureMap(QSvgRenderer& plain);

// Paris and its three neighbours are too small to read on the whole map: their
// numbers stand in the inset only.
bool isParisBox(int box);

// Where a point of the drawing lands in the inset.
QPointF toInsetUnits(const MeasuredMap& map, const QPointF& user);

// The drawing with every department filled with its state colour, under one
// group that gives the outlines.
QByteArray colouredSvg(const QByteArray& svg, const std::array<DepartmentState, mapBoxCount>& states, qreal stroke);

QColor stateColourOf(DepartmentState state);
