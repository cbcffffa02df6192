#include "castles/castle_update.h"
#include "castles/castle_list.h"
#include "castles/web_pages.h"
#include "logbook/station.h"
#include "platform/settings.h"
#include "platform/text_file.h"
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

const QString scratchName = QStringLiteral("Liste_DFCF.tmp");
const QString keptOldList = QStringLiteral(" : la liste actuelle est conservée.");

// The revision line of a list as received, read as the stored list is (a
// UTF-8 list, with or without its mark, or Windows-1252).
QString firstListLine(const QByteArray& body)
{
    const qsizetype end = body.indexOf('\n');
    QString line = decodeDataText(QByteArrayView(body).first(end < 0 ? body.size() : end)).text;
    if (line.endsWith(QLatin1Char('\r')))
        line.chop(1);
    return line;
}

bool hasCastle(const QStringList& lines)
{
    QString ref, name;
    for (qsizetype i = 1; i < lines.size(); ++i)
        if (parseCastleLine(lines[i], &ref, &name))
            return true;
    return false;
}

// A Windows-1252 list is stored as received; one sent in UTF-8 is converted,
// or refused (empty) when a character has no Windows-1252 byte.
QByteArray storedListBytes(const QByteArray& body)
{
    const DecodedText decoded = decodeDataText(body);
    if (!decoded.utf8)
        return body;
    return decoded.fitsWindows1252 ? toWindows1252(decoded.text) : QByteArray();
}

} // namespace

QUrl castleListUrl(const Settings& settings) { return pageUrl(dfcfServer(settings), castleListPath); }

bool isRevisionLine(const QString& line)
{
    static const QRegularExpression revision(QStringLiteral("^Rev [0-9]{3} du [0-9]{2}/[0-9]{2}/[0-9]{2}"));
    return revision.match(line).hasMatch();
}

QString listRevision(const QString& firstLine) { return firstLine.left(19); }

Result Download(const HttpReply& reply, const QString& target)
{
    switch (reply.outcome) {
    case HttpReply::Outcome::Cancelled:
        return Result::failure(QStringLiteral("Mise à jour des références annulée") + keptOldList);
    case HttpReply::Outcome::TimedOut:
        return Result::failure(noInternetMessage);
    case HttpReply::Outcome::Failed:
        // An answer cut short is dropped whole, however much of it came.
        if (reply.status > 0 || !reply.body.isEmpty())
            return Result::failure(QStringLiteral("Le téléchargement de la liste des châteaux a été interrompu")
                                   + keptOldList);
        return Result::failure(noInternetMessage);
    case HttpReply::Outcome::Completed:
        break;
    }
    if (reply.status != 200)
        return Result::failure(
            QStringLiteral("Le serveur a répondu par l'erreur %1 au lieu de la liste des châteaux").arg(reply.status)
            + keptOldList);
    if (reply.body.isEmpty())
        return Result::failure(noInternetMessage);
    const QByteArray stored = storedListBytes(reply.body);
    if (stored.isEmpty())
        return Result::failure(QStringLiteral("La liste des châteaux reçue contient un caractère que le fichier %1 ne "
                                              "peut pas garder")
                                   .arg(castleListFileName)
                               + keptOldList);
    const QStringList lines = splitLines(fromWindows1252(stored));
    if (!isRevisionLine(lines.first()) || !hasCastle(lines))
        return Result::failure(QStringLiteral("La réponse du serveur n'est pas une liste des châteaux") + keptOldList);
    return writeFileAtomically(target, QDir(QFileInfo(target).absolutePath()).filePath(scratchName), stored);
}

QString describeListProbe(const HttpReply& reply)
{
    switch (reply.outcome) {
    case HttpReply::Outcome::Cancelled:
        return QStringLiteral("Essai annulé.");
    case HttpReply::Outcome::TimedOut:
        return QStringLiteral("Le serveur ne répond pas (délai dépassé).");
    case HttpReply::Outcome::Failed:
        if (reply.status > 0 || !reply.body.isEmpty())
            return QStringLiteral("Le serveur a coupé la liaison avant la fin de sa réponse.");
        return QStringLiteral("Aucune réponse : vérifiez l'adresse du serveur et l'accès à Internet.");
    case HttpReply::Outcome::Completed:
        break;
    }
    if (reply.status != 200)
        return QStringLiteral("Le serveur répond, mais par l'erreur %1 : la liste des châteaux n'est pas à cette adresse.")
            .arg(reply.status);
    QString first = firstListLine(reply.body).trimmed();
    if (isRevisionLine(first))
        return QStringLiteral("Le serveur répond : liste des châteaux « %1 ».").arg(listRevision(first));
    for (QChar& c : first)
        if (!c.isPrint())
            c = QLatin1Char(' ');
    if (first.isEmpty())
        return QStringLiteral("Le serveur répond, mais sans liste des châteaux (réponse vide).");
    return QStringLiteral("Le serveur répond, mais ce n'est pas une liste des châteaux (début : « %1 »).").arg(first.left(40));
}

ListUpdate Maj_Liste_DFCF(const QString& dataDir, Settings& settings, const QString& stationSection,
                          const HttpReply& reply)
{
    const Result stored = Download(reply, QDir(dataDir).filePath(castleListFileName));
    if (!stored)
        return {false, stored.text()};
    const QString revision = listRevision(firstListLine(reply.body));
    const QString remembered = settings.read(stationSection, Keys::RevisionListeDFCF, defaultListRevision);
    settings.write(stationSection, Keys::RevisionListeDFCF, revision);
    if (revision == remembered)
        return {true, QStringLiteral("La liste des Chateaux est à la derniere révision   (") + revision + QStringLiteral(")")};
    return {true, QStringLiteral("La liste des Chateaux à été mise à jour ") + revision};
}
