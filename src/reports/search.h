#pragma once
#include <QList>
#include <QString>

class LogListModel;

// Recherche_QSO: finds QSOs among the rows of the main list, by callsign,
// castle reference or department.
enum class SearchOption { Indicatif, Reference, Departement };

struct SearchHit {
    int row;         // index of the row in the main list
    QString text;    // the main-list row, unchanged
    QString logLine; // the QSO the row stood for, to find it again
};

struct SearchOutcome {
    QList<SearchHit> hits;
    QString message;          // shown to the operator; empty when none
    bool clearFields = false; // the search ran to its end: the fields are emptied
};

// Checks of the text when Enter is pressed in a field; empty when accepted.
QString checkTypedCallsign(const QString& text);
QString checkTypedReference(const QString& text);
// The department box holds its lower-case form before it is checked.
QString typedDepartment(const QString& text);
QString checkTypedDepartment(const QString& department);

// A line break left at the start of a box is not part of what was typed.
QString withoutLeadingLineBreak(const QString& text);

// Searches with the selected option and the text of that option's box.
SearchOutcome Recherche_QSO(const LogListModel& rows, SearchOption option, const QString& typed);

// The row of the main list that holds the QSO of a hit: its own row while
// the list has not changed, else the first row holding the same QSO; -1 when
// the QSO is no longer in the list.
int hitRow(const LogListModel& rows, const SearchHit& hit);
QString qsoGoneMessage();
