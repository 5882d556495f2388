#pragma once

#include "connection.h"

#include <QString>

class TDiz;

// A fresh invoice store of its own for one test: a new database on the
// private server with the store's schema, dropped again at the end. Its
// statements run in that database.
// The server comes from FATTURAZIONE_DB_PORT (default 3406) on 127.0.0.1.
class TestDatabase
{
public:
    // A name of the caller's, or one made unique to this process.
    explicit TestDatabase(const QString &name = QString());
    ~TestDatabase();
    TestDatabase(const TestDatabase &) = delete;
    TestDatabase &operator=(const TestDatabase &) = delete;

    const QString &name() const { return m_name; }
    Connection::Settings settings() const;
    // Connects the data module to this database and opens its tables.
    void openDataModule(TDiz &diz) const;
    void execute(const QString &sql);
    // First column of the first row of a query, as text (NULL: a null QString).
    QString scalar(const QString &sql);

    static Connection::Settings serverSettings();
    // Runs the statements of a schema file (separated by ';', "--" lines
    // left out) on a connection.
    static void runSqlFile(Connection &connection, const QString &path);

private:
    QString m_name;
    Connection m_admin;
};
