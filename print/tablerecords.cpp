#include "tablerecords.h"

TableRows::TableRows(TableComponent &table) : m_table(table), m_start(table.bookmark())
{
}

TableRows::TableRows(TableComponent &table, const QString &field, const QVariant &value)
    : m_table(table), m_start(table.bookmark()), m_field(field), m_value(value)
{
}

TableRows::~TableRows()
{
    try {
        if (!m_table.isEmpty() && m_start.index >= 0)
            m_table.gotoBookmark(m_start);
    } catch (...) {
        // Going back is a courtesy to the screens; it must not hide the
        // error that ended the report.
    }
}

void TableRows::first()
{
    m_table.first();
    skipOtherRows();
}

void TableRows::next()
{
    m_table.next();
    skipOtherRows();
}

bool TableRows::atEnd() const
{
    return m_table.isEmpty() || m_table.eof();
}

bool TableRows::matches() const
{
    return !m_value.isNull() && m_table.text(m_field) == m_value.toString();
}

void TableRows::skipOtherRows()
{
    if (!filtered())
        return;
    while (!atEnd() && !matches())
        m_table.next();
}
