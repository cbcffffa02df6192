#pragma once
#include "awards/map.h"
#include <QByteArray>
#include <QPointF>
#include <QRectF>
#include <QWidget>
#include <array>
#include <memory>

class QSvgRenderer;

// The map picture: every department's shape filled with its state colour and
// its number in a box at the shape's inner centre; Paris and its three
// neighbours are repeated enlarged in an inset at the top left.
class DepartmentMapWidget : public QWidget {
    Q_OBJECT
public:
    explicit DepartmentMapWidget(QWidget* parent = nullptr);
    ~DepartmentMapWidget() override;

    // The SVG drawing of the departments; false when it is missing or unreadable.
    bool loadMap(const QString& svgPath);
    bool hasMap() const { return !svg.isEmpty(); }

    void setStates(const std::array<DepartmentState, mapBoxCount>& states);
    DepartmentState state(int box) const { return states[box]; }

    // Where the number box of a visible department is drawn, in widget coordinates.
    QRectF labelRect(int box) const;

    static QColor stateColour(DepartmentState state);
    static QString elementId(int box); // "01".."95", "2A", "2B"

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void rebuildRenderers();
    QRectF mapRect() const;                 // the whole drawing, aspect kept
    QRectF insetRect() const;               // the Paris inset, in widget coordinates
    QPointF toWidget(const QPointF& user) const;
    QPointF toInset(const QPointF& user) const;
    bool inInset(int box) const;
    QSizeF labelSize() const;

    QByteArray svg;
    QRectF viewBox;
    QRectF parisArea; // user units of the inset's content
    std::array<QPointF, mapBoxCount> anchors{}; // inner centre of each shape, user units
    std::array<bool, mapBoxCount> placed{};      // the drawing holds the department's shape
    std::array<DepartmentState, mapBoxCount> states{};
    std::unique_ptr<QSvgRenderer> mainRenderer;
    std::unique_ptr<QSvgRenderer> insetRenderer;
};
