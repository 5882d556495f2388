#pragma once

#include "connection.h"

#include <QHash>
#include <QString>

// One connection of the service to the invoice store, opened for one
// request and closed with it, so requests on different threads never share
// a connection.
class ServiceStore
{
public:
    explicit ServiceStore(const Connection::Settings &settings); // throws AppError
    ~ServiceStore();
    ServiceStore(const ServiceStore &) = delete;
    ServiceStore &operator=(const ServiceStore &) = delete;

    MYSQL *handle() const { return m_mysql; }
    void begin();
    void commit();
    void rollback() noexcept;

    // The company's folder of FatturaPA files (azienda.path of its first row).
    QString companyFolder();
    // The company's e-mail address (azienda.mail of its first row).
    QString companyMail();
    // The size in characters of every text column of a table, by column name.
    QHash<QString, int> textSizes(const QString &table);

private:
    void run(const char *sql);
    QString companyColumn(const QString &column);

    MYSQL *m_mysql = nullptr;
};
