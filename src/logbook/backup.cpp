#include "logbook/backup.h"
#include "logbook/station.h"
#include "platform/text_file.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

bool failureReported = false;
QString pendingWarning;

void reportFailure(const QString& detail)
{
    if (failureReported)
        return;
    failureReported = true;
    pendingWarning = QStringLiteral("La sauvegarde du jour du log n'a pas pu être faite.\r\n%1\r\n"
                                    "Le QSO est enregistré normalement.")
                         .arg(detail);
}

void pruneOldBackups(QDir folder, const QString& callsign)
{
    // Names end in the date, so name order is date order.
    QStringList copies = folder.entryList({callsign + QStringLiteral("_DFCF_????????.log")}, QDir::Files, QDir::Name);
    while (copies.size() > backupsKept)
        folder.remove(copies.takeFirst());
}

} // namespace

void backupLogOncePerDay(const QString& dataDir, const QString& callsign, const QDate& today)
{
    if (!today.isValid())
        return;
    QDir data(dataDir);
    const QString log = data.filePath(logFileName(callsign));
    if (!QFileInfo(log).isFile())
        return;
    if (!data.mkpath(backupFolderName)) {
        reportFailure(QStringLiteral("Le dossier %1 n'a pas pu être créé dans le dossier de données : vérifiez "
                                     "qu'on peut y écrire.")
                          .arg(backupFolderName));
        return;
    }
    QDir folder(data.filePath(backupFolderName));
    const QString name = callsign + QStringLiteral("_DFCF_") + today.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".log");
    if (folder.exists(name))
        return;
    QFile source(log);
    if (!source.open(QIODevice::ReadOnly)) {
        reportFailure(QStringLiteral("Le log n'a pas pu être lu pour la copie."));
        return;
    }
    const Result copied = writeFileAtomically(folder.filePath(name), folder.filePath(name + QStringLiteral(".tmp")),
                                              source.readAll());
    if (!copied) {
        reportFailure(copied.detail.isEmpty() ? copied.message : copied.detail);
        return;
    }
    pruneOldBackups(folder, callsign);
}

QString takeBackupWarning()
{
    QString warning;
    std::swap(warning, pendingWarning);
    return warning;
}
