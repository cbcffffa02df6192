#pragma once
#include "cluster/cluster_setup.h"
#include "cluster/telnet_lines.h"
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class ClusterLink;

// The life of one cluster connection: connect, answer the login prompt with
// the callsign, hand over every line, and after a drop try again later and
// later. The state is told as a French sentence for the window to show.
class ClusterSession : public QObject {
    Q_OBJECT
public:
    struct Timing {
        int firstRetryMs = 5000;
        int maxRetryMs = 5 * 60 * 1000;
        int connectTimeoutMs = 20000;
        int steadyMs = 60000; // connected this long, the next drop starts the delays again
    };

    explicit ClusterSession(ClusterLink* link, QObject* parent = nullptr);
    void setTiming(const Timing& timing) { this->timing = timing; }

    void start(const ClusterNode& node, const QString& login);
    void stop();
    bool running() const { return active; }
    const QString& stateText() const { return state; }
    int nextRetryMs() const { return retryMs; }

signals:
    void stateChanged(const QString& text);
    void lineReceived(const QByteArray& line);

private:
    void attempt();
    void onConnected();
    void onReceived(const QByteArray& bytes);
    void onClosed(const QString& reason);
    bool answerPrompt(const QByteArray& text);
    void setState(const QString& text);

    ClusterLink* link;
    Timing timing;
    ClusterNode node;
    QString login;
    TelnetLines lines;
    QTimer retryTimer;
    QTimer connectTimer;
    QElapsedTimer connectedFor;
    QString state;
    int retryMs = 0;
    bool active = false;
    bool loginSent = false;
};
