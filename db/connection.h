#pragma once

#include <QObject>
#include <QString>

struct st_mysql;
using MYSQL = st_mysql;

// A connection to a MariaDB/MySQL server through the client library.
// Errors carry the server's own message (AppError). Host, port and socket
// left empty follow the client library's defaults, so MYSQL_TCP_PORT and
// MYSQL_UNIX_PORT point the program at a private server.
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
        bool compress = false; // compressed protocol, for a server far away
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

    void connect();    // does nothing when already connected; throws AppError
    void disconnect(); // components on it are closed first (aboutToDisconnect)
    bool isConnected() const { return m_mysql != nullptr; }

    // Runs a statement that returns no rows; returns the affected rows.
    unsigned long long execute(const QString &sql);
    unsigned long long lastInsertId() const;
    // The text as a quoted SQL literal, escaped by the client library.
    QString quote(const QString &value) const;
    // Characters the server may send per character of a text column.
    unsigned maxBytesPerChar() const { return m_maxBytesPerChar; }

    // Statements sent through this connection, for the benchmarks.
    quint64 statementCount() const { return m_statements; }
    void countStatement() { ++m_statements; }

    MYSQL *handle() const;
    // Opens a further, independent connection with the same settings
    // (the background reader of the automatic refresh uses one).
    static MYSQL *openRaw(const Settings &settings); // throws AppError
    static QString lastError(MYSQL *mysql);

signals:
    void aboutToDisconnect();

private:
    Settings m_settings;
    MYSQL *m_mysql = nullptr;
    unsigned m_maxBytesPerChar = 4;
    quint64 m_statements = 0;
};
