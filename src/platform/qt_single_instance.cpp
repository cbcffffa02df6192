#include "platform/qt_single_instance.h"
#include "platform/file_lock.h"
#include "platform/messages.h"
#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>

namespace {

constexpr int connectWaitMs = 1000;
const QByteArray showRequest = "show\n";

QString canonicalDir(const QString& dataDir)
{
    const QString canonical = QDir(dataDir).canonicalPath();
    return canonical.isEmpty() ? QDir(dataDir).absolutePath() : canonical;
}

// Named after the directory and the user, short enough for a socket path.
QString socketName(const QString& dataDir)
{
    const QByteArray key = (canonicalDir(dataDir) + QLatin1Char('|') + QDir::homePath()).toUtf8();
    return QStringLiteral("KOR_DFCF-")
           + QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex().left(20));
}

} // namespace

QtSingleInstance::QtSingleInstance(const QString& directory, QObject* parent)
    : QObject(parent), dataDir(directory), serverName(socketName(directory)),
      lock(QDir(directory).filePath(lockFileName()))
{
    // The lock lasts the whole run: only a dead owner makes it stale.
    lock.setStaleLockTime(0);
}

QtSingleInstance::~QtSingleInstance() = default;

QString QtSingleInstance::alreadyOpenMessage(const QString& dataDir)
{
    return QStringLiteral("KOR_DFCF est déjà ouvert sur le dossier de données %1.\r\n"
                          "Utilisez la fenêtre déjà ouverte : cette deuxième copie du programme se ferme, pour que le "
                          "log ne soit jamais écrit par deux programmes à la fois.")
        .arg(QDir::toNativeSeparators(canonicalDir(dataDir)));
}

QString QtSingleInstance::staleLockMessage(const QString& dataDir)
{
    return QStringLiteral("KOR_DFCF ne peut pas réserver le dossier de données %1 pour lui seul.\r\n%2\r\n"
                          "Le log s'ouvre quand même ; n'ouvrez pas une deuxième copie du programme sur ce dossier "
                          "tant que ce verrou reste.")
        .arg(QDir::toNativeSeparators(canonicalDir(dataDir)), staleLockText(QDir(dataDir).filePath(lockFileName())));
}

bool QtSingleInstance::claim(Messages& messages)
{
    switch (lockOrTakeOver(lock, QDir(dataDir).filePath(lockFileName()), 0)) {
    case LockWait::Taken:
        listen();
        return true;
    // A directory where no lock can be made (read-only) cannot be written by
    // either copy: let this one start and say so when it writes.
    case LockWait::Refused:
        return true;
    // Nothing the program could do would free the directory: it opens the
    // log, whose saves each say why they fail on a read-only disk.
    case LockWait::Stale:
        messages.info(staleLockMessage(dataDir));
        return true;
    case LockWait::Held:
        break;
    }
    askRunningOneToShow();
    messages.info(alreadyOpenMessage(dataDir));
    return false;
}

void QtSingleInstance::raiseOnRequest(QWidget* target)
{
    window = target;
    connect(this, &QtSingleInstance::activationRequested, this, &QtSingleInstance::bringToFront);
}

void QtSingleInstance::listen()
{
    server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    // We hold the lock: a socket left by a copy that died is no one's.
    QLocalServer::removeServer(serverName);
    if (!server->listen(serverName))
        return; // the lock still keeps a second copy out; only the raising is lost
    connect(server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains(showRequest))
                    emit activationRequested();
            });
        }
    });
}

void QtSingleInstance::askRunningOneToShow() const
{
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (!socket.waitForConnected(connectWaitMs))
        return;
    socket.write(showRequest);
    socket.waitForBytesWritten(connectWaitMs);
    socket.disconnectFromServer();
}

void QtSingleInstance::bringToFront()
{
    QWidget* front = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : window.data();
    if (!front)
        return;
    front->setWindowState(front->windowState() & ~Qt::WindowMinimized);
    front->show();
    front->raise();
    front->activateWindow();
}
