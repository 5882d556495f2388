#include "boundstatement.h"

#include "apperror.h"

#include <mysql.h>

#include <vector>

BoundStatement::BoundStatement(MYSQL *mysql, const QString &sql)
{
    m_stmt = mysql_stmt_init(mysql);
    if (!m_stmt)
        throw AppError(QString::fromUtf8(mysql_error(mysql)));
    const QByteArray text = sql.toUtf8();
    if (mysql_stmt_prepare(m_stmt, text.constData(), text.size()) != 0) {
        const QString message = QString::fromUtf8(mysql_stmt_error(m_stmt));
        mysql_stmt_close(m_stmt);
        throw AppError(message);
    }
}

BoundStatement::~BoundStatement()
{
    mysql_stmt_close(m_stmt);
}

void BoundStatement::fail() const
{
    throw AppError(QString::fromUtf8(mysql_stmt_error(m_stmt)));
}

void BoundStatement::bindAndRun(const QVariantList &values)
{
    const qsizetype count = values.size();
    if (count != qsizetype(mysql_stmt_param_count(m_stmt)))
        throw AppError(QStringLiteral("Numero di valori errato per l'istruzione SQL"));
    std::vector<MYSQL_BIND> binds(count);
    std::vector<QByteArray> texts(count);
    std::vector<long long> numbers(count);
    std::vector<my_bool> nulls(count);
    for (qsizetype i = 0; i < count; ++i) {
        MYSQL_BIND &bind = binds[i];
        bind = MYSQL_BIND{};
        const QVariant &value = values[i];
        nulls[i] = value.isNull();
        bind.is_null = &nulls[i];
        const int type = value.typeId();
        if (type == QMetaType::Int || type == QMetaType::LongLong || type == QMetaType::UInt ||
            type == QMetaType::Bool) {
            numbers[i] = value.toLongLong();
            bind.buffer_type = MYSQL_TYPE_LONGLONG;
            bind.buffer = &numbers[i];
        } else {
            texts[i] = value.toString().toUtf8();
            bind.buffer_type = MYSQL_TYPE_STRING;
            bind.buffer = texts[i].data();
            bind.buffer_length = texts[i].size();
        }
    }
    if (count && mysql_stmt_bind_param(m_stmt, binds.data()) != 0)
        fail();
    if (mysql_stmt_execute(m_stmt) != 0)
        fail();
}

unsigned long long BoundStatement::execute(const QVariantList &values)
{
    bindAndRun(values);
    return mysql_stmt_affected_rows(m_stmt);
}

QList<QStringList> BoundStatement::select(const QVariantList &values)
{
    bindAndRun(values);
    MYSQL_RES *meta = mysql_stmt_result_metadata(m_stmt);
    if (!meta)
        return {};
    const unsigned columns = mysql_num_fields(meta);
    my_bool updateMax = 1;
    mysql_stmt_attr_set(m_stmt, STMT_ATTR_UPDATE_MAX_LENGTH, &updateMax);
    if (mysql_stmt_store_result(m_stmt) != 0) {
        mysql_free_result(meta);
        fail();
    }
    MYSQL_FIELD *fields = mysql_fetch_fields(meta);
    std::vector<MYSQL_BIND> binds(columns);
    std::vector<QByteArray> buffers(columns);
    std::vector<unsigned long> lengths(columns);
    std::vector<my_bool> nulls(columns);
    for (unsigned i = 0; i < columns; ++i) {
        buffers[i].resize(qsizetype(fields[i].max_length) + 1);
        binds[i] = MYSQL_BIND{};
        binds[i].buffer_type = MYSQL_TYPE_STRING;
        binds[i].buffer = buffers[i].data();
        binds[i].buffer_length = buffers[i].size();
        binds[i].length = &lengths[i];
        binds[i].is_null = &nulls[i];
    }
    mysql_free_result(meta);
    QList<QStringList> rows;
    if (columns && mysql_stmt_bind_result(m_stmt, binds.data()) != 0)
        fail();
    while (mysql_stmt_fetch(m_stmt) == 0) {
        QStringList row;
        for (unsigned i = 0; i < columns; ++i)
            row << (nulls[i] ? QString() : QString::fromUtf8(buffers[i].constData(), qsizetype(lengths[i])));
        rows << row;
    }
    mysql_stmt_free_result(m_stmt);
    return rows;
}

unsigned long long BoundStatement::insertId() const
{
    return mysql_stmt_insert_id(m_stmt);
}
