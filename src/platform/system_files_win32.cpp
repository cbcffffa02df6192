#include "platform/system_files.h"
#include <QFileInfo>
#include <QThread>
#include <cerrno>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

namespace {

const wchar_t* native(const QString& path) { return reinterpret_cast<const wchar_t*>(path.utf16()); }

// The errno number closest to a Windows error, so that one wording serves both systems.
int errnoOf(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
        return EACCES;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE:
        return EBUSY;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    case ERROR_FILENAME_EXCED_RANGE:
        return ENAMETOOLONG;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
        return ENOMEM;
    case ERROR_TOO_MANY_OPEN_FILES:
        return EMFILE;
    default:
        return EIO;
    }
}

bool failed()
{
    errno = errnoOf(GetLastError());
    return false;
}

// Windows refuses to open a folder as a file with "access denied": say what it is.
int opened(int fd, const QString& path)
{
    if (fd < 0 && errno == EACCES && QFileInfo(path).isDir())
        errno = EISDIR;
    return fd;
}

// Windows refuses to replace a file that another program holds open with
// "access denied", as it does for a folder without the right to write.
bool heldOpen(const QString& path)
{
    const HANDLE file = CreateFileW(native(path), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        return false;
    }
    return GetLastError() == ERROR_SHARING_VIOLATION;
}

} // namespace

namespace systemFiles {

int openForReading(const QString& path)
{
    return opened(_wopen(native(path), _O_RDONLY | _O_BINARY | _O_NOINHERIT), path);
}

int openForWriting(const QString& path)
{
    return opened(_wopen(native(path), _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY | _O_NOINHERIT,
                         _S_IREAD | _S_IWRITE),
                  path);
}

bool isDirectory(int) { return false; } // a folder never opens as a file here

QByteArray fileStamp(const QString& path)
{
    // No access asked: only the file's information is read, whoever holds it open.
    const HANDLE file = CreateFileW(native(path), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {};
    BY_HANDLE_FILE_INFORMATION info {};
    const bool read = GetFileInformationByHandle(file, &info);
    CloseHandle(file);
    if (!read)
        return {};
    const quint32 fields[] = {quint32(info.dwVolumeSerialNumber), quint32(info.nFileIndexHigh), quint32(info.nFileIndexLow),
                              quint32(info.nFileSizeHigh), quint32(info.nFileSizeLow),
                              quint32(info.ftLastWriteTime.dwHighDateTime), quint32(info.ftLastWriteTime.dwLowDateTime)};
    return QByteArray(reinterpret_cast<const char*>(fields), sizeof fields);
}

qint64 sizeOf(int fd)
{
    const qint64 size = _filelengthi64(fd);
    return size < 0 ? 0 : size;
}

qint64 readSome(int fd, char* buffer, qint64 size) { return _read(fd, buffer, unsigned(qMin<qint64>(size, 1 << 30))); }

qint64 writeSome(int fd, const char* bytes, qint64 size)
{
    return _write(fd, bytes, unsigned(qMin<qint64>(size, 1 << 30)));
}

bool syncFile(int fd) { return _commit(fd) == 0; }
bool closeFile(int fd) { return _close(fd) == 0; }
bool removeFile(const QString& path) { return DeleteFileW(native(path)) || failed(); }

bool addName(const QString& existing, const QString& newName)
{
    return CreateHardLinkW(native(newName), native(existing), nullptr) || failed();
}

// Another program that has the file open (an editor, a backup tool, an
// indexer) makes the rename fail for a moment: try again for two seconds.
bool replaceFile(const QString& from, const QString& to)
{
    for (int attempt = 0;; ++attempt) {
        if (MoveFileExW(native(from), native(to), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        const DWORD error = GetLastError();
        if (error == ERROR_ACCESS_DENIED && QFileInfo(to).isDir()) {
            errno = EISDIR;  // Windows says "access denied" for a folder bearing the file's name
            return false;
        }
        const bool busy = error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED || error == ERROR_LOCK_VIOLATION;
        if (!busy || attempt == 40) {
            errno = heldOpen(to) ? EBUSY : errnoOf(error);
            return false;
        }
        QThread::msleep(50);
    }
}

// MOVEFILE_WRITE_THROUGH has already made the rename durable.
bool syncFolder(const QString&) { return true; }
bool renameNeedsFolderSync() { return false; }

bool folderWritable(const QString& folder)
{
    const DWORD attributes = GetFileAttributesW(native(folder));
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return failed();
    // A folder's read-only mark does not stop writing in it; a probe file tells.
    const QString probe = folder + QStringLiteral("/.kor_dfcf_probe");
    const HANDLE file = CreateFileW(native(probe), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return failed();
    CloseHandle(file);
    return true;
}

// A living owner keeps its lock file open and lets others only read it.
bool lockFileAbandoned(const QString& lockPath)
{
    // A folder in the lock's place is held by no one, and cannot be opened
    // as the lock is.
    const DWORD attributes = GetFileAttributesW(native(lockPath));
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return true;
    const HANDLE file = CreateFileW(native(lockPath), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

} // namespace systemFiles
