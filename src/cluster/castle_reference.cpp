#include "cluster/castle_reference.h"
#include "logbook/departments.h"
#include <QRegularExpression>

namespace {

// Department then three digits, a dash allowed between any two characters.
const QString referenceShape = QStringLiteral(R"(([0-9](?:-?[0-9ab])(?:-?[0-9]){3}))");

// A reference always spells its department with two characters.
bool isDepartmentOfReference(QStringView dpt) { return dpt.size() == 2 && isAwardDepartment(dpt.toString()); }

QString plainReference(const QString& written)
{
    QString ref = written;
    ref.remove(QLatin1Char('-'));
    return isDepartmentOfReference(QStringView(ref).left(2)) ? ref : QString();
}

} // namespace

QString castleReferenceIn(const QString& comment, const CastleListed& listed)
{
    const QString text = comment.toLower();
    static const QRegularExpression announced(QStringLiteral(R"(dfcf[\s:#=/_-]*)") + referenceShape
                                              + QStringLiteral("(?![0-9a-z])"));
    for (auto it = announced.globalMatch(text); it.hasNext();) {
        const QString ref = plainReference(it.next().captured(1));
        if (!ref.isEmpty())
            return ref;
    }
    if (!listed)
        return {};
    static const QRegularExpression bare(QStringLiteral("(?<![0-9a-z-])") + referenceShape
                                         + QStringLiteral("(?![0-9a-z-])"));
    for (auto it = bare.globalMatch(text); it.hasNext();) {
        const QString ref = plainReference(it.next().captured(1));
        if (!ref.isEmpty() && listed(ref))
            return ref;
    }
    return {};
}
