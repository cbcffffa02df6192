#include "castles/castle_list.h"
#include "castles/castle_update.h"
#include "castles/castle_update_window.h"
#include "castles/web_pages.h"
#include "loopback_server.h"
#include "platform/qt_http.h"
#include "support/test_env.h"
#include <QWidget>

TEST(ServerAddresses, HostHostPortAndFullAddressesAllGiveAnHttpUrl)
{
    const QList<std::pair<QString, QString>> accepted = {
        {"dfcf.exemple.fr", "http://dfcf.exemple.fr"},
        {" dfcf.exemple.fr:8080 ", "http://dfcf.exemple.fr:8080"},
        {"http://dfcf.exemple.fr/", "http://dfcf.exemple.fr"},
        {"HTTP://DFCF.exemple.fr//", "http://dfcf.exemple.fr"},
        {"https://dfcf.exemple.fr/site/", "https://dfcf.exemple.fr/site"},
        {"127.0.0.1:9", "http://127.0.0.1:9"},
        {"localhost", "http://localhost"},
    };
    for (const auto& [typed, url] : accepted) {
        const ServerAddress address = parseServerAddress(typed);
        EXPECT_TRUE(address.ok()) << typed.toStdString() << ": " << address.error.toStdString();
        EXPECT_EQ(address.url.toString(), url) << typed.toStdString();
    }
    for (const char* typed : {"", "   ", "dfcf exemple.fr", "ftp://dfcf.exemple.fr", "file:///etc", "dfcf.fr:0",
                              "dfcf.fr:65536", "dfcf.fr:abc", "dfcf.fr:", "http://", "http:///x", "-dfcf.fr",
                              "dfcf..fr", "dfcf.fr/?page=1", "moi@dfcf.fr", "dfcf_fr"})
        EXPECT_FALSE(parseServerAddress(typed).ok()) << typed;
    EXPECT_EQ(pageUrl("dfcf.exemple.fr:8080", reglementPath), QUrl("http://dfcf.exemple.fr:8080/reglement.html"));
    EXPECT_EQ(pageUrl("https://dfcf.exemple.fr/site", castleListPath),
              QUrl("https://dfcf.exemple.fr/site/KOR_DFCF/Liste_DFCF.csv"));
    EXPECT_FALSE(pageUrl("ftp://dfcf.exemple.fr", reglementPath).isValid());
    EXPECT_TRUE(isPlaceholderServer(defaultDfcfServer));
    EXPECT_TRUE(isPlaceholderServer("dxcluster.example.org"));
    EXPECT_FALSE(isPlaceholderServer("dfcf.exemple.fr"));
}

class ServerAddressUpdateTest : public DataDirTest {
protected:
    void SetUp() override
    {
        qunsetenv("DFCF_SERVER_URL");
        writeFile(castleListFileName, "Rev 011 du 01/02/19\r\n77-121;Ancien;\r\n");
        context.http = &http;
    }

    // Runs the menu's update to its end and returns what the operator read.
    QString runUpdate()
    {
        QWidget parent;
        bool over = false;
        QObject::connect(CastleListUpdate::start(context, &parent), &CastleListUpdate::finished, [&] { over = true; });
        EXPECT_TRUE(waitUntil([&] { return over; }));
        return messages.last();
    }

    LoopbackServer server;
    QtHttp http{5000};
};

TEST_F(ServerAddressUpdateTest, AnAddressWithoutHttpIsTriedAndAnUnusableOneSaysWhy)
{
    const QByteArray list = "Rev 012 du 08/03/19\r\n77-121;Neuf;\r\n";
    server.answer("/KOR_DFCF/Liste_DFCF.csv", {200, list});
    settings.write("Setup ", "Serveur DFCF", server.url().mid(QStringLiteral("http://").size()));
    EXPECT_EQ(runUpdate(), "La liste des Chateaux à été mise à jour Rev 012 du 08/03/19");
    EXPECT_EQ(readFile(castleListFileName), list);

    settings.write("Setup ", "Serveur DFCF", "dfcf.exemple.fr:80800");
    const int requests = server.requests.size();
    EXPECT_EQ(runUpdate(), "L'adresse du « Serveur DFCF » (dfcf.exemple.fr:80800) n'est pas utilisable : le port, après "
                           "« : », doit être un nombre de 1 à 65535.\r\nCorrigez-la dans le menu Outils, Paramètres.");
    EXPECT_EQ(server.requests.size(), requests);
    EXPECT_EQ(readFile(castleListFileName), list);
}
