#pragma once
#include <QString>

// What the operator reads when the system refuses a file operation: a French
// sentence naming the cause and what to do, built from the error number. The
// system's own (English) text is never shown.
enum class FileAction { Read, Write };
QString fileErrorText(int errorNumber, FileAction action, const QString& path);

// "Impossible d'enregistrer le fichier <name> : il est resté inchangé.", the
// first line of every failed save.
QString unchangedMessage(const QString& target);
