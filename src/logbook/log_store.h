#pragma once
#include "logbook/castle_contacts.h"
#include "platform/result.h"
#include "platform/text_file.h"
#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>

// The scratch files of the log's rewrites.
inline const QString logScratchName = QStringLiteral("Temporaire.txt");
inline const QString logDateScratchName = QStringLiteral("Temporaire6.txt");

// Where Insere_QSO_Date puts a line: before the first line at the same or a
// later instant, at the end when there is none.
qsizetype datePlace(const QStringList& lines, const QString& line);
// "Ce QSO a changé dans le log depuis son affichage" and the like.
Result lineChangedFailure();
Result logReadFailure(const QString& path, const LinesRead& read);

// The station's log on disk, the single source of truth. Every change reads
// the file, applies the change, writes a scratch file and renames it over the
// log in one step; the caller then reloads the main list.
class LogStore {
public:
    // With a date, the log is backed up before the first change of that day.
    LogStore(QString dataDir, QString callsign, QDate today = {});

    QString path() const;
    const QString& directory() const { return dir; }

    LinesRead read() const;

    // Automatic-date QSOs go to the end of the log.
    Result Ajoute_QSO(const QString& line);
    // In date-and-time order, before the first QSO at the same or a later instant.
    Result Insere_QSO_Date(const QString& line);
    // Several QSOs in one rewrite, each placed as Insere_QSO_Date places it;
    // new QSOs that fall at the same place keep their date order, then their
    // given order.
    Result Insere_QSOs_Date(const QStringList& added);
    // Act on the one line at position (0-based), provided it still is the
    // expected one; otherwise nothing changes and the failure says so.
    Result Remplace_QSO(int position, const QString& expected, const QString& line);
    Result Supprime_QSO(int position, const QString& expected);

    // Creates the log of a new station from the template FXXXX.txt (empty
    // when the template is missing); never replaces a log that holds QSOs.
    static Result Creer_Log(const QString& dataDir, const QString& callsign);

    using CastleContact = ::CastleContact;
    // First QSO of the castle in the band group; lines of no group are passed over.
    CastleContact Cherche_Chateau(const QString& ref, const QString& group) const;

private:
    Result rewrite(const QString& scratchName, const std::function<Result(QStringList&)>& change);

    QString dir;
    QString callsign;
    QDate today;
};
