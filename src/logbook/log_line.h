#pragma once
#include <QString>

// The one place that knows the columns of a log line (Ligne_Log): exactly 107
// characters, fields left-aligned, blank-padded, one blank between fields.
enum class LogField { Indicatif, Dpt, Prenom, Ref, Date, QTR, Mode, QRG, RSTR, RSTE, Chateau, QSL };

struct FieldSpan {
    int start; // 0-based column
    int width;
};

constexpr int logLineLength = 107;
FieldSpan logColumns(LogField field);

// A field cut from a line at its columns; a short line gives a short or empty field.
QString logField(const QString& line, LogField field);
QString logFieldTrimmed(const QString& line, LogField field);

bool isConfirmed(const QString& line);      // column 107 holds "*"
QString lineBandGroup(const QString& line);  // group of the trimmed QRG, empty when none
// Department index of a trimmed department text: its number (one or two
// digits, 0-99), with "2a"/"2A" read as 96 and "2b"/"2B" as 97; -1 when it is
// no such number. Award tables use 0-97, the map 0-99.
int departmentIndex(const QString& department);
// The department shown for an index: "01".."95", "2a", "2b".
QString departmentLabel(int index);

// Field values of one QSO, as typed or as read back from a line (trimmed,
// except date and time which keep their exact text).
struct Ligne_Log {
    QString indicatif, dpt, prenom, ref, date, qtr, mode, qrg, rstr, rste, chateau;
    bool qsl = false;

    static Ligne_Log fromLine(const QString& line);
};

struct BuiltLine {
    QString text;
    QString error; // French message naming the field that does not fit
    bool ok() const { return error.isEmpty(); }
};

// Builds the 107-character line. First name and castle name are upper-cased,
// the castle name trimmed and cut to 30; any other field wider than its
// column, or holding a character the file cannot store, is refused so that no
// column ever shifts.
BuiltLine buildLogLine(const Ligne_Log& qso);
QString castleNameForLine(const QString& typed); // trimmed, cut to 30, upper case
