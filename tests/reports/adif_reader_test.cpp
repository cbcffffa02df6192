#include "reports/adif_reader.h"
#include <gtest/gtest.h>

namespace {

struct Read {
    AdifRead read;
    QList<QStringList> records; // CALL, NAME, QSO_DATE, MODE of each record
};

Read readAll(const QByteArray& bytes)
{
    Read result;
    result.read = readAdif(bytes, [&](const AdifRecord& r) {
        result.records << QStringList{r.text(AdifTag::Call), r.preferred(AdifTag::Name, AdifTag::NameIntl),
                                      r.text(AdifTag::QsoDate), r.text(AdifTag::Mode)};
    });
    return result;
}

QStringList damageTexts(const AdifRead& read)
{
    QStringList texts;
    for (const AdifDamage& d : read.damaged)
        texts << QStringLiteral("%1 %2 %3").arg(d.record).arg(d.call, d.reason);
    return texts;
}

} // namespace

TEST(AdifReaderTest, ReadsPeerFilesWhateverTheirLetterCaseHeaderAndTypeIndicators)
{
    // A header holding fields and a stray "<", tags in three letter cases, a
    // type indicator, text between fields, lengths in bytes of UTF-8 text.
    const QByteArray withHeader = "Exported by SomeLogger <3>\r\n<ADIF_VER:5>3.1.4 <PROGRAMID:4>TEST\r\n<EOH>\r\n"
                                  "<CALL:7:S>F5ABC/P <Name:8>J\xC3\xA9r\xC3\xB4me <qso_date:8:D>20080201 junk <mode:3>SSB<EoR>\r\n"
                                  "<call:5>F6XYZ<QSO_DATE:8>20090305<MODE:2>CW<eor>";
    const Read a = readAll(withHeader);
    EXPECT_TRUE(a.read.damaged.isEmpty());
    ASSERT_EQ(a.records.size(), 2);
    EXPECT_EQ(a.records[0], QStringList({"F5ABC/P", QStringLiteral("Jérôme"), "20080201", "SSB"}));
    EXPECT_EQ(a.records[1], QStringList({"F6XYZ", "", "20090305", "CW"}));

    // No header at all; Windows-1252 text (not valid UTF-8) decoded as such;
    // a byte-order mark is not part of the first tag.
    const Read b = readAll("<CALL:5>F5ABC<NAME:6>J\xE9r\xF4me<eor>");
    ASSERT_EQ(b.records.size(), 1);
    EXPECT_EQ(b.records[0][1], QStringLiteral("Jérôme"));
    const Read c = readAll("\xEF\xBB\xBF<CALL:5>F5ABC<eor>");
    ASSERT_EQ(c.records.size(), 1);
    EXPECT_EQ(c.records[0][0], "F5ABC");

    // ADX, tags in any case, the _INTL field preferred.
    const Read x = readAll("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ADX><HEADER><ADIF_VER>3.1.4</ADIF_VER></HEADER><RECORDS>"
                           "<RECORD><CALL>F5ABC</CALL><NAME>Jerome</NAME><NAME_INTL>J\xC3\xA9r\xC3\xB4me</NAME_INTL>"
                           "<APP_X_Y FIELDNAME=\"Y\">1</APP_X_Y><mode>CW</mode></RECORD></RECORDS></ADX>");
    EXPECT_TRUE(x.read.damaged.isEmpty());
    ASSERT_EQ(x.records.size(), 1);
    EXPECT_EQ(x.records[0], QStringList({"F5ABC", QStringLiteral("Jérôme"), "", "CW"}));
}

TEST(AdifReaderTest, DamagedRecordsAreReportedAndNeverSwallowTheNext)
{
    // A length running over its record's <eor>, two records with no <eor>
    // between them, and a last record with none.
    const Read a = readAll("<CALL:5>F1AAA<NAME:40>Paul<eor>"
                           "<CALL:5>F2BBB<eor>"
                           "<CALL:5>F3CCC<MODE:2>CW"
                           "<CALL:5>F4DDD<eor>"
                           "<CALL:5>F5EEE");
    EXPECT_EQ(a.records.size(), 2);
    EXPECT_EQ(a.records[0][0], "F2BBB");
    EXPECT_EQ(a.records[1][0], "F4DDD");
    EXPECT_EQ(damageTexts(a.read),
              QStringList({QStringLiteral("1 F1AAA la longueur du champ NAME dépasse la fin de l'enregistrement"),
                           QStringLiteral("3 F3CCC <eor> manquant à la fin de l'enregistrement"),
                           QStringLiteral("5 F5EEE <eor> manquant à la fin du fichier")}));

    // A length running past the end of the file.
    const Read b = readAll("<CALL:5>F1AAA<eor><CALL:5>F2BBB<NAME:99>Paul");
    EXPECT_EQ(b.records.size(), 1);
    EXPECT_EQ(damageTexts(b.read), QStringList({QStringLiteral("2 F2BBB la longueur du champ NAME dépasse la fin du fichier")}));

    // Broken tags are text; a broken ADX keeps what it read.
    const Read c = readAll("<CALL:x>F1AAA<:5>abcde<CALL:5>F2BBB<eor><");
    EXPECT_EQ(c.records.size(), 1);
    const Read x = readAll("<?xml version=\"1.0\"?><ADX><RECORDS><RECORD><CALL>F5ABC</CALL></RECORD><RECORD><CALL>F6</CA");
    EXPECT_EQ(x.records.size(), 1);
    ASSERT_EQ(x.read.damaged.size(), 1);
    EXPECT_EQ(x.read.damaged[0].record, 2);
    EXPECT_TRUE(readAll("<?xml version=\"1.0\"?><ADX><RECO").read.error.startsWith(QStringLiteral("Ce fichier n'est pas")));
}
