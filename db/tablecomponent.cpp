#include "tablecomponent.h"

#include "apperror.h"
#include "backgroundreader.h"
#include "connection.h"

#include <QScopeGuard>
#include <QTimer>

#include <thread>

namespace {
QString quoteName(const QString &name)
{
    QString escaped = name;
    escaped.replace(QLatin1Char('`'), QLatin1String("``"));
    return QLatin1Char('`') + escaped + QLatin1Char('`');
}

// Text longer than its column keeps its first characters (code points, as
// the server counts them), silently.
QString cutToSize(const QString &text, int maxChars)
{
    if (maxChars <= 0 || text.size() <= maxChars)
        return text;
    int chars = 0;
    qsizetype i = 0;
    while (i < text.size() && chars < maxChars) {
        i += (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) ? 2 : 1;
        ++chars;
    }
    return text.left(i);
}

} // namespace

TableComponent::TableComponent(Connection *connection, const QString &tableName, QObject *parent)
    : QObject(parent), m_connection(connection), m_tableName(tableName), m_timer(new QTimer(this))
{
    connect(m_timer, &QTimer::timeout, this, &TableComponent::autoRefresh);
    if (connection) {
        connect(connection, &Connection::aboutToDisconnect, this, &TableComponent::close);
        // Queued: the reconnection happens inside some component's
        // statement, which must finish before rows are read again.
        connect(connection, &Connection::reconnected, this, &TableComponent::reloadAfterReconnect,
                Qt::QueuedConnection);
    }
}

TableComponent::~TableComponent() = default;

void TableComponent::setSortField(const QString &field) { m_sortField = field; }

void TableComponent::setMaster(TableComponent *master, const QString &masterFields, const QString &detailFields)
{
    if (m_master)
        disconnect(m_master, nullptr, this, nullptr);
    m_master = master;
    m_masterFields = masterFields.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    m_detailFields = detailFields.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    if (master) {
        connect(master, &TableComponent::currentChanged, this, &TableComponent::followMaster);
        connect(master, &TableComponent::rowsReset, this, &TableComponent::followMaster);
        connect(master, &TableComponent::rowsChanged, this, &TableComponent::followMaster);
        connect(master, &TableComponent::stateChanged, this, &TableComponent::followMaster);
    }
    followMaster();
}

void TableComponent::setAutoRefreshInterval(int milliseconds)
{
    m_refreshInterval = milliseconds;
    if (milliseconds > 0 && isOpen())
        m_timer->start(milliseconds);
    else
        m_timer->stop();
}

// ---- opening, reading -------------------------------------------------

QString TableComponent::selectStatement() const
{
    QString sql = m_sql.isEmpty() ? QStringLiteral("SELECT * FROM ") + quoteName(m_tableName) : m_sql;
    if (!m_master)
        return sql;
    if (!m_sql.isEmpty())
        sql = QStringLiteral("SELECT * FROM (") + sql + QStringLiteral(") AS linked");
    const QStringList values = masterValues();
    QStringList conditions;
    for (int i = 0; i < m_detailFields.size(); ++i) {
        if (values.value(i).isNull())
            return sql + QStringLiteral(" WHERE 1 = 0");
        conditions << quoteName(m_detailFields[i]) + QStringLiteral(" = ") + m_connection->quote(values[i]);
    }
    return sql + QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
}

QStringList TableComponent::masterValues() const
{
    QStringList values;
    for (const QString &field : m_masterFields) {
        QVariant value;
        if (m_master && m_master->isOpen() && m_master->currentIndex() >= 0)
            value = m_master->value(field);
        values << (value.isNull() ? QString() : value.toString());
    }
    return values;
}

int TableComponent::sortColumn() const
{
    return m_sortField.isEmpty() ? -1 : columnIndex(m_sortField);
}

void TableComponent::readRows()
{
    RowSet set = m_connection->select(selectStatement());
    m_appliedMasterValues = masterValues();
    setRows(std::move(set));
}

void TableComponent::setRows(RowSet &&set)
{
    const bool sameColumns = std::equal(m_columns.begin(), m_columns.end(), set.columns.begin(), set.columns.end(),
                                        [](const Column &a, const Column &b) { return a.name == b.name; });
    if (!sameColumns)
        m_defaultsLoaded = false;
    m_columns = std::move(set.columns);
    m_columnByName.clear();
    m_keyColumn = -1;
    for (int i = 0; i < m_columns.size(); ++i) {
        m_columnByName.insert(m_columns[i].name.toLower(), i);
        if (m_keyColumn < 0 && m_columns[i].autoIncrement)
            m_keyColumn = i;
    }
    for (int i = 0; m_keyColumn < 0 && i < m_columns.size(); ++i)
        if (m_columns[i].primaryKey)
            m_keyColumn = i;
    m_rows = std::move(set.rows);
    const int sort = sortColumn();
    if (sort >= 0)
        sortRows(m_rows, m_columns, sort);
    touchRows();
}

