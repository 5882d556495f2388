#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariant>

struct st_mysql;
using MYSQL = st_mysql;

// What the data layer knows of a result column.
struct Column
{
    enum class Kind { Text, Integer, Boolean, Other };
    QString name;
    Kind kind = Kind::Text;
    int maxChars = 0;  // text columns: size in characters (0: no limit known)
    bool autoIncrement = false;
    bool primaryKey = false;
};

// One row as the server sent it: the fields' bytes end to end, so a read
// of 100,000 rows costs one allocation per row and no conversion. Values
// are decoded when a caller asks for them.
class Row
{
public:
    static constexpr quint32 NullBit = 0x80000000u;

    Row() = default;
    Row(const char *const *fields, const unsigned long *lengths, unsigned count);

    int size() const { return int(m_ends.size()); }
    bool isNull(int i) const { return m_ends[i] & NullBit; }
    QByteArrayView bytes(int i) const;
    bool operator==(const Row &other) const { return m_ends == other.m_ends && m_bytes == other.m_bytes; }

    static Row fromValues(const QList<QVariant> &values, const QList<Column> &columns);

private:
    QByteArray m_bytes;
    QList<quint32> m_ends;
};

QVariant decodeValue(const Row &row, int i, const Column &column);

// The rows and columns of one SELECT, read with the client library's
// streaming interface. The program reads through Connection::select, which
// finds a lost link first; this is the step under it.
struct RowSet
{
    QList<Column> columns;
    QList<Row> rows;
};

// Throws AppError, marked connectionLost() when the link broke.
RowSet readRowSet(MYSQL *mysql, const QString &sql, unsigned maxBytesPerChar);

// How newly read rows differ from the rows held: when every held row's key
// is still in its place (rows only changed, or new ones came at the end),
// the changed rows; otherwise the whole set counts as new.
struct RowDiff
{
    bool sameKeys = false; // the held rows are a prefix of the new ones, key by key
    QList<int> changed;    // with sameKeys: held rows whose values changed
};
RowDiff diffRows(const QList<Row> &held, const QList<Row> &fresh, int keyColumn, bool sameColumns);

// The order of two rows by one column, as sortRows orders them.
bool rowLess(const Row &a, const Row &b, const Column &column, int index);

// Orders the rows by one column (stable; nulls first). Integers compare by
// value, texts without regard to case, then exactly.
void sortRows(QList<Row> &rows, const QList<Column> &columns, int column);
