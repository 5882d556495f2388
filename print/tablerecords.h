#pragma once

#include "reportdata.h"

#include "db/tablecomponent.h"

#include <QString>

// The program's table components as report data sources.

// The current row of a table.
class TableRecord : public ReportRecord
{
public:
    explicit TableRecord(const TableComponent &table) : m_table(table) {}
    QString text(const QString &field) const override { return m_table.text(field); }

private:
    const TableComponent &m_table;
};

// The rows of a table, visited by moving its current row; optionally only
// those whose field holds a given value. The table is put back on the row
// it was on when the visit ends, so printing moves nothing the user sees.
class TableRows : public ReportRows
{
public:
    explicit TableRows(TableComponent &table);
    // Only the rows whose field reads as value; a null value matches no row.
    TableRows(TableComponent &table, const QString &field, const QVariant &value);
    ~TableRows() override;
    TableRows(const TableRows &) = delete;
    TableRows &operator=(const TableRows &) = delete;

    void first() override;
    void next() override;
    bool atEnd() const override;
    QString text(const QString &field) const override { return m_table.text(field); }

private:
    bool filtered() const { return !m_field.isEmpty(); }
    bool matches() const;
    void skipOtherRows();

    TableComponent &m_table;
    TableComponent::Bookmark m_start;
    QString m_field;
    QVariant m_value;
};
