#pragma once

#include "connection.h"

#include <QString>
#include <QVariantMap>

// A fresh management database for one test: a2020 (its name is fixed in
// the program) created on the private server from the schema file, and the
// client library pointed at that server, so that the data module's Dati
// reaches it with its own settings (MYSQL_UNIX_PORT must name the
// server's socket, as scripts/test.sh sets it). Tests using it must not run at once
// (ctest RESOURCE_LOCK a2020).
class ManagementDatabase
{
public:
    ManagementDatabase();
    ~ManagementDatabase();
    ManagementDatabase(const ManagementDatabase &) = delete;
    ManagementDatabase &operator=(const ManagementDatabase &) = delete;

    // The socket of the server, for the environment of a child process.
    const QString &socket() const { return m_socket; }
    void execute(const QString &sql);
    // Inserts a row of testata or dettag, column to value (a null QVariant
    // is NULL), and returns its protocollo.
    int insert(const QString &table, const QVariantMap &values);

private:
    Connection m_admin;
    QString m_socket;
};
