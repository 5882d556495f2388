#include "rowset.h"

#include "apperror.h"
#include "connection.h"

#include <mysql.h>

#include <algorithm>
#include <memory>
#include <numeric>

Row::Row(const char *const *fields, const unsigned long *lengths, unsigned count)
{
    qsizetype total = 0;
    for (unsigned i = 0; i < count; ++i)
        total += qsizetype(lengths[i]);
    m_bytes.reserve(total);
    m_ends.resize(count);
    for (unsigned i = 0; i < count; ++i) {
        if (fields[i])
            m_bytes.append(fields[i], qsizetype(lengths[i]));
        m_ends[i] = quint32(m_bytes.size()) | (fields[i] ? 0 : NullBit);
    }
}

QByteArrayView Row::bytes(int i) const
{
    const quint32 begin = i == 0 ? 0 : (m_ends[i - 1] & ~NullBit);
    const quint32 end = m_ends[i] & ~NullBit;
    return QByteArrayView(m_bytes.constData() + begin, qsizetype(end - begin));
}

Row Row::fromValues(const QList<QVariant> &values, const QList<Column> &columns)
{
    Row row;
    row.m_ends.resize(values.size());
    for (int i = 0; i < values.size(); ++i) {
        const QVariant &value = values[i];
        if (!value.isNull()) {
            if (columns[i].kind == Column::Kind::Boolean)
                row.m_bytes.append(value.toBool() ? '1' : '0');
            else
                row.m_bytes.append(value.toString().toUtf8());
        }
        row.m_ends[i] = quint32(row.m_bytes.size()) | (value.isNull() ? NullBit : 0);
    }
    return row;
}

QVariant decodeValue(const Row &row, int i, const Column &column)
{
    if (row.isNull(i))
        return QVariant();
    const QByteArrayView bytes = row.bytes(i);
    switch (column.kind) {
    case Column::Kind::Integer:
        return bytes.toInt();
    case Column::Kind::Boolean:
        return bytes.toInt() != 0;
    default:
        return QString::fromUtf8(bytes);
    }
}

namespace {
Column describe(const MYSQL_FIELD &field, unsigned maxBytesPerChar)
{
    Column column;
    column.name = QString::fromUtf8(field.name);
    column.autoIncrement = field.flags & AUTO_INCREMENT_FLAG;
    column.primaryKey = field.flags & PRI_KEY_FLAG;
    switch (field.type) {
    case MYSQL_TYPE_TINY:
        column.kind = field.length == 1 ? Column::Kind::Boolean : Column::Kind::Integer;
        break;
    case MYSQL_TYPE_SHORT:
    case MYSQL_TYPE_LONG:
    case MYSQL_TYPE_INT24:
    case MYSQL_TYPE_LONGLONG:
        column.kind = Column::Kind::Integer;
        break;
    case MYSQL_TYPE_VAR_STRING:
    case MYSQL_TYPE_STRING:
    case MYSQL_TYPE_VARCHAR:
        column.kind = Column::Kind::Text;
        column.maxChars = int(field.length / std::max(1u, maxBytesPerChar));
        break;
    case MYSQL_TYPE_BLOB:
        column.kind = Column::Kind::Text;
        break;
    default:
        column.kind = Column::Kind::Other;
    }
    return column;
}
} // namespace

namespace {
[[noreturn]] void failRead(MYSQL *mysql)
{
    throw AppError(Connection::lastError(mysql), Connection::isLostConnectionError(mysql_errno(mysql)));
}
} // namespace

RowSet readRowSet(MYSQL *mysql, const QString &sql, unsigned maxBytesPerChar)
{
    const QByteArray bytes = sql.toUtf8();
    if (mysql_real_query(mysql, bytes.constData(), bytes.size()) != 0)
        failRead(mysql);
    const std::unique_ptr<MYSQL_RES, decltype(&mysql_free_result)> result(mysql_use_result(mysql), &mysql_free_result);
    if (!result)
        failRead(mysql);
    RowSet set;
    const unsigned count = mysql_num_fields(result.get());
    const MYSQL_FIELD *fields = mysql_fetch_fields(result.get());
    set.columns.reserve(count);
    for (unsigned i = 0; i < count; ++i)
        set.columns.append(describe(fields[i], maxBytesPerChar));
    while (MYSQL_ROW fetched = mysql_fetch_row(result.get()))
        set.rows.append(Row(fetched, mysql_fetch_lengths(result.get()), count));
    // The error is taken before the result is freed, which may talk to the
    // server again.
    if (mysql_errno(mysql) != 0)
        failRead(mysql);
    return set;
}

RowDiff diffRows(const QList<Row> &held, const QList<Row> &fresh, int keyColumn, bool sameColumns)
{
    RowDiff diff;
    diff.sameKeys = sameColumns && keyColumn >= 0 && fresh.size() >= held.size();
    for (qsizetype i = 0; diff.sameKeys && i < held.size(); ++i) {
        if (fresh[i] == held[i])
            continue;
        if (fresh[i].bytes(keyColumn) != held[i].bytes(keyColumn))
            diff.sameKeys = false;
        else
            diff.changed << int(i);
    }
    if (!diff.sameKeys)
        diff.changed.clear();
    return diff;
}

bool rowLess(const Row &a, const Row &b, const Column &column, int index)
{
    if (a.isNull(index) || b.isNull(index))
        return a.isNull(index) && !b.isNull(index);
    if (column.kind != Column::Kind::Text)
        return a.bytes(index).toLongLong() < b.bytes(index).toLongLong();
    const QString left = QString::fromUtf8(a.bytes(index));
    const QString right = QString::fromUtf8(b.bytes(index));
    const int folded = left.compare(right, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : left < right;
}

void sortRows(QList<Row> &rows, const QList<Column> &columns, int column)
{
    const bool numeric = columns[column].kind != Column::Kind::Text;
    std::vector<int> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    if (numeric) {
        std::vector<qint64> keys(rows.size());
        for (int i = 0; i < rows.size(); ++i)
            keys[i] = rows[i].isNull(column) ? std::numeric_limits<qint64>::min() : rows[i].bytes(column).toLongLong();
        if (std::is_sorted(keys.begin(), keys.end()))
            return;
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return keys[a] < keys[b]; });
    } else {
        std::vector<QString> keys(rows.size());
        for (int i = 0; i < rows.size(); ++i)
            keys[i] = rows[i].isNull(column) ? QString() : QString::fromUtf8(rows[i].bytes(column));
        auto less = [&](int a, int b) {
            if (rows[a].isNull(column) != rows[b].isNull(column))
                return rows[a].isNull(column);
            const int folded = keys[a].compare(keys[b], Qt::CaseInsensitive);
            return folded != 0 ? folded < 0 : keys[a] < keys[b];
        };
        // Rows the server already ordered (a search with its own "order
        // by") stay as they came.
        if (std::is_sorted(order.begin(), order.end(), less))
            return;
        std::stable_sort(order.begin(), order.end(), less);
    }
    QList<Row> sorted;
    sorted.reserve(rows.size());
    for (int i : order)
        sorted.append(std::move(rows[i]));
    rows = std::move(sorted);
}
