#pragma once
#include "platform/cluster_link.h"
#include <QTcpSocket>

// ClusterLink over QTcpSocket.
class QtClusterLink final : public ClusterLink {
    Q_OBJECT
public:
    explicit QtClusterLink(QObject* parent = nullptr);
    void open(const QString& host, quint16 port) override;
    void send(const QByteArray& bytes) override;
    void close() override;

private:
    QTcpSocket* socket = nullptr;
    bool closing = false;
};
