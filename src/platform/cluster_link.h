#pragma once
#include <QByteArray>
#include <QObject>
#include <QString>

// A TCP connection to a DX-cluster node. Everything is asynchronous: open()
// returns at once and connected() or closed() follows from the event loop.
class ClusterLink : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~ClusterLink() override = default;

    virtual void open(const QString& host, quint16 port) = 0;
    virtual void send(const QByteArray& bytes) = 0;
    // Drops the connection; no closed() follows.
    virtual void close() = 0;

signals:
    void connected();
    void received(const QByteArray& bytes);
    // The connection failed or was dropped; reason in French for the operator.
    void closed(const QString& reason);
};
