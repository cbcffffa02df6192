#include "logbook/dates.h"

namespace {

QString twoDigits(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

QString clockText(const QTime& t)
{
    return twoDigits(t.hour()) + ':' + twoDigits(t.minute()) + ':' + twoDigits(t.second());
}

bool digitsAt(const QString& text, std::initializer_list<int> positions)
{
    for (int i : positions)
        if (i >= text.size() || text[i] < QLatin1Char('0') || text[i] > QLatin1Char('9'))
            return false;
    return true;
}

int number(const QString& text, int from, int length)
{
    bool ok = false;
    const int n = text.mid(from, length).trimmed().toInt(&ok);
    return ok ? n : 0;
}

} // namespace

QString Date_UTC(const QDateTime& instant)
{
    const QDate d = instant.toUTC().date();
    return twoDigits(d.day()) + '/' + twoDigits(d.month()) + '/' + twoDigits(d.year() % 100);
}

QString Heure_UTC(const QDateTime& instant) { return clockText(instant.toUTC().time()); }

QString Heure_Locale(const QDateTime& instant) { return clockText(instant.toLocalTime().time()); }

int widenYear(int twoDigitYear) { return twoDigitYear >= 50 ? 1900 + twoDigitYear : 2000 + twoDigitYear; }

bool Verif_Date(const QString& text)
{
    if (text.size() != 8 || !digitsAt(text, {0, 1, 3, 4, 6, 7}) || text[2] != QLatin1Char('/')
        || text[5] != QLatin1Char('/'))
        return false;
    return QDate(widenYear(number(text, 6, 2)), number(text, 3, 2), number(text, 0, 2)).isValid();
}

bool Verif_Heure(const QString& text)
{
    if (text.size() != 5 || !digitsAt(text, {0, 1, 3, 4}) || text[2] != QLatin1Char(':'))
        return false;
    return number(text, 0, 2) <= 23 && number(text, 3, 2) <= 59;
}

qint64 dateTimeKey(const QString& date, const QString& time)
{
    const qint64 year = widenYear(number(date, 6, 2));
    const qint64 month = number(date, 3, 2);
    const qint64 day = number(date, 0, 2);
    const qint64 hour = number(time, 0, 2);
    const qint64 minute = number(time, 3, 2);
    return (((year * 100 + month) * 100 + day) * 100 + hour) * 100 + minute;
}

QString shortDateFr(const QDate& date)
{
    return twoDigits(date.day()) + '/' + twoDigits(date.month()) + '/' + QString::number(date.year());
}

QString dateStamp(const QDate& date)
{
    return twoDigits(date.day()) + '_' + twoDigits(date.month()) + '_' + twoDigits(date.year() % 100);
}
