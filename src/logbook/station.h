#pragma once
#include <QString>

class Settings;

// Station callsigns and the settings keys shared by every window.
namespace Keys {
inline const QString commonSection = QStringLiteral("Setup ");
inline QString stationSection(const QString& callsign) { return QStringLiteral("Setup ") + callsign; }

inline const QString IndicatifStation = QStringLiteral("Indicatif Station");
inline const QString CheminRepertoire = QStringLiteral("Chemin Repertoire");
inline const QString BandeUtilisee = QStringLiteral("bande Utilisee");
inline const QString ModeUtilise = QStringLiteral("Mode Utilise");
inline const QString DateAuto = QStringLiteral("Date Auto");
inline const QString Revision = QStringLiteral("Revision");
inline const QString RevisionListeDFCF = QStringLiteral("Revision_Liste_DFCF");
inline const QString BandeCluster = QStringLiteral("bande Cluster");
} // namespace Keys

inline const QString noStation = QStringLiteral("FXXXX");
inline const QString Revision_Programme = QStringLiteral(" 1.1.1");

// 1 to 12 characters of A-Z, 0-9 and "_": the callsign names a file.
bool isValidCallsign(const QString& callsign);
QString logFileName(const QString& callsign);            // callsign + "_DFCF.log"
QString displayedCallsign(const QString& callsign);      // "_" shown as "/"
// A worked station's callsign as the log keeps it: trimmed, upper case, "/"
// stored as "_" ("f8wox/p" -> "F8WOX_P"), so that one station has one form.
QString loggedCallsign(const QString& written);

// The configured station; a stored value that breaks the callsign rule is
// treated as no station ("FXXXX") and never used as a path.
QString storedStation(const Settings& settings);

// A list index stored as decimal text; -1 (select nothing) when the text is
// no number or lies outside 0..count-1.
int storedIndex(const Settings& settings, const QString& section, const QString& key, int count);

QString Texte_Historique();
