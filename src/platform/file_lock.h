#pragma once
#include "platform/result.h"
#include <QString>
#include <memory>

class QLockFile;

// How a wait for a lock ended: taken; still held by a living program when the
// wait ran out; left by a program that died but impossible to remove (a
// read-only disk, a folder of that name); or no lock can be made there.
enum class LockWait { Taken, Held, Stale, Refused };

// QLockFile::tryLock, and a lock file no living process holds is taken over
// even when QLockFile alone would wait for it forever (its owner was killed
// while creating it, or while taking over another). Never waits much longer
// than waitMs.
LockWait lockOrTakeOver(QLockFile& lock, const QString& lockPath, int waitMs);

// Why the lock file left behind cannot be removed, and what to do, in French.
QString staleLockText(const QString& lockPath);

// An exclusive lock on a file, held from construction to destruction through
// a lock file beside it (<file>.lock), so that two writers - two processes or
// two threads - never interleave their read-change-write of one file. A lock
// left by a process that has died is taken over. A thread that already holds
// the lock of a file may take it again (a rewrite that calls the writer).
class FileLock {
public:
    static constexpr int defaultWaitMs = 5000;

    explicit FileLock(const QString& target, int waitMs = defaultWaitMs);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    explicit operator bool() const { return isHeld; }
    // "Impossible d'enregistrer le fichier ... : il est resté inchangé." and why.
    Result failed() const;

private:
    QString target;
    QString key;
    std::unique_ptr<QLockFile> lockFile;
    bool isHeld = false;
    QString failure;
};
