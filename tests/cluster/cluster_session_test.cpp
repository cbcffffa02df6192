#include "cluster/cluster_session.h"
#include "support/fake_cluster_link.h"
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

ClusterSession::Timing fastTiming()
{
    ClusterSession::Timing timing;
    timing.firstRetryMs = 20;
    timing.maxRetryMs = 80;
    timing.connectTimeoutMs = 5000;
    timing.steadyMs = 60000;
    return timing;
}

TEST(ClusterSession, AnswersTheLoginPromptOnceEvenWhenItComesInPieces)
{
    FakeClusterLink link;
    ClusterSession session(&link);
    QSignalSpy lines(&session, &ClusterSession::lineReceived);
    session.start({"dxc.exemple.org", 7300}, "f5abc/p");
    EXPECT_EQ(link.opened, QStringList{"dxc.exemple.org:7300"});
    EXPECT_EQ(session.stateText(), QString::fromUtf8("Connexion à dxc.exemple.org:7300…"));
    link.accept();
    link.deliver("Hello, this is GB7DJK\r\nPlease enter your ca");
    EXPECT_TRUE(link.sent.isEmpty());
    link.deliver("ll: ");
    ASSERT_EQ(link.sent.size(), 1);
    EXPECT_EQ(link.sent[0], "F5ABC/P\r\n");
    EXPECT_EQ(session.stateText(), QString::fromUtf8("Connecté à dxc.exemple.org:7300 (F5ABC/P)"));
    // The answered prompt is no part of the next line.
    link.deliver("DX de F5XYZ: 14025.0 F6ABC DFCF 77121 1234Z\r\nlogin: \r\n");
    EXPECT_EQ(link.sent.size(), 1);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[1].at(0).toByteArray(), "DX de F5XYZ: 14025.0 F6ABC DFCF 77121 1234Z");
}

TEST(ClusterSession, RetriesLaterAndLaterAfterEachDropUntilStopped)
{
    FakeClusterLink link;
    ClusterSession session(&link);
    session.setTiming(fastTiming());
    session.start({"127.0.0.1", 7300}, "F5ABC");
    QList<int> delays;
    for (int attempt = 0; attempt < 4; ++attempt) {
        delays << session.nextRetryMs();
        link.drop(QString::fromUtf8("connexion refusée par le nœud"));
        EXPECT_TRUE(session.stateText().startsWith(QString::fromUtf8("Déconnecté (connexion refusée par le nœud) : nouvel essai dans")));
        const qsizetype before = link.opened.size();
        ASSERT_TRUE(QTest::qWaitFor([&] { return link.opened.size() > before; }, 2000));
    }
    EXPECT_EQ(delays, (QList<int>{20, 40, 80, 80}));

    // Each new attempt asks for the login again.
    link.accept();
    link.deliver("login: ");
    EXPECT_EQ(link.sent.size(), 1);

    session.stop();
    EXPECT_EQ(session.stateText(), QString::fromUtf8("Déconnecté"));
    const qsizetype attempts = link.opened.size();
    link.drop();
    QTest::qWait(120);
    EXPECT_EQ(link.opened.size(), attempts);
}

TEST(ClusterSession, ANodeThatNeverAnswersCountsAsADrop)
{
    FakeClusterLink link;
    ClusterSession session(&link);
    ClusterSession::Timing timing = fastTiming();
    timing.connectTimeoutMs = 30;
    session.setTiming(timing);
    session.start({"10.0.0.1", 23}, "F5ABC");
    ASSERT_TRUE(QTest::qWaitFor([&] { return link.opened.size() >= 2; }, 2000));
    EXPECT_GE(link.closes, 1);
}

} // namespace
