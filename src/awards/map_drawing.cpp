#include "awards/map_drawing.h"
#include <QXmlStreamReader>
#include <cmath>

namespace {

// Walks the numbers and command letters of a path's "d" text.
class PathText {
public:
    explicit PathText(QStringView text) : text(text) {}

    void skipSeparators()
    {
        while (pos < text.size() && (text[pos].isSpace() || text[pos] == u','))
            ++pos;
    }
    bool atEnd()
    {
        skipSeparators();
        return pos >= text.size();
    }
    bool atNumber()
    {
        skipSeparators();
        if (pos >= text.size())
            return false;
        const QChar c = text[pos];
        return c.isDigit() || c == u'-' || c == u'+' || c == u'.';
    }
    QChar command() { return text[pos++]; }

    // Sign, digits with at most one point, then an exponent: "1e-3", "-.5", "0".
    std::optional<qreal> number()
    {
        if (!atNumber())
            return std::nullopt;
        const qsizetype start = pos;
        if (text[pos] == u'-' || text[pos] == u'+')
            ++pos;
        const qsizetype digitsBefore = digitsFrom(pos);
        qsizetype digitsAfter = 0;
        if (pos < text.size() && text[pos] == u'.') {
            ++pos;
            digitsAfter = digitsFrom(pos);
        }
        if (digitsBefore + digitsAfter == 0)
            return std::nullopt;
        if (pos < text.size() && (text[pos] == u'e' || text[pos] == u'E')) {
            ++pos;
            if (pos < text.size() && (text[pos] == u'-' || text[pos] == u'+'))
                ++pos;
            if (digitsFrom(pos) == 0)
                return std::nullopt;
        }
        bool ok = false;
        const double value = text.sliced(start, pos - start).toDouble(&ok);
        if (!ok || !std::isfinite(value))
            return std::nullopt;
        return value;
    }

private:
    qsizetype digitsFrom(qsizetype& at) const
    {
        const qsizetype start = at;
        while (at < text.size() && text[at].isDigit() && text[at].unicode() < 128)
            ++at;
        return at - start;
    }

    QStringView text;
    qsizetype pos = 0;
};

// The outlines as the pen draws them: a move starts a ring, a close ends it
// and brings the pen back to the ring's start.
class Outliner {
public:
    void moveTo(const QPointF& point)
    {
        endRing();
        pen = start = point;
    }
    void lineTo(const QPointF& point)
    {
        if (ring.isEmpty())
            ring.append(pen);
        ring.append(point);
        pen = point;
    }
    void close()
    {
        if (!ring.isEmpty())
            ring.append(start); // the closing edge, which also tells a closed ring from an open one
        endRing();
        pen = start;
    }
    QList<QList<QPointF>> finish()
    {
        endRing();
        return rings;
    }
    QPointF current() const { return pen; }

private:
    void endRing()
    {
        if (ring.size() >= 2)
            rings.append(ring);
        ring.clear();
    }

    QList<QList<QPointF>> rings;
    QList<QPointF> ring;
    QPointF pen;
    QPointF start;
};

// One command letter with all the numbers that follow it.
bool readCommand(PathText& text, QChar letter, Outliner& outliner)
{
    const bool relative = letter.isLower();
    const char kind = char(letter.toLower().unicode());
    if (kind == 'z') {
        outliner.close();
        return true;
    }
    bool first = true;
    do {
        const QPointF from = relative ? outliner.current() : QPointF();
        const std::optional<qreal> a = text.number();
        if (!a)
            return false;
        QPointF to;
        if (kind == 'h') {
            to = QPointF(from.x() + *a, outliner.current().y());
        } else if (kind == 'v') {
            to = QPointF(outliner.current().x(), from.y() + *a);
        } else {
            const std::optional<qreal> b = text.number();
            if (!b)
                return false;
            to = from + QPointF(*a, *b);
        }
        // The pairs after a move's first one are lines.
        if (kind == 'm' && first)
            outliner.moveTo(to);
        else
            outliner.lineTo(to);
        first = false;
    } while (text.atNumber());
    return true;
}

std::optional<QRectF> readViewBox(QStringView value)
{
    PathText text(value);
    qreal numbers[4];
    for (qreal& n : numbers) {
        const std::optional<qreal> read = text.number();
        if (!read)
            return std::nullopt;
        n = *read;
    }
    if (!text.atEnd() || numbers[2] <= 0 || numbers[3] <= 0)
        return std::nullopt;
    return QRectF(numbers[0], numbers[1], numbers[2], numbers[3]);
}

} // namespace

std::optional<QList<QList<QPointF>>> readPathOutlines(QStringView data)
{
    PathText text(data);
    Outliner outliner;
    bool moved = false;
    while (!text.atEnd()) {
        if (text.atNumber())
            return std::nullopt; // numbers without a command before them
        const QChar letter = text.command();
        if (!QStringView(u"MmLlHhVvZz").contains(letter) || (!moved && letter.toLower() != u'm'))
            return std::nullopt;
        moved = true;
        if (!readCommand(text, letter, outliner))
            return std::nullopt;
    }
    return outliner.finish();
}

std::optional<MapDrawing> readMapDrawing(const QByteArray& svg)
{
    QXmlStreamReader xml(svg);
    MapDrawing drawing;
    int depth = 0;
    while (xml.readNext() != QXmlStreamReader::EndDocument && !xml.hasError()) {
        if (xml.isEndElement())
            --depth;
        if (!xml.isStartElement())
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (depth == 0 && xml.name() == u"svg") {
            const std::optional<QRectF> viewBox = readViewBox(attributes.value(QLatin1String("viewBox")));
            if (!viewBox)
                return std::nullopt;
            drawing.viewBox = *viewBox;
        } else if (depth == 1 && xml.name() == u"path") {
            const auto outlines = readPathOutlines(attributes.value(QLatin1String("d")));
            if (!outlines)
                return std::nullopt;
            drawing.shapes.append(MapShape{attributes.value(QLatin1String("id")).toString(), *outlines});
        } else {
            return std::nullopt;
        }
        ++depth;
    }
    if (xml.hasError() || drawing.shapes.isEmpty())
        return std::nullopt;
    return drawing;
}
