#include "logbook/castle_contacts.h"
#include "logbook/bands.h"
#include "logbook/log_line.h"

namespace {

// The index runs over every line of the log at each change: fields are read
// in place and copied only for the first contact of a castle.
struct ContactView {
    QStringView ref;
    QString group;
    QStringView date;
    QStringView band;
};

QStringView fieldView(const QString& line, LogField field)
{
    const FieldSpan span = logColumns(field);
    return QStringView(line).mid(span.start, span.width);
}

ContactView contactView(const QString& line)
{
    const QStringView band = fieldView(line, LogField::QRG).trimmed();
    return {fieldView(line, LogField::Ref), bandGroup(band.toString()), fieldView(line, LogField::Date), band};
}

QString keyOf(QStringView ref, const QString& group)
{
    QString key;
    key.reserve(group.size() + 1 + ref.size());
    key.append(group).append(QLatin1Char('|')).append(ref);
    return key;
}

} // namespace

LoggedContact loggedContact(const QString& logLine)
{
    const ContactView view = contactView(logLine);
    return {view.ref.toString(), view.group, view.date.toString(), view.band.toString()};
}

void ContactedCastles::rebuild(const QStringList& logLines)
{
    firstContacts.clear();
    firstContacts.reserve(logLines.size());
    for (const QString& line : logLines) {
        const ContactView contact = contactView(line);
        if (contact.group.isEmpty())
            continue;
        const QString key = keyOf(contact.ref, contact.group);
        if (!firstContacts.contains(key))
            firstContacts.insert(key, {true, contact.date.toString(), contact.band.toString()});
    }
}

CastleContact ContactedCastles::find(const QString& ref, const QString& group) const
{
    if (group.isEmpty())
        return {};
    return firstContacts.value(keyOf(ref, group));
}
