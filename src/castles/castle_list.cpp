#include "castles/castle_list.h"
#include "platform/text_file.h"
#include <QDir>

bool parseCastleLine(const QString& line, QString* ref, QString* name)
{
    const qsizetype p1 = line.indexOf(QLatin1Char(';'));
    if (p1 < 0)
        return false;
    const qsizetype p2 = line.indexOf(QLatin1Char(';'), p1 + 1);
    if (p2 < 0)
        return false;
    *ref = line.left(p1).remove(QLatin1Char('-'));
    *name = line.mid(p1 + 1, p2 - p1 - 1);
    return true;
}

namespace {

LinesRead readList(const QString& dataDir) { return readLines(QDir(dataDir).filePath(castleListFileName)); }

} // namespace

CastleName Cherche_Nom_Chateau(const QString& dataDir, const QString& ref)
{
    const LinesRead list = readList(dataDir);
    CastleName result{QStringLiteral("C."), list.status != ReadStatus::Ok};
    const QString wanted = ref.trimmed();
    QString lineRef, name;
    for (const QString& line : list.lines) {
        if (line.isEmpty() || !parseCastleLine(line, &lineRef, &name))
            continue;
        if (lineRef.trimmed() == wanted) {
            result.name = (QStringLiteral("C.") + name).left(30);
            break;
        }
    }
    return result;
}

CastleName Nom_Du_DFCF(const QString& dataDir, const QString& ref)
{
    const LinesRead list = readList(dataDir);
    CastleName result{QString(), list.status != ReadStatus::Ok};
    QString lineRef, name;
    for (qsizetype i = 1; i < list.lines.size(); ++i) {
        const QString& line = list.lines[i];
        if (line.isEmpty() || !parseCastleLine(line, &lineRef, &name))
            continue;
        if (lineRef == ref) {
            result.name = QStringLiteral("C. ") + name;
            break;
        }
    }
    return result;
}

CastleTable CastleTable::load(const QString& dataDir, bool* listMissing)
{
    const LinesRead list = readList(dataDir);
    if (listMissing)
        *listMissing = list.status != ReadStatus::Ok;
    CastleTable table;
    QString lineRef, name;
    for (qsizetype i = 1; i < list.lines.size(); ++i) {
        const QString& line = list.lines[i];
        if (!line.isEmpty() && parseCastleLine(line, &lineRef, &name) && !table.names.contains(lineRef))
            table.names.insert(lineRef, name);
    }
    return table;
}

QString CastleTable::Nom_Du_DFCF(const QString& ref) const
{
    const auto it = names.constFind(ref);
    return it == names.cend() ? QString() : QStringLiteral("C. ") + *it;
}