void TableComponent::open()
{
    if (isOpen())
        return;
    readRows(); // a failure leaves the component closed
    m_current = m_rows.isEmpty() ? -1 : 0;
    m_eof = m_rows.isEmpty();
    setState(State::Browse);
    emit rowsReset();
    emit currentChanged(m_current);
    if (m_refreshInterval > 0)
        m_timer->start(m_refreshInterval);
}

void TableComponent::close()
{
    if (!isOpen())
        return;
    m_timer->stop();
    if (m_reader)
        m_reader->closeConnection();
    m_reloadPending = false;
    m_refreshLost = false;
    m_rows.clear();
    m_buffer.clear();
    m_modified.clear();
    m_insertedIndex = -1;
    m_current = -1;
    m_eof = true;
    touchRows();
    setState(State::Inactive);
    emit rowsReset();
    emit currentChanged(m_current);
}

void TableComponent::setSql(const QString &sql)
{
    close();
    m_sql = sql;
    open();
}

void TableComponent::execSql(const QString &sql) { m_connection->execute(sql); }

// ---- navigation -------------------------------------------------------

void TableComponent::setCurrent(int index)
{
    if (index == m_current)
        return;
    m_current = index;
    emit currentChanged(index);
}

void TableComponent::checkBrowseMode()
{
    if (isEditing())
        post();
}

void TableComponent::first()
{
    checkBrowseMode();
    setCurrent(m_rows.isEmpty() ? -1 : 0);
    m_eof = m_rows.isEmpty();
}

void TableComponent::next()
{
    checkBrowseMode();
    if (m_current + 1 < m_rows.size())
        setCurrent(m_current + 1);
    else
        m_eof = true;
}

void TableComponent::prior()
{
    checkBrowseMode();
    if (m_current > 0)
        setCurrent(m_current - 1);
    m_eof = m_rows.isEmpty();
}

void TableComponent::last()
{
    checkBrowseMode();
    setCurrent(int(m_rows.size()) - 1);
    m_eof = true;
}

void TableComponent::moveTo(int index)
{
    checkBrowseMode();
    if (m_rows.isEmpty())
        return;
    setCurrent(std::clamp(index, 0, int(m_rows.size()) - 1));
    m_eof = false;
}

bool TableComponent::locate(const QString &field, const QVariant &value)
{
    checkBrowseMode();
    const int column = requireColumn(field);
    const Column &info = m_columns[column];
    for (int i = 0; i < m_rows.size(); ++i) {
        const QVariant candidate = decodeValue(m_rows[i], column, info);
        const bool match = value.isNull() || candidate.isNull()
                               ? value.isNull() == candidate.isNull()
                               : (info.kind == Column::Kind::Text ? candidate.toString() == value.toString()
                                                                  : candidate == value || candidate.toString() == value.toString());
        if (match) {
            setCurrent(i);
            m_eof = false;
            return true;
        }
    }
    return false;
}

QByteArray TableComponent::keyOf(const Row &row) const
{
    return m_keyColumn < 0 ? QByteArray() : row.bytes(m_keyColumn).toByteArray();
}

int TableComponent::indexOfKey(const QByteArray &key) const
{
    if (m_keyColumn < 0)
        return -1;
    for (int i = 0; i < m_rows.size(); ++i)
        if (!m_rows[i].isNull(m_keyColumn) && m_rows[i].bytes(m_keyColumn) == key)
            return i;
    return -1;
}

TableComponent::Bookmark TableComponent::bookmark() const
{
    if (m_current < 0)
        return {};
    return {keyOf(m_rows[m_current]), m_current};
}

void TableComponent::gotoBookmark(const Bookmark &bookmark)
{
    const int byKey = m_keyColumn >= 0 && !bookmark.key.isEmpty() ? indexOfKey(bookmark.key) : -1;
    moveTo(byKey >= 0 ? byKey : bookmark.index);
}

// ---- the edit cycle ---------------------------------------------------

void TableComponent::setState(State state)
{
    if (state == m_state)
        return;
    m_state = state;
    emit stateChanged(state);
}

