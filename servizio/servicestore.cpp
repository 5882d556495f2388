#include "servicestore.h"

#include "apperror.h"
#include "boundstatement.h"
#include "rowset.h"

#include <mysql.h>

ServiceStore::ServiceStore(const Connection::Settings &settings) : m_mysql(Connection::openRaw(settings)) {}

ServiceStore::~ServiceStore()
{
    mysql_close(m_mysql);
}

void ServiceStore::run(const char *sql)
{
    if (mysql_query(m_mysql, sql) != 0)
        throw AppError(Connection::lastError(m_mysql));
}

void ServiceStore::begin()
{
    run("START TRANSACTION");
}
void ServiceStore::commit()
{
    run("COMMIT");
}
void ServiceStore::rollback() noexcept
{
    mysql_query(m_mysql, "ROLLBACK");
}

QString ServiceStore::companyColumn(const QString &column)
{
    // The program takes the company from the table's first row.
    BoundStatement statement(m_mysql, QStringLiteral("SELECT `%1` FROM azienda LIMIT 1").arg(column));
    const QList<QStringList> rows = statement.select();
    return rows.isEmpty() ? QString() : rows.first().value(0);
}

QString ServiceStore::companyFolder()
{
    return companyColumn(QStringLiteral("path"));
}
QString ServiceStore::companyMail()
{
    return companyColumn(QStringLiteral("mail"));
}

QHash<QString, int> ServiceStore::textSizes(const QString &table)
{
    MY_CHARSET_INFO info;
    mysql_get_character_set_info(m_mysql, &info);
    const RowSet set =
        readRowSet(m_mysql, QStringLiteral("SELECT * FROM `%1` WHERE 0").arg(table), info.mbmaxlen ? info.mbmaxlen : 1);
    QHash<QString, int> sizes;
    for (const Column &column : set.columns)
        if (column.kind == Column::Kind::Text && column.maxChars > 0)
            sizes.insert(column.name, column.maxChars);
    return sizes;
}
