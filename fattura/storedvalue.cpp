#include "fattura/storedvalue.h"

#include "db/apperror.h"
#include "db/tablecomponent.h"
#include "fattura/valueforms.h"
#include "store/datetext.h"
#include "store/decimaltext.h"

namespace {

QVariant requireValue(const TableComponent &table, const QString &field)
{
    const QVariant value = table.value(field);
    if (value.isNull())
        throw AppError(QStringLiteral("Valore nullo nella colonna '%1' della tabella '%2'")
                           .arg(field, table.tableName()));
    return value;
}

} // namespace

namespace StoredValue {

QString text(const TableComponent &table, const QString &field)
{
    return requireValue(table, field).toString();
}

qint64 integer(const TableComponent &table, const QString &field)
{
    return requireValue(table, field).toLongLong();
}

QString xmlNumber(const TableComponent &table, const QString &field, QStringView pattern)
{
    return DecimalText::xmlNumber(text(table, field), pattern);
}

QString xmlDate(const TableComponent &table, const QString &field)
{
    return DateText::xml(DateText::read(text(table, field)));
}

void requireXmlCharacters(const TableComponent &table, const QString &field, const QString &text)
{
    if (!ValueForm::fitsXml(text))
        throw AppError(QStringLiteral("Carattere non ammesso in XML nella colonna '%1' della tabella '%2'")
                           .arg(field, table.tableName()));
}

QString writableText(const TableComponent &table, const QString &field)
{
    const QString value = text(table, field);
    requireXmlCharacters(table, field, value);
    return value;
}

} // namespace StoredValue

long double readWrittenNumber(const QString &xmlNumber)
{
    return DecimalText::readStrict(QString(xmlNumber).replace(u'.', u','));
}

QString xmlFormat(long double value, QStringView pattern)
{
    return DecimalText::format(value, pattern).replace(u',', u'.');
}
