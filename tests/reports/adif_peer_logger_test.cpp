#include "logbook/prenoms.h"
#include "reports/adif_import_fixture.h"

namespace {

using Fields = QList<std::pair<const char*, QByteArray>>;

QByteArray adiRecord(const Fields& fields, const char* separator)
{
    QByteArray text;
    for (const auto& [tag, value] : fields)
        text += adifField(tag, value) + separator;
    return text + "<EOR>\n";
}

// Files as KLog 2.3 and xlog 2.0 write back a log they were given: KLog
// keeps SIG but not SIG_INFO and writes the band in capitals; xlog has no
// SIG at all, gives the band as a frequency (a round one for 10, 18 and
// 24 MHz) and keeps COMMENT.
class PeerLoggerFiles : public AdifImportTest {
protected:
    PeerLoggerFiles()
    {
        writeLines(castleListFileName, {"Rev 001 du 01/01/12", QStringLiteral("91-015;Tour de Montlhéry;Montlhéry")});
        writeLines(prenomFileName, {prenomRecord("F8WOX_P", "35", QStringLiteral("RENÉ"))});
    }

    static QByteArray klogQso(const QByteArray& call, const QByteArray& date, const QByteArray& band, const Fields& dfcf)
    {
        const Fields qso = {{"CALL", call}, {"QSO_DATE", date}, {"TIME_ON", "100000"}, {"BAND", band}, {"MODE", "SSB"},
                            {"RST_SENT", "59"}, {"RST_RCVD", "59"}, {"NAME", "Rene"}};
        return adiRecord(qso + dfcf + Fields{{"STATION_CALLSIGN", "F5ABC"}}, " ");
    }

    static QByteArray xlogQso(const QByteArray& call, const QByteArray& date, const QByteArray& freq, const QByteArray& comment)
    {
        return adiRecord({{"CALL", call}, {"QSO_DATE", date}, {"TIME_ON", "1000"}, {"FREQ", freq}, {"MODE", "SSB"},
                          {"RST_SENT", "59"}, {"RST_RCVD", "59"}, {"COMMENT", comment}},
                         "");
    }
};

} // namespace

TEST_F(PeerLoggerFiles, EveryDfcfQsoComesBackWithItsReferenceAndBand)
{
    const QByteArray klog =
        "ADIF v3.1.0 Export from KLog\nhttps://www.klog.xyz\n<PROGRAMVERSION:3>2.3\n<PROGRAMID:4>KLOG\n<EOH>\n"
        + klogQso("F5NVI/M", "20080201", "30M", {{"SIG", "DFCF"}, {"COMMENT", "DFCF 91014 C. CHATEAU DE LAVARDIN"}})
        + klogQso("f8wox/p", "20080202", "20m", {{"SIG", "DFCF"}, {"SIG_INFO", ""}, {"COMMENT", "DFCF 91015"}})
        + klogQso("F6AAA", "20080203", "17M", {{"SIG", "DFCF"}, {"SIG_INFO", "?"}, {"NOTES", "dfcf:91-016"}})
        + klogQso("F6BBB", "20080204", "40M", {{"SIG", "DFCF"}, {"QSLMSG", "Merci DFCF 91-017"}})
        + klogQso("F6CCC", "20080205", "20M", {{"COMMENT", "73"}})
        + klogQso("F6DDD", "20080206", "15M", {{"SIG", "DFCF"}, {"COMMENT", "chateau"}});
    const AdifScan scan = preview(klog);
    EXPECT_EQ(reasons(scan), QStringList({"", "", "", "", QStringLiteral("Référence DFCF illisible : ")}));
    EXPECT_EQ(scan.nonDfcf, 1);
    // The callsign stored as typed entry stores it, the first name with the
    // accents the first-name list gives that station.
    EXPECT_EQ(importIntoEmptyLog(klog),
              QStringList({qsoLine("F5NVI_M", "91", "91014", "01/02/08", "10:00", "10 Mhz", false, "C. CHATEAU DE LAVARDIN",
                                   "SSB", "RENE"),
                           qsoLine("F8WOX_P", "91", "91015", "02/02/08", "10:00", "14 Mhz", false,
                                   QStringLiteral("C.Tour de Montlhéry"), "SSB", QStringLiteral("RENÉ")),
                           qsoLine("F6AAA", "91", "91016", "03/02/08", "10:00", "18 Mhz", false, "C.", "SSB", "RENE"),
                           qsoLine("F6BBB", "91", "91017", "04/02/08", "10:00", "7.0 Mhz", false, "C.", "SSB", "RENE")}));

    const QByteArray xlog = "<ADIF_VER:5>2.2.7<PROGRAMID:4>xlog<EOH>\n"
                          + xlogQso("F5NVI/M", "20080201", "10", "DFCF 91014 C. CHATEAU DE LAVARDIN")
                          + xlogQso("F6AAA", "20080202", "18", "DFCF 91-016")
                          + xlogQso("F6BBB", "20080203", "24", "dfcf:91017 tnx")
                          + xlogQso("F6CCC", "20080204", "1.8", "DFCF 91018 Tour d'Ete")
                          + xlogQso("F6DDD", "20080205", "144.300", "DFCF 91019")
                          + xlogQso("F6EEE", "20080206", "14.2", "73");
    EXPECT_EQ(importIntoEmptyLog(xlog),
              QStringList({qsoLine("F5NVI_M", "91", "91014", "01/02/08", "10:00", "10 Mhz", false, "C. CHATEAU DE LAVARDIN"),
                           qsoLine("F6AAA", "91", "91016", "02/02/08", "10:00", "18 Mhz", false, "C."),
                           qsoLine("F6BBB", "91", "91017", "03/02/08", "10:00", "24 Mhz", false, "C."),
                           qsoLine("F6CCC", "91", "91018", "04/02/08", "10:00", "1.8 Mhz", false, "Tour d'Ete"),
                           qsoLine("F6DDD", "91", "91019", "05/02/08", "10:00", "144 Mhz", false, "C.")}));
}
