#include "rig/rig_bands.h"
#include <QHash>

QString modeForRig(const QString& rigMode)
{
    static const QHash<QString, QString> modes = {
        {"USB", "SSB"}, {"LSB", "SSB"}, {"CW", "CW"},  {"CWR", "CW"},  {"FM", "FM"},
        {"FMN", "FM"},  {"WFM", "FM"},  {"AM", "AM"},  {"AMN", "AM"},  {"SAM", "AM"},
    };
    return modes.value(rigMode.trimmed().toUpper());
}

namespace {

// "14,205 MHz": megahertz to the kilohertz, with a decimal comma.
QString frequencyText(double hz)
{
    return QString::number(hz / 1e6, 'f', 3).replace(QLatin1Char('.'), QLatin1Char(',')) + QStringLiteral(" MHz");
}

} // namespace

QString rigStatusText(const RigReading& reading)
{
    if (!reading.ok) {
        const QString reason = reading.reason.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(reading.reason);
        return QStringLiteral("Poste : non connecté") + reason;
    }
    const QString mode = modeForRig(reading.mode);
    const QString shown = mode.isEmpty() ? reading.mode : mode;
    return QStringLiteral("Poste : ") + frequencyText(reading.hz) + (shown.isEmpty() ? QString() : QLatin1Char(' ') + shown);
}

QString rigStateText(bool following, const RigReading& last)
{
    if (!following)
        return QStringLiteral("Poste : suivi arrêté");
    if (!last.ok && last.reason.isEmpty())
        return QStringLiteral("Poste : connexion en cours");
    return rigStatusText(last);
}
