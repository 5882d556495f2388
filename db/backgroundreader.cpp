#include "backgroundreader.h"

#include "apperror.h"
#include "tablecomponent.h"

#include <QtConcurrent/QtConcurrentRun>

#include <mysql.h>

BackgroundReader::BackgroundReader(TableComponent *component) : m_component(component)
{
    connect(&m_watcher, &QFutureWatcher<Result>::finished, this, &BackgroundReader::finished);
}

BackgroundReader::~BackgroundReader()
{
    m_watcher.waitForFinished();
    closeConnection();
}

void BackgroundReader::closeConnection()
{
    m_watcher.waitForFinished();
    if (m_mysql) {
        mysql_close(m_mysql);
        m_mysql = nullptr;
    }
}

void BackgroundReader::start(const QString &sql, int sortColumn, quint64 generation, QList<Row> held,
                             int keyColumn, int columnCount)
{
    const Connection::Settings settings = m_component->connection()->settings();
    if (m_mysql && !(settings == m_settings))
        closeConnection();
    m_settings = settings;
    m_watcher.setFuture(QtConcurrent::run([this, sql, sortColumn, generation, held = std::move(held), keyColumn,
                                           columnCount]() mutable {
        Result result;
        result.generation = generation;
        try {
            if (!m_mysql) {
                m_mysql = Connection::openRaw(m_settings);
                MY_CHARSET_INFO info;
                mysql_get_character_set_info(m_mysql, &info);
                m_maxBytesPerChar = info.mbmaxlen ? info.mbmaxlen : 1;
            }
            result.set = readRowSet(m_mysql, sql, m_maxBytesPerChar);
            if (sortColumn >= 0 && sortColumn < result.set.columns.size())
                sortRows(result.set.rows, result.set.columns, sortColumn);
            result.diff = diffRows(held, result.set.rows, keyColumn, result.set.columns.size() == columnCount);
        } catch (const AppError &error) {
            result.error = error.message();
            if (m_mysql) {
                mysql_close(m_mysql);
                m_mysql = nullptr;
            }
        }
        held.clear(); // the copy goes here, on the worker, never back to the window
        return result;
    }));
}

void BackgroundReader::finished()
{
    Result result = m_watcher.result();
    if (!result.error.isEmpty()) {
        m_component->setAutoRefreshInterval(0);
        emit m_component->refreshFailed(result.error);
        return;
    }
    m_component->applyBackgroundRows(result.generation, std::move(result.set), result.diff);
}