void TableComponent::requireEditing(const char *operation) const
{
    if (!isOpen())
        throw AppError(QStringLiteral("%1: la tabella %2 non è aperta").arg(QLatin1String(operation), m_tableName));
    if (!isEditing())
        throw AppError(QStringLiteral("%1: la tabella %2 non è in modifica o inserimento")
                           .arg(QLatin1String(operation), m_tableName));
}

void TableComponent::append()
{
    if (!isOpen())
        throw AppError(QStringLiteral("La tabella %1 non è aperta").arg(m_tableName));
    checkBrowseMode();
    m_buffer = QList<QVariant>(m_columns.size());
    m_modified = QList<bool>(m_columns.size(), false);
    m_rows.append(Row::fromValues(m_buffer, m_columns));
    touchRows();
    m_insertedIndex = int(m_rows.size()) - 1;
    m_current = m_insertedIndex;
    m_eof = false;
    setState(State::Insert);
    emit rowsInserted(m_insertedIndex, m_insertedIndex);
    emit currentChanged(m_current);
    const QStringList values = m_appliedMasterValues;
    for (int i = 0; m_master && i < m_detailFields.size(); ++i)
        if (!values.value(i).isNull())
            setValue(m_detailFields[i], values[i]);
    if (m_newRecordHook)
        m_newRecordHook(*this);
}

void TableComponent::edit()
{
    if (!isOpen())
        throw AppError(QStringLiteral("La tabella %1 non è aperta").arg(m_tableName));
    if (isEditing())
        return;
    if (m_rows.isEmpty()) {
        append();
        return;
    }
    m_buffer.resize(m_columns.size());
    for (int i = 0; i < m_columns.size(); ++i)
        m_buffer[i] = decodeValue(m_rows[m_current], i, m_columns[i]);
    m_modified = QList<bool>(m_columns.size(), false);
    setState(State::Edit);
}

void TableComponent::post()
{
    if (!isEditing())
        return;
    if (m_state == State::Insert)
        insertRow();
    else
        updateRow();
    // A failure above throws and leaves the row in edit or insert state.
    // The row is in browse state before anyone hears of it, so a listener
    // (a detail following this master) reads the posted row.
    m_insertedIndex = -1;
    m_buffer.clear();
    m_modified.clear();
    touchRows();
    m_state = State::Browse;
    const bool moved = placeRowBySortOrder();
    m_posting = true;
    const auto done = qScopeGuard([this] { m_posting = false; });
    emit stateChanged(m_state);
    if (moved) {
        emit rowsReset();
        emit currentChanged(m_current);
    }
    emit rowsChanged({m_current});
    if (m_reloadPending)
        QMetaObject::invokeMethod(this, &TableComponent::reloadAfterReconnect, Qt::QueuedConnection);
}

// The pending value of a column as an SQL literal.
QString TableComponent::literalOf(int column) const
{
    const QVariant &value = m_buffer[column];
    if (value.isNull())
        return QStringLiteral("NULL");
    if (m_columns[column].kind == Column::Kind::Boolean)
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    return m_connection->quote(value.toString());
}

void TableComponent::insertRow()
{
    QStringList names, literals;
    for (int i = 0; i < m_columns.size(); ++i) {
        if (!m_modified[i] || m_columns[i].autoIncrement)
            continue;
        names << quoteName(m_columns[i].name);
        literals << literalOf(i);
    }
    const QString sql = names.isEmpty()
                            ? QStringLiteral("INSERT INTO %1 () VALUES ()").arg(quoteName(m_tableName))
                            : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                  .arg(quoteName(m_tableName), names.join(QLatin1Char(',')), literals.join(QLatin1Char(',')));
    loadColumnDefaults();
    m_connection->execute(sql);
    // The stored row is what was sent, the server's defaults for the
    // columns left out (inviata) and the key it assigned.
    QList<QVariant> stored = m_buffer;
    for (int i = 0; i < m_columns.size(); ++i)
        if (!m_modified[i])
            stored[i] = m_columnDefaults.value(i);
    const unsigned long long id = m_connection->lastInsertId();
    if (m_keyColumn >= 0 && m_columns[m_keyColumn].autoIncrement && id != 0)
        stored[m_keyColumn] = QString::number(id);
    m_rows[m_insertedIndex] = Row::fromValues(stored, m_columns);
}

