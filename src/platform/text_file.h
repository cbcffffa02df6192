#pragma once
#include "platform/result.h"
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

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

// Files an operator may have saved from another editor (lists, template)
// can come in UTF-8: text that is valid UTF-8 with a non-ASCII character, or
// that starts with the UTF-8 mark, is read as UTF-8; anything else as
// Windows-1252. fitsWindows1252 is false when a character cannot be written
// back in Windows-1252.
struct DecodedText {
    QString text;
    bool utf8 = false;
    bool fitsWindows1252 = true;
};
DecodedText decodeDataText(QByteArrayView bytes);

enum class ReadStatus { Ok, NotFound, Error };
struct LinesRead {
    ReadStatus status = ReadStatus::Ok;
    QStringList lines;
    QString error; // French cause and what to do, when status is Error
    bool fitsWindows1252 = true; // readDataLines only
};
// A whole file, as it is on disk.
struct BytesRead {
    ReadStatus status = ReadStatus::Ok;
    QByteArray bytes;
    QString error; // French cause and what to do, when status is Error
};
BytesRead readBytes(const QString& path);
// The log and the program's own files: Windows-1252, byte for byte.
LinesRead readLines(const QString& path);
// A list an operator may have edited: UTF-8 or Windows-1252 (decodeDataText).
LinesRead readDataLines(const QString& path);

// Writes the scratch file, flushes it to disk, then renames it over the target
// in one step: the target holds either its old or its new content, never a mix.
// On failure the target is untouched and the scratch file removed. The
// target's FileLock is held for the write; a read-change-write takes it first
// for the whole span (the writer then takes it again). Each target has a
// scratch name of its own.
Result writeFileAtomically(const QString& target, const QString& scratch, const QByteArray& bytes);
Result writeLinesAtomically(const QString& target, const QString& scratch, const QStringList& lines);

// Test seam: called before each system step of writeFileAtomically with the
// target; a non-zero return is taken as that step's error number. Unset in
// the program.
enum class WriteStep { Open, Write, Sync, Close, Rename, SyncFolder };
using WriteFault = std::function<int(WriteStep, const QString& target)>;
void setWriteFault(WriteFault fault);
