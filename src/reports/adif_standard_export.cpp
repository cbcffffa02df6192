#include "awards/station_log.h"
#include "platform/text_file.h"
#include "reports/adif_standard.h"
#include <QDir>
#include <QFileInfo>

namespace {

// A closing message stays readable: the first lines of a long list, then a count.
constexpr int listedAtMost = 20;

QString listed(const QStringList& items)
{
    QString text;
    for (const QString& item : items.mid(0, listedAtMost))
        text += QStringLiteral("\r\n   ") + item;
    if (items.size() > listedAtMost)
        text += QStringLiteral("\r\n   … et %1 autres").arg(items.size() - listedAtMost);
    return text;
}

QString closingMessage(const QString& path, const StandardExport& done)
{
    QString text = QStringLiteral("Le fichier a été enregistré sous le nom : ") + QDir::toNativeSeparators(path);
    text += QStringLiteral("\r\n");
    text += done.written == 0   ? QStringLiteral("Aucun QSO écrit.")
            : done.written == 1 ? QStringLiteral("1 QSO écrit.")
                                : QStringLiteral("%1 QSO écrits.").arg(done.written);
    text += QStringLiteral("\r\n");
    const qsizetype out = done.leftOut.size();
    text += out == 0   ? QStringLiteral("Aucune ligne laissée de côté.")
            : out == 1 ? QStringLiteral("1 ligne illisible laissée de côté\u00A0:")
                       : QStringLiteral("%1 lignes illisibles laissées de côté\u00A0:").arg(out);
    text += listed(done.leftOut);
    const qsizetype modes = done.unknownModes.size();
    if (modes > 0) {
        text += QStringLiteral("\r\n");
        text += modes == 1 ? QStringLiteral("1 QSO écrit avec un mode inconnu, tel qu'il a été saisi\u00A0:")
                           : QStringLiteral("%1 QSO écrits avec un mode inconnu, tels qu'ils ont été saisis\u00A0:").arg(modes);
        text += listed(done.unknownModes);
    }
    return text;
}

// The chosen name, with ".adi" added when it has no suffix. Only .adi and
// .adx are taken, so that no other file (the log itself) can be overwritten.
Result checkedTarget(QString& target)
{
    const QFileInfo info(target);
    if (info.suffix().isEmpty())
        target += QStringLiteral(".adi");
    else if (info.suffix().compare(QLatin1String("adi"), Qt::CaseInsensitive) != 0
             && info.suffix().compare(QLatin1String("adx"), Qt::CaseInsensitive) != 0)
        return Result::failure(QStringLiteral("Choisissez un nom de fichier terminé par .adi ou .adx."),
                               QDir::toNativeSeparators(target));
    return Result::success();
}

QString lineLabel(qsizetype index) { return QStringLiteral("ligne %1\u00A0: ").arg(index + 1); }

} // namespace

StandardExport exportStandardAdif(const QString& dataDir, const QString& callsign, const QString& target,
                                  const QDateTime& now)
{
    StandardExport done;
    QString path = target;
    done.result = checkedTarget(path);
    if (!done.result)
        return done;
    const StationLog log = readStationLog(dataDir, callsign);
    if (!log.result) {
        done.result = log.result;
        return done;
    }

    const bool xml = QFileInfo(path).suffix().compare(QLatin1String("adx"), Qt::CaseInsensitive) == 0;
    const std::unique_ptr<AdifWriter> writer =
        xml ? adxWriter(now, log.lines.size()) : adiWriter(callsign, now, log.lines.size());
    const QString station = adifCallsign(callsign);
    for (qsizetype i = 0; i < log.lines.size(); ++i) {
        if (QStringView(log.lines[i]).trimmed().isEmpty())
            continue; // a blank line holds no QSO
        const StandardRecord record = standardRecord(log.lines[i], station);
        if (!record.problem.isEmpty()) {
            done.leftOut << lineLabel(i) + record.problem;
            continue;
        }
        if (record.unknownMode)
            done.unknownModes << lineLabel(i) + QStringLiteral("mode inconnu «\u00A0%1\u00A0»").arg(record.typedMode);
        writer->add(record);
        ++done.written;
    }
    const QByteArray bytes = writer->finish();
    done.result = writeFileAtomically(path, path + QStringLiteral(".tmp"), bytes);
    if (done.result)
        done.message = closingMessage(path, done);
    return done;
}
