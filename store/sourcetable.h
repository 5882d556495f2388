#pragma once

#include <QHash>
#include <QObject>
#include <QStringList>
#include <QVariant>

#include <functional>

class Connection;
class DataSource;
class TableComponent;

// A table of the management program's database as the import reads it: a
// table component whose declared columns must all be present when it opens,
// and calculated columns that a handler computes for the current row and
// that read like stored ones. Nothing is ever written through it.
class SourceTable : public QObject
{
    Q_OBJECT
public:
    using CalcHandler = std::function<void(SourceTable &)>;

    SourceTable(Connection *connection, const QString &tableName, QObject *parent = nullptr);

    TableComponent *table() const { return m_table; }
    const QString &tableName() const;

    void setDeclaredFields(const QStringList &fields);
    void setCalcFields(const QStringList &fields, CalcHandler handler);
    // Follows the current row of the master's table: masterField there
    // equals detailField here.
    void setMaster(DataSource *master, const QString &masterField, const QString &detailField);

    // Opening connects first. A connection that cannot be opened or a
    // declared column missing from the table throws AppError with the data
    // layer's message and leaves the table closed.
    void open();
    void close();
    // Replaces the statement and opens the table, checked as open() does.
    void setSql(const QString &sql);
    bool isOpen() const;

    void first();
    void next();
    bool eof() const;

    // A stored or calculated column of the current row (names compare
    // without regard to case); NULL is a null QVariant.
    QVariant value(const QString &field);
    QVariant storedValue(const QString &field) const;
    // For the handler: one calculated column of the current row.
    void setCalcValue(const QString &field, const QVariant &value);

private:
    void checkDeclaredFields();
    void forgetCalculated() { m_calculated = false; }

    TableComponent *m_table;
    QStringList m_declared;
    QStringList m_calcNames;
    CalcHandler m_handler;
    QHash<QString, QVariant> m_calcValues; // lower-case names
    bool m_calculated = false;
};
