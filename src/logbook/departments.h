#pragma once
#include <QString>
#include <QStringList>

// The departments of the award: 01 to 95 but 20, and the Corsican 2a and 2b.
// Old or hand-edited logs may hold 00, 20, 96, 98 or a blank: such a line is
// still a QSO with a castle, but it counts for no department.
constexpr int awardDepartmentCount = 96;

// The 96 as the log writes them, in order: "01" to "95" but "20", then "2a", "2b".
const QStringList& awardDepartments();

// Whether a trimmed department text of a log line ("7", "07", "2A", "2b"...)
// is one of the 96.
bool isAwardDepartment(const QString& department);

// The department's index (1 to 95, 96 for "2a", 97 for "2b") when the text is
// one of the 96; -1 otherwise.
int awardDepartmentIndex(const QString& department);
