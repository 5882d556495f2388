#include "testdatabase.h"

#include "apperror.h"
#include "rowset.h"
#include "tdiz.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QFile>

#include <mysql.h>

#ifndef STORE_SCHEMA_FILE
#error STORE_SCHEMA_FILE must name the schema file
#endif

Connection::Settings TestDatabase::serverSettings()
{
    Connection::Settings settings;
    settings.server = QStringLiteral("127.0.0.1");
    settings.user = QStringLiteral("root");
    settings.password = QStringLiteral("kertovin_47");
    settings.port = qEnvironmentVariableIntValue("FATTURAZIONE_DB_PORT");
    if (settings.port == 0)
        settings.port = 3406;
    return settings;
}

TestDatabase::TestDatabase(const QString &name)
{
    static QAtomicInt counter;
    m_name = !name.isEmpty() ? name
                             : QStringLiteral("t_%1_%2").arg(QCoreApplication::applicationPid()).arg(counter.fetchAndAddRelaxed(1));
    m_admin.setSettings(serverSettings());
    m_admin.connect();
    m_admin.execute(QStringLiteral("DROP DATABASE IF EXISTS `%1`").arg(m_name));
    m_admin.execute(QStringLiteral("CREATE DATABASE `%1` CHARACTER SET utf8mb4").arg(m_name));
    m_admin.execute(QStringLiteral("USE `%1`").arg(m_name));
    m_admin.setDatabase(m_name); // and again after a reconnection
    runSqlFile(m_admin, QStringLiteral(STORE_SCHEMA_FILE));
}

void TestDatabase::runSqlFile(Connection &connection, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("Schema non leggibile: ") + file.fileName());
    for (const QString &statement : QString::fromUtf8(file.readAll()).split(QLatin1Char(';'))) {
        QString sql;
        for (const QString &line : statement.split(QLatin1Char('\n')))
            if (!line.trimmed().startsWith(QLatin1String("--")))
                sql += line + QLatin1Char('\n');
        if (!sql.trimmed().isEmpty())
            connection.execute(sql);
    }
}

TestDatabase::~TestDatabase()
{
    try {
        m_admin.execute(QStringLiteral("DROP DATABASE IF EXISTS `%1`").arg(m_name));
    } catch (const AppError &) {
    }
}

Connection::Settings TestDatabase::settings() const
{
    Connection::Settings settings = serverSettings();
    settings.database = m_name;
    return settings;
}

void TestDatabase::openDataModule(TDiz &diz) const
{
    diz.xml_conn.setSettings(settings());
    diz.xml_conn.connect();
    diz.openTables();
}

void TestDatabase::execute(const QString &sql) { m_admin.execute(sql); }

QString TestDatabase::scalar(const QString &sql)
{
    const RowSet set = m_admin.select(sql);
    if (set.rows.isEmpty() || set.rows.first().isNull(0))
        return QString();
    return QString::fromUtf8(set.rows.first().bytes(0));
}
