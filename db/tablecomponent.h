#pragma once

#include "rowset.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <memory>

class Connection;
class BackgroundReader;
class QTimer;

// A table of the store as the program sees it: the rows of one table (or of
// a statement over it) held on the client, a current row, and the edit,
// insert and post cycle of a data-aware form. Master/detail links, a
// client-side sort order and the periodic re-read live here too.
class TableComponent : public QObject
{
    Q_OBJECT
public:
    enum class State { Inactive, Browse, Edit, Insert };
    Q_ENUM(State)

    struct Bookmark
    {
        QByteArray key;
        int index = -1;
    };

    TableComponent(Connection *connection, const QString &tableName, QObject *parent = nullptr);
    ~TableComponent() override;

    const QString &tableName() const { return m_tableName; }
    Connection *connection() const { return m_connection; }

    // Configuration (before opening, or at any time for the master).
    void setSortField(const QString &field);
    const QString &sortField() const { return m_sortField; }
    // Links this component to a master: fields separated by ';', as
    // "id_invio" or "id_invio;tipo". A null master removes the link.
    void setMaster(TableComponent *master, const QString &masterFields, const QString &detailFields);
    TableComponent *master() const { return m_master; }
    void setNewRecordHook(std::function<void(TableComponent &)> hook) { m_newRecordHook = std::move(hook); }
    void setAutoRefreshInterval(int milliseconds); // 0: none
    int autoRefreshInterval() const { return m_refreshInterval; }

    // Opening and closing; both do nothing when already done.
    void open();
    void close();
    bool isOpen() const { return m_state != State::Inactive; }
    // Replaces the statement (empty: the whole table) and reopens.
    void setSql(const QString &sql);
    const QString &sql() const { return m_sql; }
    // Statement without result set, on this component's connection.
    void execSql(const QString &sql);

    // Navigation.
    int rowCount() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.isEmpty(); }
    int currentIndex() const { return m_current; }
    bool eof() const { return m_eof; }
    void first();
    void next();
    void prior();
    void last();
    void moveTo(int index);
    bool locate(const QString &field, const QVariant &value);
    Bookmark bookmark() const;
    void gotoBookmark(const Bookmark &bookmark);

    // The edit cycle.
    State state() const { return m_state; }
    bool isEditing() const { return m_state == State::Edit || m_state == State::Insert; }
    void append();
    void edit();
    void post();
    void cancel();
    void remove();
    void refresh();
    // Re-reads only the current row, by its key (a table opened with a
    // statement of its own is re-read whole).
    void refreshCurrent();

    // Fields of the current row (of the edit buffer while editing). Names
    // compare without regard to case; an unknown name throws.
    const QList<Column> &columns() const { return m_columns; }
    int columnIndex(const QString &field) const; // -1 when unknown
    QVariant value(const QString &field) const;   // NULL stays a null QVariant
    QString text(const QString &field) const;     // NULL reads as empty
    int integer(const QString &field) const;      // NULL reads as 0
    bool boolean(const QString &field) const;     // NULL reads as false
    void setValue(const QString &field, const QVariant &value);
    void setText(const QString &field, const QString &text) { setValue(field, text); }
    // A text as a text column keeps it: cut to the column's size.
    QString fittedText(const QString &field, const QString &text) const;

    // Any row, for grids; the row being edited shows its pending values.
    QVariant valueAt(int row, int column) const;

signals:
    void stateChanged(TableComponent::State state);
    void currentChanged(int index);
    void fieldChanged(int column);           // a value of the current row
    void rowsReset();                        // every row may have changed
    void rowsChanged(const QList<int> &rows); // these rows' values changed
    void rowsInserted(int first, int last);
    void rowRemoved(int index);
    void refreshFailed(const QString &message);
    // The automatic refresh found the server away (once per loss; it goes
    // on trying at its interval), and found it again.
    void connectionLost(const QString &message);
    void connectionRestored();

private:
    friend class BackgroundReader;

    int requireColumn(const QString &field) const;
    QString selectStatement() const;
    QStringList masterValues() const;
    void readRows();
    void setRows(RowSet &&set);
    void setCurrent(int index);
    void setState(State state);
    void followMaster();
    void requireEditing(const char *operation) const;
    QByteArray keyOf(const Row &row) const;
    int indexOfKey(const QByteArray &key) const;
    QString literalOf(int column) const;
    void insertRow();
    void updateRow();
    void loadColumnDefaults();
    void autoRefresh();
    int sortColumn() const;
    void applyBackgroundRows(quint64 generation, RowSet &&set, const RowDiff &diff);
    void backgroundReadLost(const QString &message);
    void backgroundReadAnswered();
    void reloadAfterReconnect();
    bool placeRowBySortOrder();
    void applyRows(RowSet &&set, const RowDiff &diff);
    void checkBrowseMode();
    void touchRows() { ++m_generation; }

    Connection *m_connection;
    QString m_tableName;
    QString m_sql;
    QString m_sortField;
    QPointer<TableComponent> m_master;
    QStringList m_masterFields;
    QStringList m_detailFields;
    QStringList m_appliedMasterValues;
    std::function<void(TableComponent &)> m_newRecordHook;

    QList<Column> m_columns;
    QHash<QString, int> m_columnByName; // lower-case names
    int m_keyColumn = -1;
    QList<Row> m_rows;
    int m_current = -1;
    bool m_eof = true;
    State m_state = State::Inactive;

    QList<QVariant> m_columnDefaults; // what the server gives a column left out of an insert
    bool m_defaultsLoaded = false;
    QList<QVariant> m_buffer;   // the row being edited or inserted
    QList<bool> m_modified;
    int m_insertedIndex = -1;

    bool m_posting = false;        // post() is telling its listeners
    bool m_reloadPending = false;  // reconnected while editing: re-read once back in browse
    bool m_refreshLost = false;    // the automatic refresh has reported a lost server

    int m_refreshInterval = 0;
    quint64 m_generation = 0;   // grows with every local change of the rows
    QTimer *m_timer = nullptr;
    std::unique_ptr<BackgroundReader> m_reader;
};
