#include "castles/cluster_window.h"
#include "castles/web_pages.h"
#include "loopback_server.h"
#include "shell/main_window.h"
#include "support/test_env.h"
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <algorithm>
#ifdef DFCF_WEB_VIEW
#include "castles/liste_dfcf1_window.h"
#include "castles/reglement_window.h"
#include <QWebEngineView>
#endif

namespace {

// Every page points at the loopback server: no test reaches another host.
class WebPagesTest : public DataDirTest {
protected:
    void SetUp() override
    {
        qputenv("DFCF_SERVER_URL", server.url().toUtf8());
        qputenv("DFCF_CLUSTER_URL", (server.url() + "/").toUtf8());
    }
    void TearDown() override
    {
        qunsetenv("DFCF_SERVER_URL");
        qunsetenv("DFCF_CLUSTER_URL");
    }

    LoopbackServer server;
};

} // namespace

TEST(ClusterBands, FourteenEntriesInOrderWithTheirPages)
{
    const QStringList entries = {"All HF", "1.8 Mhz", "3.5 Mhz", "7.0 Mhz", "10 Mhz",  "14 Mhz",  "18 Mhz",
                                 "21 Mhz", "24 Mhz",  "28 Mhz",  "50 Mhz",  "144 Mhz", "432 Mhz", "All VHF"};
    const QStringList paths = {"/dxc/top_250_HF.html",    "/dxc/top_50_1.8_MHz.html", "/dxc/top_50_3.5_MHz.html",
                               "/dxc/top_50_7_MHz.html",  "/dxc/top_50_10_MHz.html",  "/dxc/top_50_14_MHz.html",
                               "/dxc/top_50_18_MHz.html", "/dxc/top_50_21_MHz.html",  "/dxc/top_50_24_MHz.html",
                               "/dxc/top_50_28_MHz.html", "/dxc/top_50_50_MHz.html",  "/dxc/top_50_144_MHz.html",
                               "/dxc/top_50_430_MHz.html", "/dxc/top_250_VHF.html"};
    ASSERT_EQ(clusterBands().size(), 14);
    for (int i = 0; i < 14; ++i) {
        EXPECT_EQ(clusterBands()[i].entry, entries[i]);
        EXPECT_EQ(clusterPath(i), paths[i]) << i;
    }
    EXPECT_EQ(clusterPath(-1), paths[0]);
    EXPECT_EQ(clusterPath(14), paths[0]);
    for (const char* stored : {"", "abc", "-1", "14", "99"})
        EXPECT_EQ(clusterBandIndex(stored), 0) << stored;
    EXPECT_EQ(clusterBandIndex("13"), 13);
    EXPECT_EQ(clusterBandIndex(" 5 "), 5);
}

TEST(ServerAddresses, SettingsThenEnvironmentOverrideTheDefaults)
{
    qunsetenv("DFCF_SERVER_URL");
    qunsetenv("DFCF_CLUSTER_URL");
    FakeSettings settings;
    EXPECT_EQ(dfcfServer(settings), defaultDfcfServer);
    EXPECT_EQ(clusterServer(settings), defaultClusterServer);
    EXPECT_TRUE(defaultDfcfServer.startsWith("http://"));
    EXPECT_TRUE(defaultClusterServer.startsWith("http://"));
    settings.write("Setup ", "Serveur DFCF", "http://127.0.0.1:8080/");
    settings.write("Setup ", "Serveur Cluster", "  ");
    EXPECT_EQ(pageUrl(dfcfServer(settings), reglementPath), QUrl("http://127.0.0.1:8080/reglement.html"));
    EXPECT_EQ(clusterServer(settings), defaultClusterServer);
    qputenv("DFCF_SERVER_URL", "http://127.0.0.1:9");
    EXPECT_EQ(dfcfServer(settings), QStringLiteral("http://127.0.0.1:9"));
    qunsetenv("DFCF_SERVER_URL");
}

TEST(Browser, APageNoBrowserTakesIsSaidInFrench)
{
    FakeBrowser browser;
    const QUrl page("http://127.0.0.1:9/reglement.html");
    EXPECT_TRUE(openInBrowser(browser, page));
    browser.takes = false;
    const Result failed = openInBrowser(browser, page);
    EXPECT_FALSE(failed);
    EXPECT_EQ(failed.message, "Aucun navigateur Internet n'a pu ouvrir la page http://127.0.0.1:9/reglement.html : "
                              "vérifiez qu'un navigateur est installé et choisi comme navigateur par défaut, puis "
                              "recommencez.");
    EXPECT_EQ(browser.opened, QList<QUrl>({page, page}));
}

TEST_F(WebPagesTest, TheClusterWindowRemembersTheBandPerStation)
{
    {
        Cluster first(context);
        EXPECT_EQ(first.Bande_CL->currentText(), QStringLiteral("All HF"));
        EXPECT_EQ(first.shownUrl(), QUrl(server.url() + "/dxc/top_250_HF.html"));
        EXPECT_EQ(settings.values.value("Setup F5ABC/bande Cluster"), QStringLiteral("0"));
        first.Bande_CL->setCurrentIndex(11);
        EXPECT_EQ(first.shownUrl().path(), QStringLiteral("/dxc/top_250_HF.html")); // choosing alone shows nothing new
        QTest::mouseClick(first.Afficher, Qt::LeftButton);
        EXPECT_EQ(first.shownUrl().path(), QStringLiteral("/dxc/top_50_144_MHz.html"));
        EXPECT_EQ(settings.values.value("Setup F5ABC/bande Cluster"), QStringLiteral("11"));
        EXPECT_EQ(first.findChild<QLabel*>("Label1")->text(), QStringLiteral("Cluster remis a jour toutes les minutes"));
    }
    {
        Cluster reopened(context);
        EXPECT_EQ(reopened.Bande_CL->currentText(), QStringLiteral("144 Mhz"));
        EXPECT_EQ(reopened.shownUrl().path(), QStringLiteral("/dxc/top_50_144_MHz.html"));
    }
    context.Indicatif_Station = "F6XYZ";
    settings.values["Setup F6XYZ/bande Cluster"] = "42";
    Cluster other(context);
    EXPECT_EQ(other.Bande_CL->currentIndex(), 0);
    EXPECT_EQ(other.shownUrl().path(), QStringLiteral("/dxc/top_250_HF.html"));
    EXPECT_EQ(settings.values.value("Setup F5ABC/bande Cluster"), QStringLiteral("11"));
}

