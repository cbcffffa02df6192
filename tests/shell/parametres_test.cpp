#include "castles/cluster_window.h"
#include "castles/castle_update_window.h"
#include "castles/loopback_server.h"
#ifdef DFCF_WEB_VIEW
#include "castles/reglement_window.h"
#endif
#include "castles/web_pages.h"
#include "platform/qt_http.h"
#include "shell/main_window.h"
#include "shell/parametres_window.h"
#include "support/test_env.h"
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTcpServer>
#include <QtTest>

namespace {

class ParametresTest : public DataDirTest {
protected:
    void SetUp() override
    {
        qunsetenv("DFCF_SERVER_URL");
        qunsetenv("DFCF_CLUSTER_URL");
        context.http = &http;
        main = std::make_unique<Main>(context);
        main->show();
    }

    Parametres* settingsWindow() const { return main->findChild<Parametres*>(); }

    static void retype(QLineEdit* field, const QString& text)
    {
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
    }

    QtHttp http{5000};
    std::unique_ptr<Main> main;
};

} // namespace

TEST_F(ParametresTest, AddressesAreCheckedAsTypedAndSavedInTheirFullForm)
{
    main->Mnu_Parametres->trigger();
    Parametres* p = settingsWindow();
    ASSERT_TRUE(p);
    EXPECT_TRUE(p->isVisible());
    EXPECT_EQ(p->windowTitle(), "Paramètres");
    EXPECT_EQ(p->Serveur_DFCF->text(), defaultDfcfServer);
    EXPECT_EQ(p->Etat_DFCF->text(), "Adresse d'exemple : elle ne mène à aucun serveur réel.");
    EXPECT_FALSE(p->Raison->isVisible());

    const QList<std::pair<QString, QString>> refused = {
        {"", "Adresse inutilisable : l'adresse est vide (exemple : serveur.exemple.fr ou serveur.exemple.fr:8080)."},
        {"dfcf fr", "Adresse inutilisable : une adresse ne contient pas d'espace."},
        {"ftp://dfcf.fr", "Adresse inutilisable : seules les adresses http:// ou https:// sont acceptées."},
        {"dfcf.fr:99999", "Adresse inutilisable : le port, après « : », doit être un nombre de 1 à 65535."},
        {"http://", "Adresse inutilisable : le nom du serveur manque."},
        {"dfcf_fr!", "Adresse inutilisable : « dfcf_fr! » n'est pas un nom de serveur valable."},
    };
    for (const auto& [typed, state] : refused) {
        retype(p->Serveur_DFCF, typed);
        EXPECT_EQ(p->Etat_DFCF->text(), state) << typed.toStdString();
        EXPECT_FALSE(p->Enregistrer->isEnabled()) << typed.toStdString();
        EXPECT_FALSE(p->Tester->isEnabled()) << typed.toStdString();
    }
    retype(p->Serveur_DFCF, "dfcf.exemple.fr:8080");
    EXPECT_EQ(p->Etat_DFCF->text(), "Adresse utilisée : http://dfcf.exemple.fr:8080");
    retype(p->Serveur_Cluster, "HTTP://Cluster.exemple.fr/dx/");
    EXPECT_TRUE(p->Enregistrer->isEnabled());
    EXPECT_TRUE(settings.values.isEmpty()); // nothing written while typing
    QTest::mouseClick(p->Enregistrer, Qt::LeftButton);
    EXPECT_EQ(settings.values.value("Setup /Serveur DFCF"), "http://dfcf.exemple.fr:8080");
    EXPECT_EQ(settings.values.value("Setup /Serveur Cluster"), "http://cluster.exemple.fr/dx");
    EXPECT_EQ(pageUrl(clusterServer(settings), "/dxc/a.html"), QUrl("http://cluster.exemple.fr/dx/dxc/a.html"));
    EXPECT_FALSE(p->isVisible());
}

