#include "castles/castle_list.h"
#include "castles/castle_update_window.h"
#include "loopback_server.h"
#include "platform/qt_http.h"
#include "shell/main_window.h"
#include "support/test_env.h"
#include <QAction>
#include <QProgressDialog>
#include <QPushButton>

namespace {

const QByteArray oldList = "Rev 011 du 01/02/19\r\n77-121;Ancien;\r\n";

class CastleUpdateWindowTest : public DataDirTest {
protected:
    void SetUp() override
    {
        qputenv("DFCF_SERVER_URL", server.url().toUtf8());
        writeFile(castleListFileName, oldList);
        context.http = &http;
        main = std::make_unique<Main>(context);
    }
    void TearDown() override
    {
        main.reset();
        qunsetenv("DFCF_SERVER_URL");
    }

    LoopbackServer server;
    QtHttp http;
    std::unique_ptr<Main> main;
};

} // namespace

TEST_F(CastleUpdateWindowTest, TheMenuDownloadsWhileTheEventLoopRunsAndTellsTheOutcome)
{
    const QByteArray list = "Rev 012 du 08/03/19\r\n77-121;Neuf;\r\n";
    server.answer("/KOR_DFCF/Liste_DFCF.csv", {200, list, "text/plain", 4, -1});
    main->show();
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(5);
    main->Mnu_Maj_Liste_DFCF->trigger();
    main->Mnu_Maj_Liste_DFCF->trigger(); // a second click while the first runs starts nothing
    ASSERT_TRUE(waitUntil([&] { return !messages.shown.isEmpty(); }));
    EXPECT_EQ(messages.shown, QStringList{"La liste des Chateaux à été mise à jour Rev 012 du 08/03/19"});
    EXPECT_EQ(readFile(castleListFileName), list);
    EXPECT_EQ(server.requests.size(), 1);
    EXPECT_GT(ticks, 0);
    ASSERT_TRUE(waitUntil([&] { return !main->findChild<CastleListUpdate*>(); }));
    EXPECT_FALSE(main->findChild<QProgressDialog*>() && main->findChild<QProgressDialog*>()->isVisible());
}

TEST_F(CastleUpdateWindowTest, TheOperatorCancelsASilentServerAndTheListStays)
{
    server.answer("/KOR_DFCF/Liste_DFCF.csv", {200, "x", "text/plain", 0, -1, true});
    main->show();
    main->Mnu_Maj_Liste_DFCF->trigger();
    QProgressDialog* progress = nullptr;
    ASSERT_TRUE(waitUntil([&] {
        progress = main->findChild<QProgressDialog*>("Progression_Liste_DFCF");
        return progress && progress->isVisible();
    }));
    EXPECT_TRUE(progress->isModal());
    auto* cancel = progress->findChild<QPushButton*>();
    ASSERT_TRUE(cancel);
    EXPECT_EQ(cancel->text(), QStringLiteral("Annuler"));
    QTest::mouseClick(cancel, Qt::LeftButton);
    ASSERT_TRUE(waitUntil([&] { return !messages.shown.isEmpty(); }));
    EXPECT_EQ(messages.shown, QStringList{"Mise à jour des références annulée : la liste actuelle est conservée."});
    EXPECT_EQ(readFile(castleListFileName), oldList);
    EXPECT_FALSE(settings.contains("Setup F5ABC", "Revision_Liste_DFCF"));
}