#ifdef DFCF_WEB_VIEW
TEST_F(WebPagesTest, ARealWebViewShowsTheClusterPageFromTheServer)
{
    server.answer("/dxc/top_50_14_MHz.html",
                  {200, "<html><head><title>Spots 14 MHz</title></head><body>F5ABC 14.205</body></html>",
                   "text/html"});
    settings.values["Setup F5ABC/bande Cluster"] = "5";
    Cluster window(context);
    bool loaded = false;
    QObject::connect(window.WebBrowser1, &QWebEngineView::loadFinished, [&](bool ok) { loaded = ok; });
    window.show();
    ASSERT_TRUE(waitUntil([&] { return loaded && window.WebBrowser1->title() == "Spots 14 MHz"; }, 60000));
    // The engine may ask for /favicon.ico after the page: look for the page's request, not the last one.
    EXPECT_TRUE(std::any_of(server.requests.cbegin(), server.requests.cend(),
                            [](const QByteArray& head) { return head.startsWith("GET /dxc/top_50_14_MHz.html "); }));
}

TEST_F(WebPagesTest, TheMainWindowOpensEachPageOnceAndTheCastleListModally)
{
    Main main(context);
    main.show();
    main.Mnu_Cluster->trigger();
    main.Mnu_Cluster->trigger();
    EXPECT_EQ(main.findChildren<Cluster*>().size(), 1);
    main.Mnu_Reglement->trigger();
    auto* reglement = main.findChild<Reglement*>();
    ASSERT_TRUE(reglement);
    EXPECT_EQ(reglement->windowTitle(), QStringLiteral("Reglement du Diplôme des Forts et Chateaux de France"));
    EXPECT_EQ(reglement->shownUrl(), QUrl(server.url() + "/reglement.html"));
    reglement->close();
    EXPECT_TRUE(waitUntil([&] { return !main.findChild<Reglement*>(); }));

    QUrl shown;
    bool modal = false;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (auto* list = qobject_cast<Liste_DFCF1*>(QApplication::activeModalWidget())) {
            shown = list->shownUrl();
            modal = list->isModal();
            list->close();
        }
    });
    watcher.start(20);
    QTest::mouseClick(main.Command1, Qt::LeftButton); // returns once the list is closed
    EXPECT_TRUE(modal);
    EXPECT_EQ(shown, QUrl(server.url() + "/selecdept.html"));
}

TEST_F(WebPagesTest, RightClickOnAPageOpensTheProgramsFrenchMenu)
{
    server.answer("/reglement.html",
                  {200, "<html><body style='margin:0'><a href='/selecdept.html' style='display:block;font-size:60px'>"
                        "Liste</a></body></html>", "text/html"});
    Reglement window(context);
    bool loaded = false;
    QObject::connect(window.WebBrowser1, &QWebEngineView::loadFinished, [&](bool ok) { loaded = ok; });
    window.resize(400, 300);
    window.show();
    ASSERT_TRUE(waitUntil([&] { return loaded; }, 60000));
    QMenu* menu = nullptr;
    // The page answers the click once it has painted: click until a menu comes.
    ASSERT_TRUE(waitUntil([&] {
        QTest::mouseClick(window.WebBrowser1->focusProxy(), Qt::RightButton, {}, QPoint(20, 30));
        QTest::qWait(100);
        menu = window.WebBrowser1->findChild<QMenu*>();
        return menu && menu->isVisible();
    }, 20000));
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << action->text();
    EXPECT_EQ(texts, (QStringList{"Copier l'adresse du lien", "", "Page précédente", "Page suivante", "Actualiser"}));
    EXPECT_FALSE(menu->actions()[2]->isEnabled()) << "no page before this one";
    menu->close();

    Cluster cluster(context);
    Liste_DFCF1 list(context);
    for (const QWebEngineView* view : {cluster.WebBrowser1, list.WebBrowser1})
        EXPECT_EQ(view->contextMenuPolicy(), Qt::CustomContextMenu);
}
#else
// Built without a web view, the program hands each page to the operator's browser.
TEST_F(WebPagesTest, TheMainWindowOpensEachPageInTheBrowser)
{
    Main main(context);
    main.show();
    main.Mnu_Reglement->trigger();
    QTest::mouseClick(main.Command1, Qt::LeftButton);
    main.Mnu_Cluster->trigger();
    EXPECT_EQ(browser.opened, QList<QUrl>({QUrl(server.url() + "/reglement.html"), QUrl(server.url() + "/selecdept.html"),
                                           QUrl(server.url() + "/dxc/top_250_HF.html")}));
    browser.takes = false;
    main.Mnu_Reglement->trigger();
    EXPECT_TRUE(messages.last().startsWith("Aucun navigateur Internet n'a pu ouvrir la page "));
}
#endif
