#include "logbook/log_line.h"
#include "logbook/log_list_model.h"
#include "reports/qsl_card.h"
#include "support/qt_printers.h"
#include "support/test_env.h"

namespace {

QString reportLine(const QString& call, const QString& dpt, const QString& rstr, const QString& rste, bool qsl = false)
{
    Ligne_Log q = Ligne_Log::fromLine(qsoLine(call, dpt, dpt + "121", "01/02/08", "10:00", "144 Mhz", qsl, "Chateau de Blandy"));
    q.rstr = rstr;
    q.rste = rste;
    return buildLogLine(q).text;
}

QStringList lines(int count)
{
    QStringList result;
    for (int i = 0; i < count; ++i)
        result << reportLine("F6AAA", "77", "57", "599");
    return result;
}

const QString header = QStringLiteral("      Date    Debut   Dpt    N° DFCF    Mode  Bande  RstE RstR       |");
const QString title = QStringLiteral("    F6 confirme les QSO's suivants avec la station F5ABC");
const QString signature = QStringLiteral("                             signature :");

} // namespace

TEST(QslCard, ListingHoldsTheUnconfirmedQsosOfEveryMatchingCallsign)
{
    LogListModel model;
    model.setLines({reportLine("F6AAA", "77", "59", "599"), reportLine("F6AAA", "77", "59", "59", true),
                    reportLine("F5ZZZ", "7", "59", "59"), reportLine("TF6XY", "2a", "59", "59")});
    const UnconfirmedListing listing = Recherche_Non_Recues(model, "f6");
    EXPECT_EQ(listing.caption, QStringLiteral("QSL's non reçues de f6"));
    ASSERT_EQ(listing.qsos.size(), 2);
    EXPECT_EQ(listing.qsos[0].row, 0);
    EXPECT_EQ(listing.qsos[1].row, 3);
    EXPECT_EQ(listing.qsos[0].text,
              QStringLiteral("01/02/08  10:00   77   DFCF 77121   SSB  144 Mhz  59   599   CHATEAU DE BLANDY             "));
    EXPECT_EQ(unconfirmedRow(reportLine("F5ZZZ", "7", "59", "59")).left(29), QStringLiteral("01/02/08  10:00   7    DFCF 7"));
    EXPECT_EQ(Recherche_Non_Recues(model, "").message, QStringLiteral("Entrez un indicatif"));
    EXPECT_TRUE(Recherche_Non_Recues(model, "EA8").qsos.isEmpty());
}

TEST(QslCard, EighteenQsosFillOneCardWithoutFiller)
{
    const QStringList card = qslCardLines("F6", "F5ABC", lines(18));
    ASSERT_EQ(card.size(), 3 + 18 + 4);
    EXPECT_EQ(card[0], title);
    EXPECT_EQ(card[1], QString());
    EXPECT_EQ(card[2], header);
    EXPECT_EQ(card.mid(21), QStringList({"", signature, "-", ""}));
}

TEST(QslCard, TwentyQsosMakeAFullCardAndAFilledSecondOne)
{
    const QStringList card = qslCardLines("F6", "F5ABC", lines(20));
    ASSERT_EQ(card.size(), 25 + 3 + 2 + 17 + 2);
    EXPECT_EQ(card.mid(21, 4), QStringList({"", signature, "-", ""}));
    EXPECT_EQ(card.mid(25, 3), QStringList({title, "", header}));
    EXPECT_EQ(card[29], card[3]);
    EXPECT_EQ(card.mid(30, 17), QStringList(17, QString()));
    EXPECT_EQ(card.mid(47), QStringList({signature, "-"}));
    EXPECT_EQ(qslCardStarts(card), QList<int>({0, 25})); // no card is printed across two pages
    EXPECT_EQ(qslCardStarts(qslCardLines("F6", "F5ABC", lines(54))), QList<int>({0, 25, 50}));
}

TEST(QslCard, OneQsoIsFollowedByEighteenEmptyLines)
{
    const QStringList card = qslCardLines("F6", "F5ABC", lines(1));
    ASSERT_EQ(card.size(), 3 + 1 + 18 + 2);
    EXPECT_EQ(card.mid(4, 18), QStringList(18, QString()));
    EXPECT_EQ(card.mid(22), QStringList({signature, "-"}));
    EXPECT_TRUE(qslCardLines("F6", "F5ABC", {}).isEmpty());
}

TEST(QslCard, EachReportSitsWholeUnderItsOwnHeader)
{
    for (const QString& dpt : {QStringLiteral("77"), QStringLiteral("7"), QStringLiteral("2a")}) {
        const QString row = qslCardLines("F6", "F5ABC", {reportLine("F6AAA", dpt, "579", "599")})[3];
        const qsizetype sent = row.indexOf("599");
        const qsizetype received = row.indexOf("579");
        EXPECT_GE(sent, header.indexOf("RstE")) << dpt.toStdString();
        EXPECT_LE(sent + 3, header.indexOf("RstE") + 4) << dpt.toStdString();
        EXPECT_GE(received, header.indexOf("RstR")) << dpt.toStdString();
        EXPECT_LE(received + 3, header.indexOf("RstR") + 4) << dpt.toStdString();
        EXPECT_EQ(row.indexOf("01/02/08"), header.indexOf("Date") - 2);
        EXPECT_EQ(row.indexOf(dpt + " "), header.indexOf("Dpt"));
        EXPECT_EQ(row.indexOf("SSB"), header.indexOf("Mode"));
        EXPECT_EQ(row.indexOf("144 Mhz"), header.indexOf("Bande") - 1);
    }
    EXPECT_EQ(qslCardLines("F6", "F5ABC", lines(1))[3],
              QStringLiteral("    01/02/08  10:00   77   DFCF 77121   SSB  144 Mhz  599  57 "));
}
