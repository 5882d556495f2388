#pragma once

#include <QDate>
#include <QString>

// Dates are stored as Italian short-date text, day/month/year with slashes.
namespace DateText {

// Reads "05/01/2021", "5/1/2021", "05/01/21" or "05/01" (current year),
// tolerating surrounding blanks. A year of one or two digits falls between
// 50 years before the current year and 49 after it. Anything else, an
// impossible date included, throws AppError with "'<text>' is not a valid
// date".
QDate read(const QString &text);

// As read, returning false (and leaving *date alone) on failure.
bool tryRead(const QString &text, QDate *date) noexcept;

// "dd/mm/yyyy", as the program stores dates.
QString format(const QDate &date);

// "yyyy-MM-dd" of the XML files, the year without leading zeros.
QString xml(const QDate &date);

} // namespace DateText
