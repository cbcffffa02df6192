#include "platform/file_lock.h"
#include "platform/file_errors.h"
#include "platform/system_files.h"
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QMutex>
#include <QThread>
#include <cerrno>

namespace {

struct Holder {
    Qt::HANDLE thread = nullptr;
    int depth = 0;
};

QMutex registryMutex;
QHash<QString, Holder>& registry()
{
    static QHash<QString, Holder> held;
    return held;
}

// QLockFile does not say which system error stopped it: ask the folder.
QString cannotLockText(const QString& target)
{
    const QString folder = QFileInfo(target).absolutePath();
    if (!systemFiles::folderWritable(folder))
        return fileErrorText(errno, FileAction::Write, target);
    return fileErrorText(EIO, FileAction::Write, target);
}

// Its owner holds a system lock on the file from just after creating it to
// its end: a file held by no one, and old enough not to be one being created,
// was left by a process that died (before it could name itself, or while
// QLockFile's own take-over was under way).
bool abandoned(QLockFile& lock, const QString& lockPath)
{
    // The owner's name is written after the system lock is taken: a named
    // file needs no wait, an unnamed one may still be being created.
    qint64 pid = 0;
    QString host, app;
    const bool named = lock.getLockInfo(&pid, &host, &app);
    const QFileInfo info(lockPath);
    if (!info.exists() || (!named && info.lastModified().msecsTo(QDateTime::currentDateTime()) < 100))
        return false;
    return systemFiles::lockFileAbandoned(lockPath);
}

} // namespace

LockWait lockOrTakeOver(QLockFile& lock, const QString& lockPath, int waitMs)
{
    // Polled here rather than in QLockFile::tryLock(timeout), whose first
    // sleep is long: an abandoned lock is seen as soon as it is old enough.
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        if (lock.tryLock(0))
            return LockWait::Taken;
        if (lock.error() != QLockFile::LockFailedError)
            return LockWait::Refused;
        bool stuck = false;
        if (abandoned(lock, lockPath)) {
            const bool removed = lock.removeStaleLockFile();
            if (removed && lock.tryLock(0))
                return LockWait::Taken;
            stuck = !removed && QFileInfo::exists(lockPath);
        }
        if (timer.elapsed() >= waitMs)
            return stuck ? LockWait::Stale : LockWait::Held;
        QThread::msleep(10);
    }
}

QString staleLockText(const QString& lockPath)
{
    const QFileInfo info(lockPath);
    if (info.isDir())
        return fileErrorText(EISDIR, FileAction::Write, lockPath);
    const QString left = QStringLiteral("Le verrou %1, laissé par une copie de KOR_DFCF qui s'est arrêtée, ne peut "
                                        "pas être supprimé. ").arg(info.fileName());
    if (!systemFiles::folderWritable(info.absolutePath()))
        return left + fileErrorText(errno, FileAction::Write, lockPath);
    return left + QStringLiteral("Supprimez-le du dossier %1 puis recommencez.")
                      .arg(QDir::toNativeSeparators(info.absolutePath()));
}

FileLock::FileLock(const QString& file, int waitMs) : target(file), key(QFileInfo(file).absoluteFilePath())
{
    {
        const QMutexLocker lock(&registryMutex);
        auto it = registry().find(key);
        if (it != registry().end() && it->thread == QThread::currentThreadId()) {
            ++it->depth;
            isHeld = true;
            return;
        }
    }
    const QString lockPath = key + QStringLiteral(".lock");
    lockFile = std::make_unique<QLockFile>(lockPath);
    // Only a dead owner makes a lock stale: a long rewrite of a live one must
    // never be taken over.
    lockFile->setStaleLockTime(0);
    switch (lockOrTakeOver(*lockFile, lockPath, waitMs)) {
    case LockWait::Taken:
        break;
    case LockWait::Held:
        failure = QStringLiteral("Le fichier est en cours d'enregistrement par une autre copie de KOR_DFCF : "
                                 "attendez qu'elle ait fini ou fermez-la, puis recommencez.");
        return;
    case LockWait::Stale:
        failure = staleLockText(lockPath);
        return;
    case LockWait::Refused:
        failure = cannotLockText(target);
        return;
    }
    isHeld = true;
    const QMutexLocker lock(&registryMutex);
    registry().insert(key, {QThread::currentThreadId(), 1});
}

Result FileLock::failed() const
{
    return Result::failure(unchangedMessage(target), failure);
}

FileLock::~FileLock()
{
    if (!isHeld)
        return;
    {
        const QMutexLocker lock(&registryMutex);
        auto it = registry().find(key);
        if (it != registry().end() && --it->depth > 0)
            return;
        registry().remove(key);
    }
    if (lockFile)
        lockFile->unlock();
}
