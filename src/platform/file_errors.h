#pragma once
#include <QString>

// What the operator reads when the system refuses a file operation: a French
// sentence naming the cause and what to do, built from the error number. The
// system's own (English) text is never shown.
enum class FileAction { Read, Write };
QString fileErrorText(int errorNumber, FileAction action, const QString& path);
