#include "platform/system_files.h"
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QByteArray native(const QString& path) { return QFile::encodeName(path); }
} // namespace

namespace systemFiles {

int openForReading(const QString& path) { return ::open(native(path).constData(), O_RDONLY | O_CLOEXEC); }

int openForWriting(const QString& path)
{
    return ::open(native(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
}

bool isDirectory(int fd)
{
    struct stat info {};
    return ::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode);
}

QByteArray fileStamp(const QString& path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    const qint64 fields[] = {qint64(info.st_dev), qint64(info.st_ino), qint64(info.st_size),
                             qint64(info.st_mtim.tv_sec), qint64(info.st_mtim.tv_nsec)};
    return QByteArray(reinterpret_cast<const char*>(fields), sizeof fields);
}

qint64 sizeOf(int fd)
{
    struct stat info {};
    return ::fstat(fd, &info) == 0 ? qint64(info.st_size) : 0;
}

qint64 readSome(int fd, char* buffer, qint64 size) { return ::read(fd, buffer, size_t(size)); }
qint64 writeSome(int fd, const char* bytes, qint64 size) { return ::write(fd, bytes, size_t(size)); }
bool syncFile(int fd) { return ::fsync(fd) == 0; }
bool closeFile(int fd) { return ::close(fd) == 0; }
bool removeFile(const QString& path) { return ::unlink(native(path).constData()) == 0; }

bool addName(const QString& existing, const QString& newName)
{
    return ::link(native(existing).constData(), native(newName).constData()) == 0;
}

bool replaceFile(const QString& from, const QString& to)
{
    return std::rename(native(from).constData(), native(to).constData()) == 0;
}

bool syncFolder(const QString& folder)
{
    const int dir = ::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0)
        return true;
    const bool synced = ::fsync(dir) == 0 || errno == EINVAL || errno == ENOTSUP;
    const int error = errno;
    ::close(dir);
    errno = error;
    return synced;
}

bool renameNeedsFolderSync() { return true; }

bool folderWritable(const QString& folder) { return ::access(native(folder).constData(), W_OK) == 0; }

bool lockFileAbandoned(const QString& lockPath)
{
    const int fd = ::open(native(lockPath).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool free = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    return free;
}

} // namespace systemFiles
