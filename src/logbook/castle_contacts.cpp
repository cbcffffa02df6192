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

void ContactedCastles::learnAppended(const QString& logLine)
{
    const ContactView contact = contactView(logLine);
    if (contact.group.isEmpty())
        return;
    const QString key = keyOf(contact.ref, contact.group);
    if (!firstContacts.contains(key))
        firstContacts.insert(key, {true, contact.date.toString(), contact.band.toString()});
}

void ContactedCastles::recheck(const QStringList& logLines, const QString& logLine)
{
    const ContactView changed = contactView(logLine);
    if (changed.group.isEmpty())
        return;
    const QString key = keyOf(changed.ref, changed.group);
    // The reference column is compared first: the band is read only on the
    // few lines of the same castle.
    for (const QString& line : logLines) {
        if (fieldView(line, LogField::Ref) != changed.ref)
            continue;
        const ContactView contact = contactView(line);
        if (contact.group == changed.group) {
            firstContacts.insert(key, {true, contact.date.toString(), contact.band.toString()});
            return;
        }
    }
    firstContacts.remove(key);
}

CastleContact ContactedCastles::find(const QString& ref, const QString& group) const
{
    if (group.isEmpty())
        return {};
    return firstContacts.value(keyOf(ref, group));
}
