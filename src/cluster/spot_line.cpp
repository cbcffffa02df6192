#include "cluster/spot_line.h"
#include <QRegularExpression>
#include <QStringDecoder>

namespace {

// Nodes ring the terminal's bell before a spot; any other control byte means
// the line is no text.
std::optional<QString> decodedText(QByteArrayView line)
{
    while (!line.isEmpty() && (line.front() == '\a' || line.front() == ' '))
        line = line.sliced(1);
    while (!line.isEmpty() && (line.back() == '\r' || line.back() == '\a' || line.back() == ' '))
        line.chop(1);
    for (const char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && byte != '\t') || byte == 0x7f)
            return std::nullopt;
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(line);
    if (utf8.hasError())
        text = QString::fromLatin1(line);
    return text;
}

bool validTime(const QString& hhmm)
{
    return hhmm.left(2).toInt() <= 23 && hhmm.mid(2).toInt() <= 59;
}

} // namespace

std::optional<Spot> readSpotLine(QByteArrayView line)
{
    if (line.size() > maxSpotLineBytes)
        return std::nullopt;
    const std::optional<QString> text = decodedText(line);
    if (!text || !text->startsWith(QLatin1String("DX de "), Qt::CaseInsensitive))
        return std::nullopt;
    static const QRegularExpression shape(QStringLiteral(
        R"(^DX de\s+([A-Z0-9/#@-]{2,20})\s*:\s*(\d{1,8}(?:\.\d{1,3})?)\s+([A-Z0-9/]{3,20})(?:\s+(.*?))?\s+(\d{4})Z(?:\s+\S{1,10})?$)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = shape.match(*text);
    if (!match.hasMatch() || !validTime(match.captured(5)))
        return std::nullopt;
    Spot spot;
    spot.spotter = match.captured(1).toUpper();
    spot.khz = match.captured(2).toDouble();
    spot.call = match.captured(3).toUpper();
    spot.comment = match.captured(4).simplified();
    spot.time = match.captured(5).left(2) + QLatin1Char(':') + match.captured(5).mid(2);
    if (spot.khz <= 0)
        return std::nullopt;
    return spot;
}