// The column defaults of the bound table, read once from the server's
// catalogue (quoted texts, numbers, NULL).
void TableComponent::loadColumnDefaults()
{
    if (m_defaultsLoaded)
        return;
    const QString sql = QStringLiteral("SELECT COLUMN_NAME, COLUMN_DEFAULT FROM information_schema.COLUMNS"
                                       " WHERE TABLE_SCHEMA = DATABASE() AND TABLE_NAME = %1")
                            .arg(m_connection->quote(m_tableName));
    const RowSet set = m_connection->select(sql);
    QList<QVariant> defaults(m_columns.size());
    for (const Row &row : set.rows) {
        const int column = columnIndex(QString::fromUtf8(row.bytes(0)));
        if (column < 0 || row.isNull(1))
            continue;
        QString text = QString::fromUtf8(row.bytes(1));
        if (text == QLatin1String("NULL"))
            continue;
        if (text.size() >= 2 && text.startsWith(QLatin1Char('\'')) && text.endsWith(QLatin1Char('\''))) {
            text = text.mid(1, text.size() - 2).replace(QLatin1String("''"), QLatin1String("'"));
            text.replace(QLatin1String("\\\\"), QLatin1String("\\"));
        }
        defaults[column] = m_columns[column].kind == Column::Kind::Boolean ? QVariant(text.toInt() != 0)
                           : m_columns[column].kind == Column::Kind::Integer ? QVariant(text.toInt())
                                                                             : QVariant(text);
    }
    m_columnDefaults = defaults;
    m_defaultsLoaded = true;
}

void TableComponent::updateRow()
{
    QStringList assignments;
    for (int i = 0; i < m_columns.size(); ++i) {
        if (!m_modified[i])
            continue;
        assignments << quoteName(m_columns[i].name) + QStringLiteral(" = ") + literalOf(i);
    }
    if (!assignments.isEmpty()) {
        if (m_keyColumn < 0)
            throw AppError(QStringLiteral("La tabella %1 non ha una chiave: impossibile aggiornare la riga").arg(m_tableName));
        const Row &old = m_rows[m_current];
        m_connection->execute(QStringLiteral("UPDATE %1 SET %2 WHERE %3 = %4")
                                  .arg(quoteName(m_tableName), assignments.join(QStringLiteral(", ")),
                                       quoteName(m_columns[m_keyColumn].name),
                                       m_connection->quote(QString::fromUtf8(old.bytes(m_keyColumn)))));
    }
    m_rows[m_current] = Row::fromValues(m_buffer, m_columns);
}

// A posted row moves to its place in the sort order (a new customer among
// the others by name); a row already in place costs two comparisons.
// Returns whether the rows were reordered.
bool TableComponent::placeRowBySortOrder()
{
    const int sort = sortColumn();
    if (sort < 0 || m_current < 0)
        return false;
    const Column &column = m_columns[sort];
    const Row &row = m_rows[m_current];
    const bool afterPrevious = m_current == 0 || !rowLess(row, m_rows[m_current - 1], column, sort);
    const bool beforeNext = m_current + 1 == m_rows.size() || !rowLess(m_rows[m_current + 1], row, column, sort);
    if (afterPrevious && beforeNext)
        return false;
    const QByteArray key = keyOf(row);
    sortRows(m_rows, m_columns, sort);
    const int index = indexOfKey(key);
    m_current = index >= 0 ? index : m_current;
    return true;
}

void TableComponent::cancel()
{
    if (m_state == State::Insert) {
        const int removed = m_insertedIndex;
        m_rows.removeAt(removed);
        touchRows();
        m_insertedIndex = -1;
        m_buffer.clear();
        m_modified.clear();
        m_current = std::min(removed, int(m_rows.size()) - 1);
        m_eof = m_rows.isEmpty();
        setState(State::Browse);
        emit rowRemoved(removed);
        emit currentChanged(m_current);
    } else if (m_state == State::Edit) {
        m_buffer.clear();
        m_modified.clear();
        setState(State::Browse);
        emit rowsChanged({m_current});
    }
    if (m_reloadPending)
        QMetaObject::invokeMethod(this, &TableComponent::reloadAfterReconnect, Qt::QueuedConnection);
}

