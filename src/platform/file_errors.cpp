#include "platform/file_errors.h"
#include <QDir>
#include <QFileInfo>
#include <cerrno>

namespace {

QString folderOf(const QString& path) { return QDir::toNativeSeparators(QFileInfo(path).absolutePath()); }

QString nameOf(const QString& path) { return QFileInfo(path).fileName(); }

} // namespace

QString fileErrorText(int errorNumber, FileAction action, const QString& path)
{
    const bool reading = action == FileAction::Read;
    switch (errorNumber) {
    case ENOSPC:
#ifdef EDQUOT // no quotas on Windows
    case EDQUOT:
#endif
        return QStringLiteral("Le disque est plein : libérez de la place sur le disque puis recommencez.");
    case EROFS:
        return QStringLiteral("Le disque est en lecture seule : rendez-le accessible en écriture ou placez le "
                              "dossier de données sur un autre disque.");
    case EACCES:
    case EPERM:
        if (reading)
            return QStringLiteral("Pas le droit de lire le fichier %1 : donnez ce droit à votre compte puis "
                                  "recommencez.")
                .arg(nameOf(path));
        return QStringLiteral("Pas le droit d'écrire dans le dossier %1 : donnez ce droit à votre compte ou "
                              "choisissez un autre dossier de données.")
            .arg(folderOf(path));
    case EISDIR:
        return QStringLiteral("Un dossier porte le nom de ce fichier (%1) : renommez ou déplacez ce dossier puis "
                              "recommencez.")
            .arg(nameOf(path));
    case ENOENT:
        if (reading)
            return QStringLiteral("Le fichier %1 est introuvable : vérifiez le dossier de données.").arg(nameOf(path));
        return QStringLiteral("Le dossier %1 n'existe plus : recréez-le ou choisissez un autre dossier de données.")
            .arg(folderOf(path));
    case ENOTDIR:
        return QStringLiteral("Un fichier porte le nom d'un des dossiers du chemin %1 : renommez ce fichier puis "
                              "recommencez.")
            .arg(folderOf(path));
    case EIO:
        return QStringLiteral("Le disque a signalé une erreur de lecture ou d'écriture : vérifiez le disque (ou la "
                              "clé USB) et son branchement puis recommencez.");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Trop de fichiers sont ouverts : fermez d'autres programmes puis recommencez.");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("Le fichier %1 est utilisé par un autre programme : fermez ce programme puis "
                              "recommencez.")
            .arg(nameOf(path));
    case ENAMETOOLONG:
        return QStringLiteral("Le chemin du fichier %1 est trop long : choisissez un dossier de données au chemin "
                              "plus court.")
            .arg(nameOf(path));
    case EFBIG:
        return QStringLiteral("Le fichier %1 est trop gros pour ce disque : placez le dossier de données sur un "
                              "autre disque.")
            .arg(nameOf(path));
    case ENOMEM:
        return QStringLiteral("La mémoire manque : fermez d'autres programmes puis recommencez.");
    default:
        return QStringLiteral("Le système a refusé l'opération (erreur n° %1) : vérifiez le disque et le dossier "
                              "de données puis recommencez.")
            .arg(errorNumber);
    }
}

QString unchangedMessage(const QString& target)
{
    return QStringLiteral("Impossible d'enregistrer le fichier %1 : il est resté inchangé.").arg(QFileInfo(target).fileName());
}
