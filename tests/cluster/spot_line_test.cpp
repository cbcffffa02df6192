#include "cluster/castle_reference.h"
#include "cluster/spot_line.h"
#include "cluster/telnet_lines.h"
#include <gtest/gtest.h>

namespace {

TEST(SpotLine, ReadsTheLinesOfTheUsualNodeProgramsWhateverTheirTail)
{
    // DX Spider: comment padded to the time, locator after it.
    auto spider = readSpotLine("DX de F5XYZ:     14025.0  F6ABC/P      DFCF 77-121 Blandy             1234Z JN18");
    ASSERT_TRUE(spider);
    EXPECT_EQ(spider->spotter, "F5XYZ");
    EXPECT_DOUBLE_EQ(spider->khz, 14025.0);
    EXPECT_EQ(spider->call, "F6ABC/P");
    EXPECT_EQ(spider->comment, "DFCF 77-121 Blandy");
    EXPECT_EQ(spider->time, "12:34");

    // AR-Cluster: skimmer spotter, no tail; CC Cluster: bell first, CR LF, state tail.
    auto ar = readSpotLine("DX de EA5WU-#:    7028.1  F4DEF        CW 24 dB 25 WPM CQ DFCF 2A004    0901Z");
    ASSERT_TRUE(ar);
    EXPECT_EQ(ar->spotter, "EA5WU-#");
    EXPECT_DOUBLE_EQ(ar->khz, 7028.1);
    EXPECT_EQ(ar->time, "09:01");
    auto cc = readSpotLine("\aDX de W3LPL:    144300.0  f5klm        dfcf 91-045 59 jn18                 2359Z NY\r");
    ASSERT_TRUE(cc);
    EXPECT_EQ(cc->call, "F5KLM");
    EXPECT_DOUBLE_EQ(cc->khz, 144300.0);
    EXPECT_EQ(cc->comment, "dfcf 91-045 59 jn18");

    auto bare = readSpotLine("DX de F5XYZ:  3650  F6ABC  0000Z");
    ASSERT_TRUE(bare);
    EXPECT_EQ(bare->comment, "");
    auto accented = readSpotLine("DX de F5XYZ:  3650.0  F6ABC  Ch\xc3\xa2teau DFCF 77121  0000Z");
    ASSERT_TRUE(accented);
    EXPECT_EQ(accented->comment, QString::fromUtf8("Château DFCF 77121"));
    auto latin1 = readSpotLine("DX de F5XYZ:  3650.0  F6ABC  Ch\xe2teau  0000Z");
    ASSERT_TRUE(latin1);
    EXPECT_EQ(latin1->comment, QString::fromUtf8("Château"));
}

TEST(SpotLine, IgnoresEveryOtherLine)
{
    QList<QByteArray> others = {
        "",
        "login: ",
        "F5ABC de GB7DJK  8-Dec-2026 0830Z dxspider >",
        "To ALL de F5XYZ: bonne chasse aux châteaux",
        "WWV de W0MU <18>:   SFI=110, A=5, K=1, No Storms -> No Storms",
        "WCY de DK0WCY-1 <06> : K=2 expK=0 A=6 R=54 SFI=123 SA=qui GMF=qui Au=no",
        "DX de F5XYZ:     14025.0  F6ABC        no time at all",
        "DX de F5XYZ:     abcde    F6ABC        DFCF 77121                     1234Z",
        "DX de F5XYZ:     14025.0  F6ABC        DFCF 77121                     2460Z",
        "DX de F5XYZ:     0.0      F6ABC        DFCF 77121                     1234Z",
        "DX de :          14025.0  F6ABC        DFCF 77121                     1234Z",
        "DX de F5XYZ:     14025.0  F6ABC        DFCF\x1b[31m 77121              1234Z",
        "DX de F5XYZ:     14025.0  F6ABC  " + QByteArray(300, 'x') + "  1234Z",
        QByteArray(2000, '\xff'),
    };
    QByteArray withNul = "DX de F5XYZ:     14025.0  F6ABC        DFCF 77121                     1234Z";
    withNul[44] = '\0';
    others << withNul;
    for (const QByteArray& line : others)
        EXPECT_FALSE(readSpotLine(line)) << line.left(80).toStdString();
}

TEST(CastleReference, FoundAfterDfcfOrBareWhenListed)
{
    const CastleListed none;
    EXPECT_EQ(castleReferenceIn("DFCF 77-121 Blandy", none), "77121");
    EXPECT_EQ(castleReferenceIn("cq dfcf:2A-004", none), "2a004");
    EXPECT_EQ(castleReferenceIn("DFCF-91045 up 2", none), "91045");
    EXPECT_EQ(castleReferenceIn("DFCF77121", none), "77121");
    // Not a reference: no department, too long, unknown department, no "DFCF" and no list.
    EXPECT_EQ(castleReferenceIn("DFCF 7712", none), "");
    EXPECT_EQ(castleReferenceIn("DFCF 771210", none), "");
    EXPECT_EQ(castleReferenceIn("DFCF 99121 DFCF 00121 DFCF 20121", none), "");
    EXPECT_EQ(castleReferenceIn("QSX 14025 77-121", none), "");
    EXPECT_EQ(castleReferenceIn("DFCF 99121 then DFCF 75001", none), "75001");

    const CastleListed listed = [](const QString& ref) { return ref == "77121" || ref == "2a004"; };
    EXPECT_EQ(castleReferenceIn("chateau 77-121 QRV", listed), "77121");
    EXPECT_EQ(castleReferenceIn("QSX 14025 then 2A004", listed), "2a004");
    EXPECT_EQ(castleReferenceIn("QSX 14025 up", listed), "");
    EXPECT_EQ(castleReferenceIn("loc JN1877121", listed), "");
}

TEST(TelnetLines, CutsLinesAcrossChunksDropsNegotiationAndOverlongLines)
{
    TelnetLines lines;
    EXPECT_TRUE(lines.feed("\xff\xfb\x01\xff\xfd\x03Hello\r").isEmpty());
    EXPECT_EQ(lines.feed("\n\xff\xfa\x18\x01\xff\xf0World\nlog").size(), 2);
    EXPECT_EQ(lines.pending(), "log");
    EXPECT_EQ(lines.feed("in: ").size(), 0);
    EXPECT_EQ(lines.pending(), "login: ");
    lines.feed("\n");
    QList<QByteArray> got = lines.feed(QByteArray(5000, 'x') + "\nshort\n");
    ASSERT_EQ(got.size(), 1);
    EXPECT_EQ(got[0], "short");
    got = lines.feed("a\xff\xff" "b\n");
    ASSERT_EQ(got.size(), 1);
    EXPECT_EQ(got[0], "a\xff" "b");
}

} // namespace
