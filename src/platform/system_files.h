#pragma once
#include <QByteArray>
#include <QString>

// The few system calls behind the safe writer, the readers and the locks,
// one version per system. Failures leave an errno number in errno, whatever
// the system, so that fileErrorText() words them all.
namespace systemFiles {

int openForReading(const QString& path);  // a descriptor, or -1
int openForWriting(const QString& path);  // created or emptied; -1 on failure
bool isDirectory(int fd);
qint64 sizeOf(int fd);
qint64 readSome(int fd, char* buffer, qint64 size);       // 0 at the end, -1 on failure
qint64 writeSome(int fd, const char* bytes, qint64 size);
bool syncFile(int fd);
bool closeFile(int fd);
bool removeFile(const QString& path);
bool addName(const QString& existing, const QString& newName); // a hard link
// Renames over an existing file in one step.
bool replaceFile(const QString& from, const QString& to);
// Makes a rename in the folder durable where the system allows it.
bool syncFolder(const QString& folder);
// False where the rename itself is durable and syncFolder() cannot fail.
bool renameNeedsFolderSync();
bool folderWritable(const QString& folder);
// Which file stands at path and how it was last written (device, file
// number, size, modification time): a file renamed over it, or written in
// place, gives another answer. Empty when there is none.
QByteArray fileStamp(const QString& path);
// True when no living process holds the system lock its owner keeps on a lock file.
bool lockFileAbandoned(const QString& lockPath);

} // namespace systemFiles
