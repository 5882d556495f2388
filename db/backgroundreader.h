#pragma once

#include "rowset.h"

#include <QObject>
#include <QTimer>

#include <memory>

class Connection;
class TableComponent;

// Re-reads a component's rows on a connection of its own in a worker
// thread, so that a refresh of 100,000 headers does not hold the window;
// the result is handed back to the component between events. The window
// never waits for a read: closing abandons one under way, which then ends
// on its own within the connection's timeouts.
class BackgroundReader : public QObject
{
    Q_OBJECT
public:
    explicit BackgroundReader(TableComponent *component);
    ~BackgroundReader() override;

    bool busy() const { return m_job != nullptr; }
    // Reads the statement's rows and compares them with the rows held now
    // (a shared copy), so that the window only applies the outcome.
    void start(const QString &sql, int sortColumn, quint64 generation, QList<Row> held, int keyColumn,
               int columnCount);
    // Lets go of the connection (and of a read under way) without waiting.
    void closeConnection();

private:
    struct Job;

    void poll();

    TableComponent *m_component;
    std::shared_ptr<Connection> m_connection; // touched by the worker only while a job runs
    std::shared_ptr<Job> m_job;
    QTimer m_poll;
};
