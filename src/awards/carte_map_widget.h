#pragma once
#include "awards/carte_map_widget_measure.h"
#include <QWidget>

// The map picture: every department's shape and its number box filled with its
// state colour; Paris and its three neighbours are repeated enlarged in an
// inset at the top left. The drawing, the inset and the boxes scale together
// with the widget, so the boxes never overlap.
class DepartmentMapWidget : public QWidget {
    Q_OBJECT
public:
    explicit DepartmentMapWidget(QWidget* parent = nullptr);

    // The SVG drawing of the departments; false when it is missing or unreadable.
    bool loadMap(const QString& svgPath);
    bool hasMap() const { return !drawing.svg.isEmpty(); }

    void setStates(const std::array<DepartmentState, mapBoxCount>& states);
    DepartmentState state(int box) const { return states[box]; }

    // Where the number box of a visible department is drawn, in widget coordinates.
    QRectF labelRect(int box) const;
    // The Paris inset, in widget coordinates.
    QRectF insetRect() const;

    static QColor stateColour(DepartmentState state) { return stateColourOf(state); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintShapes(QPainter& painter, const QTransform& toWidget, qreal stroke) const;
    void paintInset(QPainter& painter);
    void paintLabels(QPainter& painter);
    QRectF mapRect() const; // the whole drawing, aspect kept
    QPointF toWidget(const QPointF& user) const;
    QRectF toWidget(const QRectF& user) const;
    QSize deviceIndependent(int deviceHeight) const;

    MeasuredMap drawing;
    std::array<DepartmentState, mapBoxCount> states{};
};
