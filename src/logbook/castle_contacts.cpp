#include "logbook/castle_contacts.h"
#include "logbook/bands.h"
#include "logbook/log_line.h"

namespace {

QString keyOf(const QString& ref, const QString& group) { return group + QLatin1Char('|') + ref; }

} // namespace

LoggedContact loggedContact(const QString& logLine)
{
    const QString band = logFieldTrimmed(logLine, LogField::QRG);
    return {logField(logLine, LogField::Ref), bandGroup(band), logField(logLine, LogField::Date), band};
}

void ContactedCastles::rebuild(const QStringList& logLines)
{
    firstContacts.clear();
    firstContacts.reserve(logLines.size());
    for (const QString& line : logLines) {
        const LoggedContact contact = loggedContact(line);
        if (contact.group.isEmpty())
            continue;
        const QString key = keyOf(contact.ref, contact.group);
        if (!firstContacts.contains(key))
            firstContacts.insert(key, {true, contact.date, contact.band});
    }
}

CastleContact ContactedCastles::find(const QString& ref, const QString& group) const
{
    if (group.isEmpty())
        return {};
    return firstContacts.value(keyOf(ref, group));
}
