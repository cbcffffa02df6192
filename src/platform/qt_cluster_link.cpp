#include "platform/qt_cluster_link.h"

namespace {

// The system's own error texts are English: the operator reads these instead.
QString reasonOf(QAbstractSocket::SocketError error)
{
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        return QStringLiteral("connexion refusée par le nœud");
    case QAbstractSocket::RemoteHostClosedError:
        return QStringLiteral("connexion fermée par le nœud");
    case QAbstractSocket::HostNotFoundError:
        return QStringLiteral("nœud introuvable");
    case QAbstractSocket::SocketTimeoutError:
        return QStringLiteral("le nœud ne répond pas");
    case QAbstractSocket::NetworkError:
        return QStringLiteral("réseau inaccessible");
    default:
        return QStringLiteral("erreur de connexion");
    }
}

} // namespace

QtClusterLink::QtClusterLink(QObject* parent) : ClusterLink(parent), socket(new QTcpSocket(this))
{
    connect(socket, &QTcpSocket::connected, this, &ClusterLink::connected);
    connect(socket, &QTcpSocket::readyRead, this, [this] { emit received(socket->readAll()); });
    connect(socket, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
        if (closing)
            return;
        closing = true;
        emit closed(reasonOf(error));
    });
    connect(socket, &QTcpSocket::disconnected, this, [this] {
        if (closing)
            return;
        closing = true;
        emit closed(reasonOf(QAbstractSocket::RemoteHostClosedError));
    });
}

void QtClusterLink::open(const QString& host, quint16 port)
{
    closing = true;
    socket->abort();
    closing = false;
    socket->connectToHost(host, port);
}

void QtClusterLink::send(const QByteArray& bytes)
{
    if (socket->state() == QAbstractSocket::ConnectedState)
        socket->write(bytes);
}

void QtClusterLink::close()
{
    closing = true;
    socket->abort();
}