void TableComponent::remove()
{
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    if (!isOpen() || m_rows.isEmpty())
        throw AppError(QStringLiteral("Nessuna riga da eliminare in %1").arg(m_tableName));
    if (m_keyColumn < 0)
        throw AppError(QStringLiteral("La tabella %1 non ha una chiave: impossibile eliminare la riga").arg(m_tableName));
    const int removed = m_current;
    m_connection->execute(QStringLiteral("DELETE FROM %1 WHERE %2 = %3")
                              .arg(quoteName(m_tableName), quoteName(m_columns[m_keyColumn].name),
                                   m_connection->quote(QString::fromUtf8(m_rows[removed].bytes(m_keyColumn)))));
    if (m_state == State::Edit) {
        m_buffer.clear();
        m_modified.clear();
        setState(State::Browse);
        if (m_reloadPending)
            QMetaObject::invokeMethod(this, &TableComponent::reloadAfterReconnect, Qt::QueuedConnection);
    }
    m_rows.removeAt(removed);
    touchRows();
    m_current = std::min(removed, int(m_rows.size()) - 1);
    m_eof = m_rows.isEmpty();
    emit rowRemoved(removed);
    emit currentChanged(m_current);
}

void TableComponent::refresh()
{
    if (!isOpen())
        return;
    checkBrowseMode();
    RowSet set = m_connection->select(selectStatement());
    const int sort = sortColumn();
    if (sort >= 0)
        sortRows(set.rows, set.columns, sort);
    const bool sameColumns = set.columns.size() == m_columns.size();
    const RowDiff diff = diffRows(m_rows, set.rows, m_keyColumn, sameColumns);
    applyRows(std::move(set), diff);
}

void TableComponent::refreshCurrent()
{
    if (!isOpen() || m_current < 0)
        return;
    checkBrowseMode();
    if (!m_sql.isEmpty() || m_keyColumn < 0) {
        refresh();
        return;
    }
    const QString sql = QStringLiteral("SELECT * FROM %1 WHERE %2 = %3")
                            .arg(quoteName(m_tableName), quoteName(m_columns[m_keyColumn].name),
                                 m_connection->quote(QString::fromUtf8(m_rows[m_current].bytes(m_keyColumn))));
    m_connection->countStatement();
    RowSet set = readRowSet(m_connection->handle(), sql, m_connection->maxBytesPerChar());
    if (set.rows.size() != 1 || set.columns.size() != m_columns.size()) {
        refresh(); // the row is gone or the table changed shape
        return;
    }
    m_rows[m_current] = std::move(set.rows.first());
    touchRows();
    emit rowsChanged({m_current});
}

// Takes newly read rows, keeping the current row by its key, and tells the
// views only what changed: a re-read that finds nothing new says nothing.
void TableComponent::applyRows(RowSet &&set, const RowDiff &diff)
{
    const QByteArray currentKey = m_current >= 0 ? keyOf(m_rows[m_current]) : QByteArray();
    // The rows given up are freed on a worker thread: 100,000 of them take
    // longer to free than the window may wait.
    auto dispose = [](QList<Row> &&rows) { std::thread([rows = std::move(rows)]() mutable { rows.clear(); }).detach(); };
    if (diff.sameKeys) {
        const int oldCount = int(m_rows.size());
        dispose(std::exchange(m_rows, std::move(set.rows)));
        touchRows();
        if (!diff.changed.isEmpty())
            emit rowsChanged(diff.changed);
        if (m_rows.size() > oldCount) {
            emit rowsInserted(oldCount, int(m_rows.size()) - 1);
            if (m_current < 0) {
                m_current = 0;
                m_eof = false;
                emit currentChanged(m_current);
            }
        }
        return;
    }
    const int oldCurrent = m_current;
    m_appliedMasterValues = masterValues();
    dispose(std::move(m_rows));
    setRows(std::move(set));
    const int byKey = currentKey.isEmpty() ? -1 : indexOfKey(currentKey);
    m_current = m_rows.isEmpty() ? -1 : (byKey >= 0 ? byKey : std::clamp(oldCurrent, 0, int(m_rows.size()) - 1));
    m_eof = m_rows.isEmpty();
    emit rowsReset();
    emit currentChanged(m_current);
}

void TableComponent::autoRefresh()
{
    if (!isOpen() || isEditing())
        return;
    if (!m_reader)
        m_reader = std::make_unique<BackgroundReader>(this);
    if (m_reader->busy())
        return;
    m_reader->start(selectStatement(), sortColumn(), m_generation, m_rows, m_keyColumn, int(m_columns.size()));
}

void TableComponent::applyBackgroundRows(quint64 generation, RowSet &&set, const RowDiff &diff)
{
    // Rows changed here meanwhile, or the row is being edited: the next
    // tick reads again.
    if (!isOpen() || isEditing() || generation != m_generation)
        return;
    applyRows(std::move(set), diff);
}

