#pragma once
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <memory>

// A small HTTP server on 127.0.0.1 for the tests: each path answers with a
// status and a body, written in pieces, possibly cut short or never sent.
class LoopbackServer : public QObject {
public:
    struct Answer {
        int status = 200;
        QByteArray body;
        QByteArray contentType = "text/plain";
        int chunk = 0;           // bytes per write; 0 writes the body at once
        int cutAfter = -1;       // close the connection after this many body bytes
        bool silent = false;     // accept the request and never answer
        bool declareLength = true;
    };

    LoopbackServer()
    {
        connect(&server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server.nextPendingConnection())
                serve(socket);
        });
        server.listen(QHostAddress::LocalHost);
    }

    QString url() const { return QStringLiteral("http://127.0.0.1:%1").arg(server.serverPort()); }
    void answer(const QByteArray& path, const Answer& a) { answers[path] = a; }

    QList<QByteArray> requests; // raw request heads, in order

private:
    void serve(QTcpSocket* socket)
    {
        auto head = std::make_shared<QByteArray>();
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket, head] {
            head->append(socket->readAll());
            if (!head->contains("\r\n\r\n"))
                return;
            requests << *head;
            const QByteArray path = head->split(' ').value(1);
            head->clear();
            respond(socket, answers.value(path, Answer{404, "<html>introuvable</html>", "text/html"}));
        });
    }

    void respond(QTcpSocket* socket, const Answer& a)
    {
        if (a.silent)
            return;
        QByteArray out = "HTTP/1.1 " + QByteArray::number(a.status) + " X\r\nContent-Type: " + a.contentType + "\r\n";
        if (a.declareLength)
            out += "Content-Length: " + QByteArray::number(a.body.size()) + "\r\n";
        out += "Connection: close\r\n\r\n";
        socket->write(out);
        const QByteArray body = a.cutAfter >= 0 ? a.body.left(a.cutAfter) : a.body;
        const int step = a.chunk > 0 ? a.chunk : int(qMax<qsizetype>(body.size(), 1));
        auto offset = std::make_shared<qsizetype>(0);
        auto* timer = new QTimer(socket);
        timer->setInterval(1);
        connect(timer, &QTimer::timeout, socket, [socket, timer, offset, body, step] {
            if (*offset < body.size()) {
                socket->write(body.mid(*offset, step));
                *offset += step;
                return;
            }
            timer->stop();
            socket->disconnectFromHost();
        });
        timer->start();
    }

    QTcpServer server;
    QHash<QByteArray, Answer> answers;
};

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTest>
#include <functional>

// Runs the event loop until the condition holds or the time is up.
inline bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 10000)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(5);
    }
    return true;
}
