#include "backgroundreader.h"

#include "apperror.h"
#include "connection.h"
#include "tablecomponent.h"

#include <mutex>
#include <thread>

namespace {
// How often the window looks whether a read has finished.
constexpr int PollMs = 10;
} // namespace

// What the worker hands back. The worker fills it and sets done under the
// mutex; the window takes it under the same mutex.
struct BackgroundReader::Job
{
    std::mutex mutex;
    bool done = false;
    RowSet set;
    RowDiff diff;
    QString error;
    bool lost = false;
    quint64 generation = 0;
};

BackgroundReader::BackgroundReader(TableComponent *component) : m_component(component)
{
    m_poll.setInterval(PollMs);
    connect(&m_poll, &QTimer::timeout, this, &BackgroundReader::poll);
}

BackgroundReader::~BackgroundReader() = default; // a read under way keeps its own job and connection

void BackgroundReader::closeConnection()
{
    m_poll.stop();
    m_job.reset();
    m_connection.reset();
}

void BackgroundReader::start(const QString &sql, int sortColumn, quint64 generation, QList<Row> held,
                             int keyColumn, int columnCount)
{
    const Connection::Settings settings = m_component->connection()->settings();
    if (m_connection && !(m_connection->settings() == settings))
        m_connection.reset();
    if (!m_connection) {
        m_connection = std::make_shared<Connection>();
        m_connection->setSettings(settings);
    }
    m_job = std::make_shared<Job>();
    m_job->generation = generation;
    std::thread([job = m_job, connection = m_connection, sql, sortColumn, held = std::move(held), keyColumn,
                 columnCount]() mutable {
        RowSet set;
        RowDiff diff;
        QString error;
        bool lost = false;
        try {
            if (!connection->isConnected()) {
                try {
                    connection->connect();
                } catch (const AppError &failure) {
                    if (!failure.connectionLost())
                        throw;
                    throw AppError(Connection::lostMessage(failure.message()), true);
                }
            }
            set = connection->select(sql);
            if (sortColumn >= 0 && sortColumn < set.columns.size())
                sortRows(set.rows, set.columns, sortColumn);
            diff = diffRows(held, set.rows, keyColumn, set.columns.size() == columnCount);
        } catch (const AppError &failure) {
            error = failure.message();
            lost = failure.connectionLost();
        }
        held.clear(); // the copy goes here, on the worker, never back to the window
        const std::lock_guard<std::mutex> lock(job->mutex);
        job->set = std::move(set);
        job->diff = std::move(diff);
        job->error = error;
        job->lost = lost;
        job->done = true;
    }).detach();
    m_poll.start();
}

void BackgroundReader::poll()
{
    const std::shared_ptr<Job> job = m_job;
    if (!job)
        return;
    RowSet set;
    RowDiff diff;
    QString error;
    bool lost = false;
    {
        const std::lock_guard<std::mutex> lock(job->mutex);
        if (!job->done)
            return;
        set = std::move(job->set);
        diff = std::move(job->diff);
        error = job->error;
        lost = job->lost;
    }
    m_poll.stop();
    m_job.reset();
    if (lost) {
        m_component->backgroundReadLost(error); // the timer goes on and tries again
        return;
    }
    if (!error.isEmpty()) {
        m_component->setAutoRefreshInterval(0);
        emit m_component->refreshFailed(error);
        return;
    }
    m_component->backgroundReadAnswered();
    m_component->applyBackgroundRows(job->generation, std::move(set), diff);
}
