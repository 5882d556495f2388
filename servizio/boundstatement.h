#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

struct st_mysql;
using MYSQL = st_mysql;
struct st_mysql_stmt;
using MYSQL_STMT = st_mysql_stmt;

// A server-side prepared statement: every value travels bound, never
// pasted into the SQL text. Values may be texts, integers or null
// variants. Failures throw AppError with the server's message.
class BoundStatement
{
public:
    BoundStatement(MYSQL *mysql, const QString &sql);
    ~BoundStatement();
    BoundStatement(const BoundStatement &) = delete;
    BoundStatement &operator=(const BoundStatement &) = delete;

    // Runs the statement; returns the rows it changed.
    unsigned long long execute(const QVariantList &values = {});
    // Runs a SELECT; each row as texts (NULL as a null QString).
    QList<QStringList> select(const QVariantList &values = {});
    unsigned long long insertId() const;

private:
    void bindAndRun(const QVariantList &values);
    [[noreturn]] void fail() const;

    MYSQL_STMT *m_stmt = nullptr;
};
