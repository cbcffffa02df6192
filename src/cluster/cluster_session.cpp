#include "cluster/cluster_session.h"
#include "platform/cluster_link.h"

namespace {

// The prompts of the usual node programs: "login:", "Please enter your call:",
// "Enter your callsign:".
bool isLoginPrompt(const QByteArray& text)
{
    const QByteArray lower = text.trimmed().toLower();
    return lower.endsWith("login:") || lower.endsWith("call:") || lower.endsWith("callsign:")
        || lower.contains("enter your call");
}

} // namespace

ClusterSession::ClusterSession(ClusterLink* clusterLink, QObject* parent) : QObject(parent), link(clusterLink)
{
    retryTimer.setSingleShot(true);
    connectTimer.setSingleShot(true);
    connect(&retryTimer, &QTimer::timeout, this, &ClusterSession::attempt);
    connect(&connectTimer, &QTimer::timeout, this, [this] {
        link->close();
        onClosed(QStringLiteral("le nœud ne répond pas"));
    });
    connect(link, &ClusterLink::connected, this, &ClusterSession::onConnected);
    connect(link, &ClusterLink::received, this, &ClusterSession::onReceived);
    connect(link, &ClusterLink::closed, this, &ClusterSession::onClosed);
}

void ClusterSession::start(const ClusterNode& target, const QString& callsign)
{
    stop();
    node = target;
    login = callsign.trimmed().toUpper();
    active = true;
    retryMs = timing.firstRetryMs;
    attempt();
}

void ClusterSession::stop()
{
    const bool wasActive = active;
    active = false;
    retryTimer.stop();
    connectTimer.stop();
    link->close();
    if (wasActive)
        setState(QStringLiteral("Déconnecté"));
}

void ClusterSession::attempt()
{
    if (!active)
        return;
    lines.clear();
    loginSent = false;
    setState(QStringLiteral("Connexion à %1…").arg(node.text()));
    connectTimer.start(timing.connectTimeoutMs);
    link->open(node.host, node.port);
}

void ClusterSession::onConnected()
{
    if (!active)
        return;
    connectTimer.stop();
    connectedFor.start();
    setState(QStringLiteral("Connecté à %1, en attente de la demande d'indicatif").arg(node.text()));
}

void ClusterSession::onReceived(const QByteArray& bytes)
{
    if (!active)
        return;
    for (const QByteArray& line : lines.feed(bytes)) {
        answerPrompt(line);
        emit lineReceived(line);
    }
    if (answerPrompt(lines.pending()))
        lines.dropPending();
}

bool ClusterSession::answerPrompt(const QByteArray& text)
{
    if (loginSent || !isLoginPrompt(text))
        return false;
    loginSent = true;
    link->send(login.toLatin1() + "\r\n");
    setState(QStringLiteral("Connecté à %1 (%2)").arg(node.text(), login));
    return true;
}

void ClusterSession::onClosed(const QString& reason)
{
    if (!active)
        return;
    connectTimer.stop();
    if (connectedFor.isValid() && connectedFor.elapsed() >= timing.steadyMs)
        retryMs = timing.firstRetryMs;
    connectedFor.invalidate();
    const int seconds = (retryMs + 999) / 1000;
    setState(QStringLiteral("Déconnecté (%1) : nouvel essai dans %2 s").arg(reason).arg(seconds));
    retryTimer.start(retryMs);
    retryMs = std::min(retryMs * 2, timing.maxRetryMs);
}

void ClusterSession::setState(const QString& text)
{
    if (text == state)
        return;
    state = text;
    emit stateChanged(state);
}
