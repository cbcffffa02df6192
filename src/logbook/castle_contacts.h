#pragma once
#include <QHash>
#include <QString>
#include <QStringList>

// The rule of the duplicate-castle check: a QSO is a contact of its castle in
// the band group of its band; a band of no group counts in no group.
struct LoggedContact {
    QString ref;   // the reference column as written
    QString group; // "HF", "VHF", "UHF" or empty
    QString date;  // as written
    QString band;  // trimmed
};
LoggedContact loggedContact(const QString& logLine);

struct CastleContact {
    bool found = false;
    QString date;
    QString band;
    bool operator==(const CastleContact&) const = default;
};

// The castles of a log by band group, held in memory so that a check costs no
// read of the log; each answers with the first QSO of the castle in the
// group, as the search of the log from its top does.
class ContactedCastles {
public:
    void rebuild(const QStringList& logLines);
    // A line appended at the end of the log: its castle's first contact only
    // when the group had none.
    void learnAppended(const QString& logLine);
    // The castle of logLine (a line inserted, replaced or removed) looked up
    // again in the log as it now is; the other castles cannot have changed.
    void recheck(const QStringList& logLines, const QString& logLine);
    bool operator==(const ContactedCastles&) const = default;
    CastleContact find(const QString& ref, const QString& group) const;
    qsizetype size() const { return firstContacts.size(); }

private:
    QHash<QString, CastleContact> firstContacts; // key: group + "|" + ref
};