TEST_F(ParametresTest, TesterSaysWhatTheServerAnswered)
{
    LoopbackServer server;
    server.answer("/KOR_DFCF/Liste_DFCF.csv", {200, "Rev 012 du 05/03/19\r\n77121;Blandy;Blandy\r\n"});
    server.answer("/autre/KOR_DFCF/Liste_DFCF.csv", {200, "<html>Bienvenue</html>", "text/html"});
    server.answer("/utf8/KOR_DFCF/Liste_DFCF.csv", {200, "\xEF\xBB\xBFRev 013 du 06/03/19\r\n77121;Ch\xC3\xA2teau;Blandy\r\n"});
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const quint16 closedPort = closed.serverPort();
    closed.close();

    main->Mnu_Parametres->trigger();
    Parametres* p = settingsWindow();
    ASSERT_TRUE(p);
    const auto probe = [&](const QString& address) {
        retype(p->Serveur_DFCF, address);
        QTest::mouseClick(p->Tester, Qt::LeftButton);
        EXPECT_FALSE(p->Tester->isEnabled()); // one trial at a time
        EXPECT_TRUE(waitUntil([&] { return p->Tester->isEnabled(); }));
        return p->Resultat_Test->text();
    };
    // "host:port" without "http://" reaches the server.
    const QString port = QString::number(QUrl(server.url()).port());
    EXPECT_EQ(probe("127.0.0.1:" + port), "Le serveur répond : liste des châteaux « Rev 012 du 05/03/19 ».");
    // A list saved in UTF-8 with its mark is a list, as the update takes it.
    EXPECT_EQ(probe(server.url() + "/utf8"), "Le serveur répond : liste des châteaux « Rev 013 du 06/03/19 ».");
    EXPECT_EQ(probe(server.url() + "/ailleurs"),
              "Le serveur répond, mais par l'erreur 404 : la liste des châteaux n'est pas à cette adresse.");
    EXPECT_EQ(probe(server.url() + "/autre"),
              "Le serveur répond, mais ce n'est pas une liste des châteaux (début : « <html>Bienvenue</html> »).");
    EXPECT_EQ(probe("127.0.0.1:" + QString::number(closedPort)),
              "Aucune réponse : vérifiez l'adresse du serveur et l'accès à Internet.");
    EXPECT_TRUE(settings.values.isEmpty()); // a trial saves nothing
}

TEST_F(ParametresTest, ExampleAddressSendsTheOperatorToTheSettingsOnceWithTheReason)
{
    main->Mnu_Maj_Liste_DFCF->trigger();
    EXPECT_FALSE(main->findChild<CastleListUpdate*>());
    Parametres* p = settingsWindow();
    ASSERT_TRUE(p);
    EXPECT_TRUE(p->Raison->isVisible());
    EXPECT_EQ(p->Raison->text(),
              "L'adresse du « Serveur DFCF » est encore l'adresse d'exemple (http://dfcf.example.org) : « Reglement », "
              "« Liste des DFCF » et la mise à jour des références ne peuvent pas fonctionner. Entrez l'adresse du site du "
              "diplôme DFCF, puis « Enregistrer ».");

    main->Mnu_Cluster->trigger();
    EXPECT_FALSE(main->findChild<Cluster*>());
    EXPECT_EQ(settingsWindow(), p); // the same window, with the cluster's reason
    EXPECT_TRUE(p->Raison->text().startsWith("L'adresse du « Serveur Cluster » est encore l'adresse d'exemple"));

    LoopbackServer server;
    retype(p->Serveur_DFCF, server.url().mid(7)); // "127.0.0.1:port"
    QTest::mouseClick(p->Enregistrer, Qt::LeftButton);
    main->Mnu_Reglement->trigger();
#ifdef DFCF_WEB_VIEW
    auto* reglement = main->findChild<Reglement*>();
    ASSERT_TRUE(reglement);
    EXPECT_EQ(reglement->shownUrl(), QUrl(server.url() + "/reglement.html"));
    reglement->close();
#else
    EXPECT_EQ(browser.opened.value(0), QUrl(server.url() + "/reglement.html"));
#endif

    // An address that cannot be used says why, every time.
    settings.write("Setup ", "Serveur Cluster", "ftp://cluster.exemple.fr");
    for (int i = 0; i < 2; ++i) {
        main->Mnu_Cluster->trigger();
        EXPECT_FALSE(main->findChild<Cluster*>());
        ASSERT_TRUE(settingsWindow());
        EXPECT_EQ(settingsWindow()->Raison->text(),
                  "L'adresse du « Serveur Cluster » (ftp://cluster.exemple.fr) n'est pas utilisable : seules les adresses "
                  "http:// ou https:// sont acceptées.\r\nCorrigez-la dans le menu Outils, Paramètres.");
    }
}
