#pragma once
#include "logbook/prenoms.h"
#include "reports/adif_reader.h"
#include <QString>

class CastleTable;

// Which ADIF records are DFCF contacts, and how one becomes a log line.

enum class DfcfSource {
    None,      // not a DFCF contact
    Sig,       // SIG "DFCF", the reference in SIG_INFO (what other programs write)
    OwnExport, // this program's own export: SIG holds the reference, SIG_INFO the castle name
    Remark,    // "DFCF 77121" written in COMMENT, NOTES or QSLMSG
};

struct DfcfMark {
    DfcfSource source = DfcfSource::None;
    QString written; // the reference as the file writes it
};

// Looks at the raw bytes first: most records of a general log are not DFCF
// contacts and are passed over without decoding anything.
DfcfMark findDfcf(const AdifRecord& record);

// A castle reference as the log keeps it: dashes and blanks removed, lower
// case (Corsica "2a", "2b"); empty unless it is two department characters
// followed by three digits.
QString castleReference(QStringView written);
// The reference written after "DFCF" in a free text ("DFCF 77121", "DFCF: 77-121"); empty when none.
QString referenceAfterDfcf(QStringView text);

// The log's band label of an ADIF band ("20m", any case) or of a frequency
// in MHz ("14.074", or a label's round value "10"); empty when the log has no label for it.
QString logBandOfAdif(const QString& band);
QString logBandOfFrequency(const QString& megahertz);
// The log's three-character mode of an ADIF mode and submode (RTTY -> RTY,
// USB/LSB -> SSB, MFSK with submode FT4 -> FT4); longer modes stay as they are.
QString logModeOfAdif(const QString& mode, const QString& submode);

// One QSO of the file in the log's terms: the built line, or the reason it cannot be one.
struct MappedQso {
    QString call, date, time, band, ref; // shown in the preview, in the log's forms when known
    QString line;                         // the 107-character log line; empty when refused
    QString reason;                       // French, when refused
};
// The callsign as the log keeps it ("/" as "_"); the first name with the
// accents the first-name list gives it for that station.
MappedQso mapRecord(const AdifRecord& record, const DfcfMark& mark, const CastleTable& castles, const PrenomTable& prenoms);
