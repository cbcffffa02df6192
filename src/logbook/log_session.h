#pragma once
#include "logbook/castle_contacts.h"
#include "platform/result.h"
#include "platform/text_file.h"
#include <QObject>
#include <QStringList>
#include <functional>

class Clock;
class LogListModel;

// What a change of the session did to its rows, for the windows that follow it.
struct LogChange {
    // Loaded: a station opened, or the file read again after another program
    // changed it; Reloaded: read again at a window's request, after a routine
    // rewrote the whole log (castle names, an import).
    enum class Kind { Loaded, Reloaded, Added, Inserted, Replaced, Removed };
    Kind kind = Kind::Loaded;
    int row = -1; // the row added, inserted, replaced or removed
};

// The current station's log held in memory: its lines (as rows of the list
// model), the castles it has contacted and the count of lines that are not
// QSOs. Every change is written to disk first, under the log's lock and
// only over the file the session read: when another program changed the
// log meanwhile (another file renamed over it, or a different size or
// modification time), the session reads it again before applying the change.
// Memory follows the written file one row at a time; a failed write
// changes neither.
class LogSession : public QObject {
    Q_OBJECT
public:
    LogSession(QString dataDir, const Clock* clock, QObject* parent = nullptr);
    ~LogSession() override;

    struct Opened {
        ReadStatus status = ReadStatus::Ok;
        QString error; // French cause, when status is Error
        explicit operator bool() const { return status == ReadStatus::Ok; }
    };
    // The log of a station, read from disk (station change, or a file
    // rewritten by another routine); memory is emptied when it cannot be read.
    Opened open(const QString& callsign);
    Opened reload(const QString& callsign);
    const Opened& lastOpened() const { return opened; }

    const QString& callsign() const { return station; }
    QString path() const;
    const QStringList& lines() const;
    LogListModel* model() const { return rows; }
    const ContactedCastles& castles() const { return contacted; }
    int nonQsoLineCount() const;

    // The first QSO of the castle in the band group, from memory once the
    // file on disk has been checked to be the one read.
    CastleContact Cherche_Chateau(const QString& ref, const QString& group);

    // As LogStore's routines of the same names; the row of the change is in
    // the signal and in lastRow().
    Result Ajoute_QSO(const QString& line);
    Result Insere_QSO_Date(const QString& line);
    Result Remplace_QSO(int position, const QString& expected, const QString& line);
    Result Supprime_QSO(int position, const QString& expected);
    int lastRow() const { return changedRow; }

signals:
    void changed(const LogChange& change);

private:
    using Stamp = QByteArray; // systemFiles::fileStamp
    // A change worked out on the file's bytes, applied to memory once written.
    struct Edit {
        Result result;
        QByteArray bytes; // the whole new file
        LogChange change;
        QString line; // the line added, inserted or put in place
    };
    static Stamp stampOf(const QString& path);
    Opened readFromDisk();
    void clear();
    Result apply(const QString& scratchName, const std::function<Edit()>& edit);
    void learn(const Edit& edit);
    // The file's bytes with the lines from..from+count replaced by line (none when null).
    QByteArray splice(int from, int count, const QString& line) const;

    QString dir;
    const Clock* clock;
    QString station;
    Opened opened;
    Stamp seen;
    // What the file holds, as last read or written: the lines in Windows-1252,
    // each ended by CR LF, one byte a character.
    QByteArray onDisk;
    LogListModel* rows;
    ContactedCastles contacted;
    int badLines = 0; // lines of any length but a QSO line's, an empty last one included
    int changedRow = -1;
};
