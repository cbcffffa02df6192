#pragma once
#include <QDateTime>
#include <QString>

// Clock texts of one instant: "JJ/MM/AA" and "hh:mm:ss".
QString Date_UTC(const QDateTime& instant);
QString Heure_UTC(const QDateTime& instant);
QString Heure_Locale(const QDateTime& instant);

// True when the text is a calendar date "JJ/MM/AA" (years 50-99 are 19xx,
// 00-49 are 20xx, which decides 29 February).
bool Verif_Date(const QString& text);
// True when the text is a time "HH:MM", 00:00 to 23:59.
bool Verif_Heure(const QString& text);

// Four-digit year of a two-digit one: 50-99 -> 19xx, 00-49 -> 20xx.
int widenYear(int twoDigitYear);

// Sort key of a log date and time, "JJ/MM/AA" and "HH:MM", as numbers
// (year, month, day, hour, minute); text that is no number counts as 0, so an
// impossible date already stored (31/02/08) still has its place.
qint64 dateTimeKey(const QString& date, const QString& time);

// Today's date in the French short form "dd/MM/yyyy" and the file-name
// stamp "DD_MM_YY", both from the date's numbers.
QString shortDateFr(const QDate& date);
QString dateStamp(const QDate& date);
