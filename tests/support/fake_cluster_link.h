#pragma once
#include "platform/cluster_link.h"
#include <QByteArrayList>
#include <QStringList>

// A cluster link that goes nowhere: the test plays the node by calling
// accept(), deliver() and drop(), and reads what the program sent.
class FakeClusterLink final : public ClusterLink {
public:
    QStringList opened;     // "host:port" of every attempt
    QByteArrayList sent;
    int closes = 0;

    void open(const QString& host, quint16 port) override { opened << host + ':' + QString::number(port); }
    void send(const QByteArray& bytes) override { sent << bytes; }
    void close() override { ++closes; }

    void accept() { emit connected(); }
    void deliver(const QByteArray& bytes) { emit received(bytes); }
    void drop(const QString& reason = QStringLiteral("connexion fermée par le nœud")) { emit closed(reason); }
};
