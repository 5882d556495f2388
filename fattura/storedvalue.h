#pragma once

#include <QString>
#include <QStringView>

class TableComponent;

// Columns as the FatturaPA writers read them: as a plain value that is then
// turned into text or a number. Unlike the typed accessors of the table
// component, a NULL here is not empty text: it stops the writer (AppError
// naming the column). Only the emptiness tests that treat NULL as empty
// use TableComponent::text() directly.
namespace StoredValue {

QString text(const TableComponent &table, const QString &field);
qint64 integer(const TableComponent &table, const QString &field);

// The column's decimal text (grouped reading) written with pattern and a
// point for decimals; a text that is not a number throws the conversion error.
QString xmlNumber(const TableComponent &table, const QString &field, QStringView pattern);
// The column's day/month/year text as year-month-day.
QString xmlDate(const TableComponent &table, const QString &field);

// Refuses a text that the file could not carry, naming the column.
void requireXmlCharacters(const TableComponent &table, const QString &field, const QString &text);
// text(), refused when the file could not carry it.
QString writableText(const TableComponent &table, const QString &field);

} // namespace StoredValue

// A number as the writers put it in the file ("1234.50") read back.
long double readWrittenNumber(const QString &xmlNumber);
// A value written with pattern and a point for decimals.
QString xmlFormat(long double value, QStringView pattern);
