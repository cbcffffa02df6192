#pragma once
#include <QString>

// Ligne_Liste: the row of the main list for one log line, a line number
// right-aligned in 5 columns (wider numbers widen only the number) followed
// by the log fields at the columns of the list header.
QString Ligne_Liste(int number, const QString& logLine);
const QString& listHeader(); // caption of Label_Liste_DFCF
