#pragma once
#include <QByteArrayView>
#include <QString>
#include <optional>

// One spot as DX-cluster nodes send it:
// "DX de SPOTTER:  14025.0  CALL  comment  1234Z [locator]".
struct Spot {
    QString spotter;
    double khz = 0;
    QString call;
    QString comment;
    QString time; // "HH:MM" UTC
};

// Longer lines are no spot of any node and are ignored.
constexpr qsizetype maxSpotLineBytes = 256;

// The spot of one received line (without its line end); nothing for any other
// line: announcements, talk, prompts, broken or over-long lines, control bytes.
std::optional<Spot> readSpotLine(QByteArrayView line);
