#include "managementdatabase.h"

#include "apperror.h"
#include "rowset.h"
#include "testdatabase.h"

#include <QFile>
#include <QStringList>

#ifndef MANAGEMENT_SCHEMA_FILE
#error MANAGEMENT_SCHEMA_FILE must name the schema file
#endif

ManagementDatabase::ManagementDatabase()
{
    m_admin.setSettings(TestDatabase::serverSettings());
    m_admin.connect();
    // Dati connects to "localhost", which the client library reaches by
    // the socket it reads from the environment once, at its first use.
    const RowSet socket = readRowSet(m_admin.handle(), QStringLiteral("SELECT @@socket"), m_admin.maxBytesPerChar());
    m_socket = QString::fromUtf8(socket.rows.first().bytes(0));
    if (qEnvironmentVariable("MYSQL_UNIX_PORT") != m_socket)
        throw AppError(QStringLiteral("MYSQL_UNIX_PORT deve indicare il socket del server di prova (%1): "
                                      "vedere scripts/dbserver.sh env")
                           .arg(m_socket));
    m_admin.execute(QStringLiteral("DROP DATABASE IF EXISTS a2020"));
    m_admin.execute(QStringLiteral("CREATE DATABASE a2020 CHARACTER SET utf8mb4"));
    m_admin.execute(QStringLiteral("USE a2020"));
    TestDatabase::runSqlFile(m_admin, QStringLiteral(MANAGEMENT_SCHEMA_FILE));
}

ManagementDatabase::~ManagementDatabase()
{
    try {
        m_admin.execute(QStringLiteral("DROP DATABASE IF EXISTS a2020"));
    } catch (const AppError &) {
    }
}

void ManagementDatabase::execute(const QString &sql)
{
    m_admin.execute(sql);
}

int ManagementDatabase::insert(const QString &table, const QVariantMap &values)
{
    QStringList names, literals;
    for (auto it = values.begin(); it != values.end(); ++it) {
        names << QLatin1Char('`') + it.key() + QLatin1Char('`');
        literals << (it.value().isNull() ? QStringLiteral("NULL") : m_admin.quote(it.value().toString()));
    }
    m_admin.execute(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                        .arg(table, names.join(QLatin1Char(',')), literals.join(QLatin1Char(','))));
    return int(m_admin.lastInsertId());
}