// The automatic refresh lost the server: one message per loss, then it
// goes on quietly at its interval until the server answers.
void TableComponent::backgroundReadLost(const QString &message)
{
    if (m_refreshLost)
        return;
    m_refreshLost = true;
    emit connectionLost(message);
}

void TableComponent::backgroundReadAnswered()
{
    if (!m_refreshLost)
        return;
    m_refreshLost = false;
    emit connectionRestored();
}

// After the connection was opened again the rows are read again, the
// current row kept by its key. A row being edited or inserted keeps its
// pending values: the re-read waits until it is posted or cancelled.
void TableComponent::reloadAfterReconnect()
{
    if (!isOpen())
        return;
    if (isEditing()) {
        m_reloadPending = true;
        return;
    }
    m_reloadPending = false;
    try {
        refresh();
    } catch (const AppError &error) {
        // Lost again: the next statement reconnects and this runs again.
        if (!error.connectionLost())
            emit refreshFailed(error.message());
    }
}

void TableComponent::followMaster()
{
    if (!isOpen() || !m_master)
        return;
    if (masterValues() == m_appliedMasterValues)
        return;
    checkBrowseMode();
    try {
        readRows();
    } catch (const AppError &error) {
        // The master's post succeeded: a failed re-read of its lines is
        // not a failed save. The lines of another row are not shown.
        if (!m_master->m_posting)
            throw;
        m_appliedMasterValues = masterValues();
        m_rows.clear();
        touchRows();
        m_current = -1;
        m_eof = true;
        emit rowsReset();
        emit currentChanged(m_current);
        emit refreshFailed(error.message());
        return;
    }
    m_current = m_rows.isEmpty() ? -1 : 0;
    m_eof = m_rows.isEmpty();
    emit rowsReset();
    emit currentChanged(m_current);
}

// ---- fields -----------------------------------------------------------

int TableComponent::columnIndex(const QString &field) const
{
    return m_columnByName.value(field.toLower(), -1);
}

int TableComponent::requireColumn(const QString &field) const
{
    const int column = columnIndex(field);
    if (column < 0)
        throw AppError(QStringLiteral("%1: campo '%2' non trovato").arg(m_tableName, field));
    return column;
}

QVariant TableComponent::value(const QString &field) const
{
    const int column = requireColumn(field);
    if (isEditing())
        return m_buffer[column];
    if (m_current < 0)
        return QVariant();
    return decodeValue(m_rows[m_current], column, m_columns[column]);
}

QString TableComponent::text(const QString &field) const
{
    const QVariant v = value(field);
    if (v.isNull())
        return QString(QLatin1String(""));
    if (v.typeId() == QMetaType::Bool)
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    return v.toString();
}

int TableComponent::integer(const QString &field) const { return value(field).toInt(); }

bool TableComponent::boolean(const QString &field) const { return value(field).toBool(); }

void TableComponent::setValue(const QString &field, const QVariant &value)
{
    requireEditing("Scrittura del campo");
    const int column = requireColumn(field);
    const Column &info = m_columns[column];
    QVariant stored;
    if (!value.isNull()) {
        switch (info.kind) {
        case Column::Kind::Text:
            stored = cutToSize(value.toString(), info.maxChars);
            break;
        case Column::Kind::Integer: {
            const QString text = value.toString().trimmed();
            if (text.isEmpty())
                break;
            bool ok = false;
            const int number = value.typeId() == QMetaType::Int ? value.toInt() : text.toInt(&ok);
            if (value.typeId() != QMetaType::Int && !ok)
                throw AppError(QStringLiteral("'%1' is not a valid integer value").arg(value.toString()));
            stored = number;
            break;
        }
        case Column::Kind::Boolean:
            stored = value.toBool();
            break;
        case Column::Kind::Other:
            stored = value.toString();
            break;
        }
    }
    m_buffer[column] = stored;
    m_modified[column] = true;
    emit fieldChanged(column);
    emit rowsChanged({m_current});
}

QString TableComponent::fittedText(const QString &field, const QString &text) const
{
    const Column &info = m_columns[requireColumn(field)];
    return info.kind == Column::Kind::Text ? cutToSize(text, info.maxChars) : text;
}

QVariant TableComponent::valueAt(int row, int column) const
{
    if (isEditing() && row == m_current)
        return m_buffer.value(column);
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= m_columns.size())
        return QVariant();
    return decodeValue(m_rows[row], column, m_columns[column]);
}
