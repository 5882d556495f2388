#include "import/sourcevalue.h"

#include "db/apperror.h"
#include "store/datetext.h"
#include "store/sourcetable.h"

#include <QDate>

namespace SourceValue {
namespace {

QVariant required(SourceTable &table, const QString &field)
{
    const QVariant value = table.value(field);
    if (value.isNull())
        throw AppError(
            QStringLiteral("Valore nullo nella colonna '%1' della tabella '%2'").arg(field, table.tableName()));
    return value;
}

double toNumber(const QVariant &value, SourceTable &table, const QString &field)
{
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok)
        throw AppError(QStringLiteral("Valore non numerico '%1' nella colonna '%2' della tabella '%3'")
                           .arg(value.toString(), field, table.tableName()));
    return number;
}

} // namespace

double number(SourceTable &table, const QString &field)
{
    return toNumber(required(table, field), table, field);
}

double numberOrZero(SourceTable &table, const QString &field)
{
    const QVariant value = table.value(field);
    return value.isNull() ? 0.0 : toNumber(value, table, field);
}

QString integerText(SourceTable &table, const QString &field)
{
    const QVariant value = required(table, field);
    bool ok = false;
    const qlonglong integer = value.toLongLong(&ok);
    if (!ok)
        throw AppError(QStringLiteral("Valore non intero '%1' nella colonna '%2' della tabella '%3'")
                           .arg(value.toString(), field, table.tableName()));
    return QString::number(integer);
}

QString text(SourceTable &table, const QString &field)
{
    const QVariant value = table.value(field);
    return value.isNull() ? QString(QLatin1String("")) : value.toString();
}

QString dateText(SourceTable &table, const QString &field)
{
    const QVariant value = table.value(field);
    if (value.isNull())
        return QString(QLatin1String(""));
    const QDate date = QDate::fromString(value.toString().left(10), Qt::ISODate);
    if (!date.isValid())
        throw AppError(QStringLiteral("Data non valida '%1' nella colonna '%2' della tabella '%3'")
                           .arg(value.toString(), field, table.tableName()));
    return DateText::format(date);
}

} // namespace SourceValue
