#pragma once

#include <QHash>
#include <QString>

// How the engine reads data: it never sees the program's tables, only these
// small interfaces, which the layer that owns the data adapts to.

// A single-row source: the text of a field of its current row.
class ReportRecord
{
public:
    virtual ~ReportRecord() = default;
    virtual QString text(const QString &field) const = 0;
};

// The source of the detail band: the rows are visited once, in order.
class ReportRows : public ReportRecord
{
public:
    virtual void first() = 0;
    virtual void next() = 0;
    virtual bool atEnd() const = 0;
};

// The named sources a layout's data fields refer to.
class ReportSources
{
public:
    void addRecord(const QString &name, const ReportRecord *record) { m_records.insert(name, record); }
    void setDetail(const QString &name, ReportRows *rows)
    {
        m_detail = rows;
        m_records.insert(name, rows);
    }

    const ReportRecord *record(const QString &name) const { return m_records.value(name); }
    ReportRows *detail() const { return m_detail; }

private:
    QHash<QString, const ReportRecord *> m_records;
    ReportRows *m_detail = nullptr;
};

// The texts of the computed labels, as the before-print handlers set them.
// A label keeps its text until a handler sets it again.
class ReportLabels
{
public:
    void set(const QString &name, const QString &text) { m_texts.insert(name, text); }
    QString text(const QString &name) const { return m_texts.value(name); }

private:
    QHash<QString, QString> m_texts;
};
