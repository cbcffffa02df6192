#include "awards/carte_map_widget.h"
#include "logbook/log_line.h"
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <vector>

namespace {

// Paris and its three neighbours are too small to read on the whole map.
constexpr int parisBoxes[] = {75, 92, 93, 94};

bool isParisBox(int box) { return std::find(std::begin(parisBoxes), std::end(parisBoxes), box) != std::end(parisBoxes); }

// The point of a shape farthest from its outline, found on a rendering of the
// shape alone: a number box there stays inside even a bent or island-strewn
// department, where the centre of the bounding box may fall in the sea.
QPointF innerCentre(QSvgRenderer& renderer, const QString& id)
{
    const QRectF bounds = renderer.boundsOnElement(id);
    const qreal largest = std::max(bounds.width(), bounds.height());
    if (largest <= 0)
        return bounds.center();
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
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            distance[size_t(y) * width + x] = image.constScanLine(y)[x] < 128 ? far : 0;
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
        return bounds.center();
    return {bounds.x() + (bestPixel.x() - 1 + 0.5) / scale, bounds.y() + (bestPixel.y() - 1 + 0.5) / scale};
}

// The drawing with every department filled with its state colour, under one
// group that gives the outlines.
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
            out += " fill=\"" + DepartmentMapWidget::stateColour(states[box]).name().toLatin1() + "\"";
        pos = quote + 1;
    }
    out += svg.mid(pos, close - pos);
    out += "</g>";
    out += svg.mid(close);
    return out;
}

struct MeasuredMap {
    QByteArray svg;
    QRectF viewBox;
    QRectF parisArea;
    std::array<QPointF, mapBoxCount> anchors{};
    std::array<bool, mapBoxCount> placed{};
};

MeasuredMap measure(QSvgRenderer& plain)
{
    MeasuredMap map;
    map.viewBox = plain.viewBoxF();
    QRectF paris;
    for (int box = 1; box < mapBoxCount; ++box) {
        const QString id = DepartmentMapWidget::elementId(box);
        if (!isVisibleBox(box) || !plain.elementExists(id))
            continue;
        map.anchors[box] = innerCentre(plain, id);
        map.placed[box] = true;
        if (isParisBox(box))
            paris |= plain.boundsOnElement(id);
    }
    // A square around the four departments with a margin, as the inset is square.
    const qreal side = std::max(paris.width(), paris.height()) * 1.4;
    map.parisArea = QRectF(paris.center() - QPointF(side / 2, side / 2), QSizeF(side, side));
    return map;
}

} // namespace

DepartmentMapWidget::DepartmentMapWidget(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture1"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    QFont boxFont = font();
    boxFont.setBold(true);
    boxFont.setPointSizeF(9);
    setFont(boxFont);
}

DepartmentMapWidget::~DepartmentMapWidget() = default;

bool DepartmentMapWidget::loadMap(const QString& svgPath)
{
    QFile file(svgPath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    // Finding the inner centres takes a moment: done once per drawing, not per opening.
    static MeasuredMap measured;
    if (measured.svg != bytes) {
        QSvgRenderer plain(bytes);
        if (!plain.isValid())
            return false;
        measured = measure(plain);
        measured.svg = bytes;
    }
    svg = measured.svg;
    viewBox = measured.viewBox;
    parisArea = measured.parisArea;
    anchors = measured.anchors;
    placed = measured.placed;
    rebuildRenderers();
    update();
    return true;
}

void DepartmentMapWidget::setStates(const std::array<DepartmentState, mapBoxCount>& newStates)
{
    states = newStates;
    rebuildRenderers();
    update();
}

void DepartmentMapWidget::rebuildRenderers()
{
    if (svg.isEmpty())
        return;
    mainRenderer = std::make_unique<QSvgRenderer>(colouredSvg(svg, states, 0.6));
    const qreal insetScale = parisArea.width() > 0 ? (viewBox.width() * 0.22) / parisArea.width() : 1;
    insetRenderer = std::make_unique<QSvgRenderer>(colouredSvg(svg, states, 0.8 / insetScale));
}

QColor DepartmentMapWidget::stateColour(DepartmentState state)
{
    switch (state) {
    case DepartmentState::Confirmed: return {128, 255, 128};
    case DepartmentState::Unconfirmed: return {255, 192, 192};
    case DepartmentState::NotContacted: break;
    }
    return {255, 255, 128};
}

QString DepartmentMapWidget::elementId(int box)
{
    return departmentLabel(box).toUpper();
}

QSize DepartmentMapWidget::sizeHint() const { return {660, 630}; }
QSize DepartmentMapWidget::minimumSizeHint() const { return {440, 420}; }

QRectF DepartmentMapWidget::mapRect() const
{
    if (viewBox.isEmpty())
        return rect();
    QSizeF size = viewBox.size();
    size.scale(QSizeF(width() - 2, height() - 2), Qt::KeepAspectRatio);
    return {QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size};
}

QPointF DepartmentMapWidget::toWidget(const QPointF& user) const
{
    const QRectF area = mapRect();
    const qreal k = area.width() / viewBox.width();
    return area.topLeft() + (user - viewBox.topLeft()) * k;
}

QRectF DepartmentMapWidget::insetRect() const
{
    // The open sea of the Channel, top left of the drawing.
    const qreal side = viewBox.width() * 0.22;
    const QPointF topLeft = toWidget(viewBox.topLeft() + QPointF(4, 4));
    const QPointF bottomRight = toWidget(viewBox.topLeft() + QPointF(4 + side, 4 + side));
    return {topLeft, bottomRight};
}

QPointF DepartmentMapWidget::toInset(const QPointF& user) const
{
    const QRectF inset = insetRect();
    return inset.topLeft() + (user - parisArea.topLeft()) * (inset.width() / parisArea.width());
}

bool DepartmentMapWidget::inInset(int box) const { return isParisBox(box); }

QSizeF DepartmentMapWidget::labelSize() const
{
    const QFontMetricsF metrics(font());
    return {metrics.horizontalAdvance(QStringLiteral("88")) + 6, metrics.height() + 2};
}

QRectF DepartmentMapWidget::labelRect(int box) const
{
    if (!hasMap() || box < 0 || box >= mapBoxCount || !placed[box])
        return {};
    const QPointF centre = inInset(box) ? toInset(anchors[box]) : toWidget(anchors[box]);
    const QSizeF size = labelSize();
    return {centre - QPointF(size.width() / 2, size.height() / 2), size};
}

void DepartmentMapWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!mainRenderer) {
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("Carte des départements introuvable"));
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    mainRenderer->render(&painter, mapRect());

    const QRectF inset = insetRect();
    const QRectF marker(toWidget(parisArea.topLeft()), toWidget(parisArea.bottomRight()));
    painter.setPen(QPen(QColor(90, 90, 90), 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(marker);
    painter.drawLine(inset.bottomRight(), marker.topLeft());
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(inset);
    painter.save();
    painter.setClipRect(inset.adjusted(1, 1, -1, -1));
    const qreal k = inset.width() / parisArea.width();
    insetRenderer->render(&painter, QRectF(inset.topLeft() - (parisArea.topLeft() - viewBox.topLeft()) * k,
                                           viewBox.size() * k));
    painter.restore();

    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int box = 1; box < mapBoxCount; ++box) {
        const QRectF label = labelRect(box);
        if (label.isEmpty())
            continue;
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::white);
        painter.drawRect(label);
        painter.drawText(label, Qt::AlignCenter, departmentLabel(box));
    }
}
