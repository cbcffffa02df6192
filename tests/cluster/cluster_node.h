#pragma once
#include <QByteArray>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

// A DX-cluster node played by the test on 127.0.0.1: greets every caller
// with a login prompt, records what it is sent, sends what the test says.
class LoopbackNode : public QObject {
public:
    LoopbackNode()
    {
        connect(&server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server.nextPendingConnection()) {
                ++connections;
                client = socket;
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { received += socket->readAll(); });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
                socket->write("\xff\xfb\x01" "Bienvenue sur le noeud de test\r\nlogin: ");
            }
        });
        server.listen(QHostAddress::LocalHost);
    }

    QString address() const { return QStringLiteral("127.0.0.1:%1").arg(server.serverPort()); }
    void send(const QByteArray& bytes)
    {
        if (client)
            client->write(bytes);
    }
    void drop()
    {
        if (client)
            client->disconnectFromHost();
    }

    int connections = 0;
    QByteArray received;

private:
    QTcpServer server;
    QPointer<QTcpSocket> client;
};
