#include "awards/award_list.h"
#include "awards/award_figures.h"
#include "logbook/dates.h"
#include "logbook/log_line.h"
#include "reports/report_file.h"
#include <algorithm>
#include <vector>

namespace {

const QString blank2 = QStringLiteral("  ");

// A field at its full width, so that a short line still gives aligned rows.
QString cut(const QString& line, LogField field)
{
    return logField(line, field).leftJustified(logColumns(field).width, QLatin1Char(' '));
}

QString department(const QString& line) { return cut(line, LogField::Dpt).left(2); }

QString saveNamePart(const QString& nom)
{
    if (nom == QLatin1String("Honneur"))
        return QStringLiteral("Diplome_DFCF_Honneur_Bande_");
    if (nom == QLatin1String("Trophe"))
        return QStringLiteral("Diplome_DFCF_Trophe_Bande_");
    if (nom == QLatin1String("Excellence"))
        return QStringLiteral("Diplome_DFCF_Excellence_Bande_");
    return QStringLiteral("Diplome_DFCF_de_Base_Bande_");
}

QString printTitlePart(const QString& nom)
{
    if (nom == QLatin1String("Honneur"))
        return QStringLiteral(" Diplome DFCF Honneur bande ");
    if (nom == QLatin1String("Trophe"))
        return QStringLiteral(" Diplome DFCF Trophe bande ");
    if (nom == QLatin1String("Excellence"))
        return QStringLiteral(" Diplome DFCF Excellence bande ");
    return QStringLiteral(" Diplome DFCF de Base bande ");
}

const QString savedCastleHeader =
    QStringLiteral("   N°   Ref   Dpt      Nom du Chateau               Date    Heure  Indicatif");
const QString savedDepartmentHeader =
    QStringLiteral("   N° Dpt  Ref   Indicatif    Prenom            Date    Heure   Bande   Mode");

} // namespace

bool AwardList::excellence() const { return nom == QLatin1String("Excellence"); }

QString castleRow(const QString& line)
{
    return QLatin1Char(' ') + cut(line, LogField::Ref) + blank2 + department(line) + blank2 + cut(line, LogField::Chateau)
        + blank2 + cut(line, LogField::Date) + blank2 + cut(line, LogField::QTR) + blank2
        + cut(line, LogField::Indicatif);
}

QString departmentRow(const QString& line)
{
    return department(line) + blank2 + cut(line, LogField::Ref) + blank2 + cut(line, LogField::Indicatif)
        + QLatin1Char(' ') + cut(line, LogField::Prenom) + QLatin1Char(' ') + cut(line, LogField::Date) + blank2
        + cut(line, LogField::QTR) + blank2 + cut(line, LogField::QRG) + blank2 + cut(line, LogField::Mode) + blank2;
}

void sortRows(QStringList& rows)
{
    // Each row is folded once, not at every comparison: lists run to tens of
    // thousands of rows.
    struct Keyed {
        QString key;
        QString row;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(rows.size());
    for (QString& row : rows)
        keyed.push_back({row.toCaseFolded(), std::move(row)});
    std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) { return a.key < b.key; });
    for (qsizetype i = 0; i < rows.size(); ++i)
        rows[i] = std::move(keyed[size_t(i)].row);
}

AwardList buildAwardList(const GroupFigures& figures, const QString& groupe, const QString& nom)
{
    AwardList list;
    list.groupe = groupe;
    list.nom = nom;
    list.caption = QStringLiteral("Liste DFCF bande ") + groupe;
    list.title = QStringLiteral("Diplome DFCF ") + groupe + QLatin1Char(' ') + nom;
    // Header columns (1-based) follow the row layouts above.
    list.header = QStringLiteral("   Ref             Nom du Chateau                      Date      Indicatif         QSL");
    list.headerColumns = {2, 17, 41, 51, 65};
    if (!list.excellence()) {
        if (!figures.confirmedLines.isEmpty()) {
            list.header = QStringLiteral("      Ref     Dpt        Nom du Chateau                       Date      Heure  Indicatif");
            list.headerColumns = {2, 9, 21, 45, 55, 62};
        }
        for (const QString& line : figures.confirmedLines)
            list.rows << castleRow(line);
        list.count = QLatin1Char(' ') + QString::number(figures.confirmed) + QStringLiteral(" châteaux confirmés");
    } else {
        // Slot 0 is never listed.
        for (int index = 1; index < departmentSlots; ++index)
            if (figures.departmentFlags[index])
                list.rows << departmentRow(figures.lastConfirmedLine[index]);
        if (!list.rows.isEmpty()) {
            list.header = QStringLiteral("  Dep   Ref     Indicatif          Prenom                 Date     Heure   Bande  Mode");
            list.headerColumns = {1, 5, 12, 25, 41, 51, 58, 67};
        }
        list.count = QLatin1Char(' ') + QString::number(list.rows.size()) + QStringLiteral(" départements confirmés");
    }
    sortRows(list.rows);
    return list;
}

QString awardFileName(const QString& callsign, const AwardList& list, const QDate& today)
{
    return callsign + QLatin1Char('_') + saveNamePart(list.nom) + list.groupe + QLatin1Char('_') + dateStamp(today)
        + QStringLiteral(".txt");
}

QStringList savedAwardLines(const AwardList& list, const QString& callsign, const QDate& today)
{
    QStringList lines;
    if (list.excellence())
        lines << QStringLiteral("       ") + callsign + QStringLiteral(" Liste des départements contactés bande ") + list.groupe
                + QStringLiteral(" au ") + shortDateFr(today);
    else
        lines << QStringLiteral("   ") + callsign + QStringLiteral(" Liste alphanumerique des Chateaux contactés bande ")
                + list.groupe + QStringLiteral(" au ") + shortDateFr(today);
    lines << QString() << (list.excellence() ? savedDepartmentHeader : savedCastleHeader) << QString();
    for (int i = 0; i < list.rows.size(); ++i)
        lines << numberedRow(i + 1, list.rows[i]);
    lines << QString() << reportClosingLine();
    return lines;
}

QStringList printedAwardLines(const AwardList& list, const QString& callsign, const QDate& today)
{
    const QString indent = QStringLiteral("    ");
    QStringList lines;
    lines << QString(17, QLatin1Char(' ')) + callsign + printTitlePart(list.nom) + list.groupe + QStringLiteral(" au ")
            + shortDateFr(today);
    lines << QString() << indent + (list.excellence() ? savedDepartmentHeader : savedCastleHeader) << QString();
    for (int i = 0; i < list.rows.size(); ++i)
        lines << indent + numberedRow(i + 1, list.rows[i]);
    lines << QString() << QString() << reportClosingLine();
    return lines;
}
