#pragma once

#include "reportdata.h"

#include <QHash>
#include <QList>
#include <QString>

// Data sources held in memory, for layouts under test.
class MemoryRecord : public ReportRecord
{
public:
    explicit MemoryRecord(QHash<QString, QString> fields = {}) : m_fields(std::move(fields)) {}
    QString text(const QString &field) const override { return m_fields.value(field); }

private:
    QHash<QString, QString> m_fields;
};

class MemoryRows : public ReportRows
{
public:
    explicit MemoryRows(QList<QHash<QString, QString>> rows = {}) : m_rows(std::move(rows)) {}

    static MemoryRows numbered(int count)
    {
        QList<QHash<QString, QString>> rows;
        for (int i = 1; i <= count; ++i)
            rows.append({{QStringLiteral("n"), QString::number(i)}});
        return MemoryRows(rows);
    }

    void first() override { m_index = 0; }
    void next() override { ++m_index; }
    bool atEnd() const override { return m_index >= m_rows.size(); }
    QString text(const QString &field) const override { return m_rows.at(m_index).value(field); }

private:
    QList<QHash<QString, QString>> m_rows;
    qsizetype m_index = 0;
};
