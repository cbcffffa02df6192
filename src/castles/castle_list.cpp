#include "castles/castle_list.h"
#include "platform/text_file.h"
#include <QDir>
#include <QFile>
#include <optional>

QString castleListMissingMessage()
{
    return QStringLiteral("Le fichier %1 est introuvable ou illisible : les noms des châteaux ne peuvent pas être "
                          "trouvés.\r\nMettez à jour les références avec le menu \"Outils\", "
                          "\"Mise à jour des références DFCF\".")
        .arg(castleListFileName);
}

namespace {

struct CastleFields {
    QStringView ref; // as written, dashes included
    QStringView name;
};

// The fields of a castle line; nothing for a line with fewer than two ";".
std::optional<CastleFields> castleFields(QStringView line)
{
    const qsizetype p1 = line.indexOf(QLatin1Char(';'));
    if (p1 < 0)
        return std::nullopt;
    const qsizetype p2 = line.indexOf(QLatin1Char(';'), p1 + 1);
    if (p2 < 0)
        return std::nullopt;
    return CastleFields{line.left(p1), line.mid(p1 + 1, p2 - p1 - 1)};
}

QString withoutDashes(QStringView ref) { return ref.toString().remove(QLatin1Char('-')); }

bool sameRef(QStringView written, QStringView wanted, bool trim)
{
    if (!written.contains(QLatin1Char('-')))
        return (trim ? written.trimmed() : written) == wanted;
    const QString ref = withoutDashes(written);
    return (trim ? QStringView(ref).trimmed() : QStringView(ref)) == wanted;
}

struct ListText {
    ReadStatus status = ReadStatus::Ok;
    QString text;
};

// The whole list decoded at once; lookups walk it without building lines.
ListText readList(const QString& dataDir)
{
    QFile file(QDir(dataDir).filePath(castleListFileName));
    if (!file.exists())
        return {ReadStatus::NotFound, {}};
    if (!file.open(QIODevice::ReadOnly))
        return {ReadStatus::Error, {}};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {ReadStatus::Error, {}};
    return {ReadStatus::Ok, decodeDataText(bytes).text};
}

// Visits the lines as splitLines() cuts them, with their index, until the
// visitor returns true.
template <class Visit> void forEachLine(QStringView text, Visit visit)
{
    qsizetype start = 0;
    for (qsizetype index = 0; start < text.size(); ++index) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        const bool last = end < 0;
        if (last)
            end = text.size();
        qsizetype length = end - start;
        if (!last && length > 0 && text[end - 1] == QLatin1Char('\r'))
            --length;
        if (visit(index, text.mid(start, length)))
            return;
        start = end + 1;
    }
}

} // namespace

bool parseCastleLine(const QString& line, QString* ref, QString* name)
{
    const std::optional<CastleFields> fields = castleFields(line);
    if (!fields)
        return false;
    *ref = withoutDashes(fields->ref);
    *name = fields->name.toString();
    return true;
}

CastleName Cherche_Nom_Chateau(const QString& dataDir, const QString& ref)
{
    const ListText list = readList(dataDir);
    CastleName result{QStringLiteral("C."), list.status != ReadStatus::Ok};
    const QString wanted = ref.trimmed();
    forEachLine(list.text, [&](qsizetype, QStringView line) {
        const std::optional<CastleFields> fields = castleFields(line);
        if (!fields || !sameRef(fields->ref, wanted, true))
            return false;
        result.name = (QStringLiteral("C.") + fields->name.toString()).left(30);
        return true;
    });
    return result;
}

CastleName Nom_Du_DFCF(const QString& dataDir, const QString& ref)
{
    const ListText list = readList(dataDir);
    CastleName result{QString(), list.status != ReadStatus::Ok};
    forEachLine(list.text, [&](qsizetype index, QStringView line) {
        if (index == 0) // the revision line
            return false;
        const std::optional<CastleFields> fields = castleFields(line);
        if (!fields || !sameRef(fields->ref, ref, false))
            return false;
        result.name = QStringLiteral("C. ") + fields->name.toString();
        return true;
    });
    return result;
}

CastleTable CastleTable::load(const QString& dataDir, bool* listMissing)
{
    const ListText list = readList(dataDir);
    if (listMissing)
        *listMissing = list.status != ReadStatus::Ok;
    CastleTable table;
    forEachLine(list.text, [&](qsizetype index, QStringView line) {
        const std::optional<CastleFields> fields = index > 0 ? castleFields(line) : std::nullopt;
        if (fields) {
            const QString ref = withoutDashes(fields->ref);
            if (!table.names.contains(ref)) // the first line of a reference wins, as in a scan
                table.names.insert(ref, fields->name.toString());
        }
        return false;
    });
    return table;
}

QString CastleTable::Nom_Du_DFCF(const QString& ref) const
{
    const auto it = names.constFind(ref);
    return it == names.cend() ? QString() : QStringLiteral("C. ") + *it;
}

QString CastleTable::Cherche_Nom_Chateau(const QString& ref) const
{
    const auto it = names.constFind(ref.trimmed());
    return it == names.cend() ? QStringLiteral("C.") : (QStringLiteral("C.") + *it).left(30);
}
