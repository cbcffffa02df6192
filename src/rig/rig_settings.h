#pragma once
#include "platform/rig.h"
#include <QString>

class Settings;

// The rig choices of one station, kept in its settings section.
namespace RigKeys {
inline const QString Modele = QStringLiteral("Poste Modele");
inline const QString Port = QStringLiteral("Poste Port");
inline const QString Vitesse = QStringLiteral("Poste Vitesse");
inline const QString Adresse = QStringLiteral("Poste Adresse");
inline const QString Suivre = QStringLiteral("Suivre le poste");
} // namespace RigKeys

RigConfig loadRigConfig(const Settings& settings, const QString& section);
void saveRigConfig(Settings& settings, const QString& section, const RigConfig& config);

// Empty when the text is host:port with a port from 1 to 65535, otherwise
// the message for the operator.
QString checkRigAddress(const QString& address);

// Speeds offered for a serial line.
const QList<int>& rigBaudRates();
