#include "logbook/station_log.h"
#include "platform/text_file.h"
#include "reports/adif_standard.h"
#include <QDir>
#include <QFileInfo>
#include <QThread>
#include <future>
#include <vector>

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

// The lines [from, to) of the log, converted.
struct Stretch {
    QByteArray records;
    int written = 0;
    QStringList leftOut, unknownModes;
};

Stretch exportStretch(const QStringList& lines, qsizetype from, qsizetype to, AdifForm form, const QString& station)
{
    Stretch done;
    const std::unique_ptr<AdifWriter> writer = adifWriter(form, to - from);
    for (qsizetype i = from; i < to; ++i) {
        if (QStringView(lines[i]).trimmed().isEmpty())
            continue; // a blank line holds no QSO
        const StandardRecord record = standardRecord(lines[i], station);
        if (!record.problem.isEmpty()) {
            done.leftOut << lineLabel(i) + record.problem;
            continue;
        }
        if (record.unknownMode)
            done.unknownModes << lineLabel(i) + QStringLiteral("mode inconnu «\u00A0%1\u00A0»").arg(record.typedMode);
        writer->add(record);
        ++done.written;
    }
    done.records = writer->finish();
    return done;
}

// A QSO takes several microseconds to convert (its columns read, its text
// folded, its XML written): a long log is cut in stretches converted side
// by side, then joined in their order.
QList<Stretch> exportStretches(const QStringList& lines, AdifForm form, const QString& station)
{
    constexpr qsizetype shortest = 5000; // below this a thread costs more than it saves
    const qsizetype count = std::clamp<qsizetype>(lines.size() / shortest, 1, QThread::idealThreadCount());
    std::vector<std::future<Stretch>> running;
    for (qsizetype k = 0; k < count; ++k) {
        const qsizetype from = lines.size() * k / count, to = lines.size() * (k + 1) / count;
        // The first stretch runs on this thread, while the others run on theirs
        // (or here too, when no thread can be started).
        const auto policy = k == 0 ? std::launch::deferred : std::launch::async | std::launch::deferred;
        running.push_back(std::async(policy, exportStretch, std::cref(lines), from, to, form, std::cref(station)));
    }
    QList<Stretch> stretches;
    for (std::future<Stretch>& stretch : running)
        stretches << stretch.get();
    return stretches;
}

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

    const AdifForm form = QFileInfo(path).suffix().compare(QLatin1String("adx"), Qt::CaseInsensitive) == 0
                              ? AdifForm::Adx
                              : AdifForm::Adi;
    QList<QByteArray> records;
    for (Stretch& stretch : exportStretches(log.lines, form, adifCallsign(callsign))) {
        done.written += stretch.written;
        done.leftOut << stretch.leftOut;
        done.unknownModes << stretch.unknownModes;
        records << std::move(stretch.records);
    }
    done.result = writeFileAtomically(path, path + QStringLiteral(".tmp"), standardFile(form, callsign, now, records));
    if (done.result)
        done.message = closingMessage(path, done);
    return done;
}
