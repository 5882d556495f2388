#pragma once

#include <QString>

class SourceTable;

// Columns of the management tables as the import turns them into store
// values. A missing (NULL) number cannot be formed: it throws AppError
// naming the column. A missing text or date reads as empty text, since the
// store keeps no NULL where the FatturaPA writers would stop on it.
namespace SourceValue {

double number(SourceTable &table, const QString &field);
// A number that counts as 0 when missing (a VAT amount or discount tested
// for "greater than 0").
double numberOrZero(SourceTable &table, const QString &field);
// The decimal text of an integer column ("123").
QString integerText(SourceTable &table, const QString &field);
QString text(SourceTable &table, const QString &field);
// A date column as day/month/four-digit year.
QString dateText(SourceTable &table, const QString &field);

} // namespace SourceValue
