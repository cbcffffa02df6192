#include "castles/castle_list.h"
#include "castles/castle_update.h"
#include "logbook/station.h"
#include "loopback_server.h"
#include "platform/qt_http.h"
#include "platform/text_file.h"
#include "support/test_env.h"
#include <optional>
#include <random>

namespace {

const QByteArray listPath = "/KOR_DFCF/Liste_DFCF.csv";
const QByteArray oldList = "Rev 011 du 01/02/19\r\n77-121;Ancien Château;Ville\r\n";
const QByteArray newList = "Rev 012 du 08/03/19\r\n77-121;Ch\xE2teau Test;Ville\r\n2a004;Tour;\r\n";
const QString keptOld = QStringLiteral(" : la liste actuelle est conservée.");

class CastleUpdateTest : public DataDirTest {
protected:
    void SetUp() override
    {
        qputenv("DFCF_SERVER_URL", server.url().toUtf8());
        writeFile(castleListFileName, oldList);
    }
    void TearDown() override { qunsetenv("DFCF_SERVER_URL"); }

    HttpReply fetch(Http& client)
    {
        std::optional<HttpReply> got;
        auto transfer = client.get(castleListUrl(settings), {}, [&](const HttpReply& reply) { got = reply; });
        EXPECT_TRUE(waitUntil([&] { return got.has_value(); }));
        return got.value_or(HttpReply{});
    }
    ListUpdate update(Http& client)
    {
        return Maj_Liste_DFCF(dir.path(), settings, context.stationSection(), fetch(client));
    }
    ListUpdate update() { return update(http); }
    QString storedRevision() const { return settings.values.value("Setup F5ABC/Revision_Liste_DFCF"); }

    LoopbackServer server;
    QtHttp http;
};

} // namespace

TEST_F(CastleUpdateTest, AGoodListIsStoredAndTheSameListAgainIsAtTheLatestRevision)
{
    server.answer(listPath, {200, newList});
    settings.values["Setup F5ABC/Revision_Liste_DFCF"] = "Rev 011 du 01/02/19";
    ListUpdate first = update();
    EXPECT_TRUE(first.stored);
    EXPECT_EQ(first.message, QStringLiteral("La liste des Chateaux à été mise à jour Rev 012 du 08/03/19"));
    EXPECT_EQ(readFile(castleListFileName), newList);
    EXPECT_EQ(storedRevision(), QStringLiteral("Rev 012 du 08/03/19"));
    EXPECT_FALSE(exists("Liste_DFCF.tmp"));
    EXPECT_EQ(Cherche_Nom_Chateau(dir.path(), "77121").name, QStringLiteral("C.Château Test"));

    const ListUpdate again = update();
    EXPECT_EQ(again.message, QStringLiteral("La liste des Chateaux est à la derniere révision   (Rev 012 du 08/03/19)"));
    EXPECT_EQ(readFile(castleListFileName), newList);
    EXPECT_EQ(storedRevision(), QStringLiteral("Rev 012 du 08/03/19"));

    // Always from the server, announced as the program always was.
    ASSERT_EQ(server.requests.size(), 2);
    EXPECT_TRUE(server.requests[0].startsWith("GET /KOR_DFCF/Liste_DFCF.csv HTTP/1.1\r\n"));
    EXPECT_TRUE(server.requests[0].contains("User-Agent: VB OpenUrl\r\n"));
    EXPECT_TRUE(server.requests[1].contains("no-cache"));
}

TEST_F(CastleUpdateTest, AFirstUpdateComparesWithTheDefaultRevision)
{
    QByteArray same = newList;
    same.replace("Rev 012 du 08/03/19", "Rev 000 du 01/01/12");
    server.answer(listPath, {200, same});
    EXPECT_EQ(update().message, QStringLiteral("La liste des Chateaux est à la derniere révision   (Rev 000 du 01/01/12)"));
    server.answer(listPath, {200, newList});
    context.Indicatif_Station = "F6XYZ"; // another station remembers its own revision
    EXPECT_EQ(update().message, QStringLiteral("La liste des Chateaux à été mise à jour Rev 012 du 08/03/19"));
    EXPECT_EQ(settings.values.value("Setup F6XYZ/Revision_Liste_DFCF"), QStringLiteral("Rev 012 du 08/03/19"));
    EXPECT_EQ(storedRevision(), QStringLiteral("Rev 000 du 01/01/12"));
}

TEST_F(CastleUpdateTest, ABodyOfManyChunksIsStoredWholeAndAShorterListLeavesNoTrace)
{
    QByteArray big = "Rev 013 du 09/03/19\r\n";
    for (int i = 0; i < 8000; ++i)
        big += QByteArray::number(10000 + i) + ";Ch\xE2teau num\xE9ro " + QByteArray::number(i) + ";Commune\r\n";
    ASSERT_GT(big.size(), 100 * 2048);
    server.answer(listPath, {200, big, "text/plain", 1500});
    EXPECT_TRUE(update().stored);
    EXPECT_EQ(readFile(castleListFileName), big);

    server.answer(listPath, {200, newList});
    EXPECT_TRUE(update().stored);
    EXPECT_EQ(readFile(castleListFileName), newList);
}

