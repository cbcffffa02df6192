#include "reports/search.h"
#include "logbook/log_line.h"
#include "logbook/log_list_model.h"
#include "platform/text_file.h"

namespace {

QString emptyFieldMessage(SearchOption option)
{
    switch (option) {
    case SearchOption::Indicatif: return QStringLiteral("Entrez un indicatif");
    case SearchOption::Reference: return QStringLiteral("Entrez une référence");
    case SearchOption::Departement: return QStringLiteral("Entrez un departement");
    }
    return {};
}

// Callsigns match on a part of the call; references and departments match
// whole, without regard to case: Corsica is "2a" or "2A" in a log.
bool matches(const QString& logLine, SearchOption option, const QString& value)
{
    switch (option) {
    case SearchOption::Indicatif: return logFieldTrimmed(logLine, LogField::Indicatif).contains(value);
    case SearchOption::Reference:
        return logFieldTrimmed(logLine, LogField::Ref).compare(value, Qt::CaseInsensitive) == 0;
    case SearchOption::Departement:
        return logFieldTrimmed(logLine, LogField::Dpt).compare(value, Qt::CaseInsensitive) == 0;
    }
    return false;
}

} // namespace

QString checkTypedCallsign(const QString& text)
{
    if (text.size() > 12)
        return QStringLiteral("12 caracteres maxi pour l'indicatif");
    if (text.isEmpty())
        return QStringLiteral("Entrez un indicatif");
    return {};
}

QString checkTypedReference(const QString& text)
{
    return text.size() == 5 ? QString() : QStringLiteral("5 caracteres pour la référence ex: 93013");
}

QString typedDepartment(const QString& text) { return text.toLower(); }

QString checkTypedDepartment(const QString& department)
{
    if (department.size() >= 3)
        return QStringLiteral("2 caracteres maxi pour le département");
    if (department.isEmpty())
        return QStringLiteral("Entrez un département");
    return {};
}

QString withoutLeadingLineBreak(const QString& text)
{
    return text.startsWith(QLatin1String("\r\n")) ? text.mid(2) : text;
}

SearchOutcome Recherche_QSO(const LogListModel& rows, SearchOption option, const QString& typed)
{
    SearchOutcome outcome;
    const QString value = option == SearchOption::Departement ? typed : upperWindows1252(typed);
    const int count = rows.rowCount();
    // An empty box only stops the search when there is a row to compare.
    if (count > 0 && value.isEmpty()) {
        outcome.message = emptyFieldMessage(option);
        return outcome;
    }
    for (int row = 0; row < count; ++row) {
        const QString line = rows.logLine(row);
        if (matches(line, option, value))
            outcome.hits.append({row, rows.rowText(row), line});
    }
    if (outcome.hits.isEmpty())
        outcome.message = QStringLiteral("Pas de QSO trouvé");
    outcome.clearFields = true;
    return outcome;
}

int hitRow(const LogListModel& rows, const SearchHit& hit)
{
    if (rows.logLine(hit.row) == hit.logLine)
        return hit.row;
    return int(rows.lines().indexOf(hit.logLine));
}

QString qsoGoneMessage() { return QStringLiteral("Ce QSO n'est plus dans le log"); }
