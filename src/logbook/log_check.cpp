#include "logbook/log_check.h"
#include "logbook/log_line.h"
#include <QFileInfo>

namespace {

constexpr int numbersShown = 10;

} // namespace

NonQsoLines findNonQsoLines(const QStringList& lines)
{
    NonQsoLines found;
    qsizetype end = lines.size();
    if (end > 0 && lines.last().isEmpty())
        --end;
    for (qsizetype i = 0; i < end; ++i) {
        const qsizetype length = lines[i].size();
        if (length == logLineLength || length == logLineLength - 1)
            continue;
        if (++found.count <= numbersShown)
            found.first << int(i + 1);
    }
    return found;
}

QString nonQsoLinesMessage(const QString& logName, const NonQsoLines& found)
{
    if (found.count == 0)
        return {};
    QStringList numbers;
    for (int number : found.first)
        numbers << QString::number(number);
    const QString more = found.count > found.first.size() ? QStringLiteral(", ...") : QString();
    const QString which = found.count == 1
                              ? QStringLiteral("1 ligne qui n'est pas un QSO (ligne %1)").arg(numbers.first())
                              : QStringLiteral("%1 lignes qui ne sont pas des QSO (lignes %2%3)")
                                    .arg(found.count)
                                    .arg(numbers.join(QStringLiteral(", ")), more);
    return QStringLiteral("Le log %1 contient %2.\r\n"
                          "Ces lignes sont affichées telles quelles et le fichier n'a pas été modifié : vérifiez que "
                          "c'est bien le log de la station, ou corrigez-le.")
        .arg(logName, which);
}

QString NonQsoLinesNotices::notice(const QString& logPath, const QStringList& lines)
{
    const NonQsoLines found = findNonQsoLines(lines);
    const QString key = QFileInfo(logPath).absoluteFilePath();
    if (found.count == 0) {
        told.remove(key);
        return {};
    }
    if (told.value(key, 0) == found.count)
        return {};
    told.insert(key, found.count);
    return nonQsoLinesMessage(QFileInfo(logPath).fileName(), found);
}
