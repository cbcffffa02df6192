#pragma once
#include "platform/result.h"
#include <QByteArray>
#include <QString>
#include <QStringList>

// The one place that converts text to and from Windows-1252 and knows how
// data files are laid out on disk: single bytes, lines ended by CR LF.

QString fromWindows1252(QByteArrayView bytes);
// Characters Windows-1252 cannot hold become '?'; callers that must not lose
// text check isWindows1252() first.
QByteArray toWindows1252(const QString& text);
bool isWindows1252(QChar c);
bool isWindows1252(const QString& text);
// Upper case one character at a time; a character whose capital is not one
// Windows-1252 character (ß, µ) is kept as it is, so widths never change.
QString upperWindows1252(const QString& text);

// Splits file content into lines: CR LF (or a lone LF) ends a line; the last
// line may lack its end. An empty file has no line.
QStringList splitLines(const QString& content);
QByteArray joinLines(const QStringList& lines);

enum class ReadStatus { Ok, NotFound, Error };
struct LinesRead {
    ReadStatus status = ReadStatus::Ok;
    QStringList lines;
    QString error; // system text when status is Error
};
LinesRead readLines(const QString& path);

// Writes the scratch file, flushes it to disk, then renames it over the target
// in one step: the target holds either its old or its new content, never a mix.
// On failure the target is untouched and the scratch file removed.
Result writeFileAtomically(const QString& target, const QString& scratch, const QByteArray& bytes);
Result writeLinesAtomically(const QString& target, const QString& scratch, const QStringList& lines);
