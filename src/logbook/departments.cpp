#include "logbook/departments.h"
#include "logbook/log_line.h"

int awardDepartmentIndex(const QString& department)
{
    const int index = departmentIndex(department);
    if (index >= 96)
        // "96" and "97" read as numbers are no Corsican department: only the letters are.
        return department.size() == 2 && department[1].isLetter() ? index : -1;
    return index >= 1 && index != 20 ? index : -1;
}

bool isAwardDepartment(const QString& department) { return awardDepartmentIndex(department) >= 0; }

const QStringList& awardDepartments()
{
    static const QStringList all = [] {
        QStringList list;
        for (int index = 1; index <= 97; ++index)
            if (index != 20)
                list << departmentLabel(index);
        return list;
    }();
    return all;
}
