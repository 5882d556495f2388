#pragma once

#include "rowset.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>

struct st_mysql;
using MYSQL = st_mysql;

// A connection to a MariaDB/MySQL server through the client library, and
// the one way statements reach it. Errors carry the server's own message
// (AppError). Host, port and socket left empty follow the client library's
// defaults, so MYSQL_TCP_PORT and MYSQL_UNIX_PORT point the program at a
// private server.
//
// A server that went away (restarted, crashed, network cut) is found by the
// client library's errors or by a failed ping, and the connection is opened
// again with the same settings before the next statement is sent; then
// reconnected() tells the components on it to read their rows again. A
// statement that may have reached the server is never sent twice: its
// failure is reported. Inside a transaction nothing is reopened: the
// transaction fails as a whole.
class Connection : public QObject
{
    Q_OBJECT
public:
    struct Settings
    {
        QString server;
        QString database;
        QString user;
        QString password;
        unsigned port = 0;
        bool compress = false;       // compressed protocol, for a server far away
        unsigned connectTimeout = 10; // seconds
        unsigned readTimeout = 30;   // seconds per read or write on the network
        bool operator==(const Settings &) const = default;
    };

    explicit Connection(QObject *parent = nullptr);
    ~Connection() override;

    const Settings &settings() const { return m_settings; }
    void setSettings(const Settings &settings);
    void setServer(const QString &server);
    void setDatabase(const QString &database);
    void setUser(const QString &user);
    void setPassword(const QString &password);

    // Opens the connection. On an open one it checks the link: a dead one
    // is opened again (reconnected() follows), a live one is left alone.
    void connect();    // throws AppError
    void disconnect(); // components on it are closed first (aboutToDisconnect)
    bool isConnected() const { return m_open; }

    // Runs a statement that returns no rows; returns the affected rows.
    unsigned long long execute(const QString &sql);
    // Runs a statement and reads all its rows.
    RowSet select(const QString &sql);
    unsigned long long lastInsertId() const;
    // The text as a quoted SQL literal, escaped by the client library.
    QString quote(const QString &value) const;
    // Characters the server may send per character of a text column.
    unsigned maxBytesPerChar() const { return m_maxBytesPerChar; }

    // A transaction: a failed statement inside it rolls it back whole, and
    // later statements are refused until rollback() ends it.
    void beginTransaction();
    void commit();
    void rollback();
    bool inTransaction() const { return m_transaction != TransactionState::None; }

    // Statements sent through this connection, for the benchmarks.
    quint64 statementCount() const { return m_statements; }
    void countStatement() { ++m_statements; }
    // How often the connection was opened again after a loss.
    quint64 reconnectCount() const { return m_reconnects; }

    MYSQL *handle() const;
    // Opens a further, independent link with the same settings (the
    // benchmarks compare against the client library used directly).
    static MYSQL *openRaw(const Settings &settings); // throws AppError
    static QString lastError(MYSQL *mysql);
    // Client and server errors that mean the server is not reachable (any
    // more) on this link.
    static bool isLostConnectionError(unsigned code);
    // The user's message for a lost connection.
    static QString lostMessage(const QString &serverMessage);

signals:
    void aboutToDisconnect();
    void reconnected();

private:
    enum class TransactionState { None, Open, Failed };

    void adopt(MYSQL *mysql);
    void reopen();
    void prepareStatement();
    [[noreturn]] void statementFailed(unsigned code, const QString &message);
    bool pingFails();

    Settings m_settings;
    MYSQL *m_mysql = nullptr;
    bool m_open = false;
    bool m_lost = false; // m_mysql is dead: reopen before the next statement
    TransactionState m_transaction = TransactionState::None;
    QElapsedTimer m_lastExchange;
    unsigned m_maxBytesPerChar = 4;
    quint64 m_statements = 0;
    quint64 m_reconnects = 0;
};
