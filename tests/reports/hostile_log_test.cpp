#include "awards/award_figures.h"
#include "awards/contacted_report.h"
#include "awards/map.h"
#include "castles/castle_update.h"
#include "logbook/bands.h"
#include "logbook/log_list_model.h"
#include "platform/text_file.h"
#include "reports/adif.h"
#include "awards/award_list.h"
#include "reports/qsl_card.h"
#include "reports/search.h"
#include "support/test_env.h"
#include <random>

// Every report reads the log the operator may have edited by hand: seeded
// random lines, valid lines damaged at random, NULs and huge lines go through
// each reader, and each ends with a well-formed result.
namespace {

QStringList hostileLog(std::mt19937& random)
{
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(0, 140);
    const QString valid = qsoLine("F6ABC", "2A", "2a004", "05/02/08", "09:05", "144 Mhz", true, "C. TOUR");
    QStringList lines = {QString(), QString(200000, QChar('A')), QString(107, QChar(0)), valid.left(60), valid + "xyz"};
    for (int i = 0; i < 400; ++i) {
        QString line = i % 2 ? valid : QString();
        const int n = length(random);
        if (i % 2)
            for (int k = 0; k < 4; ++k)
                line[int(random() % line.size())] = QChar(byte(random));
        else
            for (int k = 0; k < n; ++k)
                line += QChar(byte(random));
        lines << line;
    }
    return lines;
}

} // namespace

TEST(HostileLog, EveryReportReaderCopesWithAnyLine)
{
    std::mt19937 random(1208);
    for (int round = 0; round < 5; ++round) {
        const QStringList lines = hostileLog(random);
        const AwardFigures figures = computeAwardFigures(lines);
        for (const QString& group : bandGroups()) {
            Colore_Carte(lines, group);
            contactedList(lines, group);
            for (const char* award : {"de Base", "Excellence"})
                buildAwardList(*figures.group(group), group, QString::fromLatin1(award));
        }
        const QByteArray adif = adifDocument("F5ABC", lines);
        EXPECT_TRUE(adif.contains("<eoh>"));
        for (const QString& line : lines)
            if (!line.trimmed().isEmpty()) {
                EXPECT_TRUE(ADIF_SP(line).endsWith("<eor>"));
            }
        LogListModel model;
        model.setLines(lines);
        for (SearchOption option : {SearchOption::Indicatif, SearchOption::Reference, SearchOption::Departement})
            Recherche_QSO(model, option, "2a");
        QStringList unconfirmed;
        for (const UnconfirmedQso& qso : Recherche_Non_Recues(model, "F6").qsos)
            unconfirmed << qso.logLine;
        qslCardLines("F6", "F5ABC", unconfirmed);
    }
}

using HostileBody = DataDirTest;

TEST_F(HostileBody, RandomHttpBodiesNeverReplaceTheListUnlessTheyAreOne)
{
    const QByteArray old = "Rev 011 du 01/02/19\r\n77-121;Ancien;Ville\r\n";
    writeFile("Liste_DFCF.csv", old);
    std::mt19937 random(1208);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int i = 0; i < 300; ++i) {
        HttpReply reply;
        reply.outcome = HttpReply::Outcome::Completed;
        reply.status = i % 7 ? 200 : 500;
        const int n = int(random() % 600);
        for (int k = 0; k < n; ++k)
            reply.body += char(byte(random));
        if (i % 3 == 0)
            reply.body.prepend("Rev 0");
        const Result stored = Download(reply, path("Liste_DFCF.csv"));
        ASSERT_FALSE(stored.ok);
        ASSERT_FALSE(stored.message.isEmpty());
        ASSERT_EQ(readFile("Liste_DFCF.csv"), old);
    }
}
