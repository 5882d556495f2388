#include "store/datetext.h"

#include "db/apperror.h"

#include <QStringList>

namespace {

// Two-digit years are taken within the hundred years that start 50 years
// before the current one (in 2025: 75 is 1975, 74 is 2074, 21 is 2021).
int fullYear(int shortYear, int currentYear)
{
    const int earliest = currentYear - 50;
    return earliest + (shortYear - earliest % 100 + 100) % 100;
}

// A date part: one to four ASCII digits.
bool readPart(const QString &part, int *number)
{
    if (part.isEmpty() || part.size() > 4)
        return false;
    int value = 0;
    for (const QChar c : part) {
        if (c < u'0' || c > u'9')
            return false;
        value = value * 10 + (c.unicode() - u'0');
    }
    *number = value;
    return true;
}

bool parseDate(const QString &text, QDate *date)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    const QStringList parts = text.mid(first, last - first).split(u'/');
    if (parts.size() != 2 && parts.size() != 3)
        return false;

    int day = 0;
    int month = 0;
    if (!readPart(parts[0], &day) || !readPart(parts[1], &month))
        return false;
    const int currentYear = QDate::currentDate().year();
    int year = currentYear;
    if (parts.size() == 3) {
        if (!readPart(parts[2], &year))
            return false;
        if (parts[2].size() <= 2)
            year = fullYear(year, currentYear);
    }
    if (year < 1)
        return false;
    const QDate parsed(year, month, day);
    if (!parsed.isValid())
        return false;
    *date = parsed;
    return true;
}

} // namespace

namespace DateText {

QDate read(const QString &text)
{
    QDate date;
    if (!parseDate(text, &date))
        throw AppError(QStringLiteral("'%1' is not a valid date").arg(text));
    return date;
}

bool tryRead(const QString &text, QDate *date) noexcept
{
    return parseDate(text, date);
}

QString format(const QDate &date)
{
    return QStringLiteral("%1/%2/%3")
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

QString xml(const QDate &date)
{
    return QStringLiteral("%1-%2-%3")
        .arg(date.year())
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'));
}

} // namespace DateText
