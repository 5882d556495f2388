#pragma once

#include "connection.h"
#include "rowset.h"

#include <QFutureWatcher>
#include <QObject>

class TableComponent;

// Re-reads a component's rows on a connection of its own in a worker
// thread, so that a refresh of 100,000 headers does not hold the window;
// the result is handed back to the component between events.
class BackgroundReader : public QObject
{
    Q_OBJECT
public:
    explicit BackgroundReader(TableComponent *component);
    ~BackgroundReader() override;

    bool busy() const { return m_watcher.isRunning(); }
    // Reads the statement's rows and compares them with the rows held now
    // (a shared copy), so that the window only applies the outcome.
    void start(const QString &sql, int sortColumn, quint64 generation, QList<Row> held, int keyColumn,
               int columnCount);
    void closeConnection();

private:
    struct Result
    {
        RowSet set;
        RowDiff diff;
        QString error;
        quint64 generation = 0;
    };

    void finished();

    TableComponent *m_component;
    Connection::Settings m_settings;
    MYSQL *m_mysql = nullptr;
    unsigned m_maxBytesPerChar = 4;
    QFutureWatcher<Result> m_watcher;
};
