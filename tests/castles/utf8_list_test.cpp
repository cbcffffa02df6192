#include "castles/castle_list.h"
#include "castles/castle_update.h"
#include "castles/name_refresh.h"
#include "logbook/log_line.h"
#include "logbook/station.h"
#include "loopback_server.h"
#include "platform/qt_http.h"
#include "platform/text_file.h"
#include "support/test_env.h"
#include <optional>

// A castle list served or dropped in UTF-8 is stored and read in the
// log's own encoding, or refused whole.
namespace {

const QByteArray listPath = "/KOR_DFCF/Liste_DFCF.csv";
const QByteArray oldList = "Rev 011 du 01/02/19\r\n77-121;Ancien;Ville\r\n";
const QByteArray windowsList = "Rev 012 du 08/03/19\r\n63-001;Ch\xE2teau d'Aulteribe;Sermentizon\r\n";
const QByteArray utf8List = "Rev 012 du 08/03/19\r\n63-001;Ch\xC3\xA2teau d'Aulteribe;Sermentizon\r\n";

class Utf8ListTest : public DataDirTest {
protected:
    void SetUp() override
    {
        qputenv("DFCF_SERVER_URL", server.url().toUtf8());
        writeFile(castleListFileName, oldList);
    }
    void TearDown() override { qunsetenv("DFCF_SERVER_URL"); }

    ListUpdate update(const QByteArray& body)
    {
        server.answer(listPath, {200, body});
        std::optional<HttpReply> got;
        auto transfer = http.get(castleListUrl(settings), {}, [&](const HttpReply& reply) { got = reply; });
        EXPECT_TRUE(waitUntil([&] { return got.has_value(); }));
        return Maj_Liste_DFCF(dir.path(), settings, context.stationSection(), got.value_or(HttpReply{}));
    }

    LoopbackServer server;
    QtHttp http;
};

} // namespace

TEST_F(Utf8ListTest, AListInUtf8WithOrWithoutMarkIsStoredInWindows1252AndNamesTheLogRight)
{
    for (const QByteArray& body : {utf8List, QByteArray("\xEF\xBB\xBF") + utf8List}) {
        writeFile(castleListFileName, oldList);
        const ListUpdate result = update(body);
        EXPECT_TRUE(result.stored) << result.message.toStdString();
        EXPECT_EQ(result.message, QStringLiteral("La liste des Chateaux à été mise à jour Rev 012 du 08/03/19"));
        EXPECT_EQ(readFile(castleListFileName), windowsList);
        EXPECT_EQ(settings.values.value("Setup F5ABC/Revision_Liste_DFCF"), QStringLiteral("Rev 012 du 08/03/19"));
        settings.values.clear();
    }
    writeLog({qsoLine("F6AAA", "63", "63001", "01/02/08", "10:00", "14 Mhz")});
    ASSERT_TRUE(Maj_Nom_DFCF(dir.path(), "F5ABC").ok);
    EXPECT_EQ(logFieldTrimmed(readLines(path(logName())).lines.first(), LogField::Chateau),
              QStringLiteral("C. CHÂTEAU D'AULTERIBE"));
}

TEST_F(Utf8ListTest, AListWithACharacterWindows1252CannotHoldIsRefusedAndTheOldOneKept)
{
    const ListUpdate result = update("Rev 012 du 08/03/19\r\n63-001;Ch\xC3\xA2teau \xC5\x81\xC3\xB3\x64\xC5\xBA;Ville\r\n");
    EXPECT_FALSE(result.stored);
    EXPECT_EQ(result.message, QStringLiteral("La liste des châteaux reçue contient un caractère que le fichier "
                                             "Liste_DFCF.csv ne peut pas garder : la liste actuelle est conservée."));
    EXPECT_EQ(readFile(castleListFileName), oldList);
    EXPECT_TRUE(settings.values.isEmpty());
    EXPECT_FALSE(exists("Liste_DFCF.tmp"));
}

TEST_F(Utf8ListTest, AListDroppedInUtf8IsReadAsUtf8)
{
    writeFile(castleListFileName, QByteArray("\xEF\xBB\xBF") + utf8List);
    EXPECT_EQ(Cherche_Nom_Chateau(dir.path(), "63001").name, QStringLiteral("C.Château d'Aulteribe"));
    EXPECT_EQ(CastleTable::load(dir.path()).Nom_Du_DFCF("63001"), QStringLiteral("C. Château d'Aulteribe"));
}