TEST_F(CastleUpdateTest, EveryBadAnswerKeepsTheOldListByteForByteAndSaysWhy)
{
    const QString noAccess = QStringLiteral("Attention pas d'acces à Internet");
    struct Case {
        const char* what;
        LoopbackServer::Answer answer;
        QString message;
    };
    const QList<Case> cases = {
        {"404 page", {404, "<html><body>Not Found</body></html>", "text/html"},
         QStringLiteral("Le serveur a répondu par l'erreur 404 au lieu de la liste des châteaux") + keptOld},
        {"500 with a list-like body", {500, newList},
         QStringLiteral("Le serveur a répondu par l'erreur 500 au lieu de la liste des châteaux") + keptOld},
        {"closed mid-body", {200, newList, "text/plain", 8, 30},
         QStringLiteral("Le téléchargement de la liste des châteaux a été interrompu") + keptOld},
        {"empty 200", {200, ""}, noAccess},
        {"captive portal", {200, "<html>Connectez-vous au portail</html>\r\n77121;x;\r\n", "text/html"},
         QStringLiteral("La réponse du serveur n'est pas une liste des châteaux") + keptOld},
        {"revision line alone", {200, "Rev 014 du 10/03/19\r\n"},
         QStringLiteral("La réponse du serveur n'est pas une liste des châteaux") + keptOld},
        {"bad revision line", {200, "Rev 14 du 10/03/19\r\n77121;x;\r\n"},
         QStringLiteral("La réponse du serveur n'est pas une liste des châteaux") + keptOld},
    };
    for (const Case& c : cases) {
        server.answer(listPath, c.answer);
        const ListUpdate result = update();
        EXPECT_FALSE(result.stored) << c.what;
        EXPECT_EQ(result.message, c.message) << c.what;
        EXPECT_EQ(readFile(castleListFileName), oldList) << c.what;
        EXPECT_FALSE(settings.contains("Setup F5ABC", "Revision_Liste_DFCF")) << c.what;
        EXPECT_FALSE(exists("Liste_DFCF.tmp")) << c.what;
    }
}

TEST_F(CastleUpdateTest, NoServerOrASilentOneIsNoAccessAndChangesNothing)
{
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();
    qputenv("DFCF_SERVER_URL", QByteArray("http://127.0.0.1:") + QByteArray::number(port));
    EXPECT_EQ(update().message, QStringLiteral("Attention pas d'acces à Internet"));

    qputenv("DFCF_SERVER_URL", server.url().toUtf8());
    server.answer(listPath, {200, newList, "text/plain", 0, -1, true});
    QtHttp impatient(300);
    const HttpReply reply = fetch(impatient);
    EXPECT_EQ(reply.outcome, HttpReply::Outcome::TimedOut);
    EXPECT_EQ(Maj_Liste_DFCF(dir.path(), settings, context.stationSection(), reply).message,
              QStringLiteral("Attention pas d'acces à Internet"));
    EXPECT_EQ(readFile(castleListFileName), oldList);
    EXPECT_FALSE(settings.contains("Setup F5ABC", "Revision_Liste_DFCF"));
}

TEST_F(CastleUpdateTest, TransfersReportProgressCanBeCancelledAndRefuseHugeBodies)
{
    QByteArray big = "Rev 013 du 09/03/19\r\n" + QByteArray(60000, 'x');
    server.answer(listPath, {200, big, "text/plain", 4000});
    QList<qint64> seen;
    std::optional<HttpReply> got;
    auto transfer = http.get(
        castleListUrl(settings), [&](qint64 received, qint64 total) { seen << received << total; },
        [&](const HttpReply& reply) { got = reply; });
    ASSERT_TRUE(waitUntil([&] { return got.has_value(); }));
    EXPECT_TRUE(got->completed());
    ASSERT_GE(seen.size(), 2);
    EXPECT_EQ(seen.last(), big.size());

    server.answer(listPath, {200, big, "text/plain", 0, -1, true});
    got.reset();
    transfer = http.get(castleListUrl(settings), {}, [&](const HttpReply& reply) { got = reply; });
    QTest::qWait(50);
    transfer->cancel();
    ASSERT_TRUE(waitUntil([&] { return got.has_value(); }));
    EXPECT_EQ(got->outcome, HttpReply::Outcome::Cancelled);
    EXPECT_EQ(Maj_Liste_DFCF(dir.path(), settings, context.stationSection(), *got).message,
              QStringLiteral("Mise à jour des références annulée") + keptOld);
    transfer->cancel(); // once over, a second cancel does nothing

    server.answer(listPath, {200, big, "text/plain", 4000});
    QtHttp small(30000, 10000);
    const HttpReply refused = fetch(small);
    EXPECT_EQ(refused.outcome, HttpReply::Outcome::Failed);
    EXPECT_EQ(readFile(castleListFileName), oldList);
}

TEST_F(CastleUpdateTest, AListThatCannotBeWrittenKeepsTheOldOneAndTheRevision)
{
    server.answer(listPath, {200, newList});
    QDir(dir.path()).mkdir("Liste_DFCF.tmp"); // a directory stands where the scratch file goes
    const ListUpdate result = update();
    EXPECT_FALSE(result.stored);
    EXPECT_TRUE(result.message.startsWith("Impossible d'enregistrer le fichier Liste_DFCF.csv")) << result.message.toStdString();
    EXPECT_EQ(readFile(castleListFileName), oldList);
    EXPECT_FALSE(settings.contains("Setup F5ABC", "Revision_Liste_DFCF"));
}

TEST_F(CastleUpdateTest, ATransferCutAtAnyPointKeepsTheOldList)
{
    QByteArray big = "Rev 013 du 08/12/26\r\n";
    for (int i = 0; i < 2000; ++i)
        big += "77-" + QByteArray::number(100 + i % 900) + ";Ch\xE2teau;Ville\r\n";
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> cut(0, int(big.size()) - 1);
    for (int i = 0; i < 20; ++i) {
        LoopbackServer::Answer answer{200, big};
        answer.chunk = 4096;
        answer.cutAfter = cut(random);
        server.answer(listPath, answer);
        const ListUpdate result = update();
        EXPECT_FALSE(result.stored) << "cut after " << answer.cutAfter;
        ASSERT_EQ(readFile(castleListFileName), oldList);
    }
}
