#include "sourcetable.h"

#include "apperror.h"
#include "connection.h"
#include "datasource.h"
#include "tablecomponent.h"

SourceTable::SourceTable(Connection *connection, const QString &tableName, QObject *parent)
    : QObject(parent), m_table(new TableComponent(connection, tableName, this))
{
    // The calculated columns belong to one row: any move or re-read drops them.
    connect(m_table, &TableComponent::currentChanged, this, &SourceTable::forgetCalculated);
    connect(m_table, &TableComponent::rowsReset, this, &SourceTable::forgetCalculated);
    connect(m_table, &TableComponent::rowsChanged, this, &SourceTable::forgetCalculated);
}

const QString &SourceTable::tableName() const
{
    return m_table->tableName();
}

void SourceTable::setDeclaredFields(const QStringList &fields)
{
    m_declared = fields;
}

void SourceTable::setCalcFields(const QStringList &fields, CalcHandler handler)
{
    m_calcNames.clear();
    for (const QString &field : fields)
        m_calcNames << field.toLower();
    m_handler = std::move(handler);
    m_calculated = false;
}

void SourceTable::setMaster(DataSource *master, const QString &masterField, const QString &detailField)
{
    m_table->setMaster(master ? master->dataSet() : nullptr, masterField, detailField);
}

void SourceTable::open()
{
    if (m_table->isOpen())
        return;
    m_table->connection()->connect();
    m_table->open();
    checkDeclaredFields();
}

void SourceTable::close()
{
    m_table->close();
}

void SourceTable::setSql(const QString &sql)
{
    m_table->close();
    m_table->connection()->connect();
    m_table->setSql(sql);
    checkDeclaredFields();
}

bool SourceTable::isOpen() const
{
    return m_table->isOpen();
}

void SourceTable::checkDeclaredFields()
{
    try {
        for (const QString &field : m_declared)
            m_table->value(field); // the data layer refuses an unknown column
    } catch (const AppError &) {
        m_table->close();
        throw;
    }
}

void SourceTable::first()
{
    m_table->first();
}
void SourceTable::next()
{
    m_table->next();
}
bool SourceTable::eof() const
{
    return m_table->eof();
}

QVariant SourceTable::value(const QString &field)
{
    const QString name = field.toLower();
    if (!m_calcNames.contains(name))
        return m_table->value(field);
    if (!m_calculated) {
        m_calcValues.clear();
        if (m_table->currentIndex() >= 0 && m_handler)
            m_handler(*this);
        m_calculated = true;
    }
    return m_calcValues.value(name);
}

QVariant SourceTable::storedValue(const QString &field) const
{
    return m_table->value(field);
}

void SourceTable::setCalcValue(const QString &field, const QVariant &value)
{
    m_calcValues.insert(field.toLower(), value);
}
